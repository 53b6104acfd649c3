#include "platform/gdi/Canvas.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace platform::gdi {
namespace {

// The clip of one laid-out line: none when the line fits its rectangle, else
// the rectangle on the sides the line overflows and open on the others. A
// glyph's ink may start left of its origin or rise above its line (T, V, W,
// Y, accents): a clip at the exact box cuts that ink off, and PDF viewers at
// screen resolution then drop whole rows of pixels ("Tax:" reads "Iax:").
std::optional<Rect> OverflowClip(const TextLine& line, int32_t lineHeight, const Rect& rect) {
  const bool left = line.x < rect.left;
  const bool right = line.x + line.width > rect.right;
  const bool top = line.y < rect.top;
  const bool bottom = line.y + lineHeight > rect.bottom;
  if (!left && !right && !top && !bottom) return std::nullopt;
  const int32_t slack = std::max<int32_t>(lineHeight, 1);
  return Rect{left ? rect.left : std::min(rect.left, line.x) - slack,
              top ? rect.top : std::min(rect.top, line.y) - slack,
              right ? rect.right : std::max(rect.right, line.x + line.width) + slack,
              bottom ? rect.bottom : std::max(rect.bottom, line.y + lineHeight) + slack};
}

}  // namespace

Canvas::Canvas() {
  m_font.faceName = L"Sans";
  m_font.height = -13;
}

Pen Canvas::SelectPen(const Pen& pen) {
  return std::exchange(m_pen, pen);
}
Brush Canvas::SelectBrush(const Brush& brush) {
  return std::exchange(m_brush, brush);
}
LogFont Canvas::SelectFont(const LogFont& font) {
  return std::exchange(m_font, font);
}
COLORREF Canvas::SetTextColor(COLORREF color) {
  return std::exchange(m_textColor, color);
}
COLORREF Canvas::SetBkColor(COLORREF color) {
  return std::exchange(m_bkColor, color);
}
int Canvas::SetBkMode(int mode) {
  return std::exchange(m_bkMode, mode);
}

void Canvas::MoveTo(int32_t x, int32_t y) {
  m_x = x;
  m_y = y;
}

void Canvas::LineTo(int32_t x, int32_t y) {
  DoLine(m_x, m_y, x, y);
  MoveTo(x, y);
}

int32_t Canvas::DrawText(std::wstring_view text, Rect& rect, unsigned format) {
  TextLayout layout = LayoutText(text, rect, format, m_font, Measurer());
  if (format & DT_CALCRECT) {
    rect = layout.bounds;
    return layout.height;
  }
  const int32_t lineHeight =
      layout.lines.empty() ? 0 : layout.height / static_cast<int32_t>(layout.lines.size());
  for (const TextLine& line : layout.lines) {
    if (line.text.empty()) continue;
    const std::optional<Rect> clip =
        (format & DT_NOCLIP) ? std::nullopt : OverflowClip(line, lineHeight, rect);
    DoText(line.x, line.y, line.text, clip ? &*clip : nullptr);
  }
  return layout.height;
}

}  // namespace platform::gdi
