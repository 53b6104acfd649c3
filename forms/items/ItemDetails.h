#pragma once

// The fields of the item details page and their inheritance down the item
// group tree: measurement and tax come from the nearest group above that sets
// one, the default income type from the top-level group. Where a group above
// decides, the page shows that value in a greyed choice and stores 0
// (inherit). The group walks stop on a tree that loops in the database.

#include <cstdint>
#include <string>

#include "data/objects/Object.h"

// A choice that may be inherited: free (the object's own value) or the
// value a group above sets.
struct InheritedChoice {
  bool free = true;
  int32_t value = 0;
};

struct ItemDetailsFields {
  std::wstring name;
  std::wstring code;
  int32_t groupId = 0;  // an item's group, a group's parent; 0 = top level
  std::wstring groupName;
  int32_t numInPack = 0;
  double baseUnit = 0.0;
  int32_t measurementId = 0;
  int32_t taxId = 0;
  int32_t incomeType = 2;  // Trading
};

class ItemDetails {
public:
  // Starting from the group (0: none), the choice the object may make.
  // Throws Invoice::DbException.
  static InheritedChoice Measurement(int32_t groupId, int32_t own);
  static InheritedChoice Tax(int32_t groupId, int32_t own);
  static InheritedChoice IncomeType(int32_t groupId, int32_t own);

  // The fields of the frame's object (an Invoice::Item or Invoice::ItemGroup);
  // a new one starts in the preset group. Throws Invoice::DbException.
  static ItemDetailsFields Load(const Invoice::Object& object, bool stored, int32_t presetGroupId);
  // Writes the fields into the object; an inherited choice is stored as 0.
  // A group takes neither code, pieces in package nor base unit. Throws
  // Invoice::DbException.
  static void Store(const ItemDetailsFields& fields, Invoice::Object& object);
};
