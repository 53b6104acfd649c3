#include "common/ui/AnchorLayout.h"

#include <gtest/gtest.h>

namespace {

AnchorLayout PageWith(const AnchorLayout::Entry& entry) {
  AnchorLayout layout;
  layout.SetInitialSize(400, 300);
  layout.AddEntry(entry);
  return layout;
}

std::optional<LayoutRect> MoveOf(const AnchorLayout& layout, int width, int height) {
  auto moves = layout.ComputeMoves(width, height);
  if (moves.empty()) return std::nullopt;
  return moves.front().second;
}

}  // namespace

TEST(AnchorLayoutTest, NothingMovesBeforeSetUp) {
  AnchorLayout layout;
  layout.AddEntry({1, {10, 10, 210, 30}, 0, 0, 100, 100});
  EXPECT_TRUE(layout.ComputeMoves(500, 500).empty());
}

struct AnchorCase {
  int32_t left, top, right, bottom;
  int width, height;
  LayoutRect expected;
};

TEST(AnchorLayoutTest, EdgesMoveByTheirShareOfTheChange) {
  const LayoutRect initial{10, 20, 210, 40};  // 200 wide
  const AnchorCase cases[] = {
      {0, 0, 100, 0, 450, 300, {10, 20, 260, 40}},    // stretches with the width
      {100, 0, 100, 0, 450, 300, {60, 20, 260, 40}},  // keeps its distance to the right edge
      {0, 0, 100, 100, 450, 330, {10, 20, 260, 70}},  // stretches both ways
      {0, 100, 0, 100, 450, 330, {10, 50, 210, 70}},  // keeps its distance to the bottom
      {50, 0, 50, 0, 401, 300, {10, 20, 210, 40}},    // half of 1 pixel truncates to 0
      {0, 0, 100, 0, 429, 300, {10, 20, 239, 40}},    // exactly the change, no rounding loss
      {0, 0, 100, 0, 350, 300, {10, 20, 160, 40}},    // shrinking moves the edge back
      {0, 0, 50, 0, 397, 300, {10, 20, 209, 40}},     // -1.5 truncates toward zero
  };
  for (const auto& c : cases) {
    AnchorLayout layout = PageWith({7, initial, c.left, c.top, c.right, c.bottom});
    auto moved = MoveOf(layout, c.width, c.height);
    ASSERT_TRUE(moved) << c.left << "," << c.top << "," << c.right << "," << c.bottom;
    EXPECT_EQ(*moved, c.expected) << c.left << "," << c.top << "," << c.right << "," << c.bottom << " at "
                                  << c.width << "x" << c.height;
  }
}

TEST(AnchorLayoutTest, OffsetsCountFromTheInitialSize) {
  AnchorLayout layout = PageWith({7, {0, 0, 200, 20}, 0, 0, 100, 100});
  EXPECT_EQ(MoveOf(layout, 450, 300)->Width(), 250);
  // Back at the initial size the control returns to its initial rectangle.
  EXPECT_EQ(MoveOf(layout, 400, 300), (LayoutRect{0, 0, 200, 20}));
}

// A page smaller than at set-up cannot turn a control inside out: it keeps
// its set-up side up to 100 pixels, and a small control is never made larger.
TEST(AnchorLayoutTest, AShrunkPageLeavesControlsALeastSizeNoLargerThanTheirOwn) {
  const AnchorCase cases[] = {
      {0, 0, 100, 100, 100, 250, {10, 20, 110, 40}},  // 200 x 20: 100 wide, 20 high
      {0, 0, 100, 100, 350, 290, {10, 20, 160, 40}},  // a width of its own, its 20 high
      {0, 100, 0, 100, 400, 100, {10, -180, 210, -160}},  // moved, not resized
  };
  for (const auto& c : cases) {
    AnchorLayout layout = PageWith({7, {10, 20, 210, 40}, c.left, c.top, c.right, c.bottom});
    EXPECT_EQ(MoveOf(layout, c.width, c.height), c.expected) << c.width << "x" << c.height;
  }
  AnchorLayout list = PageWith({8, {0, 0, 300, 250}, 0, 0, 100, 100});
  EXPECT_EQ(MoveOf(list, 100, 50), (LayoutRect{0, 0, 100, 100}));
  // A control stretched the usual way keeps the height it was given.
  AnchorLayout edit = PageWith({9, {10, 20, 210, 46}, 0, 0, 100, 0});
  EXPECT_EQ(MoveOf(edit, 800, 600), (LayoutRect{10, 20, 610, 46}));
}

TEST(AnchorLayoutTest, ControlsWithoutAnchorsNeverMove) {
  AnchorLayout layout = PageWith({7, {0, 0, 200, 20}, 0, 0, 0, 0});
  EXPECT_TRUE(layout.ComputeMoves(800, 600).empty());
}

TEST(AnchorLayoutTest, AControlIsRegisteredOnce) {
  AnchorLayout layout;
  layout.SetInitialSize(400, 300);
  layout.AddEntry({7, {0, 0, 100, 20}, 0, 0, 100, 0});
  layout.AddEntry({7, {0, 0, 100, 20}, 100, 0, 100, 0});  // replaces nothing
  ASSERT_EQ(layout.ComputeMoves(500, 300).size(), 1u);
  EXPECT_EQ(layout.ComputeMoves(500, 300).front().second, (LayoutRect{0, 0, 200, 20}));
}
