#include "common/TemplateItemBuilders.h"

#include <cmath>

namespace template_items {

void SetCommon(TemplateItem& item, const std::wstring& title, const std::wstring& name, const InchRect& at) {
  using namespace template_props;
  item.SetProperty(kTitle, Value(title));
  item.SetProperty(kName, Value(name));
  item.SetProperty(kGroup, Value(int32_t{0}));
  item.SetProperty(kLeft, Value(at.left));
  item.SetProperty(kTop, Value(at.top));
  item.SetProperty(kRight, Value(at.right));
  item.SetProperty(kBottom, Value(at.bottom));
}

void SetText(TemplateItem& item, const std::wstring& text, int32_t tenthPoints, bool bold, int32_t alignment) {
  using namespace template_props;
  item.SetProperty(kText, Value(text));
  item.SetProperty(kFontFace, Value(L"DejaVu Sans"));
  item.SetProperty(kFontSize, Value(tenthPoints));
  item.SetProperty(kBold, Value::Boolean(bold));
  item.SetProperty(kItalic, Value::Boolean(false));
  item.SetProperty(kUnderline, Value::Boolean(false));
  item.SetProperty(kStrikeOut, Value::Boolean(false));
  item.SetProperty(kTextColor, Value(int32_t{0}));
  item.SetProperty(kAlignment, Value(alignment));
}

TemplateItem LabelItem(const std::wstring& text, const InchRect& at, const std::wstring& name) {
  TemplateItem item(TemplateItemType::Label);
  SetCommon(item, text, name, at);
  SetText(item, text);
  return item;
}

TemplateItem FieldItem(const std::wstring& name, const std::wstring& text, const InchRect& at,
                       TemplateItemType type) {
  TemplateItem item(type);
  SetCommon(item, text, name, at);
  if (type == TemplateItemType::InvoiceField) item.SetProperty(template_props::kFieldKey, Value(name));
  SetText(item, text);
  return item;
}

TemplateItem RepeatItem(const std::wstring& key, int32_t rowLimit, const InchRect& firstRow,
                        const std::wstring& text) {
  TemplateItem item(TemplateItemType::RepeatField);
  SetCommon(item, text, key, firstRow);
  item.SetProperty(template_props::kFieldKey, Value(key));
  SetText(item, text);
  // The total height is in the pixels the designer reads the first row's
  // edges in (96 to the inch): the row limit times the row's height there.
  auto pixels = [](double inches) { return static_cast<int32_t>(std::floor(inches * 96 + 0.5)); };
  const int32_t rowHeight = pixels(firstRow.bottom) - pixels(firstRow.top);
  item.SetProperty(template_props::kRepeatHeight, Value(rowLimit * rowHeight));
  item.SetProperty(template_props::kRepeatRows, Value(rowLimit));
  return item;
}

TemplateItem BoxItem(const InchRect& at, bool border, bool transparent, int32_t fillColor) {
  using namespace template_props;
  TemplateItem item(TemplateItemType::Box);
  SetCommon(item, L"", L"", at);
  item.SetProperty(kTransparent, Value::Boolean(transparent));
  item.SetProperty(kFillColor, Value(fillColor));
  item.SetProperty(kBorder, Value::Boolean(border));
  item.SetProperty(kPenWidth, Value(0.01));
  item.SetProperty(kPenStyle, Value(int32_t{0}));
  item.SetProperty(kPenColor, Value(int32_t{0}));
  return item;
}

}  // namespace template_items
