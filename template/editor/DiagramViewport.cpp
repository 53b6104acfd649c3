#include "template/editor/DiagramViewport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/UnitConversions.h"

using platform::gdi::Rect;

namespace {

// One accumulator for every canvas: a wheel turned over one canvas and then
// another keeps its part-notch.
int32_t gWheelAccumulator = 0;

int32_t Round(double value) {
  return TruncateToInt32(value + 0.5);
}

DiagramScrollBar BarFor(int32_t paper, double zoom, int32_t client) {
  const int32_t zoomed = Round(paper * zoom);
  if (client < zoomed) return DiagramScrollBar{true, zoomed, client};
  return DiagramScrollBar{};
}

// One line per grid step from 0 to the paper's extent, inclusive.
std::vector<int32_t> GridLines(int32_t extent, int32_t step, double zoom) {
  std::vector<int32_t> lines;
  if (step <= 0) return lines;
  for (int32_t i = 0; i <= extent / step; ++i) lines.push_back(Round(zoom * i * step));
  return lines;
}

int32_t LastPosition(const DiagramScrollBar& bar) {
  return bar.shown ? std::max(0, bar.maximum - bar.page + 1) : 0;
}

}  // namespace

void DiagramViewport::SetZoom(double zoom) {
  if (std::isnan(zoom)) zoom = 1.0;
  zoom = std::min(zoom, m_zoomMax);
  zoom = std::max(zoom, m_zoomMin);
  // The limits may allow 0 (the canvas's own minimum is 0); a zoom of 0
  // would divide by zero in every client-to-paper conversion.
  m_zoom = std::max(zoom, kSmallestZoom);
  ClampScroll();
}

void DiagramViewport::SetZoomMin(double zoom) {
  m_zoomMin = zoom < 0 ? 0 : zoom;
}

void DiagramViewport::SetZoomMax(double zoom) {
  m_zoomMax = zoom < 0 ? 0 : zoom;
}

DiagramSize DiagramViewport::GetVirtualSize() const {
  DiagramSize size = m_paper;
  if (size.cx == 0) size.cx = m_client.cx;
  if (size.cy == 0) size.cy = m_client.cy;
  return size;
}

DiagramScrollBar DiagramViewport::GetHorizontalBar() const {
  return BarFor(GetVirtualSize().cx, m_zoom, m_client.cx);
}

DiagramScrollBar DiagramViewport::GetVerticalBar() const {
  return BarFor(GetVirtualSize().cy, m_zoom, m_client.cy);
}

void DiagramViewport::SetHScroll(int32_t position) {
  m_hScroll = std::clamp(position, 0, LastPosition(GetHorizontalBar()));
}

void DiagramViewport::SetVScroll(int32_t position) {
  m_vScroll = std::clamp(position, 0, LastPosition(GetVerticalBar()));
}

void DiagramViewport::ClampScroll() {
  SetHScroll(m_hScroll);
  SetVScroll(m_vScroll);
}

int32_t DiagramViewport::ScrollTo(const DiagramScrollBar& bar, int32_t position, DiagramScrollRequest request,
                                  int32_t thumbPosition) {
  switch (request) {
    case DiagramScrollRequest::LineUp: return std::max(0, position - 1);
    case DiagramScrollRequest::LineDown: return std::min(bar.maximum, position + 1);
    case DiagramScrollRequest::PageUp: return std::max(0, position - bar.page);
    case DiagramScrollRequest::PageDown: return std::min(bar.maximum, position + bar.page);
    case DiagramScrollRequest::Top: return 0;
    case DiagramScrollRequest::Bottom: return bar.maximum;
    case DiagramScrollRequest::Thumb: return thumbPosition;
  }
  return position;
}

bool DiagramViewport::WheelScroll(int32_t distance) {
  gWheelAccumulator += distance;
  const DiagramScrollBar bar = GetVerticalBar();
  if (!bar.shown || bar.maximum == 0) return false;
  const int32_t notches = gWheelAccumulator / 120;
  gWheelAccumulator %= 120;
  const int32_t before = m_vScroll;
  SetVScroll(m_vScroll - notches * 6);
  return m_vScroll != before;
}

bool DiagramViewport::WheelZoom(int32_t distance) {
  const double before = m_zoom;
  SetZoom(distance < 0 ? m_zoom + m_zoomStep : m_zoom - m_zoomStep);
  return m_zoom != before;
}

void DiagramViewport::ResetWheelAccumulator() {
  gWheelAccumulator = 0;
}

DiagramPoint DiagramViewport::ClientToPaper(DiagramPoint client) const {
  return DiagramPoint{TruncateToInt32((client.x + m_hScroll) / m_zoom + 0.5),
                      TruncateToInt32((client.y + m_vScroll) / m_zoom + 0.5)};
}

Rect DiagramViewport::PaperToClient(const DiagramRect& paper) const {
  const double left = std::min(paper.left, paper.right);
  const double right = std::max(paper.left, paper.right);
  const double top = std::min(paper.top, paper.bottom);
  const double bottom = std::max(paper.top, paper.bottom);
  return Rect{Round(left * m_zoom - m_hScroll), Round(top * m_zoom - m_vScroll), Round(right * m_zoom - m_hScroll),
              Round(bottom * m_zoom - m_vScroll)};
}

Rect DiagramViewport::ClientRectToPaper(const Rect& client) const {
  const double scale = 1.0 / m_zoom;
  const int32_t left = std::min(client.left, client.right);
  const int32_t right = std::max(client.left, client.right);
  const int32_t top = std::min(client.top, client.bottom);
  const int32_t bottom = std::max(client.top, client.bottom);
  return Rect{Round((left + m_hScroll) * scale), Round((top + m_vScroll) * scale), Round((right + m_hScroll) * scale),
              Round((bottom + m_vScroll) * scale)};
}

DiagramPoint DiagramViewport::PaperCornerToClient(double x, double y) const {
  return DiagramPoint{Round(x * m_zoom - m_hScroll), Round(y * m_zoom - m_vScroll)};
}

Rect DiagramViewport::GetPaperOnSurface() const {
  const DiagramSize size = GetVirtualSize();
  return Rect{0, 0, Round(size.cx * m_zoom) + 1, Round(size.cy * m_zoom) + 1};
}

double DiagramViewport::SnapX(double x) const {
  if (m_grid.cx <= 0) return x;
  return m_grid.cx * static_cast<double>(TruncateToInt32(x / m_grid.cx + 0.5));
}

double DiagramViewport::SnapY(double y) const {
  if (m_grid.cy <= 0) return y;
  return m_grid.cy * static_cast<double>(TruncateToInt32(y / m_grid.cy + 0.5));
}

std::vector<int32_t> DiagramViewport::GridLinesX() const {
  return GridLines(GetVirtualSize().cx, m_grid.cx, m_zoom);
}

std::vector<int32_t> DiagramViewport::GridLinesY() const {
  return GridLines(GetVirtualSize().cy, m_grid.cy, m_zoom);
}

void DiagramViewport::SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  m_margins = Rect{left, top, right, bottom};
}

DiagramMarginLines DiagramViewport::GetMarginLines(const Rect& paper) const {
  DiagramMarginLines lines;
  lines.left = paper.left + Round(m_zoom * m_margins.left);
  lines.right = paper.right - Round(m_zoom * m_margins.right) - 1;
  lines.top = paper.top + Round(m_zoom * m_margins.top);
  lines.bottom = paper.bottom - Round(m_zoom * m_margins.bottom) - 1;
  lines.hasLeft = m_margins.left != 0;
  lines.hasRight = m_margins.right != 0;
  lines.hasTop = m_margins.top != 0;
  lines.hasBottom = m_margins.bottom != 0;
  return lines;
}

Rect DiagramViewport::RestraintBounds() const {
  const DiagramSize paper = GetVirtualSize();
  if (m_restraint == DiagramRestraint::Margins) {
    return Rect{m_margins.left, m_margins.top, paper.cx - m_margins.right, paper.cy - m_margins.bottom};
  }
  return Rect{0, 0, paper.cx, paper.cy};
}

bool DiagramViewport::IsOutsideRestraints(double x, double y) const {
  if (m_restraint == DiagramRestraint::Free) return false;
  const Rect bounds = RestraintBounds();
  return x < bounds.left || y < bounds.top || x > bounds.right || y > bounds.bottom;
}

void DiagramViewport::RestrainMove(double& dx, double& dy, const std::vector<DiagramRect>& selected) const {
  if (m_restraint == DiagramRestraint::Free || selected.empty()) return;
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  bool first = true;
  for (const DiagramRect& rect : selected) {
    const double lowX = std::min(rect.left, rect.right) + dx;
    const double lowY = std::min(rect.top, rect.bottom) + dy;
    if (first || lowX < minX) minX = lowX;
    if (first || lowY < minY) minY = lowY;
    first = false;
    maxX = std::max(maxX, std::max(rect.left, rect.right) + dx);
    maxY = std::max(maxY, std::max(rect.top, rect.bottom) + dy);
  }
  const Rect bounds = RestraintBounds();
  // The left and top corrections shift the far edges too; the right and
  // bottom ones come last, so they win for a selection larger than the bounds.
  if (minX < bounds.left) {
    maxX += bounds.left - minX;
    dx += bounds.left - minX;
  }
  if (minY < bounds.top) {
    maxY += bounds.top - minY;
    dy += bounds.top - minY;
  }
  if (maxX > bounds.right) dx -= maxX - bounds.right;
  if (maxY > bounds.bottom) dy -= maxY - bounds.bottom;
}

void DiagramViewport::RestrainRect(DiagramRect& r) const {
  if (m_restraint == DiagramRestraint::Free) return;
  const Rect bounds = RestraintBounds();
  const double w = std::fabs(r.right - r.left);
  const double h = std::fabs(r.bottom - r.top);
  const double low_x = bounds.left, low_y = bounds.top, high_x = bounds.right, high_y = bounds.bottom;
  if (r.left < low_x) { r.left = low_x; r.right = low_x + w; }
  if (r.top < low_y) { r.top = low_y; r.bottom = low_y + h; }
  if (r.right < low_x) { r.right = low_x; r.left = low_x + w; }
  if (r.bottom < low_y) { r.bottom = low_y; r.top = low_y + h; }
  if (r.right > high_x) { r.right = high_x; r.left = high_x - w; }
  if (r.bottom > high_y) { r.bottom = high_y; r.top = high_y - h; }
  if (r.left > high_x) { r.left = high_x; r.right = high_x - w; }
  if (r.top > high_y) { r.top = high_y; r.bottom = high_y - h; }
}

void DiagramViewport::RestrainPoint(double& x, double& y) const {
  if (m_restraint == DiagramRestraint::Free) return;
  const Rect bounds = RestraintBounds();
  x = std::clamp<double>(x, bounds.left, std::max(bounds.left, bounds.right));
  y = std::clamp<double>(y, bounds.top, std::max(bounds.top, bounds.bottom));
}

DiagramPoint DiagramViewport::AutoScroll(DiagramPoint client) {
  const DiagramPoint before{m_hScroll, m_vScroll};
  // A bar is shown exactly when the client is smaller than the paper at the
  // current zoom: that is the comparison that decides whether to scroll.
  if (GetHorizontalBar().shown) {
    if (client.x > m_client.cx) SetHScroll(m_hScroll + 10);
    else if (client.x < 0) SetHScroll(m_hScroll - 10);
  }
  if (GetVerticalBar().shown) {
    if (client.y > m_client.cy) SetVScroll(m_vScroll + 10);
    else if (client.y < 0) SetVScroll(m_vScroll - 10);
  }
  return DiagramPoint{m_hScroll - before.x, m_vScroll - before.y};
}

bool DiagramViewport::ZoomToFit(bool hasEntities, DiagramPoint start, DiagramSize total, DiagramSize marker) {
  if (!hasEntities || total.cx == 0 || total.cy == 0) return false;
  const double byWidth = static_cast<double>(m_client.cx) / (total.cx + 2 * marker.cx);
  const double byHeight = static_cast<double>(m_client.cy) / (total.cy + 2 * marker.cy);
  SetZoom(std::min(byWidth, byHeight));
  SetHScroll(Round((start.x - marker.cx) * m_zoom));
  SetVScroll(Round((start.y - marker.cy) * m_zoom));
  return true;
}

bool DiagramViewport::PanStep(DiagramPoint start, DiagramPoint mouse) {
  const DiagramPoint before{m_hScroll, m_vScroll};
  SetHScroll(m_hScroll + (mouse.x - start.x) / 16);
  SetVScroll(m_vScroll + (mouse.y - start.y) / 16);
  return before.x != m_hScroll || before.y != m_vScroll;
}

DiagramPanDirection DiagramViewport::PanDirection(DiagramPoint start, DiagramPoint mouse) {
  if (mouse.x > start.x + 16) {
    if (mouse.y > start.y + 16) return DiagramPanDirection::RightDown;
    if (mouse.y < start.y - 16) return DiagramPanDirection::RightUp;
    return DiagramPanDirection::Right;
  }
  if (mouse.x < start.x - 16) {
    if (mouse.y > start.y + 16) return DiagramPanDirection::LeftDown;
    if (mouse.y < start.y - 16) return DiagramPanDirection::LeftUp;
    return DiagramPanDirection::Left;
  }
  return mouse.y < start.y ? DiagramPanDirection::Up : DiagramPanDirection::Down;
}
