#pragma once

#include "data/ObjectHandle.h"

#include <cstdint>
#include <ctime>

// An OBJECTS row: the identity and audit times every business row hangs from.
// Copies share the id handle, so a copy saved first gives its new id to all.
struct ObjectHeader {
  ObjectHandle id{0};  // OBJECT_ID, 0 until first saved
  std::tm createdOn{};
  std::tm modifiedOn{};
  int32_t createdBy = 0;  // written as NULL while 0
  int32_t modifiedBy = 0;
};
