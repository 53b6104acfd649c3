#include "shell/CorvaneApp.h"

#include <clocale>
#include <exception>
#include <string>

#include "data/Connection.h"
#include "data/DbException.h"
#include "forms/company/CompanyFrame.h"
#include "forms/dialogs/PriceListFrame.h"
#include "forms/invoice/InvoiceFrame.h"
#include "forms/items/ItemFrame.h"
#include "forms/items/ItemInputFrame.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"
#include "shell/PreviewManager.h"
#include "shell/TerminateSignals.h"
#include "shell/ui/BaseSaveFrame.h"

std::wstring DescribeCurrentException() {
  try {
    throw;
  } catch (const Invoice::DbException& error) {
    return error.GetText();
  } catch (const std::exception& error) {
    return platform::FromUtf8(error.what());
  } catch (...) {
    return L"Unknown error";
  }
}

CorvaneApp::CorvaneApp() {
  // As early as can be: before the toolkit starts and before the database is
  // attached, so that a signal at any moment of start-up ends the program.
  CloseMainWindowOnTerminateSignals();
}

CorvaneApp::~CorvaneApp() = default;

bool CorvaneApp::OnInit() {
  // The framework's own start-up: the command line (--help and the like).
  if (!wxApp::OnInit()) return false;
  SetAppName(L"Corvane");
  SetAppDisplayName(L"Corvane");
  // GTK set the process locale from the environment; numbers we store stay in C.
  std::setlocale(LC_NUMERIC, "C");

  // The editing forms and windows; a command whose window is not registered stays greyed.
  CQuennetApp::RegisterFormTemplate(kInvoiceFormTemplate, CreateInvoiceFrame, CreateInvoiceFormView);
  CQuennetApp::RegisterFormTemplate(kItemFormTemplate, CreateItemFrame, CreateItemFormView);
  CQuennetApp::RegisterFormTemplate(kCompanyFormTemplate, CreateCompanyFrame, CreateCompanyFormView);
  CQuennetApp::RegisterFormTemplate(kItemInputTemplate, CreateItemInputFrame, CreateItemInputView);
  CQuennetApp::RegisterFormTemplate(kPriceListFormTemplate, CreatePriceListFrame, CreatePriceListFormView);

  m_application = std::make_unique<CQuennetApp>();
  if (m_application->Startup() != CQuennetApp::StartupResult::Started) return false;
  CMainFrame* frame = m_application->GetMainFrame();
  if (!frame) return false;
  SetTopWindow(frame);
  // Closing the main window ends the program, even with previews still open.
  frame->Bind(wxEVT_DESTROY, [this, frame](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == frame) ExitMainLoop();
    event.Skip();
  });
  return true;
}

int CorvaneApp::OnExit() {
  RestoreTerminateSignals();
  m_application.reset();
  // Previews left open close while wx still runs; the library goes last.
  DeletePreviewManager();
  DisconnectDatabase();
  return wxApp::OnExit();
}

bool CorvaneApp::OnExceptionInMainLoop() {
  platform::ShowMessageBox(DescribeCurrentException(), kAppCaption, platform::MB_ICONERROR);
  return true;
}
