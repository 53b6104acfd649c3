#include "template/CReportEntityLine.h"

#include "common/RecordNumbers.h"
#include "common/TextSplitter.h"
#include "template/CReportEntitySettings.h"
#include "template/ReportAttributes.h"
#include "template/TemplateHelpers.h"

using namespace platform::gdi;
using namespace template_props;

CReportEntityLine::CReportEntityLine() {
  SetType(L"report_line");
  CReportEntitySettings::Instance().ApplyLineDefaults(*this);
}

std::unique_ptr<CDiagramEntity> CReportEntityLine::Clone() const {
  auto clone = std::make_unique<CReportEntityLine>();
  clone->Copy(*this);
  return clone;
}

void CReportEntityLine::Copy(const CDiagramEntity& other) {
  CDiagramLine::Copy(other);
  if (const auto* line = dynamic_cast<const CReportEntityLine*>(&other)) {
    m_width = line->m_width;
    m_style = line->m_style;
    m_color = line->m_color;
  }
}

bool CReportEntityLine::FromString(const std::wstring& record) {
  std::wstring rest;
  if (!ReadRecordHead(record, rest, RecordUnits::Inches)) return false;
  const TextSplitter attributes(rest, L',');
  m_width = ModelInchesToPixels(attributes.GetDouble(0));
  m_style = attributes.GetInt(1);
  m_color = static_cast<COLORREF>(attributes.GetInt(2));
  return true;
}

std::wstring CReportEntityLine::GetString() const {
  return GetDefaultGetString(RecordUnits::Inches) + L"," + FormatRecordDouble(ModelPixelsToInches(m_width)) + L"," +
         FormatRecordInt(m_style) + L"," + FormatRecordInt(static_cast<int32_t>(m_color)) + L";";
}

std::unique_ptr<CDiagramEntity> CReportEntityLine::LoadTemplateItem(const TemplateItem& item) {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::Line)) return nullptr;
  ReadCommonProperties(item);
  m_width = ModelInchesToPixels(item.DoubleProperty(kPenWidth));
  m_style = item.IntProperty(kPenStyle);
  m_color = static_cast<COLORREF>(item.IntProperty(kPenColor));
  return Clone();
}

std::optional<TemplateItem> CReportEntityLine::MakeTemplateItem() const {
  TemplateItem item(TemplateItemType::Line);
  WriteCommonProperties(item);
  item.SetProperty(kPenWidth, Value(ModelPixelsToInches(m_width)));
  item.SetProperty(kPenStyle, Value(m_style));
  item.SetProperty(kPenColor, Value(static_cast<int32_t>(m_color)));
  return item;
}

void CReportEntityLine::Draw(Canvas& dc, Rect rect) {
  dc.SelectPen(MakeEntityPen(m_style, m_width, m_color));
  dc.MoveTo(rect.left, rect.top);
  dc.LineTo(rect.right, rect.bottom);
  dc.SelectPen(Pen::StockBlack());
}
