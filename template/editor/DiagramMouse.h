#pragma once

// The canvas's left-button state machine: idle, rubber band, moving,
// resizing and drawing armed, with the drag delay, snapping, restraints and
// auto-scroll. It is fed client points, the Control key and the time in
// milliseconds, and acts on the diagram through DiagramMouseTarget, so it
// runs without a window; the canvas window only passes events in and
// repaints.

#include <cstdint>
#include <optional>

#include "template/diagram/HitCodes.h"
#include "template/editor/DiagramViewport.h"

// An entity's size limits; -1 is no limit.
struct DiagramSizeLimits {
  int32_t minWidth = 1;
  int32_t minHeight = 1;
  int32_t maxWidth = -1;
  int32_t maxHeight = -1;
};

// What the mouse needs of a diagram. Entities are named by their index in
// drawing order (the last is on top); no entity is removed while a button
// is held, and a drawn entity is appended.
class DiagramMouseTarget {
public:
  virtual ~DiagramMouseTarget() = default;

  virtual int GetCount() const = 0;
  // The rectangle as the entity keeps it (a line keeps its direction).
  virtual DiagramRect GetBounds(int index) const = 0;
  virtual bool IsSelected(int index) const = 0;
  // Hit code at a paper point against the entity's own rectangle.
  virtual int GetHitCode(int index, DiagramPoint paper) const = 0;
  // Hit code at a client point against the entity's client rectangle, so
  // that markers keep their screen size at every zoom.
  virtual int GetHitCodeInRect(int index, DiagramPoint client, const platform::gdi::Rect& clientRect) const = 0;
  virtual bool BodyInRect(int index, const platform::gdi::Rect& paper) const = 0;
  virtual DiagramSizeLimits GetSizeLimits(int index) const = 0;

  // Selection: selecting an entity of a group selects the group; with
  // Control held the entity goes to the front of the selection order.
  virtual void Select(int index, bool select, bool control) = 0;
  virtual void UnselectAll() = 0;
  // The reference entity of the selection; -1 when nothing is selected.
  virtual int GetReference() const = 0;

  // SetRect applies the entity's size limits; SetRectPixels orders the
  // corners first (a line keeps them).
  virtual void SetRect(int index, const DiagramRect& rect) = 0;
  virtual void SetRectPixels(int index, const platform::gdi::Rect& rect) = 0;

  virtual void Snapshot() = 0;
  virtual void SetModified() = 0;
  virtual void OnMoveStart(int index) = 0;
  virtual void OnMoveEnd(int index) = 0;
  // Adds a copy of the armed prototype whose rectangle is the paper point,
  // selected; returns its index.
  virtual int AddDrawnEntity(DiagramPoint paper) = 0;
};

enum class DiagramMouseMode { Idle = 0, RubberBand = 1, Moving = 2, Resizing = 3, Drawing = 4 };

// What an event asks of the window.
struct DiagramMouseResult {
  bool redraw = false;
  bool scrolled = false;  // the viewport's scroll positions changed
};

class DiagramMouse {
public:
  static constexpr int64_t kDragDelayMs = 500;

  DiagramMouse(DiagramViewport& viewport, DiagramMouseTarget& target) : m_view(viewport), m_target(target) {}

  DiagramMouseResult LeftDown(DiagramPoint client, bool control, int64_t nowMs);
  DiagramMouseResult Move(DiagramPoint client, int64_t nowMs);
  DiagramMouseResult LeftUp(DiagramPoint client, bool control, int64_t nowMs);
  DiagramMouseResult RightDown(DiagramPoint client);

  // Arms drawing (a prototype waits) or disarms it.
  void ArmDrawing(bool armed);
  bool IsDrawingArmed() const { return m_armed; }
  // Back to the start state: idle, no band, no grabbed entity, disarmed.
  void Reset();

  DiagramMouseMode GetMode() const { return m_mode; }
  int GetSubMode() const { return m_subMode; }
  void SetMode(DiagramMouseMode mode, int subMode = 0);
  bool IsDragDelayOn() const { return m_dragDelay; }
  // The entity grabbed to move a multiple selection; -1 for none.
  int GetGrabbed() const { return m_grabbed; }
  DiagramPoint GetMoveOffset() const { return m_offset; }
  // The rubber band, ordered, in client coordinates; empty unless banding.
  std::optional<platform::gdi::Rect> GetRubberBand() const;

  // The selected entity with a marker (2 to 9) at the client point, the last
  // in drawing order winning, with that marker's code: what the cursor shows.
  std::optional<std::pair<int, int>> MarkerAt(DiagramPoint client) const;

private:
  int SelectedCount() const;
  void TakeOffset(int index, DiagramPoint client);
  bool DragDelayPassed(int64_t nowMs);
  void MoveSelection(DiagramPoint paper);
  void ResizeReference(DiagramPoint paper);
  void FinishMove(int64_t nowMs);
  void FinishResize();
  void FinishBand(bool control);

  DiagramViewport& m_view;
  DiagramMouseTarget& m_target;
  DiagramMouseMode m_mode = DiagramMouseMode::Idle;
  int m_subMode = 0;
  bool m_armed = false;
  bool m_dragDelay = false;
  int64_t m_downMs = 0;
  int m_grabbed = -1;
  DiagramPoint m_offset;
  DiagramPoint m_bandAnchor;
  DiagramPoint m_bandCorner;
};
