#include "preview/ui/InvoicePrintout.h"

#include "platform/gdi/PrintDialog.h"
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
  const platform::gdi::DeviceMetrics device = platform::gdi::FitPrintoutToPaper(*this);
  preview::DrawReportPage(m_report, page, *dc, device);
  return true;
}
