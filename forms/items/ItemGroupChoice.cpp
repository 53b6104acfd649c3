#include "forms/items/ItemGroupChoice.h"

#include <set>

#include "data/objects/ItemGroup.h"

namespace {

// The group and every sub-group below it.
std::set<int> SubTreeOf(int32_t groupId) {
  std::set<int> ids;
  if (groupId == 0) return ids;
  Invoice::ItemGroup::GroupTree tree;
  Invoice::ItemGroup::CollectSubGroups(groupId, tree);
  ids.insert(groupId);
  for (const auto& [id, parent] : tree) ids.insert(id);
  return ids;
}

}  // namespace

void ItemGroupChoice::Load(int32_t excludedGroupId, std::vector<GroupEntry>& entries) {
  const std::set<int> excluded = SubTreeOf(excludedGroupId);
  Invoice::ItemGroup::GroupTree tree;
  Invoice::GetItemGroupTree(tree);
  std::set<int> offered;
  for (const auto& [id, parent] : tree) {
    if (excluded.count(id) || offered.count(id)) continue;
    Invoice::ItemGroup group(id);
    if (!group.IsStored()) continue;
    offered.insert(id);
    entries.push_back({id, offered.count(parent) ? parent : 0, group.GetName()});
  }
}

bool ItemGroupChoice::CanBeParent(int32_t parentId, int32_t groupId) {
  return parentId == 0 || SubTreeOf(groupId).count(parentId) == 0;
}
