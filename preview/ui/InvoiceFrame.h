#pragma once

// The print-preview frame of one invoice: menu "File" with "Print ..." and
// "Close", a status bar with the page shown, and the invoice view's preview.
// It owns its document and view; closing the frame destroys all three. Its
// placement is kept as "InvoicePreviewFrameWnd" under
// "Software\Corvane\WinPos".

#include <memory>
#include <string>

#include "preview/ui/PrintFrame.h"

class InvoiceDoc;
class InvoiceDocTemplate;
class InvoiceView;

class InvoiceFrame : public PrintFrame {
public:
  // The system's commands 32773 ("Print ...") and 32771 ("Close"); wx menu
  // ids end at 32767, so they are wx's standard print and close ids here.
  static constexpr int kPrintCommand = wxID_PRINT;
  static constexpr int kCloseCommand = wxID_CLOSE;
  static constexpr wchar_t kFrameName[] = L"InvoicePreviewFrameWnd";

  // The template, when given, hears of the frame's end.
  InvoiceFrame(std::unique_ptr<InvoiceDoc> doc, InvoiceDocTemplate* owner = nullptr);
  ~InvoiceFrame() override;

  // The caption of a preview of `title`: "<title> - Preview".
  static std::wstring Caption(const std::wstring& title);

  // Creates the hidden window captioned for `title` and the invoice view,
  // and runs the view's initial update, which starts the preview. False,
  // and no window, when the window cannot be created.
  bool Open(const std::wstring& title);

  InvoiceDoc& GetDocument() const { return *m_doc; }
  InvoiceView* GetInvoiceView() const;

protected:
  int OnCreate() override;

private:
  void OnPrint(wxCommandEvent& event);

  std::unique_ptr<InvoiceDoc> m_doc;
  InvoiceDocTemplate* m_owner;
};
