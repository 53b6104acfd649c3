#pragma once

// The preview library's application object. The library runs inside the
// main program's wxApp (one per process), so this is a plain object: it
// holds the invoice document template and carries out the exported entry
// points. It is made on first use and ends when the library is unloaded,
// closing the previews still open, so that no frame outlives the code of its
// class.

#include <cstdint>
#include <memory>
#include <string>

#include "preview/CorvanPreviewApi.h"
#include "preview/ui/InvoiceDocTemplate.h"

class FieldMap;
class InvoiceDoc;

class CCorvanPreviewApp {
public:
  // The one application object of the library.
  static CCorvanPreviewApp& Get();

  CCorvanPreviewApp();
  ~CCorvanPreviewApp();
  CCorvanPreviewApp(const CCorvanPreviewApp&) = delete;
  CCorvanPreviewApp& operator=(const CCorvanPreviewApp&) = delete;

  // Creates the document template; false when it cannot be made.
  bool InitInstance();
  // Closes the previews still open and drops the template.
  void ExitInstance();

  // Nothing to pre-translate: the library's windows get their events from
  // the host's wxApp. Always 0.
  int32_t PreTranslateMessage(const PreviewMsg* message);
  // The library's own idle work for pass `count`; true while more is left.
  // There is none: wx sends the library's windows their idle events itself.
  bool OnIdle(long count);

  // Opens a preview frame of the invoice: the template read and bound to a
  // copy of the data, the pages previewed, the frame shown in its stored
  // state. An unreadable template is reported and gives an empty preview.
  // Returns the frame, null when none could be made.
  InvoiceFrame* ShowInvoicePreview(const std::wstring& title, const std::wstring& templatePath,
                                   const FieldMap* data);
  // Prints the invoice: into the print-to-file PDF when one is set, else
  // through the system print dialog over a preview frame. An unreadable
  // template is reported and nothing is printed. True when the pages went out
  // (or to the dialog).
  bool PrintInvoice(const std::wstring& title, const std::wstring& templatePath, const FieldMap* data);

  InvoiceDocTemplate* GetDocTemplate() const { return m_template.get(); }

private:
  // The document of one invoice, read and bound; false in `loaded` when the
  // template could not be read or bound (already reported to the user).
  std::unique_ptr<InvoiceDoc> OpenDocument(const std::wstring& title, const std::wstring& templatePath,
                                           const FieldMap* data, bool& loaded);

  std::unique_ptr<InvoiceDocTemplate> m_template;
};
