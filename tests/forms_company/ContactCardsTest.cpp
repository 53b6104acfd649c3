// The contact cards' drawing on a recorded page: the body text is never cut
// off at the bottom, wherever on the millimetre grid the card stands; a card
// with nothing to show is still drawn where it can be clicked.
#include "forms/company/ContactCards.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <variant>

#include "forms/company/company_square.h"
#include "forms/company/squares.h"
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

// An address stored empty: the card is framed round an empty line, titled
// "(empty)" on a band a line high, and a click on that band hits it. A card without a caption
// but with a text keeps a band a line high and no title.
TEST(ContactCardsTest, ACardWithNothingToShowIsFramedAndTitledEmpty) {
  platform::gdi::FixedTextMeasurer measurer;
  platform::gdi::PageRecorder page{platform::gdi::DeviceMetrics{}, measurer};
  squares<company_square> cards;
  cards.SetLayoutMode(0, 3);
  auto add = [&](std::unique_ptr<text_square> (*make)(company_square*)) {
    company_square* cell = cards.AddSquare();
    cell->SetCard(make(cell));
    return dynamic_cast<text_square*>(cell->GetCard());
  };
  text_square* empty = add([](company_square* o) -> std::unique_ptr<text_square> {
    return std::make_unique<adr_square>(-1, L"  ", L"", o);
  });
  text_square* untitled = add([](company_square* o) -> std::unique_ptr<text_square> {
    return std::make_unique<phone_square>(-2, L"", L"386 41 777888", o);
  });
  EXPECT_TRUE(empty->IsBlank());
  EXPECT_EQ(empty->GetShownTitle(), L"(empty)");
  EXPECT_FALSE(untitled->IsBlank());
  EXPECT_EQ(untitled->GetShownTitle(), L"");
  cards.Paint(page, {0, 0, 2000, 2000});

  const int32_t line =
      measurer.LineHeight(platform::gdi::LogFont{.height = 16, .weight = 700, .faceName = L"Verdana"});
  const company_square* emptyCell = cards.Find(1);
  const company_square* untitledCell = cards.Find(2);
  EXPECT_EQ(emptyCell->cy, line + 14 + 47);  // a title line and an empty body line
  EXPECT_EQ(cards.HitTest(30, 20 + line / 2), 1);  // the band
  EXPECT_EQ(cards.HitTest(30, untitledCell->y + 20 + line / 2), 2);

  std::vector<std::wstring> texts;
  for (const platform::gdi::TextOp* text : page.Page().Texts()) texts.push_back(text->text);
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"(empty)", L"386 41 777888"}));
  int frames = 0;
  for (const platform::gdi::PageOp& op : page.Page().ops)
    if (const auto* rect = std::get_if<platform::gdi::RectangleOp>(&op); rect && rect->brush.hollow) {
      ++frames;
      EXPECT_FALSE(rect->pen.IsNull());
      EXPECT_LE(rect->rect.top, 20);
      EXPECT_GE(rect->rect.bottom, emptyCell->cy - 23);  // round the clickable area, on the millimetre grid
    }
  EXPECT_EQ(frames, 1);  // only the empty card
}

}  // namespace
