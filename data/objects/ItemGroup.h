#pragma once

// One item group (ITEM_GROUPS). Groups form a tree through PARENT_OBJECT_ID;
// items inherit tax and measurement from the nearest group that sets one, and
// their source type from the top-level group.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/objects/RecordObject.h"

namespace Invoice {

class ItemGroup : public RecordObject<ItemGroup, ItemGroupRecord, &DataAccess::LoadItemGroup,
                                      &DataAccess::SaveItemGroup, &DataAccess::DeleteItemGroup> {
public:
  // {group id, parent id} pairs in display order.
  using GroupTree = std::vector<std::pair<int, int>>;

  using RecordObject::RecordObject;

  // Refused while the group holds sub-groups or items.
  void Delete() override;

  std::wstring GetName() const { return m_record.name; }
  int GetParentId() const { return m_record.parentObjectId; }  // 0 = top level
  int GetTaxId() const { return m_record.taxObjectId; }
  int GetMeasurementId() const { return m_record.measurementObjectId; }
  int GetDefInputSourceType() const { return m_record.defInputSourceType; }

  void SetName(const std::wstring& name) { Set(m_record.name, name); }
  void SetParentId(int parentId) { Set(m_record.parentObjectId, parentId); }
  void SetTaxId(int taxId) { Set(m_record.taxObjectId, taxId); }
  void SetMeasurementId(int measurementId) { Set(m_record.measurementObjectId, measurementId); }
  void SetDefInputSourceType(int type) { Set(m_record.defInputSourceType, type); }

  // The top-level group above this one (its own id when it has no parent).
  int GetRootGroupId() const;
  // Appends {own id, 0}, then every sub-group at any depth, depth first.
  void GetSubTree(GroupTree& tree) const;
  // The ids of the direct sub-groups, then of the group's items.
  void GetChildIds(std::vector<int>& ids) const;

  // Appends {sub-group id, parent id} for each direct sub-group of groupId,
  // each followed at once by its own sub-groups. Items are never taken as groups.
  static void CollectSubGroups(int groupId, GroupTree& tree);

  // Walks up from groupId to the top-level group and reads it into root; a
  // missing parent ends the walk there. False when groupId names no group.
  static bool LoadRootGroup(int groupId, ItemGroupRecord& root);
  // The first non-zero value of field on the chain from groupId upwards, 0 when none.
  static int32_t GetInheritedValue(int groupId, int32_t ItemGroupRecord::*field);
};

// The ids of the top-level groups, by NAME.
void GetTopLevelItemGroupIds(std::vector<int>& ids);
// Every group: each top-level group (by NAME) with parent 0, followed by its sub-tree.
void GetItemGroupTree(ItemGroup::GroupTree& tree);

}  // namespace Invoice
