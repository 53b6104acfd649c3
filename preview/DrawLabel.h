#pragma once

// Fixed text (template item type 1, record "report_label"). Macros such as
// "[%page%]" are replaced when drawn; style markers are printed as they are.

#include <memory>
#include <string>

#include "preview/DrawObject.h"

class CDrawLabel : public CDrawObject {
public:
  CDrawLabel();

  // The object of a text record of this kind, or null when the record is not one.
  static std::unique_ptr<CDrawLabel> FromString(const std::wstring& record);

  void Draw(int32_t page, platform::gdi::Canvas& dc) const override;
  std::unique_ptr<CDrawObject> CreateFromTemplateItem(const TemplateItem& item) const override;
};
