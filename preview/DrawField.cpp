#include "preview/DrawField.h"

#include "preview/DrawingHelpers.h"

using namespace platform::gdi;

CDrawField::CDrawField() : CDrawObject(kDrawField) {}

bool CDrawField::ReadFieldRecord(const std::wstring& record) {
  std::optional<TextSplitter> attributes =
      SplitRecord(record, {L"report_field", L"invoice_field", L"inv_repeat_fld"});
  if (!attributes) return false;
  ReadCommonRecord(*attributes);
  ReadTextRecord(*attributes);
  return true;
}

bool CDrawField::ReadFieldItem(const TemplateItem& item) {
  const auto type = static_cast<TemplateItemType>(item.GetType());
  if (type != TemplateItemType::DataField && type != TemplateItemType::InvoiceField &&
      type != TemplateItemType::RepeatField) {
    return false;
  }
  ReadCommonProperties(item);
  ReadTextProperties(item);
  return true;
}

std::unique_ptr<CDrawField> CDrawField::FromString(const std::wstring& record) {
  auto field = std::make_unique<CDrawField>();
  if (!field->ReadFieldRecord(record)) return nullptr;
  return field;
}

std::unique_ptr<CDrawObject> CDrawField::CreateFromTemplateItem(const TemplateItem& item) const {
  auto field = std::make_unique<CDrawField>();
  if (!field->ReadFieldItem(item)) return nullptr;
  return field;
}

void CDrawField::DrawRow(int32_t page, Canvas& dc, double top, double bottom,
                         const std::wstring& text) const {
  const Rect rect = preview::InchesToDeviceRect(GetLeft(), top, GetRight(), bottom, dc.GetMetrics());
  DrawTextBox(page, dc, rect, text, true);
}

void CDrawField::Draw(int32_t page, Canvas& dc) const {
  DrawRow(page, dc, GetTop(), GetBottom(), GetText());
}
