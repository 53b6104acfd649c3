#include "common/ui/BaseFrameWnd.h"

#include <algorithm>
#include <memory>

#include <wx/artprov.h>
#include <wx/display.h>
#include <wx/iconbndl.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "common/RegistryHelpers.h"
#include "common/ui/View.h"

BaseFrameWnd::BaseFrameWnd(std::wstring frameName, std::wstring placementKey, std::wstring barStateKey)
    : m_frameName(std::move(frameName)),
      m_placementKey(std::move(placementKey)),
      m_barStateKey(std::move(barStateKey)) {}

BaseFrameWnd::~BaseFrameWnd() {
  // A frame deleted without Destroy still keeps its place.
  SaveState();
  // The view windows are destroyed after this part of the frame.
  for (View* view : m_views) view->m_frame = nullptr;
}

bool BaseFrameWnd::LoadFrame(const std::wstring& title, long style, wxWindow* parent) {
  // Top-level windows are created hidden: the caller shows the frame once
  // it is laid out (ShowFrame).
  if (!Create(parent, wxID_ANY, wxString(title), wxDefaultPosition, wxDefaultSize, style)) return false;
  SetMinSize(wxSize(kMinTrackSize, kMinTrackSize));
  Bind(wxEVT_SIZE, &BaseFrameWnd::OnMoveOrSize, this);
  Bind(wxEVT_MOVE, &BaseFrameWnd::OnMoveOrSize, this);
  if (OnCreate() == -1) {
    m_stateSaved = true;  // nothing of this frame is worth keeping
    wxFrame::Destroy();
    return false;
  }
  m_normalRect = GetRect();
  m_placementRestored = RestorePlacement();
  LoadBarState();
  return true;
}

void BaseFrameWnd::ShowFrame() {
  if (!m_placementRestored && !IsShown()) PlaceOnScreen();
  if (m_showCmd == common::kShowMaximized) Maximize(true);
  Show(true);
  Raise();
}

void BaseFrameWnd::PlaceOnScreen() {
  // Left to the desktop, a frame was seen placed by the size it had when it
  // was made, and then opened from the screen's middle into its bottom-right
  // corner: it opens in the middle of the screen it belongs to, no larger
  // than that screen's work area.
  int index = wxDisplay::GetFromWindow(this);
  if (index == wxNOT_FOUND) index = 0;
  const wxRect area = wxDisplay(static_cast<unsigned>(index)).GetClientArea();
  if (area.IsEmpty()) return;
  const wxSize size(std::min(GetSize().x, area.width), std::min(GetSize().y, area.height));
  SetSize(area.x + (area.width - size.x) / 2, area.y + (area.height - size.y) / 2, size.x, size.y);
  m_normalRect = GetRect();
}

bool BaseFrameWnd::Destroy() {
  SaveState();
  return wxFrame::Destroy();
}

void BaseFrameWnd::SaveState() {
  if (m_stateSaved || !GetHandle()) return;
  m_stateSaved = true;
  SaveBarState();
  SavePlacement();
}

void BaseFrameWnd::AddFrameView(View* view) {
  if (!view || std::find(m_views.begin(), m_views.end(), view) != m_views.end()) return;
  m_views.push_back(view);
  view->m_frame = this;
}

void BaseFrameWnd::RemoveFrameView(View* view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
  if (m_activeView == view) m_activeView = nullptr;
  if (view && view->m_frame == this) view->m_frame = nullptr;
}

void BaseFrameWnd::InitialUpdateFrame(bool makeVisible) {
  std::vector<View*> views = m_views;
  for (View* view : views) view->OnInitialUpdate();
  if (makeVisible) ShowFrame();
}

void BaseFrameWnd::OnMoveOrSize(wxEvent& event) {
  // Once maximised, GTK reports the maximised rectangle: the placement keeps
  // the last normal one.
  if (!IsMaximized() && !IsIconized() && !IsFullScreen()) m_normalRect = GetRect();
  event.Skip();
}

common::WindowPlacement BaseFrameWnd::GetPlacement() const {
  common::WindowPlacement placement;
  const bool maximized = IsMaximized();
  const bool iconized = IsIconized();
  placement.showCmd = maximized  ? common::kShowMaximized
                      : iconized ? common::kShowMinimized
                                 : common::kShowNormal;
  const wxRect normal = (maximized || iconized) && !m_normalRect.IsEmpty() ? m_normalRect : GetRect();
  placement.left = normal.x;
  placement.top = normal.y;
  placement.right = normal.x + normal.width;
  placement.bottom = normal.y + normal.height;
  return placement;
}

void BaseFrameWnd::ApplyPlacement(const common::WindowPlacement& placement) {
  wxRect rect(placement.left, placement.top, std::max(placement.Width(), kMinTrackSize),
              std::max(placement.Height(), kMinTrackSize));
  // A place on a display that is gone keeps the size and lets the frame
  // open where a new one would.
  const wxPoint titleBar(rect.x + rect.width / 2, rect.y + 10);
  if (wxDisplay::GetFromPoint(titleBar) == wxNOT_FOUND) {
    SetSize(rect.GetSize());
  } else {
    SetSize(rect);
  }
  m_normalRect = rect;
  // A frame closed minimised opens normal.
  m_showCmd = placement.showCmd == common::kShowMaximized ? common::kShowMaximized : common::kShowNormal;
}

void BaseFrameWnd::SavePlacement() const {
  GetPlacement().Save(m_placementKey, m_frameName);
}

bool BaseFrameWnd::RestorePlacement() {
  const std::optional<common::WindowPlacement> placement =
      common::WindowPlacement::Load(m_placementKey, m_frameName);
  if (!placement) return false;
  ApplyPlacement(*placement);
  return true;
}

void BaseFrameWnd::SaveBarState() const {
  if (m_barStateKey.empty()) return;
  const std::wstring key = m_barStateKey + L"\\" + m_frameName + L"_Bar";
  if (const wxToolBar* bar = GetToolBar()) RegWriteDword(key, L"ToolBar", bar->IsShown() ? 1 : 0);
  if (const wxStatusBar* bar = GetStatusBar()) RegWriteDword(key, L"StatusBar", bar->IsShown() ? 1 : 0);
}

void BaseFrameWnd::LoadBarState() {
  if (m_barStateKey.empty()) return;
  const std::wstring key = m_barStateKey + L"\\" + m_frameName + L"_Bar";
  bool changed = false;
  uint32_t shown = 1;
  if (wxToolBar* bar = GetToolBar(); bar && RegReadDword(key, L"ToolBar", &shown) == kRegSuccess) {
    bar->Show(shown != 0);
    changed = true;
  }
  if (wxStatusBar* bar = GetStatusBar(); bar && RegReadDword(key, L"StatusBar", &shown) == kRegSuccess) {
    bar->Show(shown != 0);
    changed = true;
  }
  if (changed) SendSizeEvent();
}

namespace {
bool IsCommandEvent(const wxEvent& event) {
  const wxEventType type = event.GetEventType();
  return type == wxEVT_MENU || type == wxEVT_UPDATE_UI || type == wxEVT_TOOL_DROPDOWN;
}

bool IsInside(wxObject* object, wxWindow* ancestor) {
  for (auto* window = wxDynamicCast(object, wxWindow); window; window = window->GetParent())
    if (window == ancestor) return true;
  return false;
}

// GTK hides a tooltip when the pointer moves, not when the button's command
// opens a window: the tooltip would stay up over the new window. The clicked
// button's tooltip text is cleared (which hides it) and put back once the
// pointer has left the button.
void HideToolTipWhenClicked(wxToolBar* bar) {
  struct Hidden {
    int id = wxID_NONE;
    wxString text;
  };
  auto hidden = std::make_shared<Hidden>();
  auto restore = [bar, hidden] {
    if (hidden->id == wxID_NONE) return;
    bar->SetToolShortHelp(hidden->id, hidden->text);
    hidden->id = wxID_NONE;
  };
  bar->Bind(wxEVT_TOOL, [bar, hidden, restore](wxCommandEvent& event) {
    event.Skip();
    restore();
    const wxToolBarToolBase* tool = bar->FindById(event.GetId());
    if (!tool || tool->GetShortHelp().empty()) return;
    hidden->id = event.GetId();
    hidden->text = tool->GetShortHelp();
    bar->SetToolShortHelp(hidden->id, wxString());
  });
  // Entering another button, or leaving one (id wxID_ANY).
  bar->Bind(wxEVT_TOOL_ENTER, [hidden, restore](wxCommandEvent& event) {
    event.Skip();
    if (event.GetSelection() != hidden->id) restore();
  });
}
}  // namespace

wxToolBar* BaseFrameWnd::OnCreateToolBar(long style, wxWindowID id, const wxString& name) {
  wxToolBar* bar = wxFrame::OnCreateToolBar(style, id, name);
  if (bar) HideToolTipWhenClicked(bar);
  return bar;
}

bool BaseFrameWnd::TryBefore(wxEvent& event) {
  if (m_activeView && IsCommandEvent(event)) {
    wxWindow* viewWindow = m_activeView->GetViewWindow();
    // Events that rose from inside the view went through it already.
    if (viewWindow && !IsInside(event.GetEventObject(), viewWindow) &&
        viewWindow->GetEventHandler()->ProcessEventLocally(event))
      return true;
  }
  return wxFrame::TryBefore(event);
}

void BaseFrameWnd::SetArtIcons(const wxString& art) {
  wxIconBundle icons;
  for (const int size : {16, 32}) {
    const wxIcon icon = wxArtProvider::GetIcon(art, wxART_FRAME_ICON, wxSize(size, size));
    if (icon.IsOk()) icons.AddIcon(icon);
  }
  if (!icons.IsEmpty()) SetIcons(icons);
}
