#include "forms/items/ItemPageRows.h"

#include <set>

#include "data/objects/ItemGroup.h"
#include "forms/invoice/InvoiceLines.h"
#include "platform/OleDateTime.h"

namespace {

Value UnlessZero(double number) {
  return number != 0.0 ? Value(number) : Value();
}

template <class Line>
ListRow MovementRow(const Line& line, const std::wstring& itemName, bool group, const std::wstring& kind) {
  // The movement's own change date; a pending new one has none yet.
  const double modifiedOn = line.GetModifiedOn();
  std::vector<Value> cells{modifiedOn > 0.0 ? Value(platform::OleDateTime(modifiedOn)) : Value()};
  if (group) cells.emplace_back(itemName);
  const std::vector<Value> figures =
      StockLineCells(line.GetBasePrice(), line.GetQuantity(), line.GetBaseUnit(), line.GetMeasurement(),
                     line.GetDiscountPercent(), line.GetTaxPercent());
  cells.insert(cells.end(), figures.begin(), figures.end());
  cells.emplace_back(kind);
  return ListRow(line.GetObjectId(), std::move(cells));
}

}  // namespace

ListRow ItemPageRows::StockRow(const Invoice::Item& item, bool withMeasure) {
  const double quantity = item.GetQuantityOnStock();
  const int32_t perPackage = item.GetNumInPack();
  const double packages = perPackage != 0 ? quantity / perPackage : 0.0;
  const double baseUnit = item.GetBaseUnit();
  const double measure = baseUnit != 0.0 ? baseUnit * quantity : 0.0;
  std::vector<Value> cells{Value(item.GetName()), Value(quantity), UnlessZero(packages)};
  if (withMeasure) cells.push_back(UnlessZero(measure));
  return ListRow(item.GetObjectId(), std::move(cells));
}

std::wstring ItemPageRows::IncomeKindText(int32_t type) {
  switch (type) {
    case 1:
      return L"Manufacturing";
    case 2:
      return L"Trading";
    case 3:
      return L"None (Service)";
    case 4:
      return L"Invoice";
  }
  return L"";
}

std::wstring ItemPageRows::OutcomeKindText(int32_t type) {
  switch (type) {
    case 1:
      return L"Retail";
    case 2:
      return L"Invoice";
    case 3:
      return L"Manufacturing";
    case 4:
      return L"Waste";
  }
  return L"";
}

ListRow ItemPageRows::IncomeRow(const Invoice::ItemInput& line, const std::wstring& itemName, bool group) {
  ListRow row = MovementRow(line, itemName, group, IncomeKindText(line.GetInputSourceType()));
  row.SetProperty(L"item_input_id", Value(static_cast<int32_t>(line.GetObjectId())));
  return row;
}

ListRow ItemPageRows::OutcomeRow(const Invoice::ItemOutput& line, const std::wstring& itemName, bool group) {
  ListRow row = MovementRow(line, itemName, group, OutcomeKindText(line.GetOutputDestType()));
  row.SetProperty(L"item_output_id", Value(static_cast<int32_t>(line.GetObjectId())));
  return row;
}

void ItemPageRows::ShownItems(int32_t objectId, bool group, std::vector<Invoice::Item>& items) {
  if (objectId == 0) return;
  if (!group) {
    items.emplace_back(objectId);
    return;
  }
  Invoice::ItemGroup::GroupTree tree;
  Invoice::ItemGroup(objectId).GetSubTree(tree);
  std::set<int> ids;
  for (const auto& [id, parent] : tree) {
    ids.insert(id);
    if (parent != 0) ids.insert(parent);
  }
  Invoice::GetItemsOfGroups(ids, items);
}
