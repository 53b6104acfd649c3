#pragma once

// Small templates that the designer's tests open and save, and that seed the
// template fuzz target: every kind of entity the designer shows, a repeat
// field of a single row, and entities left of and above the paper's corner.

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "common/FieldId.h"
#include "common/TemplateFile.h"
#include "common/TemplateItemBuilders.h"

namespace corvane::test {

struct NamedTemplate {
  std::string name;
  TemplateFile file;
};
// Test output names the template.
inline void PrintTo(const NamedTemplate& named, std::ostream* out) {
  *out << named.name;
}

// n pixels at the designer's 96 to the inch.
inline double Px(int32_t n) {
  return n / 96.0;
}

inline TemplateItem PenItem(TemplateItemType type, const template_items::InchRect& at, double width,
                            int32_t style, int32_t color) {
  using namespace template_props;
  TemplateItem item(type);
  template_items::SetCommon(item, L"", L"", at);
  if (type == TemplateItemType::Picture) {
    item.SetProperty(kBorder, Value::Boolean(true));
    item.SetProperty(kBitmapPath, Value(std::wstring()));
  }
  item.SetProperty(kPenWidth, Value(width));
  item.SetProperty(kPenStyle, Value(style));
  item.SetProperty(kPenColor, Value(color));
  return item;
}

inline std::vector<NamedTemplate> TemplateFixtures() {
  using namespace template_items;
  std::vector<NamedTemplate> fixtures;
  auto add = [&fixtures](std::string name, std::vector<TemplateItem> items) {
    TemplateFile file;
    for (TemplateItem& item : items) file.AddItem(std::move(item));
    fixtures.push_back({std::move(name), std::move(file)});
  };
  add("every-kind", {LabelItem(L"Label: one, two", {Px(10), Px(10), Px(200), Px(40)}),
                     FieldItem(FieldId(101, 0).GetKey(), L"Date", {Px(220), Px(10), Px(400), Px(40)}),
                     BoxItem({Px(10), Px(50), Px(400), Px(90)}, true, false, 0xEEEEEE),
                     PenItem(TemplateItemType::Line, {Px(400), Px(100), Px(10), Px(100)}, Px(2), 1, 0x0000FF),
                     PenItem(TemplateItemType::Picture, {Px(10), Px(110), Px(110), Px(210)}, Px(1), 0, 0),
                     RepeatItem(FieldId(1, 0).GetKey(), 10, {Px(10), Px(220), Px(300), Px(244)}, L"Item")});
  add("one-row-repeat", {RepeatItem(FieldId(3, 0).GetKey(), 1, {Px(100), Px(100), Px(300), Px(124)}, L"Qty")});
  add("negative-edges", {LabelItem(L"Off the corner", {Px(-10), Px(-7), Px(90), Px(30)}),
                         BoxItem({Px(-48), Px(-24), Px(-2), Px(-1)}, true, true),
                         RepeatItem(FieldId(2, 0).GetKey(), 3, {Px(-20), Px(-30), Px(80), Px(-6)}, L"Price")});
  return fixtures;
}

}  // namespace corvane::test
