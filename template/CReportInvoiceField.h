#pragma once

// An invoice data field ("invoice_field", item type 6): a FieldId whose key
// text is also the entity's name, the key the preview library binds the
// invoice's value to. Draws the field's caption, with the row (counted from
// 1) after it for item-row fields.

#include "common/FieldId.h"
#include "template/CReportEntityField.h"

class CReportInvoiceField : public CReportEntityField {
public:
  // Row 0 of the field number.
  explicit CReportInvoiceField(int32_t field = FieldId::kFirstInvoiceField);

  std::unique_ptr<CDiagramEntity> Clone() const override;
  void Copy(const CDiagramEntity& other) override;
  PopulatorKind GetPopulator() const override { return PopulatorKind::InvoiceField; }

  const FieldId& GetFieldId() const { return m_field; }
  // Also makes the key text the name.
  void SetFieldId(const FieldId& field);

protected:
  CReportInvoiceField(const wchar_t* type, int32_t field);

  // The caption and row; the key text for a number the catalogue lacks.
  std::wstring GetDrawnText() const override;
  void WriteOwnProperties(TemplateItem& item) const override;
  // Property 28 parsed as a FieldId; throws "Field parse error".
  void ReadOwnProperties(const TemplateItem& item) override;
  // The record's name parsed as a FieldId; throws "Field parse error".
  void ReadOwnRecord() override;

private:
  FieldId m_field;
};
