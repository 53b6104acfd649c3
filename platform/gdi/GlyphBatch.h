#pragma once

// Glyphs gathered from many strings and drawn with one cairo call for each
// run of strings in the same font and colour. A PDF page of short strings
// drawn one call each spends most of its time when it is shown, in the
// surface's analysis of every call; gathered, a page of one font is one call.

#include <string>
#include <vector>

#include <cairo.h>

#include "platform/gdi/GdiTypes.h"

namespace platform::gdi {

// One run of a laid-out text as cairo draws it: glyphs placed from the run's
// origin, and the text they show with its clusters, always forwards.
struct GlyphRun {
  GlyphRun() = default;
  GlyphRun(const GlyphRun& other);
  GlyphRun& operator=(const GlyphRun&) = delete;
  ~GlyphRun();

  cairo_scaled_font_t* font = nullptr;  // a reference is held
  double originX = 0;                   // from the text's top-left corner
  double originY = 0;                   // the baseline, from the top
  std::vector<cairo_glyph_t> glyphs;    // from the run's origin
  std::string utf8;
  std::vector<cairo_text_cluster_t> clusters;
};

class GlyphBatch {
public:
  explicit GlyphBatch(cairo_t* cairo) : m_cairo(cairo) {}
  // What is pending is dropped: the owner flushes when the page is done.
  ~GlyphBatch() { Release(); }
  GlyphBatch(const GlyphBatch&) = delete;
  GlyphBatch& operator=(const GlyphBatch&) = delete;

  cairo_t* Cairo() const { return m_cairo; }

  // Adds the runs of one text whose top-left corner is at (x, y). Strings
  // added since the last flush are drawn in the order they came, so anything
  // else drawn on the context between them needs a Flush first.
  void Add(const std::vector<GlyphRun>& runs, COLORREF color, double x, double y);
  // Draws what was added, in one call per font and colour.
  void Flush();

private:
  void Release();

  cairo_t* m_cairo;
  cairo_scaled_font_t* m_font = nullptr;  // a reference is held while glyphs are pending
  COLORREF m_color = 0;
  std::vector<cairo_glyph_t> m_glyphs;
  std::string m_utf8;
  std::vector<cairo_text_cluster_t> m_clusters;
};

}  // namespace platform::gdi
