#include "platform/gdi/PangoTextMeasurer.h"

#include <pango/pangocairo.h>
#include <wx/fontutil.h>

#include <algorithm>

#include "platform/TextCodec.h"
#include "platform/gdi/MissingGlyphs.h"
#include "platform/gdi/WxTextMeasurer.h"

namespace platform::gdi {

namespace {

// Characters that pango puts in one item with the letters or digits around
// them, in the font the text asks for when it has them, and shapes the same
// wherever they stand: Latin letters, digits and the usual signs of Western
// text. Combining marks, controls, tabs and whatever another script or an
// emoji could claim need a layout.
bool IsPlainCharacter(wchar_t c) {
  if (c >= 0x20 && c <= 0x7E) return true;
  if (c >= 0xA0 && c <= 0x17F) return c != 0xA9 && c != 0xAD && c != 0xAE;
  switch (c) {
    case 0x2013: case 0x2014: case 0x2018: case 0x2019: case 0x201A: case 0x201C: case 0x201D:
    case 0x201E: case 0x2022: case 0x2026: case 0x20AC:
      return true;
    default:
      return false;
  }
}

// Of the plain characters, those of the Latin script; the others belong to
// no script and take that of the letters beside them.
bool IsLatinLetter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == 0xAA || c == 0xBA ||
         (c >= 0xC0 && c <= 0x17F && c != 0xD7 && c != 0xF7);
}

}  // namespace

PangoTextMeasurer::Shortcut::~Shortcut() {
  if (word) pango_item_free(word);
  if (signs) pango_item_free(signs);
}

bool PangoTextMeasurer::Shortcut::Covers(wchar_t c) {
  const size_t index = static_cast<size_t>(c);
  if (index >= covered.size()) covered.resize(index + 1, 0);
  if (covered[index] == 0) covered[index] = pango_font_has_char(word->analysis.font, c) ? 1 : -1;
  return covered[index] > 0;
}

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

void PangoTextMeasurer::FindBars(FontSetup& font) const {
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

namespace {

// The item of a one-line layout's only run, or null.
PangoItem* OnlyItem(PangoLayout* layout) {
  PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
  if (!line || !line->runs || line->runs->next || pango_layout_get_line_count(layout) != 1) return nullptr;
  return pango_item_copy(static_cast<PangoLayoutRun*>(line->runs->data)->item);
}

gboolean FirstFontOf(PangoFontset*, PangoFont* font, gpointer first) {
  *static_cast<PangoFont**>(first) = font;
  return TRUE;  // stop at the first
}

}  // namespace

std::unique_ptr<PangoTextMeasurer::Shortcut> PangoTextMeasurer::MakeShortcut(const wxFont& font) const {
  auto shortcut = std::make_unique<Shortcut>();
  PangoLayout* layout = NewLayout(font);
  pango_layout_set_text(layout, "x", -1);
  shortcut->word = OnlyItem(layout);
  shortcut->baseline = pango_layout_get_baseline(layout);
  pango_layout_set_text(layout, "1", -1);
  shortcut->signs = OnlyItem(layout);
  g_object_unref(layout);
  if (!shortcut->word || !shortcut->signs || shortcut->word->analysis.font != shortcut->signs->analysis.font ||
      (shortcut->word->analysis.level & 1) != 0 || (shortcut->signs->analysis.level & 1) != 0)
    return nullptr;
  // A character goes to the first font of the set that has it: the
  // shortcut's font must be that first font.
  PangoFontset* fontset = pango_context_load_fontset(m_context, font.GetNativeFontInfo()->description,
                                                     shortcut->word->analysis.language);
  PangoFont* first = nullptr;
  if (fontset) {
    pango_fontset_foreach(fontset, FirstFontOf, &first);
    const bool same = first == shortcut->word->analysis.font;
    g_object_unref(fontset);
    if (!same) return nullptr;
  }
  if (!fontset) return nullptr;
  shortcut->roundFlags = pango_context_get_round_glyph_positions(m_context) ? PANGO_SHAPE_ROUND_POSITIONS : 0;
  return shortcut;
}

bool PangoTextMeasurer::ShapeWithoutLayout(Shortcut& shortcut, std::wstring_view text, Measured& measured) {
  if (text.empty() || text.size() > kKeptLength) return false;
  bool letters = false;
  for (wchar_t c : text) {
    if (!IsPlainCharacter(c) || !shortcut.Covers(c)) return false;
    letters = letters || IsLatinLetter(c);
  }
  const std::string utf8 = platform::ToUtf8(text);
  PangoItem* item = letters ? shortcut.word : shortcut.signs;
  item->offset = 0;
  item->length = static_cast<int>(utf8.size());
  item->num_chars = static_cast<int>(text.size());
  PangoGlyphString* glyphs = pango_glyph_string_new();
  pango_shape_item(item, utf8.data(), static_cast<int>(utf8.size()), nullptr, glyphs,
                   static_cast<PangoShapeFlags>(shortcut.roundFlags));
  PangoGlyphItem run{item, glyphs, 0, 0, 0};
  const bool drawable = AppendRun(&run, utf8.data(), 0.0, double(shortcut.baseline) / PANGO_SCALE, measured.runs);
  // A line's logical width in whole pixels, as a layout gives it.
  measured.width = PANGO_PIXELS_CEIL(pango_glyph_string_get_width(glyphs));
  pango_glyph_string_free(glyphs);
  if (!drawable) {
    measured.runs.clear();
    return false;
  }
  measured.converted = true;
  return true;
}

namespace {

// What makes two measurers set a font up alike: the font, the resolution and
// what the context lays text out for.
struct SetupKey {
  LogFont font;
  int pixelsPerInch = 0;
  double xx = 0, xy = 0, yx = 0, yy = 0;
  const void* fontMap = nullptr;
  unsigned long options = 0;

  auto operator<=>(const SetupKey&) const = default;
};

}  // namespace

void PangoTextMeasurer::SetUp(const LogFont& logFont, FontSetup& setup) const {
  SetupKey key{logFont, m_pixelsPerInch};
  if (const PangoMatrix* matrix = pango_context_get_matrix(m_context)) {
    key.xx = matrix->xx;
    key.xy = matrix->xy;
    key.yx = matrix->yx;
    key.yy = matrix->yy;
  }
  key.fontMap = pango_context_get_font_map(m_context);
  if (const cairo_font_options_t* options = pango_cairo_context_get_font_options(m_context))
    key.options = cairo_font_options_hash(options);
  // Never destroyed: it holds wx and pango objects that must outlive nothing.
  static auto* const kept = new std::map<SetupKey, FontSetup>;
  if (const auto found = kept->find(key); found != kept->end()) {
    setup = found->second;
    return;
  }
  setup.font = FontAtHeight(logFont, m_pixelsPerInch, [this](const wxFont& candidate) { return CharHeight(candidate); });
  FindBars(setup);
  setup.shortcut = MakeShortcut(setup.font);
  setup.lineHeight = std::max(1, CharHeight(setup.font));
  if (kept->size() >= kKeptSetups) kept->clear();  // measurers hold on to what they use
  kept->emplace(key, setup);
}

PangoTextMeasurer::Font& PangoTextMeasurer::Select(const LogFont& font) {
  if (m_last && font == m_lastFont) return *m_last;
  auto found = m_fonts.find(font);
  if (found == m_fonts.end()) {
    auto made = std::make_unique<Font>();
    SetUp(font, *made);
    found = m_fonts.emplace(font, std::move(made)).first;
  }
  m_lastFont = font;
  m_last = found->second.get();
  return *m_last;
}

PangoTextMeasurer::Measured& PangoTextMeasurer::Measure(Font& font, std::wstring_view text) {
  if (const auto found = font.texts.find(text); found != font.texts.end()) return found->second;
  Measured measured;
  if (font.shortcut && ShapeWithoutLayout(*font.shortcut, text, measured)) {
    return font.texts.emplace(std::wstring(text), std::move(measured)).first->second;
  }
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

bool PangoTextMeasurer::AppendRun(PangoGlyphItem* run, const char* text, double x, double y,
                                  std::vector<GlyphRun>& runs) {
  PangoItem* item = run->item;
  // Right-to-left runs and fonts that are not cairo's are left to pango.
  if ((item->analysis.level & 1) != 0 || !PANGO_IS_CAIRO_FONT(item->analysis.font)) return false;
  cairo_scaled_font_t* font = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(item->analysis.font));
  if (!font || cairo_scaled_font_status(font) != CAIRO_STATUS_SUCCESS) return false;
  GlyphRun& out = runs.emplace_back();
  out.font = cairo_scaled_font_reference(font);
  out.originX = x;
  out.originY = y;
  const PangoGlyphString* glyphs = run->glyphs;
  out.glyphs.reserve(glyphs->num_glyphs);
  int position = 0;
  for (int i = 0; i < glyphs->num_glyphs; ++i) {
    const PangoGlyphInfo& glyph = glyphs->glyphs[i];
    if (glyph.glyph & PANGO_GLYPH_UNKNOWN_FLAG) {
      // Pango draws a box with the character's code; a blank is skipped.
      if (glyph.glyph != (0x20 | PANGO_GLYPH_UNKNOWN_FLAG)) return false;
    } else if (glyph.glyph != PANGO_GLYPH_EMPTY) {
      out.glyphs.push_back(cairo_glyph_t{glyph.glyph, double(position + glyph.geometry.x_offset) / PANGO_SCALE,
                                         double(glyph.geometry.y_offset) / PANGO_SCALE});
    }
    position += glyph.geometry.width;
  }
  // The clusters as pango gives them with the text, so that the text can be
  // copied out of the page as it is.
  out.utf8.assign(text + item->offset, static_cast<size_t>(item->length));
  out.clusters.reserve(glyphs->num_glyphs);
  PangoGlyphItemIter cluster;
  if (pango_glyph_item_iter_init_start(&cluster, run, text)) {
    do {
      int count = cluster.end_glyph - cluster.start_glyph;
      for (int i = cluster.start_glyph; i < cluster.end_glyph; ++i) {
        const PangoGlyph glyph = glyphs->glyphs[i].glyph;
        if (glyph == PANGO_GLYPH_EMPTY || (glyph & PANGO_GLYPH_UNKNOWN_FLAG)) --count;
      }
      const int bytes = cluster.end_index - cluster.start_index;
      if (bytes > 0 || count > 0) out.clusters.push_back(cairo_text_cluster_t{bytes, count});
    } while (pango_glyph_item_iter_next_cluster(&cluster));
  }
  return true;
}

bool PangoTextMeasurer::ToGlyphRuns(PangoLayout* layout, std::vector<GlyphRun>& runs) {
  // Only one line, whose runs cairo can be given as they are.
  if (pango_layout_get_line_count(layout) != 1) return false;
  const char* text = pango_layout_get_text(layout);
  PangoLayoutIter* iter = pango_layout_get_iter(layout);
  const int baseline = pango_layout_iter_get_baseline(iter);
  bool drawable = true;
  do {
    PangoLayoutRun* run = pango_layout_iter_get_run_readonly(iter);
    if (!run) continue;  // the end of the line
    PangoRectangle logical;
    pango_layout_iter_get_run_extents(iter, nullptr, &logical);
    drawable = AppendRun(run, text, double(logical.x) / PANGO_SCALE, double(baseline - run->y_offset) / PANGO_SCALE,
                         runs);
  } while (drawable && pango_layout_iter_next_run(iter));
  pango_layout_iter_free(iter);
  if (!drawable) runs.clear();
  return drawable;
}

void PangoTextMeasurer::Draw(GlyphBatch& batch, const LogFont& font, std::wstring_view text, COLORREF color,
                             int32_t x, int32_t y) {
  if (text.empty()) return;
  Font& selected = Select(font);
  Measured& measured = Measure(selected, text);
  PangoLayout* made = nullptr;  // for this drawing only
  std::vector<GlyphRun> unkept;
  const std::vector<GlyphRun>* runs = &measured.runs;
  bool pangoDraws = measured.pangoDraws;
  if (!measured.converted) {
    if (measured.layout) {
      measured.pangoDraws = pangoDraws = !ToGlyphRuns(measured.layout, measured.runs);
      measured.converted = true;
    } else {
      made = NewLayout(selected.font);
      SetText(made, text);
      pangoDraws = !ToGlyphRuns(made, unkept);
      runs = &unkept;
    }
  }
  cairo_t* cairo = batch.Cairo();
  const auto setColor = [&] {
    cairo_set_source_rgb(cairo, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
  };
  if (pangoDraws) {
    batch.Flush();
    setColor();
    cairo_move_to(cairo, x, y);
    pango_cairo_show_layout(cairo, measured.layout ? measured.layout : made);
  } else {
    // Pango starts from the current point, which cairo keeps in device
    // space to a 256th of a unit: the glyphs start from the same place.
    double startX = 0, startY = 0;
    cairo_move_to(cairo, x, y);
    cairo_get_current_point(cairo, &startX, &startY);
    cairo_new_path(cairo);
    batch.Add(*runs, color, startX, startY);
  }
  // The bars lie under the line's baseline, that of its tallest font.
  PangoLayout* layout = measured.layout ? measured.layout : made;
  const double baseline = y + (layout ? pango_layout_get_baseline(layout) / double(PANGO_SCALE)
                                      : (runs->empty() ? 0.0 : runs->front().originY));
  if (made) g_object_unref(made);
  // Underline and strike-out are drawn here rather than by pango, whose bars
  // on a page scaled to printer units come out several points thick: each is
  // the font's own thickness at the font's own place, under the whole line.
  if (selected.underline.thickness > 0 || selected.strikeOut.thickness > 0) {
    batch.Flush();
    setColor();
    for (const Bar& bar : {selected.underline, selected.strikeOut}) {
      if (bar.thickness <= 0) continue;
      cairo_rectangle(cairo, x, baseline + bar.belowBaseline, measured.width, bar.thickness);
      cairo_fill(cairo);
    }
  }
}

}  // namespace platform::gdi
