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
#include <vector>

#include <wx/font.h>

#include "platform/gdi/GlyphBatch.h"
#include "platform/gdi/TextMeasurer.h"

typedef struct _cairo cairo_t;
typedef struct _PangoContext PangoContext;
typedef struct _PangoLayout PangoLayout;
typedef struct _PangoItem PangoItem;
typedef struct _PangoGlyphItem PangoGlyphItem;

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
  // on the batch's context, whose surface and transformation must lay text
  // out as the one the measurer was made with. Text that cairo can be given
  // as glyphs joins the batch; other text (right-to-left runs, characters
  // no font has) flushes the batch and is drawn by pango at once.
  void Draw(GlyphBatch& batch, const LogFont& font, std::wstring_view text, COLORREF color, int32_t x,
            int32_t y);

  // How many laid-out texts are kept for drawing at most, and how long a
  // text may be to be kept; other texts keep only their widths and are laid
  // out again to be drawn.
  static constexpr size_t kKeptLayouts = 20000;
  static constexpr size_t kKeptLength = 256;
  // How many fonts' set-ups the process keeps at most.
  static constexpr size_t kKeptSetups = 256;

private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::wstring_view text) const { return std::hash<std::wstring_view>()(text); }
  };
  struct Measured {
    int width = 0;
    PangoLayout* layout = nullptr;  // owned; null when not kept or not needed
    // The text's runs as glyphs: made when it is measured for a text that is
    // shaped without a layout, else when it is first drawn; empty with
    // `pangoDraws` when only pango can draw it.
    std::vector<GlyphRun> runs;
    bool converted = false;
    bool pangoDraws = false;
  };
  // A line under or through the text, in the font's own place and
  // thickness, from the baseline downwards; none when thickness is 0.
  struct Bar {
    double belowBaseline = 0;
    double thickness = 0;
  };
  // Most texts on an invoice are Latin letters, digits and signs in one
  // font: such a text is one run that pango's layout would shape as the
  // items it makes of "x" (a word) or "1" (digits and signs alone), so it
  // is shaped as that item straight away, without a layout.
  struct Shortcut {
    PangoItem* word = nullptr;   // owned
    PangoItem* signs = nullptr;  // owned
    int baseline = 0;            // from the line's top, in pango units
    int roundFlags = 0;
    std::vector<signed char> covered;  // per character: 1 the font has it, -1 not, 0 not asked yet

    ~Shortcut();
    bool Covers(wchar_t c);
  };
  // What a font is set up with, the same for every measurer on the same
  // kind of surface: kept for the process, so that each document does not
  // set its fonts up again.
  struct FontSetup {
    wxFont font;
    Bar underline, strikeOut;
    int lineHeight = 0;
    std::shared_ptr<Shortcut> shortcut;  // null when every text needs a layout
  };
  struct Font : FontSetup {
    std::unordered_map<std::wstring, Measured, Hash, std::equal_to<>> texts;
  };

  Font& Select(const LogFont& font);
  static void SetText(PangoLayout* layout, std::wstring_view text);
  PangoLayout* NewLayout(const wxFont& font) const;
  int CharHeight(const wxFont& font) const;
  void FindBars(FontSetup& font) const;
  Measured& Measure(Font& font, std::wstring_view text);
  std::unique_ptr<Shortcut> MakeShortcut(const wxFont& font) const;
  void SetUp(const LogFont& logFont, FontSetup& setup) const;
  static bool ShapeWithoutLayout(Shortcut& shortcut, std::wstring_view text, Measured& measured);
  static bool ToGlyphRuns(PangoLayout* layout, std::vector<GlyphRun>& runs);
  // Appends one shaped run whose origin is at (x, y) from the text's
  // top-left corner; false when pango would draw some of it itself.
  static bool AppendRun(PangoGlyphItem* run, const char* text, double x, double y, std::vector<GlyphRun>& runs);

  PangoContext* m_context = nullptr;
  int m_pixelsPerInch;
  std::map<LogFont, std::unique_ptr<Font>> m_fonts;
  LogFont m_lastFont;
  Font* m_last = nullptr;
  PangoLayout* m_scratch = nullptr;  // measures texts whose layouts are not kept
  size_t m_kept = 0;
};

}  // namespace platform::gdi
