#pragma once

// The print preview of a PrintView: wx's preview of the view's printout,
// whose print command (the preview bar's "Print..." button) runs the view's
// own print command and whose page changes show "Page n of m" in the frame's
// status bar.

#include <wx/print.h>

class PrintView;

class PrintPreview : public wxPrintPreview {
public:
  // Takes ownership of both printouts.
  PrintPreview(PrintView& view, wxPrintout* printout, wxPrintout* printoutForPrinting, wxPrintData* data);

  bool Print(bool interactive) override;
  bool SetCurrentPage(int page) override;

  PrintView& GetPrintView() const { return m_view; }
  // "Page n of m"; empty for a report without pages.
  static wxString PageStatusText(int page, int pageCount);

private:
  PrintView& m_view;
};
