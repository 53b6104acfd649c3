#pragma once

// What the report editor tells the window around it, and what it asks of
// the designer's frame: zoom, scroll and mouse announcements, the tool box's
// hover highlight and the property bar. The designer's frame (or view)
// implements it; the editor and the entities only call it.

#include <cstdint>
#include <optional>

#include "platform/gdi/GdiTypes.h"
#include "template/diagram/CDiagramEntity.h"

class ReportEditorNotifications {
public:
  virtual ~ReportEditorNotifications() = default;

  // The zoom as a whole percentage (1.5 is announced as 150).
  virtual void OnEditorZoom(int32_t percent) = 0;
  virtual void OnEditorHScroll(int32_t position) = 0;
  virtual void OnEditorVScroll(int32_t position) = 0;
  // The mouse position in client pixels, or none while the editor is idle.
  virtual void OnEditorMouse(std::optional<platform::gdi::Point> point) = 0;

  // Drops the tool box's hover highlight, if any.
  virtual void ClearToolboxHighlight() = 0;

  // Whether the property bar exists and is shown.
  virtual bool IsPropertyBarVisible() const = 0;
  // Creates the property bar when needed, shows it, and fills it for the
  // entity through the populator of that kind.
  virtual void ShowEntityProperties(CDiagramEntity& entity, PopulatorKind populator) = 0;
  // Empties the property bar when it exists.
  virtual void ClearProperties() = 0;
  // The entity the property bar edits, while its container still holds it;
  // null when it edits none.
  virtual const CDiagramEntity* GetPropertiesEntity() const { return nullptr; }
  // Shows the edited entity's current values in the property bar.
  virtual void RefreshProperties() {}
};
