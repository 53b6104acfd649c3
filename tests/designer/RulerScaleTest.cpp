#include "designer/bars/RulerScale.h"

#include <gtest/gtest.h>

using designer::RulerMark;
using designer::RulerScale;

TEST(RulerScaleTest, InchesAt96DpiHaveAMarkEvery96PixelsWithEightTicks) {
  RulerScale scale(designer::kUnitInches, 96, 1.0);
  EXPECT_EQ(scale.MajorStep(), 96);
  const auto layout = scale.Layout(300, 0);
  EXPECT_EQ(layout.marks, (std::vector<RulerMark>{{0, 0}, {96, 1}, {192, 2}, {288, 3}}));
  const std::vector<int32_t> firstInch(layout.ticks.begin(), layout.ticks.begin() + 8);
  EXPECT_EQ(firstInch, (std::vector<int32_t>{0, 12, 24, 36, 48, 60, 72, 84}));
}

TEST(RulerScaleTest, CentimetresAt96DpiHaveAMarkEvery38PixelsWithTwoTicks) {
  RulerScale scale(designer::kUnitCentimetres, 96, 1.0);
  EXPECT_EQ(scale.MajorStep(), 38);
  const auto layout = scale.Layout(80, 0);
  EXPECT_EQ(layout.ticks, (std::vector<int32_t>{0, 19, 38, 57, 76}));
  EXPECT_EQ(layout.marks, (std::vector<RulerMark>{{0, 0}, {38, 1}, {76, 2}}));
}

TEST(RulerScaleTest, PixelsFollowTheZoom) {
  RulerScale half(designer::kUnitPixels, 96, 0.5);
  EXPECT_EQ(half.MajorStep(), 50);
  EXPECT_EQ(half.Layout(120, 0).marks, (std::vector<RulerMark>{{0, 0}, {50, 1}, {100, 2}}));
}

TEST(RulerScaleTest, AScrolledRulerLabelsTheFirstMajorStepInside) {
  RulerScale scale(designer::kUnitPixels, 96, 1.0);
  const auto layout = scale.Layout(300, 150);
  ASSERT_FALSE(layout.marks.empty());
  EXPECT_EQ(layout.marks.front(), (RulerMark{50, 2}));
  EXPECT_EQ(layout.ticks.front(), 0) << "the minor ticks before the first mark are drawn too";
  // A far scroll does not walk from the origin and still labels correctly.
  EXPECT_EQ(scale.Layout(300, 1'000'000'050).marks.front(), (RulerMark{50, 10'000'001}));
}

TEST(RulerScaleTest, AZoomOrResolutionThatRoundsToNoStepStillAdvances) {
  for (double zoom : {0.0, 0.001, -1.0}) {
    RulerScale scale(designer::kUnitInches, 96, zoom);
    EXPECT_EQ(scale.MajorStep(), 1) << zoom;
    EXPECT_EQ(scale.Layout(24, 0).marks.size(), 24u);
  }
  EXPECT_EQ(RulerScale(designer::kUnitCentimetres, 0, 1.0).MajorStep(), 1);
}
