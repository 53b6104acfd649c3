// The contact cards' drawing on a recorded page: the body text is never cut
// off at the bottom, wherever on the millimetre grid the card stands.
#include "forms/company/ContactCards.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "forms/company/company_square.h"
#include "platform/gdi/PageRecorder.h"
#include "platform/gdi/TextMeasurer.h"
#include "shell/ui/CMappedDC.h"

namespace {

using MakeCard = std::function<std::unique_ptr<text_square>(company_square*)>;

struct CardCase {
  const char* kind;
  MakeCard make;
  const wchar_t* body;
};

// Lines with descenders (g, p, y, j) show whether the bottom is cut.
const CardCase kCards[] = {
    {"e-mail", [](company_square* o) { return std::make_unique<email_square>(1, L"Orders", L"orders@shop.example", o); },
     L"orders@shop.example"},
    {"web link", [](company_square* o) { return std::make_unique<web_square>(2, L"Shop", L"https://shop.example", o); },
     L"https://shop.example"},
    {"phone", [](company_square* o) { return std::make_unique<phone_square>(3, L"Mobile", L"386 41 777888", o); },
     L"386 41 777888"},
    {"address",
     [](company_square* o) { return std::make_unique<adr_square>(4, L"Office", L"Main Street 1\nLjubljana", o); },
     L"Ljubljana"},
};

TEST(ContactCardsTest, TheBodyTextIsNotCutAtTheBottomAtAnyPlace) {
  platform::gdi::FixedTextMeasurer measurer;
  for (const CardCase& c : kCards) {
    for (int32_t y = 0; y < 6; ++y) {
      platform::gdi::PageRecorder page{platform::gdi::DeviceMetrics{}, measurer};
      company_square cell;
      cell.SetCard(c.make(&cell));
      cell.GetSize(page);
      // 96 dpi: three pixels to the millimetre, as the contact page maps them.
      std::unique_ptr<CMappedDC> mapped = CreateMappedDC(page, 3, 3, 0);
      cell.Draw(*mapped, 0, y, 0);
      const platform::gdi::TextOp* body = nullptr;
      for (const platform::gdi::TextOp* text : page.Page().Texts())
        if (text->text == c.body) body = text;
      ASSERT_TRUE(body) << c.kind << " at " << y;
      const int32_t bottom = body->y + measurer.LineHeight(body->font);
      EXPECT_TRUE(!body->clip || body->clip->bottom >= bottom) << c.kind << " at " << y;
    }
  }
}

}  // namespace
