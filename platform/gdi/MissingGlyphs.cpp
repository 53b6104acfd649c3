#include "platform/gdi/MissingGlyphs.h"

#include <pango/pangocairo.h>
#include <wx/fontutil.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/TextCodec.h"

namespace platform::gdi {
namespace {

// Printable ASCII and line and tab breaks: a font that shows any text shows
// these, so texts made of them alone are not looked at further.
bool IsSurelyShown(wchar_t c) {
  return (c >= 0x20 && c < 0x7F) || c == L'\t' || c == L'\n' || c == L'\r';
}

// What the box is drawn as, the first of these that has a font.
constexpr wchar_t kBoxes[] = {kMissingGlyphBox, L'\uFFFD'};
constexpr wchar_t kLastResort = L'?';

// Which characters have a font, by font family, style and weight (the size
// does not change which fonts a character is found in). Learnt by laying a
// text out with pango, as the devices do, and reading which of its glyphs
// pango could not find in any font.
class Coverage {
public:
  // Never destroyed: text may still be drawn while statics go.
  static Coverage& Instance() {
    static Coverage* coverage = new Coverage;
    return *coverage;
  }

  std::wstring_view Printable(const PangoFontDescription* font, std::wstring_view text, std::wstring& storage) {
    std::lock_guard lock(m_mutex);
    Family& family = FamilyOf(font);
    const auto isKnown = [&family](wchar_t c) {
      return IsSurelyShown(c) || family.missing.count(c) != 0 || family.shown.count(c) != 0;
    };
    for (wchar_t c : text) {
      if (!isKnown(c)) {
        Learn(family, font, text);
        break;
      }
    }
    const auto isMissing = [&family](wchar_t c) { return !IsSurelyShown(c) && family.missing.count(c) != 0; };
    bool anyMissing = false;
    for (wchar_t c : text) anyMissing = anyMissing || isMissing(c);
    if (!anyMissing) return text;

    wchar_t box = kLastResort;
    for (wchar_t candidate : kBoxes) {
      if (!isKnown(candidate)) Learn(family, font, std::wstring_view(&candidate, 1));
      if (!isMissing(candidate)) {
        box = candidate;
        break;
      }
    }
    storage.assign(text);
    for (wchar_t& c : storage) {
      if (isMissing(c)) c = box;
    }
    return storage;
  }

private:
  struct Family {
    std::unordered_set<wchar_t> missing;
    std::unordered_set<wchar_t> shown;
  };

  // A font map of its own, used under the lock only: text may be measured
  // on any thread, and each thread's default font map is that thread's.
  Coverage()
      : m_fontMap(pango_cairo_font_map_new()),
        m_context(pango_font_map_create_context(m_fontMap)),
        m_layout(pango_layout_new(m_context)) {}

  Family& FamilyOf(const PangoFontDescription* font) {
    PangoFontDescription* sizeless = pango_font_description_copy(font);
    pango_font_description_unset_fields(sizeless, PANGO_FONT_MASK_SIZE);
    char* name = pango_font_description_to_string(sizeless);
    Family& family = m_families[name];
    g_free(name);
    pango_font_description_free(sizeless);
    return family;
  }

  void Learn(Family& family, const PangoFontDescription* font, std::wstring_view text) {
    pango_layout_set_font_description(m_layout, font);
    const std::string utf8 = platform::ToUtf8(text);
    pango_layout_set_text(m_layout, utf8.data(), static_cast<int>(utf8.size()));
    // Pango shows a character it found no font for as an "unknown" glyph
    // that carries the character itself.
    std::unordered_set<wchar_t> missing;
    PangoLayoutIter* iter = pango_layout_get_iter(m_layout);
    do {
      const PangoLayoutRun* run = pango_layout_iter_get_run_readonly(iter);
      if (!run) continue;
      for (int i = 0; i < run->glyphs->num_glyphs; ++i) {
        const PangoGlyph glyph = run->glyphs->glyphs[i].glyph;
        if ((glyph & PANGO_GLYPH_UNKNOWN_FLAG) && glyph != PANGO_GLYPH_INVALID_INPUT) {
          missing.insert(static_cast<wchar_t>(glyph & ~PANGO_GLYPH_UNKNOWN_FLAG));
        }
      }
    } while (pango_layout_iter_next_run(iter));
    pango_layout_iter_free(iter);
    for (wchar_t c : text) {
      if (!IsSurelyShown(c)) (missing.count(c) ? family.missing : family.shown).insert(c);
    }
  }

  std::mutex m_mutex;
  PangoFontMap* m_fontMap;
  PangoContext* m_context;
  PangoLayout* m_layout;
  std::unordered_map<std::string, Family> m_families;
};

}  // namespace

std::wstring_view PrintableText(const PangoFontDescription* font, std::wstring_view text,
                                std::wstring& storage) {
  if (!font || std::all_of(text.begin(), text.end(), IsSurelyShown)) return text;
  return Coverage::Instance().Printable(font, text, storage);
}

std::wstring_view PrintableText(const wxFont& font, std::wstring_view text, std::wstring& storage) {
  if (!font.IsOk() || !font.GetNativeFontInfo()) return text;
  return PrintableText(font.GetNativeFontInfo()->description, text, storage);
}

}  // namespace platform::gdi
