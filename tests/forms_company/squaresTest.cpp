#include "forms/company/squares.h"

#include <gtest/gtest.h>

#include "forms/company/company_square.h"
#include "platform/gdi/PageRecorder.h"
#include "platform/gdi/TextMeasurer.h"

namespace {

// A card of a fixed size that counts its measuring and drawing.
class FixedCard : public base_draw_square {
public:
  FixedCard(company_square* owner, SquareSize size, int* measured) : base_draw_square(owner), m_size(size), m_measured(measured) {}
  int Prepare() override { return 1; }
  int Measure(platform::gdi::Canvas&, SquareSize& size) override {
    ++*m_measured;
    size = m_size;
    return m_size.cx > 0 ? 2 : 1;
  }
  void Draw(CMappedDC&, int32_t, int32_t, int) override { ++drawn; }
  bool OnClick(wxWindow*, const wxPoint&) override { return false; }
  const wxCursor& GetCursor(const wxPoint&) override { return m_cursor; }
  int drawn = 0;

private:
  SquareSize m_size;
  int* m_measured;
  wxCursor m_cursor;
};

class SquaresTest : public ::testing::Test {
protected:
  FixedCard* Add(SquareSize size) {
    company_square* cell = m_cards.AddSquare();
    auto card = std::make_unique<FixedCard>(cell, size, &m_measured);
    FixedCard* added = card.get();
    cell->SetCard(std::move(card));
    return added;
  }
  void Paint(platform::gdi::Rect visible = {0, 0, 2000, 2000}) { m_cards.Paint(m_page, visible); }
  std::pair<int32_t, int32_t> Position(int id) {
    const company_square* cell = m_cards.Find(id);
    return {cell->x, cell->y};
  }

  platform::gdi::FixedTextMeasurer m_measurer;
  platform::gdi::PageRecorder m_page{platform::gdi::DeviceMetrics{}, m_measurer};
  squares<company_square> m_cards;
  int m_measured = 0;
};

TEST_F(SquaresTest, SevenCardsStandInColumnsOfThreeThreeAndOne) {
  m_cards.SetLayoutMode(0, 3);
  const int32_t heights[] = {100, 80, 120, 90, 90, 90, 70};
  for (int32_t height : heights) Add({250, height});
  Paint();
  using P = std::pair<int32_t, int32_t>;
  EXPECT_EQ(Position(1), P(0, 0));
  EXPECT_EQ(Position(2), P(0, 100));
  EXPECT_EQ(Position(3), P(0, 180));
  EXPECT_EQ(Position(4), P(250, 0));
  EXPECT_EQ(Position(5), P(250, 90));
  EXPECT_EQ(Position(6), P(250, 180));
  EXPECT_EQ(Position(7), P(500, 0));
  EXPECT_EQ(m_cards.GetExtent().right, 750);
  EXPECT_EQ(m_cards.GetExtent().bottom, 300);
}

TEST_F(SquaresTest, RowModeWrapsToANewRowBelowTheTallestCard) {
  m_cards.SetLayoutMode(1, 2);
  Add({250, 100});
  Add({250, 140});
  Add({250, 60});
  Paint();
  using P = std::pair<int32_t, int32_t>;
  EXPECT_EQ(Position(1), P(0, 0));
  EXPECT_EQ(Position(2), P(250, 0));
  EXPECT_EQ(Position(3), P(0, 140));
}

TEST_F(SquaresTest, HitsOnlyInsideTheTwentyPixelMargin) {
  m_cards.SetLayoutMode(0, 3);
  Add({250, 100});
  Add({250, 100});
  EXPECT_EQ(m_cards.HitTest(30, 30), 0);  // nothing is placed before the first paint
  Paint();
  EXPECT_EQ(m_cards.HitTest(20, 20), 1);
  EXPECT_EQ(m_cards.HitTest(19, 50), 0);
  EXPECT_EQ(m_cards.HitTest(229, 79), 1);
  EXPECT_EQ(m_cards.HitTest(230, 50), 0);
  EXPECT_EQ(m_cards.HitTest(100, 90), 0);  // the margin between two cards
  EXPECT_EQ(m_cards.HitTest(100, 125), 2);
}

TEST_F(SquaresTest, ResetLayoutKeepsSizesAtLevelTwoAndMeasuresAgainAtZero) {
  m_cards.SetLayoutMode(0, 3);
  Add({250, 100});
  Add({250, 100});
  Paint();
  EXPECT_EQ(m_measured, 2);
  m_cards.ResetLayout(2);
  EXPECT_EQ(m_cards.HitTest(50, 50), 0);  // positions forgotten
  Paint();
  EXPECT_EQ(m_measured, 2);
  EXPECT_EQ(m_cards.HitTest(50, 50), 1);
  m_cards.ResetLayout(0);
  Paint();
  EXPECT_EQ(m_measured, 4);
}

TEST_F(SquaresTest, OnlyVisibleCardsAreDrawnAndUnmeasurableOnesAreSkipped) {
  m_cards.SetLayoutMode(0, 1);
  FixedCard* first = Add({250, 100});
  FixedCard* broken = Add({0, 0});
  FixedCard* second = Add({250, 100});
  Paint({0, 0, 200, 300});
  EXPECT_EQ(first->drawn, 1);
  EXPECT_EQ(broken->drawn, 0);
  EXPECT_EQ(second->drawn, 0);  // a column to the right, out of sight
  EXPECT_EQ(m_cards.Find(3)->x, 250);
  Paint({200, 0, 600, 300});
  EXPECT_EQ(second->drawn, 1);
}

TEST_F(SquaresTest, ClearDropsTheCellsButNeverReusesIds) {
  Add({250, 100});
  Add({250, 100});
  m_cards.Clear();
  EXPECT_EQ(m_cards.Count(), 0u);
  EXPECT_EQ(m_cards.AddSquare()->id, 3);
}

}  // namespace
