#include "preview/DrawBox.h"

using namespace platform::gdi;
using namespace template_props;

CDrawBox::CDrawBox() : CDrawObject(kDrawBox) {}

std::unique_ptr<CDrawBox> CDrawBox::FromString(const std::wstring& record) {
  std::optional<TextSplitter> attributes = SplitRecord(record, {L"report_box"});
  if (!attributes) return nullptr;
  auto box = std::make_unique<CDrawBox>();
  box->ReadCommonRecord(*attributes);
  if (attributes->GetInt(7) != 0) {
    CBorderLine& border = box->GetBorderLine();
    border.SetOn(1);
    border.SetWidth(attributes->GetDouble(8));
    border.SetPenStyle(attributes->GetInt(9));
    border.SetColor(static_cast<COLORREF>(attributes->GetInt(10)));
  }
  box->SetFillOn(attributes->GetInt(11));
  if (box->GetFillOn()) box->SetFillColor(static_cast<COLORREF>(attributes->GetInt(12)));
  return box;
}

std::unique_ptr<CDrawObject> CDrawBox::CreateFromTemplateItem(const TemplateItem& item) const {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::Box)) return nullptr;
  auto box = std::make_unique<CDrawBox>();
  box->ReadCommonProperties(item);
  if (item.GetProperty(kBorder).AsBool()) {
    CBorderLine& border = box->GetBorderLine();
    border.SetOn(1);
    border.SetPenStyle(item.GetProperty(kPenStyle).AsInt());
    border.SetColor(static_cast<COLORREF>(item.GetProperty(kPenColor).AsInt()));
    const Value width = item.GetProperty(kPenWidth);
    border.SetWidth(width.GetType() == VT_DOUBLE ? width.AsDouble() : 0.0);
  }
  return box;
}

void CDrawBox::Draw(int32_t, Canvas& dc) const {
  const CBorderLine& border = GetBorderLine();
  dc.SelectPen(border.GetOn() ? border.MakePen(dc.GetMetrics().pixelsPerInchY) : Pen::Null());
  dc.SelectBrush(GetFillOn() ? Brush::Solid(GetFillColor()) : Brush::Hollow());
  dc.Rectangle(DeviceRect(dc));
  dc.SelectPen(Pen::StockBlack());
  dc.SelectBrush(Brush::StockWhite());
}
