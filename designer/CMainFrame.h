#pragma once

// The designer's main frame: menus, toolbar and status bar around the view,
// with the property bar on the left and the tool box on the right. It keeps
// its placement and bars as "DesignerFrameWnd".

#include <wx/panel.h>

#include "common/ui/BaseFrameWnd.h"

class ReportEditorNotifications;

namespace designer {

inline constexpr wchar_t kMainFrameName[] = L"DesignerFrameWnd";

class CMainFrame : public BaseFrameWnd {
public:
  CMainFrame();

  // The places of the two bars, filled by the bars themselves.
  wxPanel* GetToolBoxBar() const { return m_toolBox; }
  wxPanel* GetPropertyBar() const { return m_propertyBar; }
  // The view's place; the document template puts the view in it.
  wxWindow* GetViewParent() const { return this->m_viewArea; }
  void SetView(wxWindow* view);

  // Where the canvas tells of the selection, the property bar and the tool
  // box's highlight; none while the frame has no bars to tell.
  virtual ReportEditorNotifications* GetEditorNotifications() { return nullptr; }

  // Shows the recent files in the File menu.
  void UpdateRecentFiles(const std::vector<std::wstring>& files);

  // Keeps which bars are shown, then the base's bar state and placement.
  bool Destroy() override;

protected:
  int OnCreate() override;

private:
  void ToggleBar(wxWindow* bar);
  void LoadPaneState();
  void SavePaneState() const;

  wxPanel* m_toolBox = nullptr;
  wxPanel* m_propertyBar = nullptr;
  wxPanel* m_viewArea = nullptr;
  wxMenu* m_fileMenu = nullptr;
  size_t m_recentShown = 0;
};

}  // namespace designer
