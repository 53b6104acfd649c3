#pragma once

// The designer's one view: the document's canvas (CReportEditor) framed by
// the two rulers and the corner box. It restores and saves the editor
// settings, keeps the rulers in step with the canvas's messages, turns tool
// codes and "add" commands into entities to draw, answers the editing
// commands and prints the template.

#include <memory>

#include <wx/window.h>

#include "common/ui/View.h"
#include "common/ui/popup_menu.h"
#include "designer/COptionsDlg.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerSettings.h"
#include "template/TemplateHelpers.h"

class CReportEditor;
class ReportEditorNotifications;

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
  static constexpr double kMinZoom = 0.05;
  static constexpr double kMaxZoom = 4.0;
  enum { IDC_HORZ_RULER = 100, IDC_VERT_RULER = 101, IDC_CORNER_BOX = 102 };

  explicit CPlandelView(wxWindow* parent);
  ~CPlandelView() override;

  wxWindow* GetViewWindow() override { return this; }
  // The first one builds the canvas, rulers and context menu and applies the
  // settings; a later one (a new or opened template) resets the canvas's
  // zoom, scroll and drawing state only.
  void OnInitialUpdate() override;
  void OnUpdate(View* sender, long hint, void* hintObject) override;

  DesignerDocument* GetDesignerDocument() const;

  // Where the canvas tells of the selection and the property bar; may be none.
  void SetEditorNotifications(ReportEditorNotifications* notifications);

  // PageSetupTarget: the canvas's paper and the designer's unit.
  wxSize GetPaperSize() const override;
  void SetPaperSize(int width, int height) override;
  int32_t GetUnit() const override;
  void ApplyUnits(int32_t unit) override;

  // The settings as the canvas holds them now; Save writes them.
  DesignerSettings GetSettings() const;
  void SaveSettings();
  // The screen's resolution, which only scales what the canvas shows.
  int32_t GetScreenPixelsPerInch() const { return m_screenPpi; }
  // The resolution of the paper, the template file and the printout: the
  // model's, whatever the screen.
  static constexpr int32_t GetPaperPixelsPerInch() { return kModelPixelsPerInch; }
  double GetZoom() const;

  CHorzRuler* GetHorzRuler() const { return m_horzRuler; }
  CVertRuler* GetVertRuler() const { return m_vertRuler; }
  CCornerBox* GetCornerBox() const { return m_cornerBox; }
  CReportEditor* GetEditor() const { return m_editor; }
  wxWindow* GetCanvas() const;

  // The state the commands are enabled and checked from.
  EditorState GetEditorState() const;

  // Starts drawing the entity of a tool code; a code outside the table
  // starts nothing. False when nothing was started.
  bool StartDrawing(int64_t toolCode);

  // Draws the template for printing into the rectangle (device pixels) at
  // the scale from screen to device pixels: white paper, no grid, margins or
  // selection.
  void PrintTemplate(platform::gdi::Canvas& canvas, const wxRect& rect, double scale);

  // Runs "Page Setup ..." modally.
  void OnPageSetup();

  // Before the document goes while the view stays: keeps the settings, then
  // lets the canvas forget the document's entities.
  void ReleaseDocument();

private:
  void LayoutChildren();
  void ApplySettings(const DesignerSettings& settings);
  void OnSize(wxSizeEvent& event);
  void OnMessage(platform::WindowMessageEvent& event);
  void OnCommand(wxCommandEvent& event);
  void OnUpdateCommand(wxUpdateUIEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void DeleteSelection();
  void ClearProperties();
  void SetRulersUnit(int32_t unit);

  CHorzRuler* m_horzRuler = nullptr;
  CVertRuler* m_vertRuler = nullptr;
  CCornerBox* m_cornerBox = nullptr;
  int32_t m_screenPpi = 0;
  std::unique_ptr<popup_menu> m_contextMenu;
  CReportEditor* m_editor = nullptr;
  ReportEditorNotifications* m_notifications = nullptr;
  bool m_settingsLoaded = false;
};

}  // namespace designer
