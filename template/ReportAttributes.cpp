#include "template/ReportAttributes.h"

#include "common/RecordNumbers.h"
#include "common/UnitConversions.h"
#include "template/TemplateHelpers.h"

using namespace platform::gdi;
using namespace template_props;

namespace {

// What the alignment attribute may add to the drawing flags.
constexpr unsigned kAlignmentFlags = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_SINGLELINE;

std::wstring Flag(bool flag) {
  return flag ? L"1" : L"0";
}

}  // namespace

std::wstring ReportTextAttributes::Record() const {
  return L"," + face + L"," + FormatRecordInt(size) + L"," + Flag(bold) + L"," + Flag(italic) + L"," +
         Flag(underline) + L"," + Flag(strikeOut) + L"," + FormatRecordInt(static_cast<int32_t>(color)) + L"," +
         FormatRecordInt(alignment);
}

void ReportTextAttributes::ReadRecord(const TextSplitter& attributes, int32_t first) {
  face = attributes.GetString(first);
  size = attributes.GetInt(first + 1);
  bold = attributes.GetInt(first + 2) != 0;
  italic = attributes.GetInt(first + 3) != 0;
  underline = attributes.GetInt(first + 4) != 0;
  strikeOut = attributes.GetInt(first + 5) != 0;
  color = static_cast<COLORREF>(attributes.GetInt(first + 6));
  alignment = attributes.GetInt(first + 7);
}

void ReportTextAttributes::Draw(Canvas& dc, Rect rect, const std::wstring& text, double zoom) const {
  LogFont font;
  font.faceName = face;
  font.height = TruncateToInt32(ModelTenthPointsToPixels(size) * zoom + 0.5);
  font.weight = bold ? FW_BOLD : FW_NORMAL;
  font.italic = italic;
  font.underline = underline;
  font.strikeOut = strikeOut;
  const LogFont oldFont = dc.SelectFont(font);
  const COLORREF oldColor = dc.SetTextColor(color);
  const int oldMode = dc.SetBkMode(TRANSPARENT);
  dc.DrawText(text, rect, (static_cast<unsigned>(alignment) & kAlignmentFlags) | DT_WORDBREAK | DT_NOPREFIX);
  dc.SetBkMode(oldMode);
  dc.SetTextColor(oldColor);
  dc.SelectFont(oldFont);
}

void ReportBorder::Write(TemplateItem& item) const {
  item.SetProperty(kBorder, Value::Boolean(drawn));
  item.SetProperty(kPenWidth, Value(ModelPixelsToInches(width)));
  item.SetProperty(kPenStyle, Value(style));
  item.SetProperty(kPenColor, Value(static_cast<int32_t>(color)));
}

void ReportBorder::Read(const TemplateItem& item) {
  drawn = item.BoolProperty(kBorder);
  width = ModelInchesToPixels(item.DoubleProperty(kPenWidth));
  style = item.IntProperty(kPenStyle);
  color = static_cast<COLORREF>(item.IntProperty(kPenColor));
}

std::wstring ReportBorder::Record() const {
  return L"," + Flag(drawn) + L"," + FormatRecordDouble(ModelPixelsToInches(width)) + L"," + FormatRecordInt(style) +
         L"," + FormatRecordInt(static_cast<int32_t>(color));
}

void ReportBorder::ReadRecord(const TextSplitter& attributes, int32_t first) {
  drawn = attributes.GetInt(first) != 0;
  width = ModelInchesToPixels(attributes.GetDouble(first + 1));
  style = attributes.GetInt(first + 2);
  color = static_cast<COLORREF>(attributes.GetInt(first + 3));
}

Pen ReportBorder::MakePen() const {
  return drawn ? MakeEntityPen(style, width, color) : Pen::Null();
}

Pen MakeEntityPen(int32_t style, int32_t width, COLORREF color) {
  return Pen{style, width, color};
}
