#pragma once

// The frame's wxAUI manager with the docking of floating bars made to work
// however the floating frame is moved: by the window manager's title bar or
// by the bar's own caption band (which wxAUI drags itself). wxAUI follows a
// floating frame only through move events a few pixels apart, so a quick
// drag, or one whose moves arrive coarsely, showed no hint and never docked.
// Here every move of a floating frame while the left button is down shows
// the docking hint under the pointer, and the release docks the bar there.

#include <wx/aui/framemanager.h>
#include <wx/aui/floatpane.h>

namespace designer {

class BarDockingManager : public wxAuiManager {
public:
  // Follows the moves of a bar's floating frame (once per frame).
  void FollowFloatingFrame(wxWindow* pane, wxAuiFloatingFrame* frame);

  // The docking hint: where it shows now, empty while none does.
  const wxRect& GetHintRect() const { return m_hint; }
  void ShowHint(const wxRect& rect) override;
  void HideHint() override;

private:
  void OnFrameMoved(wxWindow* pane);
  void FinishMove(wxWindow* pane);

  wxRect m_hint;
  wxWindow* m_moving = nullptr;  // the bar whose frame is being dragged
};

}  // namespace designer
