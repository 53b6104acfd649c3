#include "preview/ui/CCorvanPreviewApp.h"

#include "platform/TextCodec.h"
#include "preview/InvoiceDoc.h"
#include "preview/ui/InvoiceFrame.h"
#include "preview/ui/PrintDestination.h"
#include "preview/ui/PrintView.h"

#include <iostream>

namespace {

// Deleted by UnloadPreviewLibrary, not by a static destructor: the frames it
// closes still need the library's other statics (the config store), which
// static destructors may already have destroyed.
CCorvanPreviewApp* g_app = nullptr;

// Runs when the library is unloaded, before its static objects are
// destroyed; in a program that links the library's code, at its end.
__attribute__((destructor)) void UnloadPreviewLibrary() {
  delete g_app;
  g_app = nullptr;
}

}  // namespace

CCorvanPreviewApp& CCorvanPreviewApp::Get() {
  if (!g_app) g_app = new CCorvanPreviewApp;
  return *g_app;
}

CCorvanPreviewApp::CCorvanPreviewApp() {
  InitInstance();
}

CCorvanPreviewApp::~CCorvanPreviewApp() {
  ExitInstance();
}

bool CCorvanPreviewApp::InitInstance() {
  if (!m_template) m_template = std::make_unique<InvoiceDocTemplate>();
  return m_template != nullptr;
}

void CCorvanPreviewApp::ExitInstance() {
  // Frames left open must not outlive the code of their classes.
  if (m_template) m_template->CloseAllFrames();
  m_template.reset();
}

int32_t CCorvanPreviewApp::PreTranslateMessage(const PreviewMsg* /*message*/) {
  return 0;
}

bool CCorvanPreviewApp::OnIdle(long /*count*/) {
  return false;
}

std::unique_ptr<InvoiceDoc> CCorvanPreviewApp::OpenDocument(const std::wstring& title,
                                                            const std::wstring& templatePath,
                                                            const FieldMap* data, bool& loaded) {
  std::unique_ptr<InvoiceDoc> doc = m_template->CreateDocument(templatePath, data);
  doc->GetGenerator().SetDocumentName(title);
  // A template that cannot be read, or a repeat field that is no field key,
  // was shown to the user by the document.
  loaded = doc->LoadAndBind();
  return doc;
}

InvoiceFrame* CCorvanPreviewApp::ShowInvoicePreview(const std::wstring& title,
                                                    const std::wstring& templatePath, const FieldMap* data) {
  if (!InitInstance()) return nullptr;
  bool loaded = false;
  std::unique_ptr<InvoiceDoc> doc = OpenDocument(title, templatePath, data, loaded);
  // Not loaded: the preview opens all the same, without pages.
  InvoiceFrame* frame = m_template->CreateFrame(std::move(doc), title);
  if (frame) frame->ShowFrame();
  return frame;
}

bool CCorvanPreviewApp::PrintInvoice(const std::wstring& title, const std::wstring& templatePath,
                                     const FieldMap* data) {
  if (!InitInstance()) return false;
  bool loaded = false;
  std::unique_ptr<InvoiceDoc> doc = OpenDocument(title, templatePath, data, loaded);
  if (!loaded) return false;  // printing an empty report would hide the failure
  if (const std::optional<std::filesystem::path> file = preview::PrintToFileDestination()) {
    // No window opens for an unattended print: lines left out are told on
    // standard error.
    if (const std::wstring warning = doc->HiddenLinesWarning(); !warning.empty())
      std::cerr << "Corvane Preview: " << platform::ToUtf8(warning) << std::endl;
    return preview::PrintReportToFile(doc->GetGenerator(), *file);
  }
  InvoiceFrame* frame = m_template->CreateFrame(std::move(doc), title);
  if (!frame) return false;
  frame->ShowFrame();
  frame->GetActiveView()->OnFilePrint();
  return true;
}
