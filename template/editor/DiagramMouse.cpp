#include "template/editor/DiagramMouse.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/UnitConversions.h"

using platform::gdi::Rect;

namespace {

bool IsMarker(int code) {
  return code >= kHitTopLeft && code <= kHitRight;
}

bool DragsLeft(int code) {
  return code == kHitTopLeft || code == kHitBottomLeft || code == kHitLeft;
}
bool DragsRight(int code) {
  return code == kHitTopRight || code == kHitBottomRight || code == kHitRight;
}
bool DragsTop(int code) {
  return code == kHitTopLeft || code == kHitTop || code == kHitTopRight;
}
bool DragsBottom(int code) {
  return code == kHitBottomLeft || code == kHitBottom || code == kHitBottomRight;
}

Rect IntegerRect(const DiagramRect& rect) {
  return Rect{TruncateToInt32(rect.left), TruncateToInt32(rect.top), TruncateToInt32(rect.right),
              TruncateToInt32(rect.bottom)};
}

}  // namespace

void DiagramMouse::ArmDrawing(bool armed) {
  m_armed = armed;
  m_mode = armed ? DiagramMouseMode::Drawing : DiagramMouseMode::Idle;
  m_subMode = 0;
}

void DiagramMouse::Reset() {
  m_mode = DiagramMouseMode::Idle;
  m_subMode = 0;
  m_armed = false;
  m_dragDelay = false;
  m_grabbed = -1;
  m_offset = {};
  m_bandAnchor = m_bandCorner = {};
}

void DiagramMouse::SetMode(DiagramMouseMode mode, int subMode) {
  m_mode = mode;
  m_subMode = subMode;
}

int DiagramMouse::SelectedCount() const {
  int count = 0;
  for (int i = 0; i < m_target.GetCount(); ++i) {
    if (m_target.IsSelected(i)) ++count;
  }
  return count;
}

// The offset is taken from the entity's left and top as it keeps them: for a
// line drawn leftwards or upwards that is its start, not the smaller corner.
void DiagramMouse::TakeOffset(int index, DiagramPoint client) {
  const DiagramRect bounds = m_target.GetBounds(index);
  const DiagramPoint corner = m_view.PaperCornerToClient(bounds.left, bounds.top);
  m_offset = DiagramPoint{client.x - corner.x, client.y - corner.y};
}

DiagramMouseResult DiagramMouse::LeftDown(DiagramPoint client, bool control, int64_t nowMs) {
  DiagramMouseResult result;
  m_dragDelay = true;
  m_downMs = nowMs;
  const DiagramPoint paper = m_view.ClientToPaper(client);

  if (m_mode == DiagramMouseMode::Drawing) {
    m_dragDelay = false;
  } else {
    m_mode = DiagramMouseMode::Idle;
    m_subMode = 0;
  }
  m_grabbed = -1;

  // A click on the body of one of several selected entities moves them all.
  if (m_mode != DiagramMouseMode::Drawing && !control && SelectedCount() > 1) {
    for (int i = 0; i < m_target.GetCount(); ++i) {
      if (m_target.IsSelected(i) && m_target.GetHitCode(i, paper) == kHitBody) {
        m_mode = DiagramMouseMode::Moving;
        m_grabbed = i;
        TakeOffset(i, client);
      }
    }
    if (m_mode == DiagramMouseMode::Moving) m_target.Snapshot();
  }

  if (m_mode == DiagramMouseMode::Drawing) {
    if (m_view.IsOutsideRestraints(paper.x, paper.y)) {
      m_mode = DiagramMouseMode::Idle;
      return result;
    }
    m_target.Snapshot();
    m_target.UnselectAll();
    const DiagramPoint at{TruncateToInt32(m_view.MaybeSnapX(paper.x)), TruncateToInt32(m_view.MaybeSnapY(paper.y))};
    m_target.AddDrawnEntity(at);
    m_mode = DiagramMouseMode::Resizing;
    m_subMode = kHitBottomRight;
  } else if (m_mode == DiagramMouseMode::Idle) {
    if (!control) m_target.UnselectAll();
    int hitIndex = -1;
    int hitCode = kHitNone;
    for (int i = m_target.GetCount() - 1; i >= 0; --i) {
      const Rect clientRect = m_view.PaperToClient(m_target.GetBounds(i));
      const int code = m_target.GetHitCodeInRect(i, client, clientRect);
      if (code != kHitNone) {
        hitIndex = i;
        hitCode = code;
        break;
      }
    }
    if (hitIndex >= 0) {
      if (control) {
        m_target.Select(hitIndex, !m_target.IsSelected(hitIndex), true);
      } else {
        m_target.UnselectAll();
        m_target.Select(hitIndex, true, false);
        if (hitCode == kHitBody) {
          m_mode = DiagramMouseMode::Moving;
          m_target.OnMoveStart(hitIndex);
          TakeOffset(hitIndex, client);
          if (SelectedCount() > 1) m_grabbed = hitIndex;
        } else if (IsMarker(hitCode)) {
          m_mode = DiagramMouseMode::Resizing;
          m_subMode = hitCode;
        }
      }
    }
    if (m_mode != DiagramMouseMode::Idle) m_target.Snapshot();
    if (m_mode == DiagramMouseMode::Idle && SelectedCount() == 0) {
      m_bandAnchor = m_bandCorner = client;
      m_mode = DiagramMouseMode::RubberBand;
    }
  }
  result.redraw = true;
  return result;
}

bool DiagramMouse::DragDelayPassed(int64_t nowMs) {
  if (m_dragDelay && nowMs - m_downMs >= kDragDelayMs) m_dragDelay = false;
  return !m_dragDelay;
}

DiagramMouseResult DiagramMouse::Move(DiagramPoint client, int64_t nowMs) {
  DiagramMouseResult result;
  if (!DragDelayPassed(nowMs) || m_mode == DiagramMouseMode::Idle || m_mode == DiagramMouseMode::Drawing) {
    return result;
  }
  const DiagramPoint paper = m_view.ClientToPaper(client);
  if (m_mode == DiagramMouseMode::RubberBand) {
    const DiagramPoint scrolled = m_view.AutoScroll(client);
    m_bandAnchor.x -= scrolled.x;
    m_bandAnchor.y -= scrolled.y;
    m_bandCorner = client;
    result.scrolled = scrolled.x != 0 || scrolled.y != 0;
    result.redraw = true;
    return result;
  }
  if (m_mode == DiagramMouseMode::Moving) {
    MoveSelection(paper);
  } else if (m_mode == DiagramMouseMode::Resizing) {
    ResizeReference(paper);
  }
  const DiagramPoint scrolled = m_view.AutoScroll(client);
  result.scrolled = scrolled.x != 0 || scrolled.y != 0;
  result.redraw = true;
  return result;
}

void DiagramMouse::MoveSelection(DiagramPoint paper) {
  const double zoom = m_view.GetZoom();
  const int32_t ox = TruncateToInt32(m_offset.x / zoom + 0.5);
  const int32_t oy = TruncateToInt32(m_offset.y / zoom + 0.5);
  if (m_grabbed >= 0) {
    const double left = m_view.MaybeSnapX(paper.x - ox);
    const double top = m_view.MaybeSnapY(paper.y - oy);
    const DiagramRect grabbed = m_target.GetBounds(m_grabbed);
    double dx = left - grabbed.left;
    double dy = top - grabbed.top;
    std::vector<DiagramRect> selected;
    for (int i = 0; i < m_target.GetCount(); ++i) {
      if (m_target.IsSelected(i)) selected.push_back(m_target.GetBounds(i));
    }
    m_view.RestrainMove(dx, dy, selected);
    for (int i = 0; i < m_target.GetCount(); ++i) {
      if (!m_target.IsSelected(i) && i != m_grabbed) continue;
      const DiagramRect r = m_target.GetBounds(i);
      m_target.SetRect(i, DiagramRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy});
    }
    return;
  }
  const int reference = m_target.GetReference();
  if (reference < 0) return;
  const DiagramRect r = m_target.GetBounds(reference);
  const double width = r.right - r.left;
  const double height = r.bottom - r.top;
  DiagramRect moved;
  moved.left = m_view.MaybeSnapX(paper.x - ox);
  moved.top = m_view.MaybeSnapY(paper.y - oy);
  moved.right = moved.left + width;
  moved.bottom = moved.top + height;
  m_view.RestrainRect(moved);
  m_target.SetRect(reference, moved);
}

void DiagramMouse::ResizeReference(DiagramPoint paper) {
  const int reference = m_target.GetReference();
  if (reference < 0) return;
  const DiagramRect r = m_target.GetBounds(reference);
  const DiagramSizeLimits limits = m_target.GetSizeLimits(reference);
  double x = m_view.MaybeSnapX(paper.x);
  double y = m_view.MaybeSnapY(paper.y);

  if (limits.minWidth != -1) {
    if (DragsLeft(m_subMode) && r.right - x < limits.minWidth) x = r.right - limits.minWidth;
    if (DragsRight(m_subMode) && x - r.left < limits.minWidth) x = r.left + limits.minWidth;
  }
  if (limits.minHeight != -1) {
    if (DragsTop(m_subMode) && r.bottom - y < limits.minHeight) y = r.bottom - limits.minHeight;
    if (DragsBottom(m_subMode) && y - r.top < limits.minHeight) y = r.top + limits.minHeight;
  }
  if (limits.maxWidth != -1) {
    if (DragsLeft(m_subMode) && r.right - x > limits.maxWidth) x = r.right - limits.maxWidth;
    if (DragsRight(m_subMode) && x - r.left > limits.maxWidth) x = r.left + limits.maxWidth;
  }
  if (limits.maxHeight != -1) {
    if (DragsTop(m_subMode) && r.bottom - y > limits.maxHeight) y = r.bottom - limits.maxHeight;
    if (DragsBottom(m_subMode) && y - r.top > limits.maxHeight) y = r.top + limits.maxHeight;
  }
  m_view.RestrainPoint(x, y);

  DiagramRect next = r;
  if (DragsLeft(m_subMode)) next.left = x;
  if (DragsRight(m_subMode)) next.right = x;
  if (DragsTop(m_subMode)) next.top = y;
  if (DragsBottom(m_subMode)) next.bottom = y;
  m_target.SetRect(reference, next);
}

DiagramMouseResult DiagramMouse::LeftUp(DiagramPoint client, bool control, int64_t nowMs) {
  DragDelayPassed(nowMs);
  switch (m_mode) {
    case DiagramMouseMode::Moving: FinishMove(nowMs); break;
    case DiagramMouseMode::Resizing: FinishResize(); break;
    case DiagramMouseMode::RubberBand: FinishBand(control); break;
    default: break;
  }
  m_dragDelay = false;
  m_armed = false;
  m_mode = DiagramMouseMode::Idle;
  m_subMode = 0;
  return DiagramMouseResult{true, false};
}

void DiagramMouse::FinishMove(int64_t nowMs) {
  const bool delayOver = !m_dragDelay;
  for (int i = 0; i < m_target.GetCount(); ++i) {
    if (!m_target.IsSelected(i)) continue;
    Rect r = IntegerRect(m_target.GetBounds(i));
    if (m_view.GetSnapToGrid()) {
      const int32_t left = TruncateToInt32(m_view.SnapX(r.left));
      const int32_t top = TruncateToInt32(m_view.SnapY(r.top));
      r.right += left - r.left;
      r.bottom += top - r.top;
      r.left = left;
      r.top = top;
    }
    // A click released within the drag delay never moves anything.
    if (delayOver) m_target.SetRectPixels(i, r);
    m_target.OnMoveEnd(i);
  }
  m_target.SetModified();
}

void DiagramMouse::FinishResize() {
  if (m_view.GetSnapToGrid()) {
    for (int i = 0; i < m_target.GetCount(); ++i) {
      if (!m_target.IsSelected(i)) continue;
      Rect r = IntegerRect(m_target.GetBounds(i));
      if (DragsLeft(m_subMode)) r.left = TruncateToInt32(m_view.SnapX(r.left));
      if (DragsRight(m_subMode)) r.right = TruncateToInt32(m_view.SnapX(r.right));
      if (DragsTop(m_subMode)) r.top = TruncateToInt32(m_view.SnapY(r.top));
      if (DragsBottom(m_subMode)) r.bottom = TruncateToInt32(m_view.SnapY(r.bottom));
      m_target.SetRectPixels(i, r);
    }
  }
  m_target.SetModified();
}

void DiagramMouse::FinishBand(bool control) {
  m_target.UnselectAll();
  Rect band = m_view.ClientRectToPaper(*GetRubberBand());
  if (band.left == band.right && band.top == band.bottom) {
    band = Rect{band.left - 1, band.top - 1, band.right + 1, band.bottom + 1};
  }
  for (int i = 0; i < m_target.GetCount(); ++i) {
    if (m_target.BodyInRect(i, band)) m_target.Select(i, true, control);
  }
}

DiagramMouseResult DiagramMouse::RightDown(DiagramPoint client) {
  const DiagramPoint paper = m_view.ClientToPaper(client);
  for (int i = 0; i < m_target.GetCount(); ++i) {
    if (m_target.GetHitCode(i, paper) == kHitBody && !m_target.IsSelected(i)) {
      m_target.UnselectAll();
      m_target.Select(i, true, false);
    }
  }
  m_mode = DiagramMouseMode::Idle;
  m_subMode = 0;
  m_armed = false;
  return DiagramMouseResult{true, false};
}

std::optional<Rect> DiagramMouse::GetRubberBand() const {
  if (m_mode != DiagramMouseMode::RubberBand) return std::nullopt;
  return Rect{std::min(m_bandAnchor.x, m_bandCorner.x), std::min(m_bandAnchor.y, m_bandCorner.y),
              std::max(m_bandAnchor.x, m_bandCorner.x), std::max(m_bandAnchor.y, m_bandCorner.y)};
}

std::optional<std::pair<int, int>> DiagramMouse::MarkerAt(DiagramPoint client) const {
  std::optional<std::pair<int, int>> found;
  for (int i = 0; i < m_target.GetCount(); ++i) {
    if (!m_target.IsSelected(i)) continue;
    const int code = m_target.GetHitCodeInRect(i, client, m_view.PaperToClient(m_target.GetBounds(i)));
    if (IsMarker(code)) found = std::make_pair(i, code);
  }
  return found;
}
