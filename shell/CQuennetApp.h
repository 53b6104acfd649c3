#pragma once

// The main program's application object: start-up (database version check
// and upgrade, template path relocation, document templates, main window),
// the shared document, the open-form operations through which views, frames
// and dialogs open an editing form in a frame of its own, and the two
// message-loop hooks that drive the preview library.
//
// It is not the wxApp itself: the program's wxApp (CorvaneApp) owns one and
// calls Startup from OnInit, and tests run Startup under their own wxApp.
// While it exists it is the process's current application, and it watches
// every event (wxEvtHandler::AddFilter) and the application's idle events.
//
// Forms that come later register their document template before start-up:
//
//   CQuennetApp::RegisterFormTemplate(kInvoiceFormTemplate,
//       [](wxWindow* parent) -> BaseFrameWnd* { ... new InvoiceFrame, LoadFrame ... },
//       [](BaseFrameWnd* frame) -> View* { ... the frame's InvoiceForm ... });
//
// and are opened with GetQuennetApp().OpenInvoiceForm(id, companyId, income).
// A template without a registered form opens nothing, and the commands that
// would open it are disabled (CanOpenForm).

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include <wx/event.h>
#include <wx/eventfilter.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include "shell/FormArguments.h"
#include "common/ui/DocTemplate.h"

class BaseFrameWnd;
class CMainFrame;
class CQuennetDoc;

inline constexpr wchar_t kUpgradeQuestion[] =
    L"Version of the main database is older then the program version\nand it must be upgraded!\nIt is "
    L"strongly recommended to make a copy(Backup)\nbefore you do the upgrade.\n\nWould you like to upgrade "
    L"your database now?";
inline constexpr wchar_t kUpgradeDone[] = L"Upgrading of the database was successful.";
// Asked when the stored database file cannot be opened: the path, then
// the client library's text.
inline constexpr wchar_t kDatabaseNotOpened[] =
    L"The database \"%ls\" cannot be opened:\n%ls\n\nWould you like to choose another database file?";
// Said once when the settings file had lines that could not be read: the
// settings file, then the copy of it as it was.
inline constexpr wchar_t kSettingsSetAside[] =
    L"Some settings in \"%ls\" could not be read and were left out; the file as it was is kept as "
    L"\"%ls\".";
inline constexpr wchar_t kProgramOlder[] =
    L"The program is older then the database! Obtain a newer version of the program and try again.";

class CQuennetApp : public wxEventFilter {
public:
  enum class StartupResult {
    Started,          // the main window is open
    UpgradeDeclined,  // the user did not let the older database be upgraded
    DatabaseNewer,    // the database is newer than the program, or has no version
    DatabaseFailed,   // the check or the upgrade failed (the text was shown)
    WindowFailed,     // a template or the main window could not be made
  };

  CQuennetApp();
  ~CQuennetApp() override;
  CQuennetApp(const CQuennetApp&) = delete;
  CQuennetApp& operator=(const CQuennetApp&) = delete;

  // Runs once; the message loop is the caller's.
  StartupResult Startup();
  // Destroys the main window if it is still open (destruction completes on
  // the next idle pass).
  void CloseMainWindow();

  // Registers (or replaces) the frame and view factories of one editing
  // form's template, for every application started afterwards.
  static void RegisterFormTemplate(unsigned resourceId, DocTemplate::FrameFactory frameFactory,
                                   DocTemplate::ViewFactory viewFactory);
  // Removes a registration (tests).
  static void UnregisterFormTemplate(unsigned resourceId);
  // True when the template has a registered form, so that opening it can work.
  static bool CanOpenForm(unsigned resourceId);

  // The template of a resource id after start-up; null before or for an unknown id.
  const DocTemplate* GetDocTemplate(unsigned resourceId) const;

  // Open-form operations: a new frame from the form's template on the shared
  // document, with the values stored in it, initially updated and shown.
  // Null when the form is not available or its frame could not be made.
  BaseFrameWnd* OpenItemForm(int32_t objectId, bool itemGroup, int32_t parentGroupId);
  BaseFrameWnd* OpenItemInputList();
  BaseFrameWnd* OpenInvoiceForm(int32_t invoiceId, int32_t companyId, bool income);
  BaseFrameWnd* OpenCompanyForm(int32_t companyId);
  BaseFrameWnd* OpenPriceListForm(int32_t priceListId);
  BaseFrameWnd* OpenNewPriceListForm(int32_t direction);
  // The general form: used by the operations above.
  BaseFrameWnd* OpenForm(unsigned resourceId, const FormArguments& arguments);

  // The main window once it was created (null after it was destroyed).
  CMainFrame* GetMainFrame() const;
  void SetMainFrame(CMainFrame* frame);
  CQuennetDoc* GetDocument() const { return m_document.get(); }

  // The About command: the version dialog, modal, without parent.
  void OnAppAbout();

  // Before each event is handled: hands it to the preview library when that
  // is loaded; never consumes it.
  int FilterEvent(wxEvent& event) override;
  // Each idle pass of the application: the preview library's idle work when
  // it is loaded.
  void OnIdle(wxIdleEvent& event);

private:
  bool CheckDatabase(bool& versionConfirmed);
  bool CreateDocTemplates();

  std::map<unsigned, std::unique_ptr<DocTemplate>> m_templates;
  std::unique_ptr<CQuennetDoc> m_document;
  wxWeakRef<wxWindow> m_mainFrame;  // the CMainFrame
  bool m_started = false;
};

// The current application; null when none exists.
CQuennetApp* GetCurrentApp();
// The current application, which must exist.
CQuennetApp& GetQuennetApp();
