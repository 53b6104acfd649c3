#pragma once

#include "data/ObjectHandle.h"

#include <string>

// A TEMPLATES row: a named template file.
// Fields follow the table's columns in order; copies share the id handle.
struct TemplateRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  std::wstring fileName;
};
