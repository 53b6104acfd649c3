#pragma once

// Turns template file items and text records into draw objects. Each is
// offered to the kinds in a fixed order (box, line, picture, repeat field,
// field, label); the first that accepts it makes the object. Null when no
// kind accepts it.

#include <memory>
#include <string>

#include "common/TemplateItem.h"
#include "preview/DrawObject.h"

namespace preview {

std::unique_ptr<CDrawObject> CreateDrawObject(const TemplateItem& item);
std::unique_ptr<CDrawObject> CreateDrawObject(const std::wstring& record);

}  // namespace preview
