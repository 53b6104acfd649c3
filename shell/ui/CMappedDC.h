#pragma once

// Drawing in fractions of a millimetre on another drawing surface: with
// divisors of 10, coordinates are tenths of a millimetre. Rectangles are
// mapped to device pixels and text is drawn with the font scaled to match;
// measuring text (DT_CALCRECT) stays in plain pixels with the current font.
// The source keeps its ownership; a CMappedDC lives for one paint:
//
//   wxPaintDC paint(this);
//   platform::gdi::DeviceContext dc(paint);
//   CMappedDC mapped(dc, 10, 10, 0);
//   mapped.FillRect({15, 15, 35, 25}, &brush);

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/gdi/Canvas.h"

// The mapping alone: logical units per millimetre and device pixels per
// millimetre on each axis.
struct MillimetreMapping {
  int32_t xDivisor = 1;
  int32_t yDivisor = 1;
  int32_t xPixelsPerMm = 1;
  int32_t yPixelsPerMm = 1;

  // Each coordinate is cut to whole millimetres first, then scaled:
  // (15, 15, 35, 25) / 10 at 3 px/mm gives (3, 3, 9, 6).
  platform::gdi::Rect MapRect(const platform::gdi::Rect& rect) const;
  // The factor by which the font height grows for mapped text (0 selects the
  // default height, as a font of height 0 does).
  int32_t FontFactor() const { return yDivisor == 0 ? 1 : yPixelsPerMm / yDivisor; }

  // Whole pixels per millimetre of a device, as its size in pixels divided
  // by its size in millimetres (at least 1).
  static int32_t PixelsPerMm(int32_t pixelsPerInch);
};

class CMappedDC {
public:
  CMappedDC(platform::gdi::Canvas& source, int32_t xDivisor, int32_t yDivisor, int32_t flag);
  virtual ~CMappedDC() = default;

  platform::gdi::Rect MapRect(const platform::gdi::Rect& rect) const { return m_mapping.MapRect(rect); }
  // Draws the text into the mapped rectangle with the scaled font; the text's
  // height. With DT_CALCRECT nothing is drawn: the unmapped rectangle becomes
  // the text's bounds in pixels with the current font.
  virtual int32_t DrawText(std::wstring_view text, platform::gdi::Rect& rect, unsigned format);
  // Fills the mapped rectangle with the brush, or with the selected one.
  void FillRect(const platform::gdi::Rect& rect, const platform::gdi::Brush* brush);

  platform::gdi::Canvas& GetCanvas() const { return m_canvas; }
  const MillimetreMapping& GetMapping() const { return m_mapping; }
  // The owner's flag, kept for it.
  int32_t GetFlag() const { return m_flag; }

private:
  platform::gdi::Canvas& m_canvas;
  MillimetreMapping m_mapping;
  int32_t m_flag;
};

// A new mapped context over the source; owned by the caller.
std::unique_ptr<CMappedDC> CreateMappedDC(platform::gdi::Canvas& source, int32_t xDivisor, int32_t yDivisor,
                                          int32_t flag);

// Selects the current font with its height multiplied by a factor for its
// lifetime; the previous font comes back on destruction.
class ScaledFont {
public:
  ScaledFont(CMappedDC& dc, int32_t factor);
  ~ScaledFont();
  ScaledFont(const ScaledFont&) = delete;
  ScaledFont& operator=(const ScaledFont&) = delete;

private:
  platform::gdi::Canvas& m_canvas;
  platform::gdi::LogFont m_previous;
};
