#include "preview/InvoiceDoc.h"

#include <stdexcept>

#include "common/FieldId.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "preview/DrawRepeatField.h"

void InvoiceDoc::SetData(const FieldMap& data) {
  m_data = data;
}

bool InvoiceDoc::LoadAndBind() {
  m_hiddenLines = 0;
  m_shownLines = 0;
  if (!m_generator.LoadTemplate(platform::PathFromWide(m_templatePath))) return false;

  bool parsed = true;
  const int32_t count = m_generator.GetObjectCount(0);
  for (int32_t index = 0; index < count; ++index) {
    CDrawObject* object = m_generator.GetObject(index, 0);
    if (object->GetName().empty()) continue;
    if (object->GetKind() == kDrawField) {
      if (const Value* value = m_data.Find(object->GetName())) object->SetText(value->GetText());
    } else if (object->GetKind() == kDrawRepeatField) {
      try {
        BindRepeatField(static_cast<CDrawRepeatField&>(*object));
      } catch (const std::runtime_error&) {
        parsed = false;
      }
    }
  }
  if (!parsed) {
    platform::ShowMessageBox(L"Field parse error", CReportGenerator::kMessageCaption,
                             platform::MB_OK | platform::MB_ICONERROR);
  }
  return parsed;
}

void InvoiceDoc::BindRepeatField(CDrawRepeatField& field) {
  const FieldId first(field.GetName());  // throws "Field parse error"
  const int32_t limit = field.GetRowLimit();
  int32_t row = first.GetRow();
  std::wstring key = field.GetName();
  int32_t bound = 0;
  for (; bound < limit; ++bound) {
    const Value* value = m_data.Find(key);
    if (!value) return;
    field.AddRow(value->GetText());
    key = FieldId(first.GetField(), ++row).GetKey();
  }
  // The limit is reached: count the lines that would have followed.
  int32_t hidden = 0;
  while (m_data.Contains(key)) {
    ++hidden;
    key = FieldId(first.GetField(), ++row).GetKey();
  }
  if (hidden > m_hiddenLines) {
    m_hiddenLines = hidden;
    m_shownLines = bound;
  }
}

std::wstring InvoiceDoc::FormatHiddenLinesWarning(int32_t hidden, int32_t shown) {
  if (hidden <= 0) return std::wstring();
  std::wstring text = hidden == 1 ? L"1 invoice line is not shown"
                                  : std::to_wstring(hidden) + L" invoice lines are not shown";
  text += L": the template has room for ";
  text += shown == 1 ? std::wstring(L"1 line") : std::to_wstring(shown) + L" lines";
  return text + L" only.";
}
