#include "preview/DrawRepeatField.h"

#include <algorithm>

using namespace platform::gdi;

namespace {
const wchar_t kRepeatMarker[] = L"<inv_repeat_bgn>";
}

CDrawRepeatField::CDrawRepeatField() : CDrawField(kDrawRepeatField) {}

std::unique_ptr<CDrawRepeatField> CDrawRepeatField::FromString(const std::wstring& record) {
  const size_t marker = record.find(kRepeatMarker, 1);
  if (marker == std::wstring::npos) return nullptr;
  auto field = std::make_unique<CDrawRepeatField>();
  if (!field->ReadFieldRecord(record)) return nullptr;
  // "<inv_repeat_bgn>rows,total height;": the designer's total height is not used.
  TextSplitter numbers(record.substr(marker + std::char_traits<wchar_t>::length(kRepeatMarker)), L',');
  field->SetRowLimit(numbers.GetInt(0));
  return field;
}

std::unique_ptr<CDrawObject> CDrawRepeatField::CreateFromTemplateItem(const TemplateItem& item) const {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::RepeatField)) return nullptr;
  auto field = std::make_unique<CDrawRepeatField>();
  field->ReadFieldItem(item);
  const Value rows = item.GetProperty(template_props::kRepeatRows);
  field->SetRowLimit(rows.GetType() == VT_INTEGER ? rows.AsInt() : 0);
  return field;
}

void CDrawRepeatField::ClearText() {
  CDrawField::ClearText();
  m_rows.clear();
}

void CDrawRepeatField::Draw(int32_t page, Canvas& dc) const {
  const double rowHeight = GetBottom() - GetTop();
  const size_t count = std::min<size_t>(std::max<int32_t>(m_rowLimit, 0), m_rows.size());
  for (size_t row = 0; row < count; ++row) {
    DrawRow(page, dc, GetTop() + row * rowHeight, GetTop() + (row + 1) * rowHeight, m_rows[row]);
  }
}
