#pragma once

// The pages of a report as a wxPrintout, for the print preview and for the
// system's printers. Each page is drawn by the report itself, in printer
// pixels with the paper's top-left corner as origin.

#include <cstdint>

#include <wx/print.h>

class CReportGenerator;

class InvoicePrintout : public wxPrintout {
public:
  // The report must outlive the printout.
  InvoicePrintout(CReportGenerator& report, const wxString& title);

  void OnPreparePrinting() override;
  // Pages 1 to the report's page count (at least 1), all selected.
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  bool HasPage(int page) override;
  bool OnPrintPage(int page) override;

  int32_t GetPageCount() const { return m_pageCount; }

private:
  CReportGenerator& m_report;
  int32_t m_pageCount = 0;
};
