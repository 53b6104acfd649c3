#include "data/objects/Item.h"

#include "data/objects/ItemDependency.h"
#include "data/objects/ItemGroup.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "data/objects/ObjectLists.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/PriceList.h"

#include <map>
#include <tuple>

namespace Invoice {

// The stock moves through the stock lines and is never written from a form,
// and DEFAULT_PRICE is never written: neither counts.
bool Item::SameStoredValues(const ItemRecord& a, const ItemRecord& b) {
  auto values = [](const ItemRecord& r) {
    return std::tie(r.itemsGroupObjectId, r.name, r.taxObjectId, r.measurementObjectId, r.baseUnit,
                    r.numInPack, r.code, r.defInputSourceType);
  };
  return values(a) == values(b);
}

void Item::Save() {
  if (!m_modified) return;
  if (!m_stockSet && GetId() > 0) {
    ItemRecord current;
    DataAccess::Instance().LoadItem(GetId(), current);
    if (current.id.GetId() != 0) m_record.quantityOnStock = current.quantityOnStock;
  }
  AsReadObject::Save();
}

void Item::Delete() {
  const int id = GetId();
  if (id == 0) return;
  DataAccess& data = DataAccess::Instance();
  data.CheckItemDeletable(id);
  // Issues first: they give their quantity back, so taking the receipts off
  // afterwards never runs the stock below what the receipts brought in.
  std::vector<ItemOutput> outputs;
  GetOutputs(outputs);
  for (ItemOutput& output : outputs) output.Delete();
  std::vector<ItemInput> inputs;
  GetInputs(inputs);
  for (ItemInput& input : inputs) input.Delete();
  std::vector<ItemDependency> ingredients;
  GetItemDependencies(id, ingredients);
  for (ItemDependency& ingredient : ingredients) ingredient.Delete();
  data.DeleteItemPrices(id);
  RecordObject::Delete();
}

void Item::SetQuantityOnStock(double quantity) {
  Set(m_record.quantityOnStock, quantity);
  m_stockSet = true;
}

int Item::GetEffectiveTaxId() const {
  const int inherited = ItemGroup::GetInheritedValue(GetGroupId(), &ItemGroupRecord::taxObjectId);
  return inherited != 0 ? inherited : GetTaxId();
}

int Item::GetEffectiveMeasurementId() const {
  const int inherited = ItemGroup::GetInheritedValue(GetGroupId(), &ItemGroupRecord::measurementObjectId);
  return inherited != 0 ? inherited : GetMeasurementId();
}

int Item::GetEffectiveInputSourceType() const {
  if (GetGroupId() == 0) return GetDefInputSourceType();
  ItemGroupRecord root;
  if (!ItemGroup::LoadRootGroup(GetGroupId(), root)) return GetDefInputSourceType();
  return root.defInputSourceType;
}

void Item::GetInputs(std::vector<ItemInput>& inputs) const {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadItemInputsOfItem(GetId(), records); },
                       inputs);
}

void Item::GetOutputs(std::vector<ItemOutput>& outputs) const {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadItemOutputsOfItem(GetId(), records); },
                       outputs);
}

void Item::GetPricesPerGroup(std::vector<std::pair<PriceGroup, PriceList>>& prices) const {
  std::map<int, int> rowByGroup;
  DataAccess::Instance().LoadPriceListIdsOfItem(GetId(), rowByGroup);
  std::vector<PriceGroup> groups;
  GetAllPriceGroups(groups);
  for (PriceGroup& group : groups) {
    const auto row = rowByGroup.find(group.GetId());
    prices.emplace_back(std::move(group), row == rowByGroup.end() ? PriceList() : PriceList(row->second));
  }
}

void GetItemsOfGroups(const std::set<int>& groupIds, std::vector<Item>& items) {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadItemsOfGroups(groupIds, records); },
                       items);
}

void SearchItems(const std::wstring& text, std::vector<Item>& items) {
  lists::AppendQueried([&](auto& records) { DataAccess::Instance().LoadItemsContaining(text, records); },
                       items);
}

}  // namespace Invoice
