#include "preview/DrawObject.h"

#include "common/TemplateTextProperties.h"
#include "common/TextEscapes.h"
#include "common/UnitConversions.h"
#include "preview/DrawingHelpers.h"

using namespace platform::gdi;
using namespace template_props;

namespace {

// What the alignment attribute may add to the drawing flags: the horizontal
// and single-line vertical placements, nothing that stops the drawing.
constexpr unsigned kAlignmentFlags = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_SINGLELINE;

}  // namespace

void CDrawObject::SetRect(double left, double top, double right, double bottom) {
  m_left = left;
  m_top = top;
  m_right = right;
  m_bottom = bottom;
}

void CDrawObject::ReadCommonProperties(const TemplateItem& item) {
  m_text = item.TextProperty(kTitle);
  m_name = item.TextProperty(kName);
  SetRect(item.DoubleProperty(kLeft), item.DoubleProperty(kTop), item.DoubleProperty(kRight),
          item.DoubleProperty(kBottom));
  ReadFontProperties(item);
  m_fillOn = !item.BoolProperty(kTransparent);
  m_fillColor = static_cast<COLORREF>(item.IntProperty(kFillColor));
}

void CDrawObject::ReadTextProperties(const TemplateItem& item) {
  m_text = item.TextProperty(kText);
  ReadFontProperties(item);
}

void CDrawObject::ReadFontProperties(const TemplateItem& item) {
  TemplateTextProperties text;
  text.Read(item);
  m_fontFace = text.face;
  m_fontSize = text.size;
  m_bold = text.bold;
  m_italic = text.italic;
  m_underline = text.underline;
  m_strikeOut = text.strikeOut;
  m_textColor = text.color;
  m_alignment = text.alignment;
}

std::optional<TextSplitter> CDrawObject::SplitRecord(const std::wstring& record,
                                                     std::initializer_list<const wchar_t*> types) {
  std::wstring body = record;
  while (!body.empty() && (body.back() == L'\r' || body.back() == L'\n' || body.back() == L' '))
    body.pop_back();
  if (!body.empty() && body.back() == L';') body.pop_back();
  TextSplitter parts(body, L':');
  if (parts.GetSize() != 2) return std::nullopt;
  const std::wstring type = parts.GetString(0);
  for (const wchar_t* accepted : types) {
    if (type == accepted) return TextSplitter(parts.GetString(1), L',');
  }
  return std::nullopt;
}

void CDrawObject::ReadCommonRecord(const TextSplitter& attributes) {
  SetRect(attributes.GetDouble(0), attributes.GetDouble(1), attributes.GetDouble(2), attributes.GetDouble(3));
  m_text = attributes.GetString(4);
  UnescapeRecordText(m_text);
  m_name = attributes.GetString(5);
  UnescapeRecordText(m_name);
}

void CDrawObject::ReadTextRecord(const TextSplitter& attributes) {
  m_fontFace = attributes.GetString(7);
  m_fontSize = attributes.GetInt(8);
  m_bold = attributes.GetInt(9);
  m_italic = attributes.GetInt(10);
  m_underline = attributes.GetInt(11);
  m_strikeOut = static_cast<uint8_t>(attributes.GetInt(12) != 0);
  m_textColor = static_cast<COLORREF>(attributes.GetInt(13));
  m_alignment = attributes.GetInt(14);
}

Rect CDrawObject::DeviceRect(const Canvas& dc) const {
  return preview::InchesToDeviceRect(m_left, m_top, m_right, m_bottom, dc.GetMetrics());
}

void CDrawObject::DrawTextBox(int32_t page, Canvas& dc, const Rect& rect, std::wstring text,
                              bool markers) const {
  const DeviceMetrics device = dc.GetMetrics();
  LogFont font;
  font.faceName = m_fontFace;
  font.height = TenthPointsToPixelsAt(m_fontSize, device.pixelsPerInchY);
  font.weight = m_bold ? FW_BOLD : FW_NORMAL;
  font.italic = m_italic != 0;
  font.underline = m_underline != 0;
  font.strikeOut = m_strikeOut != 0;
  if (markers) {
    if (preview::RemoveMarker(text, L"[%bold%]")) font.weight = FW_BOLD;
    if (preview::RemoveMarker(text, L"[%italic%]")) font.italic = true;
  }

  const LogFont oldFont = dc.SelectFont(font);
  const COLORREF oldColor = dc.SetTextColor(m_textColor);
  const int oldMode = dc.SetBkMode(TRANSPARENT);
  Rect box = rect;
  dc.DrawText(preview::ReplaceMacros(std::move(text), page), box,
              (static_cast<unsigned>(m_alignment) & kAlignmentFlags) | DT_WORDBREAK | DT_NOPREFIX);
  dc.SetBkMode(oldMode);
  dc.SetTextColor(oldColor);
  dc.SelectFont(oldFont);
}
