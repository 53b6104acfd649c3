#pragma once

// Template items as the designer writes them: labels, invoice fields, repeat
// fields and boxes with every property the preview library reads. The
// shipped invoice templates are made with these at build time.

#include <cstdint>
#include <string>

#include "common/TemplateItem.h"

namespace template_items {

struct InchRect {
  double left, top, right, bottom;
};

// Title, name, group and place.
void SetCommon(TemplateItem& item, const std::wstring& title, const std::wstring& name, const InchRect& at);
// The shown text and its font ("DejaVu Sans"), black, left-aligned unless told.
void SetText(TemplateItem& item, const std::wstring& text, int32_t tenthPoints = 100, bool bold = false,
             int32_t alignment = 0);

TemplateItem LabelItem(const std::wstring& text, const InchRect& at, const std::wstring& name = L"");
// A data field (type 5) or an invoice field (type 6) named by its key.
TemplateItem FieldItem(const std::wstring& name, const std::wstring& text, const InchRect& at,
                       TemplateItemType type = TemplateItemType::InvoiceField);
// A repeat field whose first row is `firstRow`; rows below it follow.
TemplateItem RepeatItem(const std::wstring& key, int32_t rowLimit, const InchRect& firstRow,
                        const std::wstring& text = L"");
TemplateItem BoxItem(const InchRect& at, bool border, bool transparent, int32_t fillColor = 0xFFFFFF);

}  // namespace template_items
