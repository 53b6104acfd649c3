#pragma once

// Template items as the designer writes them, and a recorder that draws
// pages without a display, for the preview engine's tests.

#include <filesystem>
#include <string>
#include <vector>

#include "common/FieldId.h"
#include "common/TemplateFile.h"
#include "common/TemplateItem.h"
#include "platform/gdi/PageRecorder.h"

namespace corvane::test {

struct InchRect {
  double left, top, right, bottom;
};

inline void SetCommon(TemplateItem& item, const std::wstring& title, const std::wstring& name,
                      const InchRect& at) {
  using namespace template_props;
  item.SetProperty(kTitle, Value(title));
  item.SetProperty(kName, Value(name));
  item.SetProperty(kGroup, Value(int32_t{0}));
  item.SetProperty(kLeft, Value(at.left));
  item.SetProperty(kTop, Value(at.top));
  item.SetProperty(kRight, Value(at.right));
  item.SetProperty(kBottom, Value(at.bottom));
}

inline void SetText(TemplateItem& item, const std::wstring& text, int32_t tenthPoints = 100,
                    bool bold = false) {
  using namespace template_props;
  item.SetProperty(kText, Value(text));
  item.SetProperty(kFontFace, Value(L"DejaVu Sans"));
  item.SetProperty(kFontSize, Value(tenthPoints));
  item.SetProperty(kBold, Value::Boolean(bold));
  item.SetProperty(kItalic, Value::Boolean(false));
  item.SetProperty(kUnderline, Value::Boolean(false));
  item.SetProperty(kStrikeOut, Value::Boolean(false));
  item.SetProperty(kTextColor, Value(int32_t{0}));
  item.SetProperty(kAlignment, Value(int32_t{0}));
}

inline TemplateItem LabelItem(const std::wstring& text, const InchRect& at, const std::wstring& name = L"") {
  TemplateItem item(TemplateItemType::Label);
  SetCommon(item, text, name, at);
  SetText(item, text);
  return item;
}

// A data field (type 5) or an invoice field (type 6) named by its key.
inline TemplateItem FieldItem(const std::wstring& name, const std::wstring& text, const InchRect& at,
                              TemplateItemType type = TemplateItemType::InvoiceField) {
  TemplateItem item(type);
  SetCommon(item, text, name, at);
  if (type == TemplateItemType::InvoiceField) item.SetProperty(template_props::kFieldKey, Value(name));
  SetText(item, text);
  return item;
}

// A repeat field whose first row is `firstRow`; rows below it follow.
inline TemplateItem RepeatItem(const std::wstring& key, int32_t rowLimit, const InchRect& firstRow,
                               const std::wstring& text = L"") {
  TemplateItem item(TemplateItemType::RepeatField);
  SetCommon(item, text, key, firstRow);
  item.SetProperty(template_props::kFieldKey, Value(key));
  SetText(item, text);
  item.SetProperty(template_props::kRepeatHeight, Value(int32_t(rowLimit * 20)));
  item.SetProperty(template_props::kRepeatRows, Value(rowLimit));
  return item;
}

inline TemplateItem BoxItem(const InchRect& at, bool border, bool transparent, int32_t fillColor = 0xFFFFFF) {
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

inline void SaveTemplate(const std::vector<TemplateItem>& items, const std::filesystem::path& path) {
  TemplateFile file;
  for (const TemplateItem& item : items) file.AddItem(item);
  file.Save(path);
}

inline platform::gdi::DeviceMetrics Metrics(int32_t ppiX, int32_t ppiY = 0) {
  platform::gdi::DeviceMetrics metrics;
  metrics.pixelsPerInchX = ppiX;
  metrics.pixelsPerInchY = ppiY ? ppiY : ppiX;
  return metrics;
}

// The texts of a recorded page, in drawing order.
inline std::vector<std::wstring> TextsOf(const platform::gdi::RecordedPage& page) {
  std::vector<std::wstring> texts;
  for (const platform::gdi::TextOp* op : page.Texts()) texts.push_back(op->text);
  return texts;
}

}  // namespace corvane::test
