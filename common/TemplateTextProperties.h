#pragma once

// The text attributes of labels and data fields as template items store
// them (properties 5-12), read by the designer's entities and by the
// preview's draw objects alike.

#include <cstdint>
#include <string>

#include "common/TemplateItem.h"

struct TemplateTextProperties {
  std::wstring face;
  int32_t size = 0;  // tenths of a point
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  uint32_t color = 0;     // a COLORREF
  int32_t alignment = 0;  // 0 left, 1 centred, 2 right

  // Missing or mistyped properties read as 0, false or "".
  void Read(const TemplateItem& item);
  void Write(TemplateItem& item) const;

  bool operator==(const TemplateTextProperties&) const = default;
};
