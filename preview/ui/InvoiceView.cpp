#include "preview/ui/InvoiceView.h"

#include <cmath>

#include "preview/InvoiceDoc.h"
#include "preview/ReportRendering.h"
#include "preview/ui/InvoicePrintout.h"
#include "preview/ui/PrintDestination.h"

InvoiceView::InvoiceView(PrintFrame& frame, InvoiceDoc& doc) : PrintView(frame), m_doc(doc) {}

void InvoiceView::OnInitialUpdate() {
  StartPreview();
}

wxPrintout* InvoiceView::CreatePrintout() {
  return new InvoicePrintout(m_doc.GetGenerator(), m_doc.GetGenerator().GetDocumentName());
}

std::wstring InvoiceView::GetNotice() const {
  return m_doc.HiddenLinesWarning();
}

int32_t InvoiceView::GetPageCount() {
  return m_doc.GetGenerator().GetPageCount();
}

void InvoiceView::OnPreparePrinting(wxPrintDialogData& data) {
  const int pages = GetPageCount();
  data.EnablePageNumbers(true);
  data.EnableSelection(false);
  data.SetMinPage(1);
  data.SetMaxPage(pages);
  data.SetFromPage(1);
  data.SetToPage(pages);
}

wxPrintData InvoiceView::GetPrintData() const {
  wxPrintData data = PrintView::GetPrintData();
  const preview::PaperSize paper = preview::ReportPaperSize(m_doc.GetGenerator());
  if (!(paper == preview::PaperSize{})) {
    // A report reaching beyond A4 gets a paper of its own size.
    constexpr double kMmPerInch = 25.4;
    data.SetPaperId(wxPAPER_NONE);
    data.SetPaperSize(wxSize(static_cast<int>(std::ceil(paper.widthInches * kMmPerInch)),
                             static_cast<int>(std::ceil(paper.heightInches * kMmPerInch))));
  }
  return data;
}

bool InvoiceView::PrintToFile(const std::filesystem::path& path) {
  return preview::PrintReportToFile(m_doc.GetGenerator(), path);
}
