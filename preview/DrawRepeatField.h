#pragma once

// One column of the invoice's item lines: the field drawn once per row, each
// row one row height (the template rectangle's height) below the previous,
// at most the row limit (template item type 7; an "inv_repeat_fld" record
// with "<inv_repeat_bgn>"). Its name is the field key of its first row.

#include <memory>
#include <string>
#include <vector>

#include "preview/DrawField.h"

class CDrawRepeatField : public CDrawField {
public:
  CDrawRepeatField();

  static std::unique_ptr<CDrawRepeatField> FromString(const std::wstring& record);

  // Rows 0 .. min(row limit, row count) - 1; nothing without rows.
  void Draw(int32_t page, platform::gdi::Canvas& dc) const override;
  // Forgets the text and the rows, so that the field can be bound again.
  void ClearText() override;
  std::unique_ptr<CDrawObject> CreateFromTemplateItem(const TemplateItem& item) const override;

  void AddRow(const std::wstring& text) { m_rows.push_back(text); }
  const std::vector<std::wstring>& GetRows() const { return m_rows; }
  int32_t GetRowLimit() const { return m_rowLimit; }
  void SetRowLimit(int32_t limit) { m_rowLimit = limit; }

private:
  int32_t m_rowLimit = 0;
  std::vector<std::wstring> m_rows;
};
