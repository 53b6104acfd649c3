#pragma once

// A drawing surface with the device-context manners the system's drawing
// code expects: a selected pen, brush and font, a text colour and background
// mode, a current position, and our own word-wrapping DrawText. Subclasses
// put the primitives somewhere: DeviceContext onto a wxDC, PageRecorder into
// a list of page operations.

#include <string_view>

#include "platform/gdi/Dib.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/TextLayout.h"
#include "platform/gdi/TextMeasurer.h"

namespace platform::gdi {

class Canvas {
public:
  virtual ~Canvas() = default;

  virtual DeviceMetrics GetMetrics() const = 0;
  // Measures in the units of this surface.
  virtual TextMeasurer& Measurer() = 0;

  // Each selection returns what was selected before. A new canvas holds the
  // stock black pen, the stock white brush, a default font, black text on an
  // opaque white background.
  Pen SelectPen(const Pen& pen);
  Brush SelectBrush(const Brush& brush);
  LogFont SelectFont(const LogFont& font);
  COLORREF SetTextColor(COLORREF color);
  COLORREF SetBkColor(COLORREF color);
  int SetBkMode(int mode);

  const Pen& GetPen() const { return m_pen; }
  const Brush& GetBrush() const { return m_brush; }
  const LogFont& GetFont() const { return m_font; }
  COLORREF GetTextColor() const { return m_textColor; }
  COLORREF GetBkColor() const { return m_bkColor; }
  int GetBkMode() const { return m_bkMode; }

  // Outline with the pen, inside filled with the brush.
  void Rectangle(const Rect& rect) { DoRectangle(rect); }
  // The ellipse inscribed in the rectangle, outlined and filled the same way.
  void Ellipse(const Rect& rect) { DoEllipse(rect); }
  void MoveTo(int32_t x, int32_t y);
  // A line with the pen from the current position, which then moves to (x, y).
  void LineTo(int32_t x, int32_t y);
  // One line of text with its top-left corner at (x, y), optionally clipped.
  void TextOut(int32_t x, int32_t y, std::wstring_view text, const Rect* clip = nullptr) {
    DoText(x, y, text, clip);
  }
  // The whole bitmap scaled into the rectangle.
  void StretchDib(const Dib& dib, const Rect& dest) { DoStretchDib(dib, dest); }

  // Lays the text out (LayoutText) with the selected font and draws its lines
  // with the text colour. Unless DT_NOCLIP, a line that overflows the
  // rectangle is clipped where it overflows; one that fits is not clipped,
  // so no glyph ink that reaches past the box's edges is lost. Returns
  // the text's height. With DT_CALCRECT nothing is drawn and the rectangle
  // becomes the text's bounds.
  int32_t DrawText(std::wstring_view text, Rect& rect, unsigned format);

  int32_t TextWidth(std::wstring_view text) { return Measurer().TextWidth(m_font, text); }

protected:
  Canvas();

  virtual void DoRectangle(const Rect& rect) = 0;
  virtual void DoEllipse(const Rect& rect) = 0;
  virtual void DoLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
  virtual void DoText(int32_t x, int32_t y, std::wstring_view text, const Rect* clip) = 0;
  virtual void DoStretchDib(const Dib& dib, const Rect& dest) = 0;

private:
  Pen m_pen = Pen::StockBlack();
  Brush m_brush = Brush::StockWhite();
  LogFont m_font;
  COLORREF m_textColor = RGB(0, 0, 0);
  COLORREF m_bkColor = RGB(255, 255, 255);
  int m_bkMode = OPAQUE;
  int32_t m_x = 0;
  int32_t m_y = 0;
};

}  // namespace platform::gdi
