#include "common/UnitConversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class UnitConversionsTest : public ::testing::Test {
protected:
  void TearDown() override { SetScreenDpi(0); }
};

TEST_F(UnitConversionsTest, WithoutADisplayTheResolutionIs96) {
  SetScreenDpi(0);
  EXPECT_EQ(96, GetScreenDpi());
  EXPECT_DOUBLE_EQ(0.5, PixelsToInches(48));
  EXPECT_EQ(48, InchesToPixels(0.5));
  EXPECT_EQ(16, TenthPointsToPixels(120));
}

TEST_F(UnitConversionsTest, TheResolutionIsNeverZero) {
  for (int32_t bad : {0, -1, -96}) {
    SetScreenDpi(120);
    SetScreenDpi(bad);
    EXPECT_EQ(96, GetScreenDpi()) << bad;
    EXPECT_TRUE(std::isfinite(PixelsToInches(10)));
    EXPECT_EQ(10, InchesToPixels(PixelsToInches(10)));
  }
}

TEST_F(UnitConversionsTest, UsesTheResolutionSet) {
  SetScreenDpi(120);
  EXPECT_EQ(120, GetScreenDpi());
  EXPECT_DOUBLE_EQ(0.25, PixelsToInches(30));
  EXPECT_EQ(30, InchesToPixels(0.25));
  EXPECT_EQ(20, TenthPointsToPixels(120));
}

struct InchCase {
  double inches;
  int32_t ppi;
  int32_t pixels;
};

void PrintTo(const InchCase& c, std::ostream* os) {
  *os << c.inches << " in at " << c.ppi << " ppi";
}

class InchesToPixelsAtTest : public ::testing::TestWithParam<InchCase> {};

TEST_P(InchesToPixelsAtTest, RoundsHalfUpAndTruncatesTowardZero) {
  EXPECT_EQ(GetParam().pixels, InchesToPixelsAt(GetParam().inches, GetParam().ppi));
}

INSTANTIATE_TEST_SUITE_P(Values, InchesToPixelsAtTest,
                         ::testing::Values(InchCase{0.5, 600, 300}, InchCase{0.5, 96, 48},
                                           InchCase{0.25, 2, 1}, InchCase{0.0049, 96, 0},
                                           InchCase{-0.5, 96, -47},  // -48 + 0.5 truncates toward zero
                                           InchCase{1e300, 96, std::numeric_limits<int32_t>::max()},
                                           InchCase{-1e300, 96, std::numeric_limits<int32_t>::min()},
                                           InchCase{std::numeric_limits<double>::quiet_NaN(), 96, 0},
                                           InchCase{std::numeric_limits<double>::infinity(), 96,
                                                    std::numeric_limits<int32_t>::max()},
                                           InchCase{1.0, 0, 0}, InchCase{1.0, -5, 0}));

TEST_F(UnitConversionsTest, ConvertsPointSizesAtAGivenResolution) {
  EXPECT_EQ(100, TenthPointsToPixelsAt(120, 600));
  EXPECT_EQ(83, TenthPointsToPixelsAt(100, 600));
  EXPECT_EQ(16, TenthPointsToPixelsAt(120, 96));
  EXPECT_EQ(0, TenthPointsToPixelsAt(120, 0));
  EXPECT_DOUBLE_EQ(0.5, PixelsToInchesAt(300, 600));
  EXPECT_EQ(0.0, PixelsToInchesAt(300, 0));
}

}  // namespace
