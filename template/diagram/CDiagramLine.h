#pragma once

// A straight line: (left, top) is its start and (right, bottom) its end, in
// the order drawn, never reordered. It is hit and selected along the drawn
// line rather than over its rectangle, and has two markers: 2 on the start
// and 7 on the end.

#include <functional>
#include <memory>

#include "template/diagram/CDiagramEntity.h"

class CDiagramLine : public CDiagramEntity {
public:
  CDiagramLine();

  std::unique_ptr<CDiagramEntity> Clone() const override;
  // The ends as given: no ordering, no size limits.
  void SetRectPixels(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  // True when a pixel of the line lies in the rectangle.
  bool BodyInRect(platform::gdi::Rect rect) const override;
  // 7 in the end marker, else 2 in the start marker, else 1 within one pixel
  // of the line, else 0. The rectangle comes ordered and is turned back into
  // the line's direction.
  int GetHitCodeInRect(platform::gdi::Point point, platform::gdi::Rect rect) const override;
  int GetHitCode(platform::gdi::Point point) const override;
  void Draw(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override;
  DiagramCursor GetCursor(int hitCode) const override;
  void DrawSelectionMarkers(platform::gdi::Canvas& dc, platform::gdi::Rect rect) override;

  // Visits the pixels a drawn line from (x1, y1) to (x2, y2) covers, start
  // included, end excluded (as a line drawing routine does); stops early when
  // the visitor returns true, and then returns true.
  static bool WalkLine(platform::gdi::Point from, platform::gdi::Point to,
                       const std::function<bool(platform::gdi::Point)>& visit);

private:
  int HitCodeOfLine(platform::gdi::Point point, platform::gdi::Rect line) const;
};
