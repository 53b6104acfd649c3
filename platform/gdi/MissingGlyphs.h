#pragma once

// Characters that no installed font has (an emoji on a machine without an
// emoji font). Pango draws each as a box of hex digits sized from metrics it
// takes in the device's units: on a page scaled to printer units the box
// comes out several lines tall and pushes its line's baseline down over the
// next line, and it is another size on a scaled preview than on a PDF page,
// so the two broke lines differently. Both measure and draw such text with
// each of those characters replaced by a box character of the font, which
// sits in the line like the text around it and is as wide on every device.

#include <string>
#include <string_view>

#include <wx/font.h>

typedef struct _PangoFontDescription PangoFontDescription;

namespace platform::gdi {

// The box a character without a font is shown as: a white vertical
// rectangle, as a font's own missing-glyph box looks.
inline constexpr wchar_t kMissingGlyphBox = L'\u25AF';

// The text as it is measured and drawn in the font: `text` itself when every
// character has a font, else a copy in `storage` in which each character
// without one is replaced by kMissingGlyphBox (or, should no font have that
// either, by the replacement character or "?"). Which characters have a font
// is learnt once per character and font family, style and weight.
std::wstring_view PrintableText(const PangoFontDescription* font, std::wstring_view text,
                                std::wstring& storage);
std::wstring_view PrintableText(const wxFont& font, std::wstring_view text, std::wstring& storage);

}  // namespace platform::gdi
