#include "template/ReportAttributes.h"

#include "common/RecordNumbers.h"
#include "common/UnitConversions.h"
#include "template/TemplateHelpers.h"

using namespace platform::gdi;
using namespace template_props;

namespace report_item {

std::wstring Text(const TemplateItem& item, int32_t id) {
  const Value* value = item.FindProperty(id);
  return value ? value->AsString() : std::wstring();
}
int32_t Int(const TemplateItem& item, int32_t id) {
  const Value* value = item.FindProperty(id);
  return value ? value->AsInt() : 0;
}
bool Bool(const TemplateItem& item, int32_t id) {
  const Value* value = item.FindProperty(id);
  return value && value->AsBool();
}
double Double(const TemplateItem& item, int32_t id) {
  const Value* value = item.FindProperty(id);
  return value && value->GetType() == VT_DOUBLE ? value->AsDouble() : 0.0;
}

}  // namespace report_item

namespace {

// What the alignment attribute may add to the drawing flags.
constexpr unsigned kAlignmentFlags = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_SINGLELINE;

std::wstring Flag(bool flag) {
  return flag ? L"1" : L"0";
}

}  // namespace

void ReportTextAttributes::Write(TemplateItem& item) const {
  item.SetProperty(kFontFace, Value(face));
  item.SetProperty(kFontSize, Value(size));
  item.SetProperty(kBold, Value::Boolean(bold));
  item.SetProperty(kItalic, Value::Boolean(italic));
  item.SetProperty(kUnderline, Value::Boolean(underline));
  item.SetProperty(kStrikeOut, Value::Boolean(strikeOut));
  item.SetProperty(kTextColor, Value(static_cast<int32_t>(color)));
  item.SetProperty(kAlignment, Value(alignment));
}

void ReportTextAttributes::Read(const TemplateItem& item) {
  face = report_item::Text(item, kFontFace);
  size = report_item::Int(item, kFontSize);
  bold = report_item::Bool(item, kBold);
  italic = report_item::Bool(item, kItalic);
  underline = report_item::Bool(item, kUnderline);
  strikeOut = report_item::Bool(item, kStrikeOut);
  color = static_cast<COLORREF>(report_item::Int(item, kTextColor));
  alignment = report_item::Int(item, kAlignment);
}

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
  drawn = report_item::Bool(item, kBorder);
  width = ModelInchesToPixels(report_item::Double(item, kPenWidth));
  style = report_item::Int(item, kPenStyle);
  color = static_cast<COLORREF>(report_item::Int(item, kPenColor));
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
