#include "designer/PaperSetup.h"

#include <wx/cmndata.h>
#include <wx/paper.h>

namespace designer {

PaperSetup PaperFromPrinter(int32_t screenPixelsPerInch, const std::optional<PrinterMetrics>& printer) {
  PaperSetup paper;
  if (!printer || printer->pixelsPerInch <= 0 || screenPixelsPerInch <= 0) {
    paper.width = 8 * screenPixelsPerInch;
    paper.height = 11 * screenPixelsPerInch;
    return paper;
  }
  const PrinterMetrics& p = *printer;
  const double ratio = static_cast<double>(p.pixelsPerInch) / screenPixelsPerInch;
  auto screen = [ratio](double printerPixels) { return static_cast<int32_t>(printerPixels / ratio); };
  paper.left = screen(p.offsetX);
  paper.top = screen(p.offsetY);
  paper.right = screen(p.physicalWidth - p.printableWidth - p.offsetX);
  paper.bottom = screen(p.physicalHeight - p.printableHeight - p.offsetY);
  paper.width = screen(p.physicalWidth);
  paper.height = screen(p.physicalHeight);
  return paper;
}

std::optional<PrinterMetrics> DefaultPrinterMetrics() {
  wxPrintData data;
  wxSize tenthsOfMm = data.GetPaperSize();
  if ((tenthsOfMm.x <= 0 || tenthsOfMm.y <= 0) && wxThePrintPaperDatabase) {
    if (const wxPrintPaperType* type = wxThePrintPaperDatabase->FindPaperType(data.GetPaperId()))
      tenthsOfMm = type->GetSize();
  }
  if (tenthsOfMm.x <= 0 || tenthsOfMm.y <= 0) return std::nullopt;
  PrinterMetrics metrics;
  metrics.pixelsPerInch = 600;
  metrics.physicalWidth = static_cast<int32_t>(tenthsOfMm.x / 254.0 * 600 + 0.5);
  metrics.physicalHeight = static_cast<int32_t>(tenthsOfMm.y / 254.0 * 600 + 0.5);
  metrics.printableWidth = metrics.physicalWidth;
  metrics.printableHeight = metrics.physicalHeight;
  return metrics;
}

}  // namespace designer
