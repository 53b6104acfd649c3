#include "preview/DrawingHelpers.h"

#include <gtest/gtest.h>

#include "common/UnitConversions.h"
#include "platform/OleDateTime.h"

namespace {

TEST(DrawingHelpers, SplitLinesKeepsOnlyNonEmptyLines) {
  std::vector<std::wstring> lines{L"kept"};
  preview::SplitLines(L"first\r\n\r\nsecond\r\n", lines);
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"kept", L"first", L"second"}));
  preview::SplitLines(L"", lines);
  EXPECT_EQ(lines.size(), 3u);
}

TEST(DrawingHelpers, RemoveMarkerTellsWhetherThereWasOne) {
  std::wstring text = L"[%bold%]a[%bold%]b";
  EXPECT_TRUE(preview::RemoveMarker(text, L"[%bold%]"));
  EXPECT_EQ(text, L"ab");
  EXPECT_FALSE(preview::RemoveMarker(text, L"[%bold%]"));
  EXPECT_FALSE(preview::RemoveMarker(text, L""));
}

TEST(DrawingHelpers, MacrosAreReplacedEverywhere) {
  platform::SetNowOverride(platform::CivilTime{2025, 12, 31, 23, 59, 58});
  EXPECT_EQ(preview::ReplaceMacros(L"[%page%]/[%page%]", 12), L"12/12");
  EXPECT_EQ(preview::ReplaceMacros(L"[%date%]", 1), L"12/31/25");
  EXPECT_EQ(preview::ReplaceMacros(L"at [%time%]", 1), L"at 23:59:58");
  EXPECT_EQ(preview::ReplaceMacros(L"[%unknown%] [%page", 3), L"[%unknown%] [%page");
  platform::SetNowOverride(std::nullopt);
}

TEST(DrawingHelpers, InchesBecomeDevicePixels) {
  // At 600 pixels per inch, half an inch is 300 pixels and 12 points 100 pixels.
  EXPECT_EQ(InchesToPixelsAt(0.5, 600), 300);
  EXPECT_EQ(TenthPointsToPixelsAt(120, 600), 100);
  platform::gdi::DeviceMetrics device;
  device.pixelsPerInchX = 600;
  device.pixelsPerInchY = 300;
  device.physicalOffsetX = 50;
  device.physicalOffsetY = 25;
  EXPECT_EQ(preview::InchesToDeviceRect(0.5, 0.5, 1.0, 2.0, device),
            (platform::gdi::Rect{250, 125, 550, 575}));
}

}  // namespace
