#include "designer/bars/BarDockingManager.h"

#include <wx/utils.h>
#include <wx/weakref.h>

namespace designer {

void BarDockingManager::ShowHint(const wxRect& rect) {
  wxAuiManager::ShowHint(rect);
  m_hint = rect;
}

void BarDockingManager::HideHint() {
  wxAuiManager::HideHint();
  m_hint = wxRect();
}

void BarDockingManager::FollowFloatingFrame(wxWindow* pane, wxAuiFloatingFrame* frame) {
  wxWeakRef<wxWindow> bar(pane);
  // The frame's own following of its moves is replaced, not doubled.
  frame->Bind(wxEVT_MOVE, [this, bar](wxMoveEvent&) {
    if (bar) OnFrameMoved(bar.get());
  });
  frame->Bind(wxEVT_IDLE, [this, bar](wxIdleEvent& event) {
    event.Skip();
    if (!bar || m_moving != bar.get()) return;
    if (wxGetMouseState().LeftIsDown()) {
      event.RequestMore();
      return;
    }
    // Docking destroys the floating frame: not from its own handler.
    wxWeakRef<wxWindow> moved(bar);
    m_moving = nullptr;
    GetManagedWindow()->CallAfter([this, moved] {
      if (moved) FinishMove(moved.get());
    });
  });
}

void BarDockingManager::OnFrameMoved(wxWindow* pane) {
  wxAuiPaneInfo& info = GetPane(pane);
  if (!info.IsOk() || !info.IsFloating() || !info.frame) return;
  // A frame placed by the program, not dragged.
  if (!wxGetMouseState().LeftIsDown()) {
    info.floating_pos = info.frame->GetPosition();
    return;
  }
  if (m_moving != pane) {
    m_moving = pane;
    OnFloatingPaneMoveStart(pane);
  }
  OnFloatingPaneMoving(pane, wxNORTH);
}

void BarDockingManager::FinishMove(wxWindow* pane) {
  wxAuiPaneInfo& info = GetPane(pane);
  if (!info.IsOk() || !info.IsFloating() || !info.frame) {
    HideHint();
    return;
  }
  OnFloatingPaneMoved(pane, wxNORTH);
}

}  // namespace designer
