#include "designer/CMainFrame.h"

#include <wx/artprov.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>

#include "common/RegistryHelpers.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerSettings.h"
#include "designer/TemplateFiles.h"

namespace designer {
namespace {

wxMenuBar* BuildMenus(wxMenu*& fileMenu) {
  fileMenu = new wxMenu;
  fileMenu->Append(ID_FILE_NEW, "&New\tCtrl+N");
  fileMenu->Append(ID_FILE_OPEN, "&Open...\tCtrl+O");
  fileMenu->Append(ID_FILE_CLOSE, "&Close");
  fileMenu->Append(ID_FILE_SAVE, "&Save\tCtrl+S");
  fileMenu->Append(ID_FILE_SAVE_AS, "Save &As...");
  fileMenu->AppendSeparator();
  fileMenu->Append(ID_PAGE_SETUP, "Page Setup ...");
  fileMenu->Append(ID_FILE_PRINT, "&Print...\tCtrl+P");
  fileMenu->Append(ID_FILE_PRINT_PREVIEW, "Print Pre&view");
  fileMenu->Append(ID_FILE_PRINT_SETUP, "P&rint Setup...");
  fileMenu->AppendSeparator();
  fileMenu->Append(ID_APP_EXIT, "E&xit");

  auto* edit = new wxMenu;
  edit->Append(ID_EDIT_UNDO, "&Undo\tCtrl+Z");
  edit->AppendSeparator();
  edit->Append(ID_EDIT_CUT, "Cu&t\tCtrl+X");
  edit->Append(ID_EDIT_COPY, "&Copy\tCtrl+C");
  edit->Append(ID_EDIT_PASTE, "&Paste\tCtrl+V");
  edit->Append(ID_EDIT_DELETE, "&Delete\tDel");

  auto* zoom = new wxMenu;
  zoom->Append(ID_ZOOM_IN, "Zoom &In");
  zoom->Append(ID_ZOOM_OUT, "Zoom &Out");
  zoom->AppendSeparator();
  zoom->Append(ID_ZOOM_400, "400%");
  zoom->Append(ID_ZOOM_200, "200%");
  zoom->Append(ID_ZOOM_150, "150%");
  zoom->Append(ID_ZOOM_100, "100%");
  zoom->Append(ID_ZOOM_75, "75%");
  zoom->Append(ID_ZOOM_50, "50%");
  zoom->AppendSeparator();
  zoom->Append(ID_ZOOM_TO_FIT, "Zoom to fit");
  auto* view = new wxMenu;
  view->AppendCheckItem(ID_VIEW_TOOLBAR, "&Toolbar");
  view->AppendCheckItem(ID_VIEW_STATUS_BAR, "&Status Bar");
  view->AppendSeparator();
  view->AppendCheckItem(ID_GRID, "&Grid\tCtrl+G");
  view->AppendCheckItem(ID_MARGINS, "&Margins\tCtrl+M");
  view->AppendSeparator();
  view->AppendCheckItem(ID_VIEW_TOOLBOX, "Toolbox");
  view->AppendCheckItem(ID_VIEW_PROPERTIES, "Properties");
  view->AppendSubMenu(zoom, "&Zoom");

  auto* align = new wxMenu;
  align->Append(ID_ALIGN_LEFT, "&Left\tCtrl+Left");
  align->Append(ID_ALIGN_RIGHT, "&Right\tCtrl+Right");
  align->Append(ID_ALIGN_TOP, "&Top\tCtrl+Up");
  align->Append(ID_ALIGN_BOTTOM, "&Bottom\tCtrl+Down");
  auto* arrange = new wxMenu;
  arrange->Append(ID_BRING_TO_FRONT, "Bring to front");
  arrange->Append(ID_SEND_TO_BACK, "Send to Back");
  arrange->Append(ID_BRING_FORWARD, "One level up");
  arrange->Append(ID_SEND_BACKWARD, "One level down");
  arrange->AppendSeparator();
  arrange->Append(ID_GROUP, "Group");
  arrange->Append(ID_UNGROUP, "Ungroup");
  auto* same = new wxMenu;
  same->Append(ID_SAME_WIDTH, "&Widths");
  same->Append(ID_SAME_HEIGHT, "&Heights");
  same->Append(ID_SAME_SIZE, "&Both");
  auto* format = new wxMenu;
  format->AppendSubMenu(align, "&Align");
  format->AppendSubMenu(arrange, "A&rrange");
  format->AppendSubMenu(same, "&Make Same Size");
  format->AppendSeparator();
  format->AppendCheckItem(ID_SNAP_TO_GRID, "Snap to grid");

  auto* help = new wxMenu;
  help->Append(ID_APP_ABOUT, "About Corvan Designer...");

  auto* bar = new wxMenuBar;
  bar->Append(fileMenu, "&File");
  bar->Append(edit, "&Edit");
  bar->Append(view, "&View");
  bar->Append(format, "F&ormat");
  bar->Append(help, "&Help");
  return bar;
}

wxPanel* MakeBarPlace(wxWindow* parent, int id, const wxString& caption) {
  auto* bar = new wxPanel(parent, id, wxDefaultPosition, wxSize(170, -1), wxBORDER_THEME);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(bar, wxID_ANY, caption), 0, wxALL, 4);
  bar->SetSizer(sizer);
  return bar;
}

}  // namespace

CMainFrame::CMainFrame() : BaseFrameWnd(kMainFrameName, common::kDesignerWinPosKey, kProfileKey) {}

int CMainFrame::OnCreate() {
  // Room for the canvas between the two bars until a placement is stored.
  SetSize(wxSize(1000, 720));
  SetMenuBar(BuildMenus(m_fileMenu));

  wxToolBar* toolbar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL);
  if (!toolbar) return -1;
  const wxSize size(20, 20);
  auto tool = [&](int id, const wxArtID& art, const wxString& tip) {
    toolbar->AddTool(id, tip, wxArtProvider::GetBitmap(art, wxART_TOOLBAR, size), tip);
  };
  tool(ID_FILE_NEW, wxART_NEW, "New");
  tool(ID_FILE_OPEN, wxART_FILE_OPEN, "Open");
  tool(ID_FILE_SAVE, wxART_FILE_SAVE, "Save");
  toolbar->AddSeparator();
  tool(ID_EDIT_CUT, wxART_CUT, "Cut");
  tool(ID_EDIT_COPY, wxART_COPY, "Copy");
  tool(ID_EDIT_PASTE, wxART_PASTE, "Paste");
  toolbar->AddSeparator();
  tool(ID_EDIT_UNDO, wxART_UNDO, "Undo");
  toolbar->AddSeparator();
  tool(ID_ZOOM_IN, wxART_PLUS, "Zoom in");
  tool(ID_ZOOM_OUT, wxART_MINUS, "Zoom out");
  toolbar->AddSeparator();
  tool(ID_FILE_PRINT, wxART_PRINT, "Print");
  toolbar->Realize();

  wxStatusBar* status = CreateStatusBar(4);
  if (!status) return -1;
  const int widths[] = {-1, 40, 40, 40};
  status->SetStatusWidths(4, widths);
  status->SetStatusText("CAP", 1);
  status->SetStatusText("NUM", 2);
  status->SetStatusText("SCRL", 3);

  m_propertyBar = MakeBarPlace(this, kPropertyBarId, "Properties");
  m_viewArea = new wxPanel(this);
  m_viewArea->SetSizer(new wxBoxSizer(wxVERTICAL));
  m_toolBox = MakeBarPlace(this, kToolboxBarId, "Toolbox");
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  sizer->Add(m_propertyBar, 0, wxEXPAND);
  sizer->Add(m_viewArea, 1, wxEXPAND);
  sizer->Add(m_toolBox, 0, wxEXPAND);
  SetSizer(sizer);

  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ToggleBar(m_toolBox); }, ID_VIEW_TOOLBOX);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ToggleBar(m_propertyBar); }, ID_VIEW_PROPERTIES);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ToggleBar(GetToolBar()); }, ID_VIEW_TOOLBAR);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ToggleBar(GetStatusBar()); }, ID_VIEW_STATUS_BAR);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(m_toolBox->IsShown()); }, ID_VIEW_TOOLBOX);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(m_propertyBar->IsShown()); }, ID_VIEW_PROPERTIES);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(GetToolBar() && GetToolBar()->IsShown()); },
       ID_VIEW_TOOLBAR);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(GetStatusBar() && GetStatusBar()->IsShown()); },
       ID_VIEW_STATUS_BAR);
  LoadPaneState();
  return 0;
}

void CMainFrame::SetView(wxWindow* view) {
  m_viewArea->GetSizer()->Add(view, 1, wxEXPAND);
  Layout();
  m_viewArea->Layout();
}

void CMainFrame::ToggleBar(wxWindow* bar) {
  if (!bar) return;
  bar->Show(!bar->IsShown());
  SendSizeEvent();
  Layout();
}

void CMainFrame::LoadPaneState() {
  const std::wstring key = std::wstring(kProfileKey) + L"\\" + kMainFrameName + L"_Bar";
  uint32_t shown = 1;
  if (RegReadDword(key, L"Toolbox", &shown) == kRegSuccess) m_toolBox->Show(shown != 0);
  if (RegReadDword(key, L"Properties", &shown) == kRegSuccess) m_propertyBar->Show(shown != 0);
}

void CMainFrame::SavePaneState() const {
  const std::wstring key = std::wstring(kProfileKey) + L"\\" + kMainFrameName + L"_Bar";
  RegWriteDword(key, L"Toolbox", m_toolBox->IsShown() ? 1 : 0);
  RegWriteDword(key, L"Properties", m_propertyBar->IsShown() ? 1 : 0);
}

bool CMainFrame::Destroy() {
  if (m_toolBox && GetHandle() && !IsBeingDeleted()) SavePaneState();
  return BaseFrameWnd::Destroy();
}

void CMainFrame::UpdateRecentFiles(const std::vector<std::wstring>& files) {
  if (!m_fileMenu) return;
  for (size_t i = 0; i < m_recentShown; ++i) m_fileMenu->Delete(ID_FILE_MRU_FILE1 + static_cast<int>(i));
  if (m_recentShown > 0) {
    // The separator before the list.
    const size_t count = m_fileMenu->GetMenuItemCount();
    m_fileMenu->Destroy(m_fileMenu->FindItemByPosition(count - 2));
  }
  m_recentShown = std::min(files.size(), kRecentFileCount);
  if (m_recentShown == 0) return;
  size_t position = m_fileMenu->GetMenuItemCount() - 1;  // before Exit
  m_fileMenu->InsertSeparator(position++);
  for (size_t i = 0; i < m_recentShown; ++i) {
    wxString label = wxString::Format("&%zu %s", i + 1, wxString(files[i]));
    m_fileMenu->Insert(position++, ID_FILE_MRU_FILE1 + static_cast<int>(i), label);
  }
}

}  // namespace designer
