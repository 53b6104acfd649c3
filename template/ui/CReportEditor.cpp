#include "template/ui/CReportEditor.h"

#include "common/UnitConversions.h"
#include "platform/WindowMessages.h"
#include "template/ReportEditorNotifications.h"

using platform::gdi::Point;

namespace {

void Announce(wxWindow* editor, const wchar_t* message, platform::WPARAM wParam) {
  if (wxWindow* parent = editor->GetParent()) {
    platform::SendMessage(parent, platform::RegisterWindowMessage(message), wParam, 0);
  }
}

}  // namespace

void CReportEditor::SetZoom(double zoom) {
  CDiagramEditor::SetZoom(zoom);
  const int32_t percent = TruncateToInt32(GetZoom() * 100);
  if (GetHandle()) Announce(this, L"REPORT_EDITOR_ZOOM", static_cast<platform::WPARAM>(percent));
  if (Notifications()) Notifications()->OnEditorZoom(percent);
}

void CReportEditor::SetHScroll(int32_t position) {
  CDiagramEditor::SetHScroll(position);
  const int32_t now = Core().View().GetHScroll();
  if (GetHandle()) Announce(this, L"REPORT_EDITOR_HSCROLL", static_cast<platform::WPARAM>(now));
  if (Notifications()) Notifications()->OnEditorHScroll(now);
}

void CReportEditor::SetVScroll(int32_t position) {
  CDiagramEditor::SetVScroll(position);
  const int32_t now = Core().View().GetVScroll();
  if (GetHandle()) Announce(this, L"REPORT_EDITOR_VSCROLL", static_cast<platform::WPARAM>(now));
  if (Notifications()) Notifications()->OnEditorVScroll(now);
}

void CReportEditor::OnMouseMove(Point point) {
  CDiagramEditor::OnMouseMove(point);
  // The point is announced by address; it lives until the message returns.
  const bool idle = GetInteractMode() == 0;
  Point announced = point;
  Announce(this, L"REPORT_EDITOR_MOUSE", idle ? 0 : reinterpret_cast<platform::WPARAM>(&announced));
  if (Notifications()) Notifications()->OnEditorMouse(idle ? std::nullopt : std::optional<Point>(point));
}

void CReportEditor::OnLButtonDown(bool control, Point point) {
  if (Notifications()) Notifications()->ClearToolboxHighlight();
  CDiagramEditor::OnLButtonDown(control, point);
  UpdateProperties();
}

void CReportEditor::OnLButtonUp(bool control, Point point) {
  CDiagramEditor::OnLButtonUp(control, point);
  // A newly drawn entity is marked created once its rectangle is drawn (a
  // repeat field sizes its header then).
  if (Core().MarkCreated()) Redraw();
  UpdateProperties();
}

void CReportEditor::UpdateProperties() {
  if (GetSelectCount() != 1 || !Notifications() || !Notifications()->IsPropertyBarVisible()) return;
  if (CDiagramEntity* entity = GetSelectedObject()) entity->ShowProperties(Notifications(), true);
}

void CReportEditor::OnEntitiesChanged() {
  ReportEditorNotifications* notifications = Notifications();
  if (!notifications || !notifications->IsPropertyBarVisible()) return;
  const CDiagramEntity* shown = notifications->GetPropertiesEntity();
  if (GetSelectCount() == 1) {
    CDiagramEntity* selected = GetSelectedObject();
    if (selected && selected->GetEditedEntity() != shown) return selected->ShowProperties(notifications, true);
  } else if (shown && !shown->IsSelected()) {
    // The bar never edits an entity that is not among the selected.
    return notifications->ClearProperties();
  }
  if (shown) notifications->RefreshProperties();
}
