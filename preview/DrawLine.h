#pragma once

// A straight line from the rectangle's left-top to its right-bottom corner,
// always drawn with its pen (template item type 3, record "report_line").

#include <memory>
#include <string>

#include "preview/DrawObject.h"

class CDrawLine : public CDrawObject {
public:
  CDrawLine();

  // The object of a text record of this kind, or null when the record is not one.
  static std::unique_ptr<CDrawLine> FromString(const std::wstring& record);

  void Draw(int32_t page, platform::gdi::Canvas& dc) const override;
  std::unique_ptr<CDrawObject> CreateFromTemplateItem(const TemplateItem& item) const override;
};
