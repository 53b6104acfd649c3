#include "platform/gdi/GlyphBatch.h"

namespace platform::gdi {

GlyphRun::GlyphRun(const GlyphRun& other)
    : font(other.font ? cairo_scaled_font_reference(other.font) : nullptr),
      originX(other.originX),
      originY(other.originY),
      glyphs(other.glyphs),
      utf8(other.utf8),
      clusters(other.clusters) {}

GlyphRun::~GlyphRun() {
  if (font) cairo_scaled_font_destroy(font);
}

void GlyphBatch::Add(const std::vector<GlyphRun>& runs, COLORREF color, double x, double y) {
  for (const GlyphRun& run : runs) {
    if (run.glyphs.empty() && run.utf8.empty()) continue;
    if (m_font && (run.font != m_font || color != m_color)) Flush();
    if (!m_font) {
      m_font = cairo_scaled_font_reference(run.font);
      m_color = color;
    }
    // The same sums, in the same order, as pango's own drawing of the run
    // makes, so that every glyph lands on the same coordinate.
    const double baseX = x + run.originX;
    const double baseY = y + run.originY;
    for (const cairo_glyph_t& glyph : run.glyphs) {
      m_glyphs.push_back(cairo_glyph_t{glyph.index, baseX + glyph.x, glyph.y == 0 ? baseY : baseY + glyph.y});
    }
    m_utf8 += run.utf8;
    m_clusters.insert(m_clusters.end(), run.clusters.begin(), run.clusters.end());
  }
}

namespace {

// Whether the clusters cover the text and the glyphs exactly: cairo puts its
// context into an error state for good on clusters that do not.
bool ClustersFit(const std::string& utf8, size_t glyphCount, const std::vector<cairo_text_cluster_t>& clusters) {
  size_t bytes = 0, glyphs = 0;
  for (const cairo_text_cluster_t& cluster : clusters) {
    if (cluster.num_bytes < 0 || cluster.num_glyphs < 0 || (cluster.num_bytes == 0 && cluster.num_glyphs == 0))
      return false;
    bytes += static_cast<size_t>(cluster.num_bytes);
    glyphs += static_cast<size_t>(cluster.num_glyphs);
  }
  return bytes == utf8.size() && glyphs == glyphCount;
}

}  // namespace

void GlyphBatch::Flush() {
  if (!m_font) return;
  cairo_save(m_cairo);
  cairo_set_source_rgb(m_cairo, GetRValue(m_color) / 255.0, GetGValue(m_color) / 255.0,
                       GetBValue(m_color) / 255.0);
  cairo_set_scaled_font(m_cairo, m_font);
  if (cairo_surface_has_show_text_glyphs(cairo_get_target(m_cairo)) &&
      ClustersFit(m_utf8, m_glyphs.size(), m_clusters)) {
    cairo_show_text_glyphs(m_cairo, m_utf8.data(), static_cast<int>(m_utf8.size()), m_glyphs.data(),
                           static_cast<int>(m_glyphs.size()), m_clusters.data(),
                           static_cast<int>(m_clusters.size()), cairo_text_cluster_flags_t(0));
  } else {
    cairo_show_glyphs(m_cairo, m_glyphs.data(), static_cast<int>(m_glyphs.size()));
  }
  cairo_restore(m_cairo);
  Release();
}

void GlyphBatch::Release() {
  if (m_font) cairo_scaled_font_destroy(m_font);
  m_font = nullptr;
  m_glyphs.clear();
  m_utf8.clear();
  m_clusters.clear();
}

}  // namespace platform::gdi
