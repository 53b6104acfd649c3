#include "designer/PaperSetup.h"

#include <wx/cmndata.h>
#include <wx/paper.h>

namespace designer {

PaperSetup PaperFromPrinter(int32_t paperPixelsPerInch, const std::optional<PrinterMetrics>& printer) {
  PaperSetup paper;
  if (!printer || printer->pixelsPerInch <= 0 || paperPixelsPerInch <= 0) {
    paper.width = 8 * paperPixelsPerInch;
    paper.height = 11 * paperPixelsPerInch;
    return paper;
  }
  const PrinterMetrics& p = *printer;
  const double ratio = static_cast<double>(p.pixelsPerInch) / paperPixelsPerInch;
  auto paperPixels = [ratio](double printerPixels) { return static_cast<int32_t>(printerPixels / ratio); };
  paper.left = paperPixels(p.offsetX);
  paper.top = paperPixels(p.offsetY);
  paper.right = paperPixels(p.physicalWidth - p.printableWidth - p.offsetX);
  paper.bottom = paperPixels(p.physicalHeight - p.printableHeight - p.offsetY);
  paper.width = paperPixels(p.physicalWidth);
  paper.height = paperPixels(p.physicalHeight);
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
