#pragma once

// What the group chooser offers: every stored item group under its parent
// ("/" stands for no group), except that a group being edited can never
// become its own or one of its sub-groups' child, so neither it nor its
// sub-groups are offered. A tree that already loops in the database is
// walked once round.

#include <cstdint>
#include <string>
#include <vector>

struct GroupEntry {
  int32_t groupId = 0;
  int32_t parentId = 0;  // 0: under "/" (no parent, or a parent that is not offered)
  std::wstring name;
};

class ItemGroupChoice {
public:
  // The groups to offer, each after its parent: top-level groups by name,
  // each followed by its sub-groups depth first. excludedGroupId (0: none)
  // is the group whose parent is being chosen. Throws Invoice::DbException;
  // entries then holds what was made so far.
  static void Load(int32_t excludedGroupId, std::vector<GroupEntry>& entries);

  // True when parentId may become the parent of groupId: not the group
  // itself nor one of its sub-groups. Any group may take no parent (0).
  static bool CanBeParent(int32_t parentId, int32_t groupId);
};
