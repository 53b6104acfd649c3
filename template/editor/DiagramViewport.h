#pragma once

// What the diagram canvas shows and where: the zoom and its limits, the paper
// (virtual) size against the client size, the scroll positions and bars, the
// grid, the margins and the restraint mode, with the coordinate conversions,
// snapping and restraints that the mouse and the painting use. Plain
// arithmetic, no window: the canvas window feeds it sizes and events and
// reads back positions, bars and lines to draw.
//
// Paper coordinates are paper pixels at zoom 1; client coordinates are
// pixels of the window's client area; "surface" coordinates are client
// coordinates plus the scroll positions (the zoomed paper's own pixels).

#include <cstdint>
#include <vector>

#include "platform/gdi/GdiTypes.h"

using DiagramPoint = platform::gdi::Point;
using DiagramSize = platform::gdi::Size;

// An entity's rectangle as the entity keeps it: not necessarily ordered.
struct DiagramRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
  bool operator==(const DiagramRect&) const = default;
};

// One scroll bar: shown only when the zoomed paper is larger than the
// client; positions run from 0 to maximum - page + 1.
struct DiagramScrollBar {
  bool shown = false;
  int32_t maximum = 0;
  int32_t page = 0;
  bool operator==(const DiagramScrollBar&) const = default;
};

enum class DiagramScrollRequest { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Thumb };

// Where the panning cursor points, relative to where panning started.
enum class DiagramPanDirection { RightDown, RightUp, Right, LeftDown, LeftUp, Left, Up, Down };

enum class DiagramRestraint { Free = 0, Paper = 1, Margins = 2 };

// The margin lines on screen; a line whose margin is 0 is not drawn.
struct DiagramMarginLines {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool hasLeft = false, hasTop = false, hasRight = false, hasBottom = false;
};

class DiagramViewport {
public:
  // No zoom below this is ever stored: the conversions divide by the zoom.
  static constexpr double kSmallestZoom = 0.01;

  // Zoom. SetZoom clamps to the limits (and never below kSmallestZoom);
  // a negative limit is stored as 0.
  double GetZoom() const { return m_zoom; }
  void SetZoom(double zoom);
  double GetZoomStep() const { return m_zoomStep; }
  void SetZoomStep(double step) { m_zoomStep = step; }
  double GetZoomMin() const { return m_zoomMin; }
  double GetZoomMax() const { return m_zoomMax; }
  void SetZoomMin(double zoom);
  void SetZoomMax(double zoom);

  // Paper size as the diagram stores it; 0 follows the client size.
  void SetPaperSize(DiagramSize size) { m_paper = size; ClampScroll(); }
  DiagramSize GetPaperSize() const { return m_paper; }
  // The paper size with a 0 width or height replaced by the client's.
  DiagramSize GetVirtualSize() const;
  void SetClientSize(DiagramSize size) { m_client = size; ClampScroll(); }
  DiagramSize GetClientSize() const { return m_client; }

  // Scroll bars and positions. A position is clamped to its bar's range and
  // is 0 while the bar is hidden.
  DiagramScrollBar GetHorizontalBar() const;
  DiagramScrollBar GetVerticalBar() const;
  int32_t GetHScroll() const { return m_hScroll; }
  int32_t GetVScroll() const { return m_vScroll; }
  void SetHScroll(int32_t position);
  void SetVScroll(int32_t position);
  // The new position for a scroll-bar request (Thumb takes thumbPosition).
  static int32_t ScrollTo(const DiagramScrollBar& bar, int32_t position, DiagramScrollRequest request,
                          int32_t thumbPosition = 0);

  // Mouse wheel. Scrolling collects the distance in one accumulator shared
  // by every canvas of the process and scrolls 6 pixels per whole notch
  // (120) when the vertical bar is shown; zooming steps the zoom, a negative
  // distance zooming in. Each returns whether the view changed.
  bool WheelScroll(int32_t distance);
  bool WheelZoom(int32_t distance);
  static void ResetWheelAccumulator();

  // Coordinates.
  DiagramPoint ClientToPaper(DiagramPoint client) const;
  platform::gdi::Rect PaperToClient(const DiagramRect& paper) const;
  platform::gdi::Rect ClientRectToPaper(const platform::gdi::Rect& client) const;
  // An entity's left and top corner in client coordinates, unordered.
  DiagramPoint PaperCornerToClient(double x, double y) const;
  // The zoomed paper on the drawing surface, one pixel wider and higher
  // than the zoomed size so that its right and bottom edges show.
  platform::gdi::Rect GetPaperOnSurface() const;

  // Grid and snapping.
  void SetGridSize(DiagramSize size) { m_grid = size; }
  DiagramSize GetGridSize() const { return m_grid; }
  void SetSnapToGrid(bool snap) { m_snap = snap; }
  bool GetSnapToGrid() const { return m_snap; }
  // grid * truncate(coordinate / grid + 0.5); a grid of 0 or less snaps nothing.
  double SnapX(double x) const;
  double SnapY(double y) const;
  // Snaps only when snapping is on.
  double MaybeSnapX(double x) const { return m_snap ? SnapX(x) : x; }
  double MaybeSnapY(double y) const { return m_snap ? SnapY(y) : y; }
  // Surface positions of the vertical and of the horizontal grid lines.
  std::vector<int32_t> GridLinesX() const;
  std::vector<int32_t> GridLinesY() const;

  // Margins, in paper pixels: left, top, right, bottom.
  void SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom);
  platform::gdi::Rect GetMargins() const { return m_margins; }
  DiagramMarginLines GetMarginLines(const platform::gdi::Rect& paperOnSurface) const;

  // Restraints: keep drawing and moving inside the paper or the margins.
  void SetRestraint(DiagramRestraint restraint) { m_restraint = restraint; }
  DiagramRestraint GetRestraint() const { return m_restraint; }
  bool IsOutsideRestraints(double x, double y) const;
  // Moves of a multiple selection: the rectangles are those of the selected entities.
  void RestrainMove(double& dx, double& dy, const std::vector<DiagramRect>& selected) const;
  void RestrainRect(DiagramRect& rect) const;
  void RestrainPoint(double& x, double& y) const;

  // Scrolls by 10 towards a client point outside the client area, in each
  // direction whose bar is shown; returns how far it scrolled.
  DiagramPoint AutoScroll(DiagramPoint client);

  // Fits content starting at start of the given total size, with a border
  // of markerSize around it. Returns false (nothing changed) when there is
  // nothing to fit.
  bool ZoomToFit(bool hasEntities, DiagramPoint start, DiagramSize total, DiagramSize markerSize);

  // One step of middle-button panning: both positions move by a sixteenth
  // of the mouse's distance from the start. Returns whether they moved.
  bool PanStep(DiagramPoint start, DiagramPoint mouse);
  static DiagramPanDirection PanDirection(DiagramPoint start, DiagramPoint mouse);

private:
  void ClampScroll();
  platform::gdi::Rect RestraintBounds() const;

  double m_zoom = 1.0;
  double m_zoomStep = 0.25;
  double m_zoomMax = 10.0;
  double m_zoomMin = 0.0;
  DiagramSize m_paper;
  DiagramSize m_client;
  int32_t m_hScroll = 0;
  int32_t m_vScroll = 0;
  DiagramSize m_grid{8, 8};
  bool m_snap = false;
  platform::gdi::Rect m_margins{8, 8, 8, 16};
  DiagramRestraint m_restraint = DiagramRestraint::Free;
};
