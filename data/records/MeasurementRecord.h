#pragma once

#include "data/ObjectHandle.h"

#include <string>

// A MEASUREMENTS row: a unit of measure.
// Fields follow the table's columns in order; copies share the id handle.
struct MeasurementRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring name;
  std::wstring shortcut;
};
