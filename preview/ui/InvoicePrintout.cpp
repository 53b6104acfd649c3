#include "preview/ui/InvoicePrintout.h"

#include "preview/ReportGenerator.h"
#include "preview/ReportRendering.h"

InvoicePrintout::InvoicePrintout(CReportGenerator& report, const wxString& title)
    : wxPrintout(title), m_report(report) {
  m_pageCount = m_report.GetPageCount();
}

void InvoicePrintout::OnPreparePrinting() {
  m_pageCount = m_report.GetPageCount();
}

void InvoicePrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  // wx's preview needs a page to show: a report without pages shows one
  // blank sheet (and prints nothing, see PrintView::OnFilePrint).
  *minPage = 1;
  *maxPage = m_pageCount > 0 ? m_pageCount : 1;
  *pageFrom = 1;
  *pageTo = *maxPage;
}

bool InvoicePrintout::HasPage(int page) {
  return page >= 1 && page <= m_pageCount;
}

bool InvoicePrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (!dc) return false;
  if (!HasPage(page)) return true;  // an empty report previews one blank sheet
  // Logical units are printer pixels from the paper's corner, whatever the
  // device: the preview's bitmap is scaled, a printer's page is not.
  const wxRect paper = GetPaperRectPixels();
  FitThisSizeToPaper(paper.GetSize());
  int ppiX = 0;
  int ppiY = 0;
  GetPPIPrinter(&ppiX, &ppiY);
  platform::gdi::DeviceMetrics device;
  device.pixelsPerInchX = ppiX > 0 ? ppiX : 600;
  device.pixelsPerInchY = ppiY > 0 ? ppiY : 600;
  device.width = paper.width;
  device.height = paper.height;
  preview::DrawReportPage(m_report, page, *dc, device);
  return true;
}
