#include "designer/CMainFrame.h"

#include <wx/artprov.h>
#include <wx/aui/framemanager.h>
#include <wx/aui/floatpane.h>
#include <wx/weakref.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>

#include "common/RegistryHelpers.h"
#include "common/ui/View.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerMessages.h"
#include "designer/bars/CAutoHideBar.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "designer/bars/CDrawBar.h"
#include "platform/KeyLocks.h"
#include "platform/WindowMessages.h"
#include "template/ReportEditorNotifications.h"
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

std::wstring BarStateKey() {
  return std::wstring(kProfileKey) + L"\\" + kMainFrameName + L"_Bar";
}

std::wstring BarProfileName() {
  return std::wstring(kMainFrameName) + L"_Bar";
}

// Delivers a message to the window and every window in it, parent first.
void SendToDescendants(wxWindow* window, unsigned message, platform::WPARAM wParam) {
  platform::SendMessage(window, message, wParam);
  for (wxWindow* child : window->GetChildren()) SendToDescendants(child, message, wParam);
}

wxSize ToWx(platform::gdi::Size size) {
  return {size.cx, size.cy};
}

AutoHideSide SideOfPane(const wxAuiPaneInfo& pane) {
  switch (pane.dock_direction) {
    case wxAUI_DOCK_TOP: return AutoHideSide::Top;
    case wxAUI_DOCK_RIGHT: return AutoHideSide::Right;
    case wxAUI_DOCK_BOTTOM: return AutoHideSide::Bottom;
    default: return AutoHideSide::Left;
  }
}

wxAuiPaneInfo BarPane(CPinDockBar* bar) {
  const SizingBarSizes& sizes = bar->GetSizes();
  return wxAuiPaneInfo()
      .Name(bar->GetCaption())
      .Caption(bar->GetCaption())
      .Layer(1)
      .PinButton(true)
      .CloseButton(true)
      .MaximizeButton(false)
      .BestSize(ToWx(sizes.vert))
      .FloatingSize(ToWx(sizes.floating))
      .MinSize(ToWx(SizingBarSizes::kMinVert));
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
  // The indicator panes as wide as their longest text, whatever the font;
  // the last one leaves room for the window's size grip as well.
  const int pane = platform::KeyLockPaneWidth(*status);
  const int widths[] = {-1, pane, pane, pane + status->FromDIP(16)};
  status->SetStatusWidths(4, widths);
  // Each indicator shows its key's name while the key's lock is on.
  platform::ShowKeyLocks(status, 1);
  m_keyTimer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { platform::ShowKeyLocks(GetStatusBar(), 1); });
  m_keyTimer.Start(500);

  m_aui.SetManagedWindow(this);
  m_toolBox = new CDrawBar(this, kToolboxBarId);
  m_toolBox->SetOnTool([this](int32_t code) { StartDrawing(code); });
  m_propertyBar = new CDiagramPropertyBar(this, kPropertyBarId);
  m_propertyBar->SetRedraw([this] {
    if (View* view = GetActiveView()) {
      view->GetViewWindow()->Refresh();
      view->GetViewWindow()->Update();
    }
  });
  for (CPinDockBar* bar : {static_cast<CPinDockBar*>(m_toolBox), static_cast<CPinDockBar*>(m_propertyBar)}) {
    bar->GetSizes() = SizingBarSizes::Load(kProfileKey, BarProfileName(), bar->GetId());
    bar->SetOnFloat([this, bar](wxAuiFloatingFrame* floating) {
      wxWeakRef<wxAuiFloatingFrame> frame(floating);
      CallAfter([this, bar, frame] {
        if (frame) GivePin(bar, frame.get());
      });
    });
  }
  m_viewArea = new wxPanel(this);
  m_viewArea->SetSizer(new wxBoxSizer(wxVERTICAL));
  m_aui.AddPane(m_viewArea, wxAuiPaneInfo().Name("View").CenterPane());
  m_aui.AddPane(m_propertyBar, BarPane(m_propertyBar).Left());
  m_aui.AddPane(m_toolBox, BarPane(m_toolBox).Right());
  for (int side = 0; side < 4; ++side) {
    auto* autoHide = new CAutoHideBar(this, static_cast<AutoHideSide>(side));
    autoHide->SetOnPin([this](CPinDockBar* bar) { UnpinBar(bar); });
    m_autoHide[static_cast<size_t>(side)] = autoHide;
    wxAuiPaneInfo pane;
    pane.Name(wxString::Format("AutoHide%d", side)).CaptionVisible(false).PaneBorder(false).Gripper(false)
        .Layer(10).DockFixed().Resizable(false).Floatable(false).Movable(false).CloseButton(false).Hide();
    if (IsHorizontal(static_cast<AutoHideSide>(side))) {
      pane.MinSize(kAutoHideThickness, kAutoHideThickness).BestSize(100, kAutoHideThickness);
    } else {
      pane.MinSize(kAutoHideThickness, kAutoHideThickness).BestSize(kAutoHideThickness, 100);
    }
    switch (static_cast<AutoHideSide>(side)) {
      case AutoHideSide::Top: pane.Top(); break;
      case AutoHideSide::Left: pane.Left(); break;
      case AutoHideSide::Right: pane.Right(); break;
      case AutoHideSide::Bottom: pane.Bottom(); break;
    }
    m_aui.AddPane(autoHide, pane);
  }
  m_aui.Bind(wxEVT_AUI_PANE_BUTTON, [this](wxAuiManagerEvent& event) {
    auto* bar = dynamic_cast<CPinDockBar*>(event.GetPane() ? event.GetPane()->window : nullptr);
    if (bar && event.GetButton() == wxAUI_BUTTON_PIN) {
      // The pin parks the bar instead of floating it.
      CallAfter([this, bar] { PinBar(bar); });
      event.Veto();
      return;
    }
    event.Skip();
  });

  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowBar(m_toolBox, !IsBarVisible(m_toolBox)); }, ID_VIEW_TOOLBOX);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowBar(m_propertyBar, !IsBarVisible(m_propertyBar)); },
       ID_VIEW_PROPERTIES);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ToggleBar(GetToolBar()); }, ID_VIEW_TOOLBAR);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ToggleBar(GetStatusBar()); }, ID_VIEW_STATUS_BAR);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(IsBarVisible(m_toolBox)); }, ID_VIEW_TOOLBOX);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(IsBarVisible(m_propertyBar)); }, ID_VIEW_PROPERTIES);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(GetToolBar() && GetToolBar()->IsShown()); },
       ID_VIEW_TOOLBAR);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(GetStatusBar() && GetStatusBar()->IsShown()); },
       ID_VIEW_STATUS_BAR);
  LoadPaneState();
  return 0;
}

// The canvas's announcements of zoom, scrolling and the mouse reach the view
// as messages; the frame answers for its bars.
class CMainFrame::BarNotifications : public ReportEditorNotifications {
public:
  explicit BarNotifications(CMainFrame& frame) : m_frame(frame) {}

  void OnEditorZoom(int32_t) override {}
  void OnEditorHScroll(int32_t) override {}
  void OnEditorVScroll(int32_t) override {}
  void OnEditorMouse(std::optional<platform::gdi::Point>) override {}
  void ClearToolboxHighlight() override { m_frame.m_toolBox->GetOutBar()->ResetSelection(); }
  bool IsPropertyBarVisible() const override { return m_frame.IsBarVisible(m_frame.m_propertyBar); }
  void ShowEntityProperties(CDiagramEntity& entity, PopulatorKind populator) override {
    if (!IsPropertyBarVisible()) m_frame.ShowBar(m_frame.m_propertyBar, true);
    m_frame.m_propertyBar->ShowEntity(entity, populator);
  }
  void ClearProperties() override { m_frame.m_propertyBar->ClearProperties(); }
  const CDiagramEntity* GetPropertiesEntity() const override { return m_frame.m_propertyBar->GetShownEntity(); }
  void RefreshProperties() override { m_frame.m_propertyBar->RefreshProperties(); }

private:
  CMainFrame& m_frame;
};

ReportEditorNotifications* CMainFrame::GetEditorNotifications() {
  if (!m_notifications) m_notifications = std::make_unique<BarNotifications>(*this);
  return m_notifications.get();
}

CMainFrame::~CMainFrame() {
  m_aui.UnInit();
}

void CMainFrame::SetView(wxWindow* view) {
  m_viewArea->GetSizer()->Add(view, 1, wxEXPAND);
  m_viewArea->Layout();
  m_aui.Update();
}

void CMainFrame::ToggleBar(wxWindow* bar) {
  if (!bar) return;
  bar->Show(!bar->IsShown());
  SendSizeEvent();
  m_aui.Update();
}

void CMainFrame::StartDrawing(int32_t toolCode) {
  SendToDescendants(this, WM_CORVANE_START_DRAWING, static_cast<platform::WPARAM>(toolCode));
}

CAutoHideBar* CMainFrame::FindAutoHideBar(const CPinDockBar* bar) const {
  for (CAutoHideBar* autoHide : m_autoHide) {
    if (autoHide && autoHide->HasTab(bar)) return autoHide;
  }
  return nullptr;
}

bool CMainFrame::IsBarVisible(const CPinDockBar* bar) const {
  if (!bar) return false;
  if (FindAutoHideBar(bar)) return true;
  const wxAuiPaneInfo& pane = const_cast<BarDockingManager&>(m_aui).GetPane(const_cast<CPinDockBar*>(bar));
  return pane.IsOk() && pane.IsShown();
}

void CMainFrame::ShowBar(CPinDockBar* bar, bool show) {
  if (!bar) return;
  if (!show && FindAutoHideBar(bar)) UnpinBar(bar);
  m_aui.GetPane(bar).Show(show);
  m_aui.Update();
}

void CMainFrame::UpdateAutoHidePanes() {
  for (CAutoHideBar* autoHide : m_autoHide) m_aui.GetPane(autoHide).Show(!autoHide->IsEmpty());
  m_aui.Update();
}

void CMainFrame::GivePin(CPinDockBar* bar, wxAuiFloatingFrame* floating) {
  // The floating frame's own caption is the window manager's; the bar gets
  // a caption band of its own in the frame, with the pin that parks it.
  // Docked again before this came: the frame is on its way out.
  if (bar->GetParent() != floating) return;
  wxAuiManager& inner = floating->GetAuiManager();
  wxAuiPaneInfo& pane = inner.GetPane(bar);
  if (!pane.IsOk() || pane.HasCaption()) return;
  // Dragged by either caption over an edge of this frame, it docks there.
  m_aui.FollowFloatingFrame(bar, floating);
  pane.CaptionVisible(true).Caption(bar->GetCaption()).PinButton(true).CloseButton(false).MaximizeButton(false)
      .Floatable(false).Movable(false);
  inner.Bind(wxEVT_AUI_PANE_BUTTON, [this, bar](wxAuiManagerEvent& event) {
    if (event.GetButton() == wxAUI_BUTTON_PIN) {
      CallAfter([this, bar] { PinBar(bar); });
      return;
    }
    event.Skip();
  });
  inner.Update();
}

void CMainFrame::PinBar(CPinDockBar* bar) {
  if (!bar || FindAutoHideBar(bar)) return;
  wxAuiPaneInfo& pane = m_aui.GetPane(bar);
  if (!pane.IsOk()) return;
  const AutoHideSide side = pane.IsFloating() ? AutoHideSide::Left : SideOfPane(pane);
  m_autoHide[static_cast<size_t>(side)]->AddTab(bar);
  pane.Hide();
  UpdateAutoHidePanes();
}

void CMainFrame::UnpinBar(CPinDockBar* bar) {
  CAutoHideBar* autoHide = FindAutoHideBar(bar);
  if (!autoHide) return;
  autoHide->RemoveTab(bar);
  m_aui.GetPane(bar).Show();
  UpdateAutoHidePanes();
}

void CMainFrame::LoadPaneState() {
  const std::wstring key = BarStateKey();
  if (const auto layout = RegReadString(key, L"Layout")) m_aui.LoadPerspective(wxString(*layout), false);
  // The panes' shown state comes from the keys of their own.
  uint32_t value = 1;
  if (RegReadDword(key, L"Toolbox", &value) == kRegSuccess) m_aui.GetPane(m_toolBox).Show(value != 0);
  if (RegReadDword(key, L"Properties", &value) == kRegSuccess) m_aui.GetPane(m_propertyBar).Show(value != 0);
  for (int side = 0; side < 4; ++side) m_aui.GetPane(m_autoHide[static_cast<size_t>(side)]).Hide();
  m_aui.Update();
  for (CPinDockBar* bar : {static_cast<CPinDockBar*>(m_toolBox), static_cast<CPinDockBar*>(m_propertyBar)}) {
    const std::wstring name = bar->GetCaption().ToStdWstring() + L"AutoHide";
    if (RegReadDword(key, name, &value) != kRegSuccess || value < 1 || value > 4) continue;
    m_autoHide[value - 1]->AddTab(bar);
    m_aui.GetPane(bar).Hide();
  }
  UpdateAutoHidePanes();
}

void CMainFrame::SavePaneState() {
  const std::wstring key = BarStateKey();
  for (CPinDockBar* bar : {static_cast<CPinDockBar*>(m_toolBox), static_cast<CPinDockBar*>(m_propertyBar)}) {
    const std::wstring name = bar->GetCaption().ToStdWstring();
    CAutoHideBar* autoHide = FindAutoHideBar(bar);
    RegWriteDword(key, name + L"AutoHide", autoHide ? static_cast<uint32_t>(autoHide->GetSide()) + 1 : 0);
    RegWriteDword(key, name, IsBarVisible(bar) ? 1 : 0);
    // Sizes as the bar has them where it is now.
    const wxAuiPaneInfo& pane = m_aui.GetPane(bar);
    SizingBarSizes& sizes = bar->GetSizes();
    if (pane.IsFloating() && pane.frame) {
      sizes.floating = {pane.frame->GetSize().x, pane.frame->GetSize().y};
    } else if (!autoHide && pane.IsShown()) {
      const wxSize size = bar->GetSize();
      if (pane.dock_direction == wxAUI_DOCK_TOP || pane.dock_direction == wxAUI_DOCK_BOTTOM) {
        sizes.horz = {size.x, size.y};
      } else {
        sizes.vert = {size.x, size.y};
      }
    }
    sizes.ApplyMinimums();
    sizes.Save(kProfileKey, BarProfileName(), bar->GetId());
  }
  // The layout with every bar back in its dock, so that a parked bar comes
  // back where it was.
  std::vector<CPinDockBar*> parked;
  for (CAutoHideBar* autoHide : m_autoHide) {
    for (CPinDockBar* bar : autoHide->GetBars()) parked.push_back(bar);
  }
  for (CPinDockBar* bar : parked) m_aui.GetPane(bar).Show();
  RegWriteString(key, L"Layout", m_aui.SavePerspective().ToStdWstring());
  for (CPinDockBar* bar : parked) m_aui.GetPane(bar).Hide();
}

void CMainFrame::ShowFrame() {
  BaseFrameWnd::ShowFrame();
  for (CPinDockBar* bar : {static_cast<CPinDockBar*>(m_toolBox), static_cast<CPinDockBar*>(m_propertyBar)}) {
    const wxAuiPaneInfo& pane = m_aui.GetPane(bar);
    if (pane.IsOk() && pane.IsFloating() && pane.frame && pane.frame->IsShown()) pane.frame->Raise();
  }
}

bool CMainFrame::Destroy() {
  if (m_toolBox && GetHandle() && !IsBeingDeleted()) SavePaneState();
  // The sliding frames are top-level windows: they go with the frame.
  for (CAutoHideBar* autoHide : m_autoHide) {
    for (CPinDockBar* bar : autoHide ? autoHide->GetBars() : std::vector<CPinDockBar*>{}) autoHide->RemoveTab(bar);
  }
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
