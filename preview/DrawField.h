#pragma once

// A data field: text that the invoice data replaces by the field's name
// (template item types 5, 6 and 7; records "report_field", "invoice_field"
// and "inv_repeat_fld"). When drawn, "[%bold%]" and "[%italic%]" in the text
// switch the style on and are not printed, and the macros are replaced.

#include <memory>
#include <string>

#include "preview/DrawObject.h"

class CDrawField : public CDrawObject {
public:
  CDrawField();

  static std::unique_ptr<CDrawField> FromString(const std::wstring& record);

  void Draw(int32_t page, platform::gdi::Canvas& dc) const override;
  void ClearText() override { SetText(std::wstring()); }
  std::unique_ptr<CDrawObject> CreateFromTemplateItem(const TemplateItem& item) const override;

protected:
  explicit CDrawField(int32_t kind) : CDrawObject(kind) {}

  // Reads the data-field part of a record of one of the field types.
  bool ReadFieldRecord(const std::wstring& record);
  // Reads the data-field part of an item of type 5, 6 or 7.
  bool ReadFieldItem(const TemplateItem& item);

  void DrawRow(int32_t page, platform::gdi::Canvas& dc, double top, double bottom,
               const std::wstring& text) const;
};
