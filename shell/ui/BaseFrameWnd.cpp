#include "shell/ui/BaseFrameWnd.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/display.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "common/RegistryHelpers.h"
#include "shell/ui/View.h"

BaseFrameWnd::BaseFrameWnd() = default;

BaseFrameWnd::~BaseFrameWnd() {
  // A frame deleted without Destroy still keeps its place.
  SaveState();
  // The view windows are destroyed after this part of the frame.
  for (View* view : m_views) view->m_frame = nullptr;
}

bool BaseFrameWnd::LoadFrame(const std::wstring& title, long style, wxWindow* parent) {
  if (!Create(parent, wxID_ANY, wxString(title), wxDefaultPosition, wxDefaultSize, style)) return false;
  SetMinSize(wxSize(kMinFrameTrackSize, kMinFrameTrackSize));
  Bind(wxEVT_SIZE, &BaseFrameWnd::OnMoveOrSize, this);
  Bind(wxEVT_MOVE, &BaseFrameWnd::OnMoveOrSize, this);
  if (OnCreate() == -1) {
    wxFrame::Destroy();
    return false;
  }
  m_normalRect = GetRect();
  RestoreState();
  return true;
}

bool BaseFrameWnd::Destroy() {
  SaveState();
  return wxFrame::Destroy();
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
  if (makeVisible) Show(true);
}

void BaseFrameWnd::OnMoveOrSize(wxEvent& event) {
  // GTK reports the maximised rectangle once maximised: remember the last
  // normal one for the placement.
  if (!IsMaximized() && !IsIconized() && !IsFullScreen()) m_normalRect = GetRect();
  event.Skip();
}

WindowPlacement BaseFrameWnd::GetPlacement() const {
  WindowPlacement placement;
  bool maximized = IsMaximized();
  placement.showCmd = maximized ? SW_SHOWMAXIMIZED : IsIconized() ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
  wxRect normal = (maximized || IsIconized()) && !m_normalRect.IsEmpty() ? m_normalRect : GetRect();
  placement.left = normal.x;
  placement.top = normal.y;
  placement.right = normal.x + normal.width;
  placement.bottom = normal.y + normal.height;
  return placement;
}

void BaseFrameWnd::ApplyPlacement(const WindowPlacement& placement) {
  wxRect rect(placement.left, placement.top, placement.right - placement.left,
              placement.bottom - placement.top);
  rect.width = std::max(rect.width, kMinFrameTrackSize);
  rect.height = std::max(rect.height, kMinFrameTrackSize);
  // A place on a display that is no longer there keeps the size only.
  wxPoint titleBar(rect.x + rect.width / 2, rect.y + 10);
  if (wxDisplay::GetFromPoint(titleBar) == wxNOT_FOUND)
    SetSize(rect.GetSize());
  else
    SetSize(rect);
  m_normalRect = GetRect();
  // A frame closed maximised opens maximised; one closed minimised opens normal.
  if (placement.showCmd == SW_SHOWMAXIMIZED) Maximize(true);
}

void BaseFrameWnd::SaveState() {
  if (m_stateSaved || !GetHandle()) return;
  m_stateSaved = true;
  std::wstring barKey = std::wstring(kBarStateKeyPrefix) + m_frameName + L"_Bar";
  if (wxToolBar* bar = GetToolBar()) RegWriteDword(barKey, L"ToolBar", bar->IsShown() ? 1 : 0);
  if (wxStatusBar* bar = GetStatusBar()) RegWriteDword(barKey, L"StatusBar", bar->IsShown() ? 1 : 0);
  GetPlacement().Save(kWinPosKey, m_frameName);
}

void BaseFrameWnd::RestoreState() {
  if (auto placement = WindowPlacement::Load(kWinPosKey, m_frameName)) ApplyPlacement(*placement);
  std::wstring barKey = std::wstring(kBarStateKeyPrefix) + m_frameName + L"_Bar";
  uint32_t shown = 1;
  bool changed = false;
  if (wxToolBar* bar = GetToolBar(); bar && RegReadDword(barKey, L"ToolBar", &shown) == kRegSuccess) {
    bar->Show(shown != 0);
    changed = true;
  }
  if (wxStatusBar* bar = GetStatusBar(); bar && RegReadDword(barKey, L"StatusBar", &shown) == kRegSuccess) {
    bar->Show(shown != 0);
    changed = true;
  }
  if (changed) SendSizeEvent();
}

namespace {
bool IsCommandEvent(const wxEvent& event) {
  wxEventType type = event.GetEventType();
  return type == wxEVT_MENU || type == wxEVT_UPDATE_UI || type == wxEVT_TOOL_DROPDOWN;
}

bool IsInside(wxObject* object, wxWindow* ancestor) {
  for (auto* window = wxDynamicCast(object, wxWindow); window; window = window->GetParent())
    if (window == ancestor) return true;
  return false;
}
}  // namespace

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
