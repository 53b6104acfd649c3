#include "template/CReportEntityBox.h"

#include "common/RecordNumbers.h"
#include "template/CReportEntitySettings.h"

using namespace platform::gdi;
using namespace template_props;

CReportEntityBox::CReportEntityBox() {
  SetType(L"report_box");
  CReportEntitySettings::Instance().ApplyBoxDefaults(*this);
}

std::unique_ptr<CDiagramEntity> CReportEntityBox::Clone() const {
  auto clone = std::make_unique<CReportEntityBox>();
  clone->Copy(*this);
  return clone;
}

void CReportEntityBox::Copy(const CDiagramEntity& other) {
  CReportBorderEntity::Copy(other);
  if (const auto* box = dynamic_cast<const CReportEntityBox*>(&other)) {
    m_filled = box->m_filled;
    m_fillColor = box->m_fillColor;
  }
}

bool CReportEntityBox::FromString(const std::wstring& record) {
  const std::optional<TextSplitter> attributes = ReadBorderRecord(record);
  if (!attributes) return false;
  m_filled = attributes->GetInt(4) != 0;
  m_fillColor = static_cast<COLORREF>(attributes->GetInt(5));
  return true;
}

std::wstring CReportEntityBox::GetString() const {
  return BorderRecordHead() + (m_filled ? L"1" : L"0") + L"," + FormatRecordInt(static_cast<int32_t>(m_fillColor)) + L";";
}

std::unique_ptr<CDiagramEntity> CReportEntityBox::LoadTemplateItem(const TemplateItem& item) {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::Box)) return nullptr;
  ReadBorderItem(item);
  m_filled = !item.BoolProperty(kTransparent);
  m_fillColor = static_cast<COLORREF>(item.IntProperty(kFillColor));
  return Clone();
}

std::optional<TemplateItem> CReportEntityBox::MakeTemplateItem() const {
  TemplateItem item(TemplateItemType::Box);
  WriteBorderItem(item);
  item.SetProperty(kTransparent, Value::Boolean(!m_filled));
  item.SetProperty(kFillColor, Value(static_cast<int32_t>(m_fillColor)));
  return item;
}

void CReportEntityBox::Draw(Canvas& dc, Rect rect) {
  dc.SelectPen(GetBorderAttributes().MakePen());
  dc.SelectBrush(m_filled ? Brush::Solid(m_fillColor) : Brush::Hollow());
  dc.Rectangle(rect);
  dc.SelectPen(Pen::StockBlack());
  dc.SelectBrush(Brush::StockWhite());
}
