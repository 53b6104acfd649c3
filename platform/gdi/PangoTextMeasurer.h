#pragma once

// Measures and draws text with pango on cairo the way wx's cairo graphics
// context does (the same fonts, the same layouts, the same rounding), but
// without a wxDC in between: no layout made and thrown away per call, and
// each text laid out once per font. A text drawn after it was measured is
// drawn from the layout the measuring made.

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include <wx/font.h>

#include "platform/gdi/TextMeasurer.h"

typedef struct _cairo cairo_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;

namespace platform::gdi {

class PangoTextMeasurer : public TextMeasurer {
public:
  // Lays text out for the surface and transformation `cairo` has now; fonts
  // are sized as a DC of `pixelsPerInch` sizes them.
  PangoTextMeasurer(cairo_t* cairo, int pixelsPerInch);
  ~PangoTextMeasurer() override;
  PangoTextMeasurer(const PangoTextMeasurer&) = delete;
  PangoTextMeasurer& operator=(const PangoTextMeasurer&) = delete;

  int TextWidth(const LogFont& font, std::wstring_view text) override;
  int LineHeight(const LogFont& font) override;

  // Draws one line of text in the colour with its top-left corner at (x, y)
  // on `cairo`, whose surface and transformation must lay text out as the
  // one the measurer was made with.
  void Draw(cairo_t* cairo, const LogFont& font, std::wstring_view text, COLORREF color, int32_t x,
            int32_t y);

  // How many laid-out texts are kept for drawing at most, and how long a
  // text may be to be kept; other texts keep only their widths and are laid
  // out again to be drawn.
  static constexpr size_t kKeptLayouts = 20000;
  static constexpr size_t kKeptLength = 256;

private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::wstring_view text) const { return std::hash<std::wstring_view>()(text); }
  };
  struct Measured {
    int width = 0;
    PangoLayout* layout = nullptr;  // owned; null when not kept
  };
  // A line under or through the text, in the font's own place and
  // thickness, from the baseline downwards; none when thickness is 0.
  struct Bar {
    double belowBaseline = 0;
    double thickness = 0;
  };
  struct Font {
    wxFont font;
    Bar underline, strikeOut;
    int lineHeight = 0;
    std::unordered_map<std::wstring, Measured, Hash, std::equal_to<>> texts;
  };

  Font& Select(const LogFont& font);
  static void SetText(PangoLayout* layout, std::wstring_view text);
  PangoLayout* NewLayout(const wxFont& font) const;
  int CharHeight(const wxFont& font) const;
  void FindBars(Font& font) const;
  Measured& Measure(Font& font, std::wstring_view text);

  PangoContext* m_context = nullptr;
  int m_pixelsPerInch;
  std::map<LogFont, std::unique_ptr<Font>> m_fonts;
  LogFont m_lastFont;
  Font* m_last = nullptr;
  PangoLayout* m_scratch = nullptr;  // measures texts whose layouts are not kept
  size_t m_kept = 0;
};

}  // namespace platform::gdi
