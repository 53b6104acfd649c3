#include "designer/CPlandelApp.h"

#include <clocale>
#include <exception>

#include <wx/aboutdlg.h>
#include <wx/cmdline.h>

#include "designer/CMainFrame.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerPrinting.h"
#include "designer/DesignerSettings.h"
#include "designer/SkinLibrary.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "platform/CommandLine.h"
#include "platform/MessageBox.h"

namespace designer {
namespace {

// The commands the application handles, not the view.
constexpr int kAppCommands[] = {ID_FILE_NEW,          ID_FILE_OPEN,          ID_FILE_CLOSE,       ID_FILE_SAVE,
                                ID_FILE_SAVE_AS,      ID_FILE_PRINT,         ID_FILE_PRINT_DIRECT,
                                ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, ID_APP_ABOUT,        ID_APP_EXIT};

}  // namespace

CPlandelApp::CPlandelApp() = default;

bool DesignerApp::OnInit() {
  SetAppName(kAppTitle);
  SetAppDisplayName(kWindowTitle);
  // GTK set the process locale from the environment; numbers we store stay in C.
  std::setlocale(LC_NUMERIC, "C");
  // The optional skinning library is looked up once, before any window.
  Skin();
  std::wstring fileName;
  for (const std::wstring& arg : platform::CommandLineArguments()) {
    if (!arg.empty() && arg[0] != L'-') {
      fileName = arg;
      break;
    }
  }
  m_application = std::make_unique<CPlandelApp>();
  if (!m_application->InitInstance(fileName)) return false;
  // Closing the main window ends the program, even with a preview still open.
  CMainFrame* frame = m_application->GetMainFrame();
  frame->Bind(wxEVT_DESTROY, [this, frame](wxWindowDestroyEvent& event) {
    if (event.GetEventObject() == frame) ExitMainLoop();
    event.Skip();
  });
  return true;
}

bool CPlandelApp::InitInstance(const std::wstring& fileName) {
  m_document = std::make_unique<DesignerDocument>();
  m_files = std::make_unique<TemplateFiles>(*m_document, kProfileKey);

  auto* frame = new CMainFrame;
  if (!frame->LoadFrame(kWindowTitle)) {
    delete frame;
    return false;
  }
  m_frame = frame;
  if (wxTheApp) wxTheApp->SetTopWindow(frame);
  m_view = new CPlandelView(frame->GetViewParent());
  frame->SetView(m_view);
  m_document->AddView(m_view);
  frame->AddFrameView(m_view);
  frame->SetActiveView(m_view);
  m_view->SetEditorNotifications(frame->GetEditorNotifications());

  BindCommands();
  m_files->SetChangedHandler([this] { DocumentChanged(); });
  // The template first, then the view's first update, which applies the
  // stored settings (zoom among them) to the canvas showing it.
  if (fileName.empty())
    m_files->New();
  else
    m_files->Open(fileName);
  frame->InitialUpdateFrame(false);
  DocumentChanged();
  frame->ShowFrame();
  return true;
}

CPlandelApp::~CPlandelApp() {
  // A frame still open goes with the application; none of its events reach
  // this object any more.
  if (!m_frame) return;
  for (int id : kAppCommands) m_frame->Unbind(wxEVT_MENU, &CPlandelApp::OnCommand, this, id);
  m_frame->Unbind(wxEVT_MENU, &CPlandelApp::OnCommand, this, ID_FILE_MRU_FILE1,
                  ID_FILE_MRU_FILE1 + static_cast<int>(kRecentFileCount) - 1);
  m_frame->Unbind(wxEVT_CLOSE_WINDOW, &CPlandelApp::OnFrameClose, this);
  m_frame->Unbind(wxEVT_IDLE, &CPlandelApp::OnFrameIdle, this);
  // The view outlives the document here: its canvas lets go of the entities.
  if (m_view) m_view->ReleaseDocument();
  m_frame->Destroy();
}

int DesignerApp::OnExit() {
  m_application.reset();
  return wxApp::OnExit();
}

bool DesignerApp::OnExceptionInMainLoop() {
  try {
    throw;
  } catch (const std::exception& error) {
    platform::ShowMessageBox(wxString::FromUTF8(error.what()).ToStdWstring(), kAppTitle,
                             platform::MB_OK | platform::MB_ICONERROR);
  } catch (...) {
    platform::ShowMessageBox(L"Unknown error", kAppTitle, platform::MB_OK | platform::MB_ICONERROR);
  }
  return true;
}

void CPlandelApp::BindCommands() {
  for (int id : kAppCommands) m_frame->Bind(wxEVT_MENU, &CPlandelApp::OnCommand, this, id);
  m_frame->Bind(wxEVT_MENU, &CPlandelApp::OnCommand, this, ID_FILE_MRU_FILE1,
                ID_FILE_MRU_FILE1 + static_cast<int>(kRecentFileCount) - 1);
  m_frame->Bind(wxEVT_CLOSE_WINDOW, &CPlandelApp::OnFrameClose, this);
  m_frame->Bind(wxEVT_IDLE, &CPlandelApp::OnFrameIdle, this);
}

void CPlandelApp::OnFrameIdle(wxIdleEvent& event) {
  // The title follows every change of the template, whichever command or
  // edit made it, and its saving.
  if (m_frame) {
    const wxString caption(m_files->GetCaption());
    if (m_frame->GetTitle() != caption) m_frame->SetTitle(caption);
  }
  event.Skip();
}

void CPlandelApp::CommitPendingProperty() {
  if (!m_frame) return;
  if (CDiagramPropertyBar* bar = m_frame->GetPropertyBar(); bar && bar->GetTreeWindow())
    bar->GetTreeWindow()->CommitPendingEdit();
}

void CPlandelApp::OnCommand(wxCommandEvent& event) {
  const int id = event.GetId();
  // Every road that saves, prints, closes or replaces the template.
  CommitPendingProperty();
  if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + static_cast<int>(kRecentFileCount)) {
    m_files->OpenRecent(static_cast<size_t>(id - ID_FILE_MRU_FILE1));
    return;
  }
  switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_CLOSE:
      if (m_files->SaveModified(m_frame)) m_files->New();
      break;
    case ID_FILE_OPEN: m_files->OpenWithDialog(m_frame); break;
    case ID_FILE_SAVE: m_files->Save(m_frame); break;
    case ID_FILE_SAVE_AS: m_files->SaveAsWithDialog(m_frame); break;
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT: PrintTemplate(*m_view, m_frame); break;
    case ID_FILE_PRINT_PREVIEW: PreviewTemplate(*m_view, m_frame); break;
    case ID_FILE_PRINT_SETUP: PrintSetup(m_frame); break;
    case ID_APP_ABOUT: ShowAbout(); break;
    case ID_APP_EXIT: m_frame->Close(); break;
    default: event.Skip(); break;
  }
}

void CPlandelApp::OnFrameClose(wxCloseEvent& event) {
  CommitPendingProperty();
  if (event.CanVeto() && !m_files->SaveModified(m_frame)) {
    event.Veto();
    return;
  }
  CMainFrame* frame = m_frame;
  frame->Unbind(wxEVT_IDLE, &CPlandelApp::OnFrameIdle, this);
  m_frame = nullptr;
  m_view = nullptr;
  frame->Destroy();
}

void CPlandelApp::DocumentChanged() {
  if (!m_frame) return;
  m_frame->SetTitle(m_files->GetCaption());
  m_frame->UpdateRecentFiles(m_files->RecentFiles());
}

void CPlandelApp::ShowAbout() {
  wxAboutDialogInfo info;
  info.SetName(L"Corvan Designer");
  info.SetVersion(L"Version 1.0");
  info.SetDescription(L"Invoice template designer of Corvane.");
  wxAboutBox(info, m_frame);
}

}  // namespace designer
