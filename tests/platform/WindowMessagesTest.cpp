#include "platform/WindowMessages.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(WindowMessagesTest, SameNameGivesSameIdFromTheRegisteredRange) {
  const unsigned year = RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_YEAR");
  const unsigned invoices = RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_INVOCES");
  EXPECT_GE(year, 0xC000u);
  EXPECT_LE(year, 0xFFFFu);
  EXPECT_NE(year, invoices);
  EXPECT_EQ(RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_YEAR"), year);
  // Registered names ignore case.
  EXPECT_EQ(RegisterWindowMessage(L"corvane_invoices_refresh_year"), year);
  EXPECT_EQ(RegisterWindowMessage(L""), 0u);
}

TEST(WindowMessagesTest, EventCarriesMessageParametersAndResult) {
  WindowMessageEvent event(0xC001, 7, -3);
  EXPECT_EQ(event.GetEventType(), EVT_CORVANE_MESSAGE);
  EXPECT_EQ(event.GetMessage(), 0xC001u);
  EXPECT_EQ(event.GetWParam(), 7u);
  EXPECT_EQ(event.GetLParam(), -3);
  event.SetResult(5);
  std::unique_ptr<wxEvent> clone(event.Clone());
  EXPECT_EQ(static_cast<WindowMessageEvent&>(*clone).GetResult(), 5);
  EXPECT_EQ(SendMessage(nullptr, 0xC001), 0);
}
