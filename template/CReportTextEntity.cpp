#include "template/CReportTextEntity.h"

#include "common/TextSplitter.h"

using namespace platform::gdi;
using namespace template_props;

CReportTextEntity::CReportTextEntity(const wchar_t* type, TemplateItemType itemType) : m_itemType(itemType) {
  SetType(type);
}

void CReportTextEntity::Copy(const CDiagramEntity& other) {
  CDiagramEntity::Copy(other);
  if (const auto* text = dynamic_cast<const CReportTextEntity*>(&other)) m_text = text->m_text;
}

bool CReportTextEntity::FromString(const std::wstring& record) {
  std::wstring rest;
  if (!ReadRecordHead(record, rest, RecordUnits::Inches)) return false;
  m_text.ReadRecord(TextSplitter(rest, L','));
  ReadOwnRecord();
  return true;
}

std::wstring CReportTextEntity::GetString() const {
  return GetDefaultGetString(RecordUnits::Inches) + m_text.Record() + L";";
}

std::unique_ptr<CDiagramEntity> CReportTextEntity::LoadTemplateItem(const TemplateItem& item) {
  if (item.GetType() != static_cast<int32_t>(m_itemType)) return nullptr;
  ReadCommonProperties(item);
  if (const Value* text = item.FindProperty(kText); text && text->GetType() == VT_TEXT)
    SetTitle(text->AsString());
  m_text.Read(item);
  ReadOwnProperties(item);
  return Clone();
}

std::optional<TemplateItem> CReportTextEntity::MakeTemplateItem() const {
  TemplateItem item(m_itemType);
  WriteCommonProperties(item);
  WriteOwnProperties(item);
  item.SetProperty(kText, Value(GetTitle()));
  m_text.Write(item);
  return item;
}

void CReportTextEntity::Draw(Canvas& dc, Rect rect) {
  m_text.Draw(dc, rect, GetDrawnText(), GetZoom());
}
