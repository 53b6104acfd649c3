#include "designer/bars/AutoHideLayout.h"

#include <gtest/gtest.h>

using namespace designer;
using platform::gdi::Rect;

namespace {

AutoHideTab Tab(uint32_t flags, int32_t extent = 50) {
  AutoHideTab tab;
  tab.flags = flags;
  tab.textExtent = extent;
  return tab;
}

std::vector<uint32_t> Flags(const std::vector<AutoHideTab>& tabs) {
  std::vector<uint32_t> flags;
  for (const auto& tab : tabs) flags.push_back(tab.flags);
  return flags;
}

}  // namespace

TEST(AutoHideLayoutTest, ALeftFrameOfFourHundredSlidesOutInThreeSteps) {
  const Rect bar{0, 50, 24, 650};
  Rect frame = SlideOpenRect(AutoHideSide::Left, bar, 400);
  EXPECT_EQ(frame, (Rect{24, 50, 184, 650}));
  std::vector<int32_t> widths{frame.Width()};
  while (auto next = SlideStepRect(AutoHideSide::Left, frame, 400)) {
    frame = *next;
    widths.push_back(frame.Width());
  }
  EXPECT_EQ(widths, (std::vector<int32_t>{160, 320, 400}));
  EXPECT_EQ(frame.left, 24) << "the edge at the bar stays";
}

TEST(AutoHideLayoutTest, EachSideGrowsAwayFromItsBar) {
  struct Case {
    AutoHideSide side;
    Rect bar;
    int32_t full;
    Rect open, next;
  };
  const Case cases[] = {
      {AutoHideSide::Top, {0, 0, 800, 24}, 300, {0, 24, 800, 184}, {0, 24, 800, 324}},
      {AutoHideSide::Right, {776, 0, 800, 600}, 200, {616, 0, 776, 600}, {576, 0, 776, 600}},
      {AutoHideSide::Bottom, {0, 576, 800, 600}, 170, {0, 416, 800, 576}, {0, 406, 800, 576}},
  };
  for (const Case& c : cases) {
    const Rect open = SlideOpenRect(c.side, c.bar, c.full);
    EXPECT_EQ(open, c.open) << static_cast<int>(c.side);
    const auto next = SlideStepRect(c.side, open, c.full);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(*next, c.next) << static_cast<int>(c.side);
    EXPECT_FALSE(SlideStepRect(c.side, *next, c.full).has_value());
  }
}

TEST(AutoHideLayoutTest, AShallowFrameOpensAtOnceToItsFullSize) {
  const Rect top = SlideOpenRect(AutoHideSide::Top, {0, 0, 800, 24}, 100);
  EXPECT_EQ(top.Height(), 100);
  EXPECT_FALSE(SlideStepRect(AutoHideSide::Top, top, 100).has_value());
  const Rect left = SlideOpenRect(AutoHideSide::Left, {0, 0, 24, 600}, 100);
  EXPECT_EQ(left.Width(), 100) << "never wider than the frame's full size";
}

TEST(AutoHideLayoutTest, BarsTakeTheirStripOfTheFreeArea) {
  Rect free{0, 0, 800, 600};
  EXPECT_EQ(PlaceAutoHideBar(AutoHideSide::Left, free), (Rect{0, 0, 24, 600}));
  EXPECT_EQ(PlaceAutoHideBar(AutoHideSide::Top, free), (Rect{24, 0, 800, 24}));
  EXPECT_EQ(PlaceAutoHideBar(AutoHideSide::Right, free), (Rect{776, 24, 800, 600}));
  EXPECT_EQ(PlaceAutoHideBar(AutoHideSide::Bottom, free), (Rect{24, 576, 776, 600}));
  EXPECT_EQ(free, (Rect{24, 24, 776, 576}));
}

TEST(AutoHideLayoutTest, TabsLineUpFromTenPixelsIn) {
  std::vector<AutoHideTab> tabs{Tab(kTabText, 60), Tab(kTabSeparator), Tab(kTabHotText), Tab(kTabText | 4, 40)};
  LayoutAutoHideTabs(AutoHideSide::Top, {0, 0, 800, 24}, tabs);
  // Text tab: 60 + 18 long, from x - 2; the next starts 2 before its end.
  EXPECT_EQ(tabs[0].rect, (Rect{8, 2, 88, 22}));
  EXPECT_EQ(tabs[1].rect, (Rect{})) << "a separator has no rectangle";
  // 10 + 76 = 86, then the gap of 10: 96; an icon tab is 21 long.
  EXPECT_EQ(tabs[2].rect, (Rect{96, 2, 117, 22}));
  EXPECT_EQ(tabs[3].rect, (Rect{114, 2, 174, 22}));

  LayoutAutoHideTabs(AutoHideSide::Left, {0, 0, 24, 600}, tabs);
  EXPECT_EQ(tabs[0].rect, (Rect{2, 8, 22, 88})) << "vertical bars run along y";
  EXPECT_EQ(AutoHideTabAt(tabs, {10, 50}), 0);
  EXPECT_EQ(AutoHideTabAt(tabs, {10, 300}), -1);
}

TEST(AutoHideLayoutTest, AHotIconTabShowsItsTextAloneInItsGroup) {
  std::vector<AutoHideTab> tabs{Tab(kTabHotText | kTabTextShown), Tab(kTabHotText), Tab(kTabSeparator),
                                Tab(kTabHotText | kTabTextShown)};
  MakeAutoHideTabHot(tabs, 1);
  EXPECT_EQ(Flags(tabs), (std::vector<uint32_t>{2, 6, 8, 6})) << "the other group keeps its text";
}

TEST(AutoHideLayoutTest, SeparatorsAreTidied) {
  struct Case {
    std::vector<uint32_t> before, after;
  };
  const Case cases[] = {
      {{1, 8, 8, 1}, {1, 8, 1}},
      {{1, 8}, {1}},
      {{8, 1}, {1}},
      {{8, 8, 1, 8, 8}, {1}},
      {{8}, {}},
      {{1, 8, 1}, {1, 8, 1}},
  };
  for (const Case& c : cases) {
    std::vector<AutoHideTab> tabs;
    for (uint32_t f : c.before) tabs.push_back(Tab(f));
    TidyAutoHideSeparators(tabs);
    EXPECT_EQ(Flags(tabs), c.after);
  }
}
