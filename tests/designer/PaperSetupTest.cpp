#include "designer/PaperSetup.h"

#include <gtest/gtest.h>

using designer::PaperFromPrinter;
using designer::PaperSetup;
using designer::PrinterMetrics;

TEST(PaperSetupTest, WithoutAPrinterThePaperIsEightByElevenInches) {
  EXPECT_EQ(PaperFromPrinter(96, std::nullopt), (PaperSetup{768, 1056, 0, 0, 0, 0}));
  EXPECT_EQ(PaperFromPrinter(120, std::nullopt), (PaperSetup{960, 1320, 0, 0, 0, 0}));
}

TEST(PaperSetupTest, ThePrintersPageIsScaledToTheScreenWithItsEdgesAsMargins) {
  // Letter at 600 dpi with a quarter-inch unprintable edge, a bit more at the bottom.
  PrinterMetrics letter{600, 5100, 6600, 150, 150, 4800, 6200};
  EXPECT_EQ(PaperFromPrinter(96, letter), (PaperSetup{816, 1056, 24, 24, 24, 40}));
  // Truncated, not rounded: 100 printer pixels at 6.25 are 16 screen pixels.
  PrinterMetrics odd{600, 5099, 6599, 99, 0, 4900, 6599};
  EXPECT_EQ(PaperFromPrinter(96, odd), (PaperSetup{815, 1055, 15, 0, 16, 0}));
}

TEST(PaperSetupTest, APrinterWithoutAResolutionCountsAsNoPrinter) {
  PrinterMetrics broken{0, 5100, 6600, 0, 0, 5100, 6600};
  EXPECT_EQ(PaperFromPrinter(96, broken), PaperFromPrinter(96, std::nullopt));
}
