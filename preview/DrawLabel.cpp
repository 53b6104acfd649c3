#include "preview/DrawLabel.h"

using namespace platform::gdi;

CDrawLabel::CDrawLabel() : CDrawObject(kDrawLabel) {}

std::unique_ptr<CDrawLabel> CDrawLabel::FromString(const std::wstring& record) {
  std::optional<TextSplitter> attributes = SplitRecord(record, {L"report_label"});
  if (!attributes) return nullptr;
  auto label = std::make_unique<CDrawLabel>();
  label->ReadCommonRecord(*attributes);
  label->ReadTextRecord(*attributes);
  return label;
}

std::unique_ptr<CDrawObject> CDrawLabel::CreateFromTemplateItem(const TemplateItem& item) const {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::Label)) return nullptr;
  auto label = std::make_unique<CDrawLabel>();
  label->ReadCommonProperties(item);
  label->ReadTextProperties(item);
  return label;
}

void CDrawLabel::Draw(int32_t page, Canvas& dc) const {
  DrawTextBox(page, dc, DeviceRect(dc), GetText(), false);
}
