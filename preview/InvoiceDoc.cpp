#include "preview/InvoiceDoc.h"

#include <stdexcept>

#include "common/FieldId.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "preview/DrawRepeatField.h"
#include "preview/ReportRendering.h"

void InvoiceDoc::SetData(const FieldMap& data) {
  m_data = data;
}

bool InvoiceDoc::LoadAndBind() {
  m_hiddenLines = 0;
  m_shownLines = 0;
  m_hiddenBy = HiddenBy::RowLimit;
  if (!m_generator.LoadTemplate(platform::PathFromWide(m_templatePath))) return false;

  bool parsed = true;
  const int32_t count = m_generator.GetObjectCount(0);
  for (int32_t index = 0; index < count; ++index) {
    CDrawObject* object = m_generator.GetObject(index, 0);
    if (object->GetName().empty()) continue;
    // The first object of a name, on any page, says how every object of that
    // name is bound: a label named like an earlier data field shows the value.
    const int32_t kind = m_generator.GetObjectType(object->GetName(), -1);
    if (kind == kDrawField) {
      if (const Value* value = m_data.Find(object->GetName())) object->SetText(value->GetText());
    } else if (kind == kDrawRepeatField) {
      auto* field = dynamic_cast<CDrawRepeatField*>(object);
      if (!field) continue;  // only a repeat field has rows to fill
      try {
        BindRepeatField(*field);
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
    if (!value) break;
    field.AddRow(value->GetText());
    key = FieldId(first.GetField(), ++row).GetKey();
  }
  // A limit of 0 shows no lines on purpose: nothing is missing then.
  if (limit <= 0) return;
  // The lines after the limit, and the rows below the largest page.
  int32_t lines = bound;
  if (bound == limit) {
    while (m_data.Contains(key)) {
      ++lines;
      key = FieldId(first.GetField(), ++row).GetKey();
    }
  }
  const int32_t shown = preview::RowsOnLargestPage(field, bound);
  if (lines - shown > m_hiddenLines) {
    m_hiddenLines = lines - shown;
    m_shownLines = shown;
    m_hiddenBy = shown < bound ? HiddenBy::Page : HiddenBy::RowLimit;
  }
}

std::wstring InvoiceDoc::HiddenLinesWarning() const {
  return FormatHiddenLinesWarning(m_hiddenLines, m_shownLines, m_hiddenBy);
}

std::wstring InvoiceDoc::FormatHiddenLinesWarning(int32_t hidden, int32_t shown, HiddenBy cause) {
  if (hidden <= 0) return std::wstring();
  std::wstring text = hidden == 1 ? L"1 invoice line is not shown"
                                  : std::to_wstring(hidden) + L" invoice lines are not shown";
  text += cause == HiddenBy::Page ? L": the largest page has room for " : L": the template has room for ";
  text += shown == 1 ? std::wstring(L"1 line") : std::to_wstring(shown) + L" lines";
  return text + L" only.";
}
