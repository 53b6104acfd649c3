#pragma once

// A rectangle with an optional border pen and an optional solid fill
// (template item type 4, record "report_box").

#include <memory>
#include <string>

#include "preview/DrawObject.h"

class CDrawBox : public CDrawObject {
public:
  CDrawBox();

  // The object of a text record of this kind, or null when the record is not one.
  static std::unique_ptr<CDrawBox> FromString(const std::wstring& record);

  void Draw(int32_t page, platform::gdi::Canvas& dc) const override;
  std::unique_ptr<CDrawObject> CreateFromTemplateItem(const TemplateItem& item) const override;
};
