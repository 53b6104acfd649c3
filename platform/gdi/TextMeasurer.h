#pragma once

// How wide a text is and how tall its lines are in a given font, in device
// pixels. Word wrapping and page layout measure through this interface, so
// that they run without a display: the device-context wrapper measures with
// its wxDC, PDF pages with pango (PangoTextMeasurer), tests and headless
// layout with a fixed-pitch measurer.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

#include "platform/gdi/GdiTypes.h"

namespace platform::gdi {

class TextMeasurer {
public:
  virtual ~TextMeasurer() = default;

  // The advance width of the text on one line.
  virtual int TextWidth(const LogFont& font, std::wstring_view text) = 0;
  // The distance from one line's top to the next line's top.
  virtual int LineHeight(const LogFont& font) = 0;
};

// Every character is half the font's height wide and a line is the font's
// height tall (at least one pixel each). Predictable metrics for tests and
// for laying out without any font machinery. Widths of absurd fonts stop at
// the largest int rather than overflowing.
class FixedTextMeasurer : public TextMeasurer {
public:
  int TextWidth(const LogFont& font, std::wstring_view text) override {
    const int64_t width = static_cast<int64_t>(text.size()) * CharWidth(font);
    return static_cast<int>(std::min<int64_t>(width, std::numeric_limits<int>::max()));
  }
  int LineHeight(const LogFont& font) override {
    const int64_t height = font.height;
    return font.height == 0 ? 1
                            : static_cast<int>(std::min<int64_t>(height < 0 ? -height : height,
                                                                 std::numeric_limits<int>::max()));
  }
  int CharWidth(const LogFont& font) { return LineHeight(font) / 2 > 0 ? LineHeight(font) / 2 : 1; }
};

}  // namespace platform::gdi
