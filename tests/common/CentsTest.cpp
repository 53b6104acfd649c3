// Money amounts rounded to the cent as they are shown.
#include <gtest/gtest.h>

#include <cmath>

#include "common/Cents.h"

namespace {

TEST(CentsTest, HalvesGoAwayFromZero) {
  const struct {
    double amount, cents;
  } cases[] = {
      {23.125, 23.13}, {-23.125, -23.13}, {0.005, 0.01},
      {-0.005, -0.01}, {2.675, 2.68},     {1.005, 1.01},
      {68.445, 68.45}, {0.015, 0.02},  // held a hair below the half
      {0.1 * 3, 0.3},  {4.9949, 4.99},    {-4.9951, -5.0},
      {12.0, 12.0},    {0.0, 0.0},        {1e14 + 0.25, 1e14 + 0.25},  // too large to have cents
  };
  for (const auto& c : cases) EXPECT_EQ(RoundToCents(c.amount), c.cents) << c.amount;
  EXPECT_TRUE(std::isinf(RoundToCents(HUGE_VAL)));
  EXPECT_TRUE(std::isnan(RoundToCents(std::nan(""))));
}

}  // namespace
