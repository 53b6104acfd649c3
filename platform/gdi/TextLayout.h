#pragma once

// Our own DrawText: breaks a text into lines that fit a rectangle and places
// them by the DrawText format flags (alignment, word break, single line with
// vertical centring, no prefix, end ellipsis). Measurement goes through a
// TextMeasurer, so layout needs no display.

#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/TextMeasurer.h"

namespace platform::gdi {

struct TextLine {
  std::wstring text;
  int32_t x = 0;  // top-left corner of the line
  int32_t y = 0;
  int32_t width = 0;
};

struct TextLayout {
  std::vector<TextLine> lines;
  // The height of the text, as DrawText returns it.
  int32_t height = 0;
  // The rectangle DT_CALCRECT gives back: the given left and top, the widest
  // line's width and the text's height.
  Rect bounds;
};

// Lines end at CR LF, LF or CR (except with DT_SINGLELINE, where breaks read
// as blanks). With DT_WORDBREAK a line breaks between words, blanks at the
// break are dropped, and a word wider than the rectangle is broken between
// characters rather than cut off. Without DT_NOPREFIX "&&" gives "&" and a
// single "&" is dropped. DT_END_ELLIPSIS ends a line that does not fit with
// "...". DT_VCENTER and DT_BOTTOM apply to DT_SINGLELINE only, as in DrawText.
TextLayout LayoutText(std::wstring_view text, const Rect& rect, unsigned format, const LogFont& font,
                      TextMeasurer& measurer);

}  // namespace platform::gdi
