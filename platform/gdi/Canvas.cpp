#include "platform/gdi/Canvas.h"

#include <utility>

namespace platform::gdi {

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
  const Rect* clip = (format & DT_NOCLIP) ? nullptr : &rect;
  for (const TextLine& line : layout.lines) {
    if (!line.text.empty()) DoText(line.x, line.y, line.text, clip);
  }
  return layout.height;
}

}  // namespace platform::gdi
