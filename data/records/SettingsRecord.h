#pragma once

#include "data/ObjectHandle.h"

#include <string>

// A SETTINGS row: one key and its text value.
// Fields follow the table's columns in order; copies share the id handle.
struct SettingsRecord {
  ObjectHandle id{0};  // OBJECT_ID
  std::wstring settField;
  std::wstring settValue;  // stored as NULL when empty
};
