#include "template/diagram/CDiagramLine.h"

#include <cstdlib>

using namespace platform::gdi;

CDiagramLine::CDiagramLine() {
  SetType(L"line");
  SetConstraints(Size{-1, -1}, Size{-1, -1});
}

std::unique_ptr<CDiagramEntity> CDiagramLine::Clone() const {
  auto clone = std::make_unique<CDiagramLine>();
  clone->Copy(*this);
  return clone;
}

void CDiagramLine::SetRectPixels(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  SetLeft(x1);
  SetTop(y1);
  SetRight(x2);
  SetBottom(y2);
}

bool CDiagramLine::WalkLine(Point from, Point to, const std::function<bool(Point)>& visit) {
  // Bresenham's walk over the major axis, end point excluded.
  const int64_t dx = std::llabs(static_cast<int64_t>(to.x) - from.x);
  const int64_t dy = std::llabs(static_cast<int64_t>(to.y) - from.y);
  const int stepX = to.x >= from.x ? 1 : -1;
  const int stepY = to.y >= from.y ? 1 : -1;
  const int64_t steps = std::max(dx, dy);
  int64_t x = from.x;
  int64_t y = from.y;
  int64_t error = 0;
  for (int64_t step = 0; step < steps; ++step) {
    if (visit(Point{static_cast<int32_t>(x), static_cast<int32_t>(y)})) return true;
    if (dx >= dy) {
      x += stepX;
      error += 2 * dy;
      if (error > dx) {
        y += stepY;
        error -= 2 * dx;
      }
    } else {
      y += stepY;
      error += 2 * dx;
      if (error > dy) {
        x += stepX;
        error -= 2 * dy;
      }
    }
  }
  return false;
}

bool CDiagramLine::BodyInRect(Rect rect) const {
  const Rect line = GetRect();
  const Rect band = rect.Normalized();
  return WalkLine(Point{line.left, line.top}, Point{line.right, line.bottom},
                  [&](Point point) { return band.Contains(point); });
}

int CDiagramLine::HitCodeOfLine(Point point, Rect line) const {
  const bool body = WalkLine(Point{line.left, line.top}, Point{line.right, line.bottom}, [&](Point on) {
    return std::abs(on.x - point.x) <= 1 && std::abs(on.y - point.y) <= 1;
  });
  if (GetSelectionMarkerRect(kHitBottomRight, line).Contains(point)) return kHitBottomRight;
  if (GetSelectionMarkerRect(kHitTopLeft, line).Contains(point)) return kHitTopLeft;
  return body ? kHitBody : kHitNone;
}

int CDiagramLine::GetHitCodeInRect(Point point, Rect rect) const {
  if (GetBottom() < GetTop()) std::swap(rect.top, rect.bottom);
  if (GetRight() < GetLeft()) std::swap(rect.left, rect.right);
  return HitCodeOfLine(point, rect);
}

int CDiagramLine::GetHitCode(Point point) const {
  return HitCodeOfLine(point, GetRect());
}

void CDiagramLine::Draw(Canvas& dc, Rect rect) {
  dc.SelectPen(Pen::StockBlack());
  dc.MoveTo(rect.left, rect.top);
  dc.LineTo(rect.right, rect.bottom);
}

DiagramCursor CDiagramLine::GetCursor(int hitCode) const {
  return hitCode == kHitBody || hitCode == kHitTopLeft || hitCode == kHitBottomRight ? DiagramCursor::SizeAll
                                                                                      : DiagramCursor::None;
}

void CDiagramLine::DrawSelectionMarkers(Canvas& dc, Rect rect) {
  const Brush old = dc.SelectBrush(Brush::Solid(RGB(0, 0, 0)));
  dc.Rectangle(GetSelectionMarkerRect(kHitTopLeft, rect));
  dc.Rectangle(GetSelectionMarkerRect(kHitBottomRight, rect));
  dc.SelectBrush(old);
}
