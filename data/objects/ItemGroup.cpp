#include "data/objects/ItemGroup.h"

#include <set>

namespace Invoice {

namespace {

// False when the group has no row. A damaged tree whose parents loop back is
// walked once round: seen stops it.
bool LoadGroup(int id, ItemGroupRecord& record, std::set<int>& seen) {
  if (id == 0 || !seen.insert(id).second) return false;
  DataAccess::Instance().LoadItemGroup(id, record);
  return record.id.GetId() != 0;
}

void CollectSubGroupsOnce(int groupId, ItemGroup::GroupTree& tree, std::set<int>& seen) {
  std::vector<int> children;
  DataAccess::Instance().LoadSubGroupIds(groupId, children);
  for (int child : children) {
    if (!seen.insert(child).second) continue;
    tree.emplace_back(child, groupId);
    CollectSubGroupsOnce(child, tree, seen);
  }
}

}  // namespace

void ItemGroup::Delete() {
  DeleteUnlessUsed(&DataAccess::CheckItemGroupDeletable, GetId());
}

int ItemGroup::GetRootGroupId() const {
  ItemGroupRecord root;
  if (GetParentId() != 0 && LoadRootGroup(GetParentId(), root)) return root.id.GetId();
  return GetId();
}

void ItemGroup::GetSubTree(GroupTree& tree) const {
  tree.emplace_back(GetId(), 0);
  std::set<int> seen{GetId()};
  CollectSubGroupsOnce(GetId(), tree, seen);
}

void ItemGroup::GetChildIds(std::vector<int>& ids) const {
  DataAccess::Instance().LoadGroupChildIds(GetId(), ids);
}

void ItemGroup::CollectSubGroups(int groupId, GroupTree& tree) {
  std::set<int> seen{groupId};
  CollectSubGroupsOnce(groupId, tree, seen);
}

bool ItemGroup::LoadRootGroup(int groupId, ItemGroupRecord& root) {
  std::set<int> seen;
  ItemGroupRecord current;
  if (!LoadGroup(groupId, current, seen)) return false;
  for (ItemGroupRecord parent; LoadGroup(current.parentObjectId, parent, seen); parent = ItemGroupRecord())
    current = parent;
  root = current;
  return true;
}

int32_t ItemGroup::GetInheritedValue(int groupId, int32_t ItemGroupRecord::*field) {
  std::set<int> seen;
  for (ItemGroupRecord group; LoadGroup(groupId, group, seen); group = ItemGroupRecord()) {
    if (group.*field != 0) return group.*field;
    groupId = group.parentObjectId;
  }
  return 0;
}

void GetTopLevelItemGroupIds(std::vector<int>& ids) {
  DataAccess::Instance().LoadTopLevelGroupIds(ids);
}

void GetItemGroupTree(ItemGroup::GroupTree& tree) {
  std::vector<int> topLevel;
  GetTopLevelItemGroupIds(topLevel);
  for (int id : topLevel) {
    tree.emplace_back(id, 0);
    ItemGroup::CollectSubGroups(id, tree);
  }
}

}  // namespace Invoice
