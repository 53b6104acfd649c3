#pragma once

// Laying a report's pages out for a device and painting them: onto any wxDC
// (screen, bitmap, printer) and into a PDF file. Preview, printing and
// print-to-file all paint the same pages.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <wx/dc.h>

#include "platform/gdi/PageRecorder.h"
#include "platform/gdi/PrintTarget.h"
#include "preview/ReportGenerator.h"

class CDrawRepeatField;

namespace preview {

struct PaperSize {
  double widthInches = 8.27;  // A4, 210 x 297 mm
  double heightInches = 11.69;

  bool operator==(const PaperSize&) const = default;
};

// The largest page side a PDF allows (14,400 units of 1/72 inch).
inline constexpr double kLargestPageInches = 200.0;

// The resolution at which reports are laid out for printing and PDF files.
inline constexpr int32_t kReportPixelsPerInch = 600;

// Templates carry no paper size: A4 portrait, made larger where the report's
// objects reach beyond it (with a quarter inch to spare), up to the largest
// page; what lies beyond that is not printed (see RowsOnLargestPage).
PaperSize ReportPaperSize(const CReportGenerator& report);

// How many of a repeat field's first `rows` rows end on the largest page
// when drawn at kReportPixelsPerInch.
int32_t RowsOnLargestPage(const CDrawRepeatField& field, int32_t rows);

// Every printed page drawn into a recording, for a device of these metrics
// whose text the measurer measures.
std::vector<platform::gdi::RecordedPage> LayOutReport(CReportGenerator& report,
                                                      const platform::gdi::DeviceMetrics& device,
                                                      platform::gdi::TextMeasurer& measurer);

// Paints laid-out pages as one document. False when the target fails.
bool PrintPages(const std::vector<platform::gdi::RecordedPage>& pages, platform::gdi::PrintTarget& target,
                const std::wstring& documentName);

// Draws printed page `page` (1-based) onto a wxDC, with the DC's own
// resolution or with explicit metrics (a printout's printable-area offsets,
// a scaled preview).
void DrawReportPage(CReportGenerator& report, int32_t page, wxDC& dc);
void DrawReportPage(CReportGenerator& report, int32_t page, wxDC& dc,
                    const platform::gdi::DeviceMetrics& device);

// Writes every printed page into a PDF file, one PDF page each, at the given
// resolution of the page units. Throws std::runtime_error with the reason
// when the file cannot be written.
void WriteReportPdf(CReportGenerator& report, const std::filesystem::path& path, const PaperSize& paper,
                    int32_t pixelsPerInch = kReportPixelsPerInch);

}  // namespace preview
