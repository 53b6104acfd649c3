#include "preview/ReportRendering.h"

#include <algorithm>
#include <stdexcept>

#include "common/UnitConversions.h"
#include "platform/TextCodec.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PdfWriter.h"
#include "platform/gdi/PrintDialog.h"
#include "preview/DrawRepeatField.h"

namespace preview {

PaperSize ReportPaperSize(const CReportGenerator& report) {
  PaperSize paper;
  constexpr double kSpare = 0.25;
  for (const auto& page : report.GetPages()) {
    for (const auto& object : page->Objects()) {
      double bottom = std::max(object->GetTop(), object->GetBottom());
      if (object->GetKind() == kDrawRepeatField) {
        const auto& field = static_cast<const CDrawRepeatField&>(*object);
        const size_t rows = std::min<size_t>(std::max(field.GetRowLimit(), 0), field.GetRows().size());
        bottom = field.GetTop() +
                 static_cast<double>(std::max<size_t>(rows, 1)) * (field.GetBottom() - field.GetTop());
      }
      const double right = std::max(object->GetLeft(), object->GetRight());
      // NaN from a crafted file compares false and leaves the paper alone.
      if (right + kSpare > paper.widthInches)
        paper.widthInches = std::min(right + kSpare, kLargestPageInches);
      if (bottom + kSpare > paper.heightInches)
        paper.heightInches = std::min(bottom + kSpare, kLargestPageInches);
    }
  }
  return paper;
}

int32_t RowsOnLargestPage(const CDrawRepeatField& field, int32_t rows) {
  // Row edges are compared in whole pixels, as the rows are drawn: a row whose
  // bottom lands on the page's last pixel is printed whole, even when the sum
  // of its inches comes out a hair past the page.
  const int32_t pageBottom = InchesToPixelsAt(kLargestPageInches, kReportPixelsPerInch);
  const double height = field.GetBottom() - field.GetTop();
  int32_t fitting = 0;
  while (fitting < rows &&
         InchesToPixelsAt(field.GetTop() + (fitting + 1) * height, kReportPixelsPerInch) <= pageBottom)
    ++fitting;
  return fitting;
}

std::vector<platform::gdi::RecordedPage> LayOutReport(CReportGenerator& report,
                                                      const platform::gdi::DeviceMetrics& device,
                                                      platform::gdi::TextMeasurer& measurer) {
  std::vector<platform::gdi::RecordedPage> pages;
  const int32_t count = report.GetPageCount();
  pages.reserve(static_cast<size_t>(std::max(count, 0)));
  platform::gdi::PageRecorder recorder(device, measurer);
  for (int32_t page = 1; page <= count; ++page) {
    report.DrawPage(recorder, page);
    pages.push_back(recorder.Take());
  }
  return pages;
}

bool PrintPages(const std::vector<platform::gdi::RecordedPage>& pages, platform::gdi::PrintTarget& target,
                const std::wstring& documentName) {
  platform::gdi::PrintJob job;
  job.documentName = documentName;
  job.pageCount = static_cast<int32_t>(pages.size());
  job.drawPage = [&pages](platform::gdi::Canvas& canvas, int32_t page) {
    platform::gdi::Replay(pages[static_cast<size_t>(page - 1)], canvas);
  };
  return platform::gdi::PrintJobInto(target, job);
}

void DrawReportPage(CReportGenerator& report, int32_t page, wxDC& dc) {
  DrawReportPage(report, page, dc, platform::gdi::DeviceContext::MetricsOf(dc));
}

void DrawReportPage(CReportGenerator& report, int32_t page, wxDC& dc,
                    const platform::gdi::DeviceMetrics& device) {
  platform::gdi::DeviceContext canvas(dc, device);
  report.DrawPage(canvas, page);
}

void WriteReportPdf(CReportGenerator& report, const std::filesystem::path& path, const PaperSize& paper,
                    int32_t pixelsPerInch) {
  platform::gdi::PdfWriter pdf(path, paper.widthInches, paper.heightInches, pixelsPerInch);
  const std::vector<platform::gdi::RecordedPage> pages =
      LayOutReport(report, pdf.GetMetrics(), pdf.Measurer());
  if (!PrintPages(pages, pdf, report.GetDocumentName())) {
    throw std::runtime_error(platform::ToUtf8(pdf.GetErrorText()));
  }
}

}  // namespace preview
