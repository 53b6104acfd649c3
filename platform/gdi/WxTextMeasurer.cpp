#include "platform/gdi/WxTextMeasurer.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/MissingGlyphs.h"

namespace platform::gdi {
namespace {

wxFont MakeFont(const LogFont& font, double pointSize) {
  wxFontInfo info(pointSize);
  if (!font.faceName.empty()) {
    info.FaceName(wxString(font.faceName));
  } else {
    info.Family(wxFONTFAMILY_SWISS);
  }
  info.Weight(std::clamp<int>(font.weight, 1, 1000)).Italic(font.italic).Underlined(font.underline);
  info.Strikethrough(font.strikeOut);
  return wxFont(info);
}

}  // namespace

wxFont FontAtHeight(const LogFont& font, int pixelsPerInch,
                    const std::function<int(const wxFont&)>& cellHeight) {
  // wx sizes fonts in points through the DC's own resolution; a point size
  // of height * 72 / ppi gives an em of `height` logical units.
  const double ppi = std::max(1, pixelsPerInch);
  double em = font.height == 0 ? ppi / 6.0 : std::abs(static_cast<double>(font.height));
  wxFont made = MakeFont(font, std::max(0.5, em * 72.0 / ppi));
  if (font.height > 0) {
    // A positive height names the whole cell: scale the em by the font's
    // own ratio of cell to em.
    const double cell = cellHeight(made);
    if (cell > 0) made = MakeFont(font, std::max(0.5, em * em / cell * 72.0 / ppi));
  }
  return made;
}

void WxTextMeasurer::SetDC(wxDC& dc) {
  m_dc = &dc;
  m_selected = nullptr;
}

int WxTextMeasurer::PixelsPerInch() {
  if (m_pixelsPerInch <= 0) {
    const int asked = m_dc->GetPPI().y;
    m_pixelsPerInch = asked > 0 ? asked : 96;
  }
  return m_pixelsPerInch;
}

const wxFont& WxTextMeasurer::FontFor(const LogFont& font) {
  auto found = m_fonts.find(font);
  if (found != m_fonts.end()) return found->second;
  if (m_fonts.size() >= kKeptFonts) {
    m_widths.clear();
    m_fonts.clear();
  }

  wxFont made = FontAtHeight(font, PixelsPerInch(), [this](const wxFont& candidate) {
    wxFont previous = m_dc->GetFont();
    m_dc->SetFont(candidate);
    const int cell = m_dc->GetCharHeight();
    // No stock font to fall back on: asking wx for one needs a display.
    if (previous.IsOk()) m_dc->SetFont(previous);
    return cell;
  });
  m_selected = nullptr;
  return m_fonts.emplace(font, made).first->second;
}

void WxTextMeasurer::Select(const LogFont& font) {
  const wxFont& wanted = FontFor(font);
  if (m_selected != &wanted || m_dc->GetFont() != wanted) {
    m_dc->SetFont(wanted);
    m_selected = &wanted;
  }
}

WxTextMeasurer::Scale WxTextMeasurer::CurrentScale() const {
  double userX = 1, userY = 1, logicalX = 1, logicalY = 1;
  m_dc->GetUserScale(&userX, &userY);
  m_dc->GetLogicalScale(&logicalX, &logicalY);
  return {userX, userY, logicalX, logicalY, static_cast<int>(m_dc->GetMapMode())};
}

int WxTextMeasurer::TextWidth(const LogFont& font, std::wstring_view text) {
  if (text.empty()) return 0;
  Select(font);
  const Scale scale = CurrentScale();
  if (scale != m_widthsScale) {
    m_widths.clear();
    m_widthsScale = scale;
  }
  Widths& widths = m_widths[m_selected];
  std::wstring key(text);
  if (const auto found = widths.find(key); found != widths.end()) return found->second;
  wxCoord width = 0, height = 0;
  std::wstring storage;
  const std::wstring_view printable = PrintableText(*m_selected, text, storage);
  m_dc->GetTextExtent(wxString(printable.data(), printable.size()), &width, &height);
  widths.emplace(std::move(key), width);
  return width;
}

int WxTextMeasurer::LineHeight(const LogFont& font) {
  Select(font);
  return std::max<wxCoord>(1, m_dc->GetCharHeight());
}

}  // namespace platform::gdi
