#pragma once

// The designer's one view: the canvas area framed by the two rulers and the
// corner box. It restores and saves the editor settings, keeps the rulers in
// step with the canvas's messages, answers the editing commands and prints
// the template.

#include <memory>

#include <wx/window.h>

#include "common/ui/View.h"
#include "common/ui/popup_menu.h"
#include "designer/COptionsDlg.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerSettings.h"
#include "designer/PaperSetup.h"

namespace platform {
class WindowMessageEvent;
}
namespace platform::gdi {
class Canvas;
}

namespace designer {

class CHorzRuler;
class CVertRuler;
class CCornerBox;
class DesignerDocument;

class CPlandelView : public wxWindow, public View, public PageSetupTarget {
public:
  static constexpr int kRulerSize = 24;
  enum { IDC_HORZ_RULER = 100, IDC_VERT_RULER = 101, IDC_CORNER_BOX = 102 };

  explicit CPlandelView(wxWindow* parent);
  ~CPlandelView() override;

  wxWindow* GetViewWindow() override { return this; }
  void OnInitialUpdate() override;

  DesignerDocument* GetDesignerDocument() const;

  // PageSetupTarget
  wxSize GetPaperSize() const override { return {m_paper.width, m_paper.height}; }
  void SetPaperSize(int width, int height) override;
  int32_t GetUnit() const override { return m_settings.units; }
  void ApplyUnits(int32_t unit) override;

  void SaveSettings();
  const DesignerSettings& GetSettings() const { return m_settings; }
  const PaperSetup& GetPaper() const { return m_paper; }
  int32_t GetScreenPixelsPerInch() const { return m_screenPpi; }
  double GetZoom() const { return m_zoom; }

  CHorzRuler* GetHorzRuler() const { return m_horzRuler; }
  CVertRuler* GetVertRuler() const { return m_vertRuler; }
  CCornerBox* GetCornerBox() const { return m_cornerBox; }
  wxWindow* GetCanvas() const { return m_canvas; }

  // The state the commands are enabled and checked from.
  EditorState GetEditorState() const;

  // Draws the template for printing into the rectangle (device pixels) at
  // the scale from screen to device pixels: no grid, margins or selection.
  void PrintTemplate(platform::gdi::Canvas& canvas, const wxRect& rect, double scale);

  // Runs "Page Setup ..." modally.
  void OnPageSetup();

private:
  void LayoutChildren();
  void OnSize(wxSizeEvent& event);
  void OnMessage(platform::WindowMessageEvent& event);
  void OnCommand(wxCommandEvent& event);
  void OnUpdateCommand(wxUpdateUIEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void SetZoom(double zoom);

  CHorzRuler* m_horzRuler = nullptr;
  CVertRuler* m_vertRuler = nullptr;
  CCornerBox* m_cornerBox = nullptr;
  wxWindow* m_canvas = nullptr;
  int32_t m_screenPpi = 0;
  std::unique_ptr<popup_menu> m_contextMenu;
  DesignerSettings m_settings;
  PaperSetup m_paper;
  double m_zoom = 1.0;
  bool m_settingsLoaded = false;
};

}  // namespace designer
