#include "platform/gdi/PangoTextMeasurer.h"

#include <pango/pangocairo.h>
#include <wx/fontutil.h>

#include <algorithm>

#include "platform/TextCodec.h"
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
  const std::string utf8 = platform::ToUtf8(text);
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

PangoTextMeasurer::Font& PangoTextMeasurer::Select(const LogFont& font) {
  if (m_last && font == m_lastFont) return *m_last;
  auto found = m_fonts.find(font);
  if (found == m_fonts.end()) {
    auto made = std::make_unique<Font>();
    made->font = FontAtHeight(font, m_pixelsPerInch,
                              [this](const wxFont& candidate) { return CharHeight(candidate); });
    made->decorated = made->font.GetUnderlined() || made->font.GetStrikethrough();
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
  PangoLayout* layout = selected.decorated ? nullptr : Measure(selected, text).layout;
  PangoLayout* made = nullptr;  // for this drawing only
  if (!layout) {
    made = layout = NewLayout(selected.font);
    SetText(layout, text);
    // wx marks underlines and strike-outs on each layout it draws, and may
    // add to its text to do so: such layouts are never the measured ones.
    if (selected.decorated) selected.font.GTKSetPangoAttrs(layout);
  }
  cairo_set_source_rgba(cairo, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0,
                        1.0);
  cairo_move_to(cairo, x, y);
  pango_cairo_show_layout(cairo, layout);
  if (made) g_object_unref(made);
}

}  // namespace platform::gdi
