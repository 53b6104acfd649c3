#include "preview/ui/PrintPreview.h"

#include "preview/ui/PrintView.h"

PrintPreview::PrintPreview(PrintView& view, wxPrintout* printout, wxPrintout* printoutForPrinting,
                           wxPrintData* data)
    : wxPrintPreview(printout, printoutForPrinting, data), m_view(view) {}

bool PrintPreview::Print(bool /*interactive*/) {
  m_view.OnFilePrint();
  return true;
}

bool PrintPreview::SetCurrentPage(int page) {
  const bool changed = wxPrintPreview::SetCurrentPage(page);
  m_view.UpdatePageStatus();
  return changed;
}

wxString PrintPreview::PageStatusText(int page, int pageCount) {
  if (pageCount <= 0) return wxString();
  return wxString::Format(L"Page %d of %d", page, pageCount);
}
