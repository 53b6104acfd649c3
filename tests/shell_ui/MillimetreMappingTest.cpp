#include <gtest/gtest.h>

#include "shell/ui/CMappedDC.h"

struct MapCase {
  MillimetreMapping mapping;
  platform::gdi::Rect in;
  platform::gdi::Rect out;
};

TEST(MillimetreMappingTest, CutsToWholeMillimetresThenScales) {
  const MapCase cases[] = {
      {{10, 10, 3, 3}, {15, 15, 35, 25}, {3, 3, 9, 6}},
      {{1, 1, 4, 4}, {2, 3, 10, 20}, {8, 12, 40, 80}},
      {{10, 100, 5, 2}, {99, 250, 100, 1000}, {45, 4, 50, 20}},
      {{10, 10, 3, 3}, {-15, -5, 0, 9}, {-3, 0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.mapping.MapRect(c.in), c.out);
}

TEST(MillimetreMappingTest, PixelsPerMillimetreAreWhole) {
  EXPECT_EQ(MillimetreMapping::PixelsPerMm(96), 3);
  EXPECT_EQ(MillimetreMapping::PixelsPerMm(300), 11);
  EXPECT_EQ(MillimetreMapping::PixelsPerMm(600), 23);
  EXPECT_EQ(MillimetreMapping::PixelsPerMm(0), 1);  // a device without a size
}

TEST(MillimetreMappingTest, FontFactorIsPixelsPerLogicalUnit) {
  EXPECT_EQ((MillimetreMapping{1, 1, 4, 4}.FontFactor()), 4);
  EXPECT_EQ((MillimetreMapping{10, 10, 3, 3}.FontFactor()), 0);
  EXPECT_EQ((MillimetreMapping{10, 0, 3, 3}.FontFactor()), 1);
}
