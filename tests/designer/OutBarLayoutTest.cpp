#include "designer/bars/OutBarLayout.h"

#include <gtest/gtest.h>

using namespace designer;
using platform::gdi::Point;
using platform::gdi::Rect;

namespace {

// A bar 200 x 400 with three folders; every item text is 14 pixels high,
// so an item is 20 pixels high and 172 wide (moved 5 in, its right edge
// stays).
OutBarLayout ThreeFolders(int32_t itemsInFirst = 3) {
  OutBarLayout bar;
  bar.SetClient({0, 0, 200, 400});
  bar.AppendFolder(L"A", 0);
  bar.AppendFolder(L"B", 1);
  bar.AppendFolder(L"C", 2);
  for (int32_t i = 0; i < itemsInFirst; ++i) bar.InsertItem(0, -1, L"item", -1, 100 + i, 14);
  return bar;
}

}  // namespace

TEST(OutBarLayoutTest, FoldersUpToTheOpenOneSitAtTheTopTheOthersAtTheBottom) {
  OutBarLayout bar = ThreeFolders();
  EXPECT_EQ(bar.GetSelectedFolder(), 1) << "folder 1 is open before any choice";
  EXPECT_EQ(bar.GetFolderRect(0), (Rect{0, -1, 200, 21}));
  EXPECT_EQ(bar.GetFolderRect(1), (Rect{0, 21, 200, 43}));
  EXPECT_EQ(bar.GetFolderRect(2), (Rect{0, 378, 200, 400}));
  EXPECT_EQ(bar.GetItemArea(), (Rect{0, 43, 200, 378}));

  ASSERT_TRUE(bar.SelectFolder(2));
  EXPECT_EQ(bar.GetFolderRect(2), (Rect{0, 43, 200, 65}));
  EXPECT_EQ(bar.GetItemArea(), (Rect{0, 65, 200, 400})) << "no button is left at the bottom";
  EXPECT_FALSE(bar.SelectFolder(3));
  EXPECT_EQ(bar.GetSelectedFolder(), 2);
}

TEST(OutBarLayoutTest, WithoutFoldersNoneIsOpenAndNothingIsHit) {
  OutBarLayout bar;
  bar.SetClient({0, 0, 200, 400});
  EXPECT_EQ(bar.GetSelectedFolder(), -1);
  EXPECT_EQ(bar.GetItemCount(), 0);
  EXPECT_EQ(bar.GetItemData(0), 0);
  EXPECT_EQ(bar.GetItemArea(), (Rect{0, 0, 200, 400}));
  EXPECT_EQ(bar.HitTest({10, 10}).hit, OutBarHit::None);
  EXPECT_FALSE(bar.GetDropIndex({10, 10}).has_value());
  EXPECT_FALSE(bar.IsDownArrowShown());
  // One folder: it is the open one, although folder 1 was the default.
  bar.AppendFolder(L"Only", 7);
  EXPECT_EQ(bar.GetSelectedFolder(), 0);
}

TEST(OutBarLayoutTest, ItemsStackBelowTheOpenButtonInsetByFive) {
  OutBarLayout bar = ThreeFolders();
  bar.SelectFolder(0);
  EXPECT_EQ(bar.GetItemArea().top, 21);
  EXPECT_EQ(bar.GetItemRect(0), (Rect{5, 26, 172, 46}));
  EXPECT_EQ(bar.GetItemRect(2), (Rect{5, 66, 172, 86}));
  EXPECT_EQ(bar.GetItemData(1), 101);
  EXPECT_EQ(bar.GetItemData(3), 0) << "outside the folder";
  EXPECT_EQ((bar.HitTest({50, 50})), (OutBarHitResult{OutBarHit::Item, 1}));
  EXPECT_EQ((bar.HitTest({50, 10})), (OutBarHitResult{OutBarHit::Folder, 0}));
  EXPECT_EQ((bar.HitTest({50, 390})), (OutBarHitResult{OutBarHit::Folder, 2}));
  EXPECT_EQ(bar.HitTest({50, 200}).hit, OutBarHit::None);
}

TEST(OutBarLayoutTest, AnItemWithoutTextTakesNoRoom) {
  OutBarLayout bar = ThreeFolders(0);
  bar.SelectFolder(0);
  bar.InsertItem(0, -1, L"", -1, 1, 14);
  bar.InsertItem(0, -1, L"x", -1, 2, 14);
  EXPECT_EQ(bar.GetItemSize(0).cy, 0);
  EXPECT_EQ(bar.GetItemRect(1).top, 26);
}

TEST(OutBarLayoutTest, InsertingPastTheEndAppends) {
  OutBarLayout bar = ThreeFolders(0);
  EXPECT_EQ(bar.InsertItem(0, 5, L"first", -1, 9, 14), 0);
  EXPECT_EQ(bar.InsertItem(0, 0, L"before", -1, 8, 14), 0);
  EXPECT_EQ(bar.InsertItem(0, -3, L"last", -1, 10, 14), 2);
  EXPECT_EQ(bar.GetFolder(0).items[1].text, L"first");
  EXPECT_EQ(bar.InsertItem(5, 0, L"no folder", -1, 0, 14), -1);
}

TEST(OutBarLayoutTest, ScrollingStopsAtTheFirstItemAndWhenTheLastIsFullyShown) {
  // Item area of folder 0: 21..356 (335 high); 20 items of 20 pixels need 405.
  OutBarLayout bar = ThreeFolders(20);
  bar.SelectFolder(0);
  EXPECT_FALSE(bar.IsUpArrowShown());
  EXPECT_TRUE(bar.IsDownArrowShown());
  EXPECT_FALSE(bar.ScrollUp());
  int steps = 0;
  while (bar.ScrollDown()) ++steps;
  // The last item's bottom: 21 + 5 + 400 - 20 * steps must be within 356.
  EXPECT_EQ(steps, 4);
  EXPECT_LE(bar.GetItemRect(19).bottom, bar.GetItemArea().bottom);
  EXPECT_TRUE(bar.IsUpArrowShown());
  EXPECT_FALSE(bar.IsDownArrowShown());
  EXPECT_EQ(bar.HitTest({bar.GetUpArrowRect().left + 1, bar.GetUpArrowRect().top + 1}).hit, OutBarHit::UpArrow);
  // Items scrolled out of view are not hit.
  EXPECT_EQ((bar.HitTest({50, 30})), (OutBarHitResult{OutBarHit::Item, 4}));
  while (bar.ScrollUp()) --steps;
  EXPECT_EQ(steps, 0);
  EXPECT_EQ(bar.GetFirstVisible(), 0);
}

TEST(OutBarLayoutTest, DropIndexIsTheItemUnderThePointOrTheEnd) {
  OutBarLayout bar = ThreeFolders(3);
  bar.SelectFolder(0);
  EXPECT_EQ(bar.GetDropIndex({50, 30}), 0);
  EXPECT_EQ(bar.GetDropIndex({50, 70}), 2);
  EXPECT_EQ(bar.GetDropIndex({50, 200}), 3) << "below the last item, inside the item area";
  EXPECT_FALSE(bar.GetDropIndex({50, 10}).has_value()) << "on a folder button";
  EXPECT_FALSE(bar.GetDropIndex({250, 30}).has_value()) << "outside the bar";
}

TEST(OutBarLayoutTest, MovingAnItemDownLandsBeforeTheDropIndex) {
  struct Case {
    int32_t from, drop;
    bool moved;
    std::vector<int32_t> order;
  };
  const Case cases[] = {
      {0, 2, true, {101, 100, 102}},   // down: lands one before the drop index
      {0, 3, true, {101, 102, 100}},   // after the last: appended
      {2, 0, true, {102, 100, 101}},   // up
      {1, 1, false, {100, 101, 102}},  // its own place
      {1, 2, false, {100, 101, 102}},  // right after itself is its own place too
  };
  for (const Case& c : cases) {
    OutBarLayout bar = ThreeFolders(3);
    bar.SelectFolder(0);
    EXPECT_EQ(bar.MoveItem(c.from, c.drop), c.moved) << c.from << "->" << c.drop;
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(bar.GetItemData(i), c.order[i]) << c.from << "->" << c.drop;
  }
}

TEST(OutBarLayoutTest, AFolderWithAChildWindowShowsNoItemsOrArrows) {
  OutBarLayout bar = ThreeFolders(20);
  bar.SelectFolder(0);
  int child = 0;
  bar.GetFolder(0).child = &child;
  EXPECT_FALSE(bar.IsDownArrowShown());
  EXPECT_EQ(bar.HitTest({50, 30}).hit, OutBarHit::None);
  EXPECT_FALSE(bar.GetDropIndex({50, 30}).has_value());
}
