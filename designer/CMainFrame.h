#pragma once

// The designer's main frame: menus, toolbar and status bar around the view,
// with the property bar on the left and the tool box on the right. The bars
// dock, float, resize and close through wxAUI; their pin buttons park them
// on the auto-hide bar of their side. It keeps its placement, the bars'
// layout, sizes and auto-hidden state as "DesignerFrameWnd".

#include <array>
#include <memory>

#include <wx/aui/framemanager.h>
#include <wx/panel.h>
#include <wx/timer.h>

#include "common/ui/BaseFrameWnd.h"
#include "designer/bars/AutoHideLayout.h"
#include "designer/bars/BarDockingManager.h"

class ReportEditorNotifications;

namespace designer {

inline constexpr wchar_t kMainFrameName[] = L"DesignerFrameWnd";

class CAutoHideBar;
class CDiagramPropertyBar;
class CDrawBar;
class CPinDockBar;

class CMainFrame : public BaseFrameWnd {
public:
  CMainFrame();
  ~CMainFrame() override;

  CDrawBar* GetToolBoxBar() const { return m_toolBox; }
  CDiagramPropertyBar* GetPropertyBar() const { return m_propertyBar; }
  BarDockingManager& GetAuiManager() { return m_aui; }
  CAutoHideBar* GetAutoHideBar(AutoHideSide side) const { return m_autoHide[static_cast<size_t>(side)]; }

  // Parks a bar on the auto-hide bar of the side it is docked at (the left
  // for a floating bar), or docks it back where it was.
  void PinBar(CPinDockBar* bar);
  void UnpinBar(CPinDockBar* bar);
  // The auto-hide bar holding the bar, or null while it is docked.
  CAutoHideBar* FindAutoHideBar(const CPinDockBar* bar) const;
  // Whether the bar is shown: docked or floating, or parked on a tab.
  bool IsBarVisible(const CPinDockBar* bar) const;
  void ShowBar(CPinDockBar* bar, bool show);

  // A click on a tool: "CorvaneStartDrawing" with the tool code to the frame
  // and every window in it.
  void StartDrawing(int32_t toolCode);
  // The view's place; the document template puts the view in it.
  wxWindow* GetViewParent() const { return this->m_viewArea; }
  void SetView(wxWindow* view);

  // Where the canvas tells of the selection, the property bar and the tool
  // box's highlight: the frame's bars.
  virtual ReportEditorNotifications* GetEditorNotifications();

  // Shows the recent files in the File menu.
  void UpdateRecentFiles(const std::vector<std::wstring>& files);

  // Keeps which bars are shown, then the base's bar state and placement.
  bool Destroy() override;

  // Shows the frame, then brings its floating bars above it: made before
  // the frame was shown, they would stay behind it.
  void ShowFrame() override;

protected:
  int OnCreate() override;

private:
  void ToggleBar(wxWindow* bar);
  void LoadPaneState();
  void SavePaneState();
  void UpdateAutoHidePanes();
  // Puts the pin into the floating frame of a bar.
  void GivePin(CPinDockBar* bar, wxAuiFloatingFrame* floating);

  class BarNotifications;
  std::unique_ptr<BarNotifications> m_notifications;
  BarDockingManager m_aui;
  CDrawBar* m_toolBox = nullptr;
  CDiagramPropertyBar* m_propertyBar = nullptr;
  std::array<CAutoHideBar*, 4> m_autoHide{};
  wxPanel* m_viewArea = nullptr;
  wxMenu* m_fileMenu = nullptr;
  size_t m_recentShown = 0;
  wxTimer m_keyTimer;  // keeps the status bar's key indicators up to date
};

}  // namespace designer
