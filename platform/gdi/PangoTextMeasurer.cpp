#include "platform/gdi/PangoTextMeasurer.h"

#include <pango/pangocairo.h>
#include <wx/fontutil.h>

#include <algorithm>

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

bool PangoTextMeasurer::ToUtf8(std::wstring_view text) {
  m_utf8.clear();
  for (const wchar_t wide : text) {
    const auto c = static_cast<uint32_t>(wide);
    if (c < 0x80) {
      m_utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      m_utf8 += static_cast<char>(0xC0 | (c >> 6));
      m_utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      // Surrogates too, as wx writes them: pango then warns of the bad text.
      m_utf8 += static_cast<char>(0xE0 | (c >> 12));
      m_utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      m_utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
      m_utf8 += static_cast<char>(0xF0 | (c >> 18));
      m_utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      m_utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      m_utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      return false;
    }
  }
  return true;
}

PangoLayout* PangoTextMeasurer::NewLayout(const Font& font) const {
  PangoLayout* layout = pango_layout_new(m_context);
  pango_layout_set_font_description(layout, font.font.GetNativeFontInfo()->description);
  return layout;
}

int PangoTextMeasurer::PixelHeight(const wxFont& font, const char* utf8) {
  PangoLayout* layout = pango_layout_new(m_context);
  pango_layout_set_font_description(layout, font.GetNativeFontInfo()->description);
  pango_layout_set_text(layout, utf8, -1);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  return height;
}

PangoTextMeasurer::Font& PangoTextMeasurer::Select(const LogFont& font) {
  if (m_last && font == m_lastFont) return *m_last;
  FontKey key{font.height, font.weight, font.italic, font.underline, font.strikeOut, font.faceName};
  auto found = m_fonts.find(key);
  if (found == m_fonts.end()) {
    auto made = std::make_unique<Font>();
    // A DC's character height is the height of a line of "g".
    made->font = FontAtHeight(font, m_pixelsPerInch,
                              [this](const wxFont& candidate) { return PixelHeight(candidate, "g"); });
    made->decorated = made->font.GetUnderlined() || made->font.GetStrikethrough();
    made->lineHeight = std::max(1, PixelHeight(made->font, "g"));
    found = m_fonts.emplace(std::move(key), std::move(made)).first;
  }
  m_lastFont = font;
  m_last = found->second.get();
  return *m_last;
}

PangoTextMeasurer::Measured& PangoTextMeasurer::Measure(Font& font, std::wstring_view text) {
  if (const auto found = font.texts.find(text); found != font.texts.end()) return found->second;
  Measured measured;
  if (ToUtf8(text)) {
    PangoLayout* layout = nullptr;
    if (m_kept < kKeptLayouts && text.size() <= kKeptLength) {
      layout = measured.layout = NewLayout(font);
      ++m_kept;
    } else {
      if (!m_scratch) m_scratch = pango_layout_new(m_context);
      layout = m_scratch;
      pango_layout_set_font_description(layout, font.font.GetNativeFontInfo()->description);
    }
    pango_layout_set_text(layout, m_utf8.data(), static_cast<int>(m_utf8.size()));
    int height = 0;
    pango_layout_get_pixel_size(layout, &measured.width, &height);
  }
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
  PangoLayout* layout = nullptr;
  if (selected.decorated) {
    // wx marks the decorations on each layout it draws, and may add to the
    // text to do so: a layout of its own, as wx makes it.
    if (!ToUtf8(text)) return;
    layout = NewLayout(selected);
    pango_layout_set_text(layout, m_utf8.data(), static_cast<int>(m_utf8.size()));
    selected.font.GTKSetPangoAttrs(layout);
  } else {
    const Measured& measured = Measure(selected, text);
    if (measured.layout) {
      layout = static_cast<PangoLayout*>(g_object_ref(measured.layout));
    } else {
      if (!ToUtf8(text)) return;
      layout = NewLayout(selected);
      pango_layout_set_text(layout, m_utf8.data(), static_cast<int>(m_utf8.size()));
    }
  }
  cairo_set_source_rgba(cairo, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0,
                        1.0);
  cairo_move_to(cairo, x, y);
  pango_cairo_show_layout(cairo, layout);
  g_object_unref(layout);
}

}  // namespace platform::gdi
