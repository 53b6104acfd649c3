#include "platform/gdi/PangoTextMeasurer.h"

#include <pango/pangocairo.h>
#include <wx/fontutil.h>

#include <algorithm>

#include "platform/TextCodec.h"
#include "platform/gdi/MissingGlyphs.h"
#include "platform/gdi/WxTextMeasurer.h"

namespace platform::gdi {

PangoTextMeasurer::PangoTextMeasurer(cairo_t* cairo, int pixelsPerInch)
    : m_context(pango_cairo_create_context(cairo)), m_pixelsPerInch(pixelsPerInch) {}

PangoTextMeasurer::~PangoTextMeasurer() {
  for (auto& [key, font] : m_fonts) {
    for (auto& [text, measured] : font->texts) {
      if (measured.layout) g_object_unref(measured.layout);
    }
  }
  if (m_scratch) g_object_unref(m_scratch);
  g_object_unref(m_context);
}

void PangoTextMeasurer::SetText(PangoLayout* layout, std::wstring_view text) {
  std::wstring printable;
  const std::string utf8 =
      platform::ToUtf8(PrintableText(pango_layout_get_font_description(layout), text, printable));
  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
}

PangoLayout* PangoTextMeasurer::NewLayout(const wxFont& font) const {
  PangoLayout* layout = pango_layout_new(m_context);
  pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
  return layout;
}

int PangoTextMeasurer::CharHeight(const wxFont& font) const {
  // A DC's character height is the height of a line of "g".
  PangoLayout* layout = NewLayout(font);
  pango_layout_set_text(layout, "g", -1);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  return height;
}

void PangoTextMeasurer::FindBars(Font& font) const {
  if (!font.font.GetUnderlined() && !font.font.GetStrikethrough()) return;
  PangoFontMetrics* metrics =
      pango_context_get_metrics(m_context, font.font.GetNativeFontInfo()->description, nullptr);
  if (!metrics) return;
  // On a page scaled to printer units pango gives the metrics in the page's
  // device units rather than in those its layouts use: they are brought to
  // the layout's units by the ratio of a laid-out line's ascent to the
  // metrics' ascent (1 where nothing is scaled).
  PangoLayout* layout = NewLayout(font.font);
  pango_layout_set_text(layout, "x", -1);
  const double laidOutAscent = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
  g_object_unref(layout);
  const double ascent = pango_font_metrics_get_ascent(metrics) / double(PANGO_SCALE);
  const double scale = ascent > 0 && laidOutAscent > 0 ? laidOutAscent / ascent : 1.0;
  // Pango gives positions upwards from the baseline.
  auto bar = [scale](int position, int thickness) {
    return Bar{-position * scale / PANGO_SCALE, std::max(1.0, thickness * scale / PANGO_SCALE)};
  };
  if (font.font.GetUnderlined()) {
    font.underline = bar(pango_font_metrics_get_underline_position(metrics),
                         pango_font_metrics_get_underline_thickness(metrics));
  }
  if (font.font.GetStrikethrough()) {
    font.strikeOut = bar(pango_font_metrics_get_strikethrough_position(metrics),
                         pango_font_metrics_get_strikethrough_thickness(metrics));
  }
  pango_font_metrics_unref(metrics);
}

PangoTextMeasurer::Font& PangoTextMeasurer::Select(const LogFont& font) {
  if (m_last && font == m_lastFont) return *m_last;
  auto found = m_fonts.find(font);
  if (found == m_fonts.end()) {
    auto made = std::make_unique<Font>();
    made->font = FontAtHeight(font, m_pixelsPerInch,
                              [this](const wxFont& candidate) { return CharHeight(candidate); });
    FindBars(*made);
    made->lineHeight = std::max(1, CharHeight(made->font));
    found = m_fonts.emplace(font, std::move(made)).first;
  }
  m_lastFont = font;
  m_last = found->second.get();
  return *m_last;
}

PangoTextMeasurer::Measured& PangoTextMeasurer::Measure(Font& font, std::wstring_view text) {
  if (const auto found = font.texts.find(text); found != font.texts.end()) return found->second;
  Measured measured;
  PangoLayout* layout = nullptr;
  if (m_kept < kKeptLayouts && text.size() <= kKeptLength) {
    layout = measured.layout = NewLayout(font.font);
    ++m_kept;
  } else {
    if (!m_scratch) m_scratch = pango_layout_new(m_context);
    layout = m_scratch;
    pango_layout_set_font_description(layout, font.font.GetNativeFontInfo()->description);
  }
  SetText(layout, text);
  int height = 0;
  pango_layout_get_pixel_size(layout, &measured.width, &height);
  return font.texts.emplace(std::wstring(text), measured).first->second;
}

int PangoTextMeasurer::TextWidth(const LogFont& font, std::wstring_view text) {
  if (text.empty()) return 0;
  return Measure(Select(font), text).width;
}

int PangoTextMeasurer::LineHeight(const LogFont& font) {
  return Select(font).lineHeight;
}

void PangoTextMeasurer::Draw(cairo_t* cairo, const LogFont& font, std::wstring_view text, COLORREF color,
                             int32_t x, int32_t y) {
  if (text.empty()) return;
  Font& selected = Select(font);
  Measured& measured = Measure(selected, text);
  PangoLayout* layout = measured.layout;
  PangoLayout* made = nullptr;  // for this drawing only
  if (!layout) {
    made = layout = NewLayout(selected.font);
    SetText(layout, text);
  }
  cairo_set_source_rgba(cairo, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0,
                        1.0);
  cairo_move_to(cairo, x, y);
  pango_cairo_show_layout(cairo, layout);
  // Underline and strike-out are drawn here rather than by pango, whose bars
  // on a page scaled to printer units come out several points thick: each is
  // the font's own thickness at the font's own place, under the whole line.
  const double baseline = y + pango_layout_get_baseline(layout) / double(PANGO_SCALE);
  for (const Bar& bar : {selected.underline, selected.strikeOut}) {
    if (bar.thickness <= 0) continue;
    cairo_rectangle(cairo, x, baseline + bar.belowBaseline, measured.width, bar.thickness);
    cairo_fill(cairo);
  }
  if (made) g_object_unref(made);
}

}  // namespace platform::gdi
