#pragma once

// The designer application: one document, one main frame with its view.
// Started with a template file name it opens that file, otherwise a new
// empty template. File, print and about commands land here.

#include <memory>

#include <wx/app.h>
#include <wx/event.h>

#include "designer/TemplateFiles.h"

namespace designer {

class CMainFrame;
class CPlandelView;
class DesignerDocument;

class CPlandelApp {
public:
  CPlandelApp();
  ~CPlandelApp();
  CPlandelApp(const CPlandelApp&) = delete;
  CPlandelApp& operator=(const CPlandelApp&) = delete;

  // The start-up after wx's own: frame, view, document, then the file of
  // the command line (empty: a new template), and the frame shown in its
  // stored state. False when the frame cannot be made.
  bool InitInstance(const std::wstring& fileName);

  CMainFrame* GetMainFrame() const { return m_frame; }
  CPlandelView* GetView() const { return m_view; }
  DesignerDocument* GetDocument() const { return m_document.get(); }
  TemplateFiles* GetFiles() const { return m_files.get(); }

private:
  void BindCommands();
  void OnCommand(wxCommandEvent& event);
  void OnFrameClose(wxCloseEvent& event);
  // What is typed in the property bar and not committed yet goes to the
  // template before it is saved, printed or closed.
  void CommitPendingProperty();
  void OnFrameIdle(wxIdleEvent& event);
  void DocumentChanged();
  void ShowAbout();

  std::unique_ptr<DesignerDocument> m_document;
  std::unique_ptr<TemplateFiles> m_files;
  CMainFrame* m_frame = nullptr;
  CPlandelView* m_view = nullptr;
};

// The program's wx application around CPlandelApp.
class DesignerApp : public wxApp {
public:
  bool OnInit() override;
  int OnExit() override;
  bool OnExceptionInMainLoop() override;

private:
  std::unique_ptr<CPlandelApp> m_application;
};

}  // namespace designer
