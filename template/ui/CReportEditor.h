#pragma once

// The template designer's canvas: the diagram editor that announces its
// zoom, scroll positions and mouse position to the window around it, both as
// the registered messages "REPORT_EDITOR_ZOOM", "REPORT_EDITOR_HSCROLL",
// "REPORT_EDITOR_VSCROLL" and "REPORT_EDITOR_MOUSE" sent to its parent and
// through the ReportEditorNotifications it is given, and keeps the property
// bar in step with the selection.

#include "template/ui/CDiagramEditor.h"

class CReportEditor : public CDiagramEditor {
public:
  // The announcements and the property bar go to these; may be none.
  void SetNotifications(ReportEditorNotifications* notifications) { Core().SetNotifications(notifications); }

  // Announces the zoom as a whole percentage.
  void SetZoom(double zoom) override;
  void SetHScroll(int32_t position) override;
  void SetVScroll(int32_t position) override;

  // Shows the one selected entity in the property bar when the bar is shown.
  void UpdateProperties();

protected:
  // The property bar follows the selection and the selected entity's place.
  void OnEntitiesChanged() override;
  void OnLButtonDown(bool control, platform::gdi::Point point) override;
  void OnLButtonUp(bool control, platform::gdi::Point point) override;
  void OnMouseMove(platform::gdi::Point point) override;

private:
  ReportEditorNotifications* Notifications() const { return Core().GetNotifications(); }
};
