#pragma once

// Measures text with the fonts a wxDC would draw it in. Also the one place
// that turns a LogFont into a wxFont for a DC (FontAtHeight, which PDF pages
// use as well), so that measuring and drawing always agree.

#include <functional>
#include <map>
#include <tuple>
#include <string>
#include <string_view>
#include <unordered_map>

#include <wx/dc.h>
#include <wx/font.h>

#include "platform/gdi/TextMeasurer.h"

namespace platform::gdi {

// The wxFont whose cell (positive height) or em (negative height) is the
// LogFont's height in units of which `pixelsPerInch` make an inch, as a DC of
// that resolution sizes fonts; `cellHeight` measures the height of a line in
// a font (asked only for positive heights).
wxFont FontAtHeight(const LogFont& font, int pixelsPerInch,
                    const std::function<int(const wxFont&)>& cellHeight);

class WxTextMeasurer : public TextMeasurer {
public:
  // The DC must outlive the measurer (or until it is given another one).
  // Fonts are sized at the DC's pixels per inch, asked once, or at the given
  // resolution: a window DC's resolution is a round trip to the display, and
  // a scaled screen reports device pixels where the DC draws in logical ones.
  explicit WxTextMeasurer(wxDC& dc, int pixelsPerInch = 0) : m_dc(&dc), m_pixelsPerInch(pixelsPerInch) {}

  // Measures on another DC of the same kind and resolution from now on (the
  // next paint of the same window), keeping the fonts and widths found.
  void SetDC(wxDC& dc);

  int TextWidth(const LogFont& font, std::wstring_view text) override;
  int LineHeight(const LogFont& font) override;

  // The wxFont whose cell (positive height) or em (negative height) is the
  // LogFont's height in the DC's logical units. Cached per LogFont.
  const wxFont& FontFor(const LogFont& font);

  // The resolution fonts are sized at.
  int PixelsPerInch();

  // How many fonts are kept; a canvas zoomed through many steps makes a new
  // font per step and size, so past this all are dropped and made again.
  static constexpr size_t kKeptFonts = 256;

private:

  using Widths = std::unordered_map<std::wstring, int>;
  // What turns a font's extent into logical units besides the font itself.
  using Scale = std::tuple<double, double, double, double, int>;

  void Select(const LogFont& font);
  Scale CurrentScale() const;

  wxDC* m_dc;
  int m_pixelsPerInch;
  std::map<LogFont, wxFont> m_fonts;
  const wxFont* m_selected = nullptr;
  // A string is measured once per font: invoices repeat the same texts and
  // wrapping measures words again and again. Dropped when the DC's scale moves.
  std::map<const wxFont*, Widths> m_widths;
  Scale m_widthsScale{};
};

}  // namespace platform::gdi
