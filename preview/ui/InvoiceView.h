#pragma once

// The view of one invoice document: it previews the report's pages as soon
// as it is set up, and prints them (print dialog range 1 to the page count).

#include "preview/ui/PrintView.h"

class InvoiceDoc;

class InvoiceView : public PrintView {
public:
  // The document must outlive the view.
  InvoiceView(PrintFrame& frame, InvoiceDoc& doc);

  // Starts the preview.
  void OnInitialUpdate() override;

  InvoiceDoc& GetDocument() const { return m_doc; }
  // The invoice lines the template could not show, if any.
  std::wstring GetNotice() const override;

protected:
  wxPrintout* CreatePrintout() override;
  int32_t GetPageCount() override;
  void OnPreparePrinting(wxPrintDialogData& data) override;
  wxPrintData GetPrintData() const override;
  bool PrintToFile(const std::filesystem::path& path) override;

private:
  InvoiceDoc& m_doc;
};
