#pragma once

// The paper a new template gets when no size is stored: the default
// printer's page converted to the model's pixels, with its unprintable edges as
// margins; without a printer 8 x 11 inches and no margins.

#include <cstdint>
#include <optional>

namespace designer {

// What a printer device reports, in printer pixels.
struct PrinterMetrics {
  int32_t pixelsPerInch = 0;
  int32_t physicalWidth = 0, physicalHeight = 0;
  int32_t offsetX = 0, offsetY = 0;                  // printable area's corner
  int32_t printableWidth = 0, printableHeight = 0;
};

// Paper size and margins in the model's pixels.
struct PaperSetup {
  int32_t width = 0, height = 0;
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PaperSetup&) const = default;
};

PaperSetup PaperFromPrinter(int32_t paperPixelsPerInch, const std::optional<PrinterMetrics>& printer);

// The default printer's metrics: the paper of the print settings (which
// follow the locale's paper) at 600 pixels per inch, its whole page
// printable; nullopt when no paper size is known.
std::optional<PrinterMetrics> DefaultPrinterMetrics();

}  // namespace designer
