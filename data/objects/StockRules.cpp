#include "data/objects/StockRules.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "data/DbException.h"
#include "data/objects/ItemDepMod.h"
#include "data/objects/ItemDependency.h"
#include "data/objects/ItemOutput.h"

namespace Invoice::stock {

std::optional<Item> FindItem(int itemId) {
  if (itemId == 0) return std::nullopt;
  ItemRecord record;
  DataAccess::Instance().LoadItem(itemId, record);
  if (record.id.GetId() == 0) return std::nullopt;
  return Item(record);
}

std::wstring MissingStockText(const std::wstring& itemName) {
  return L"Missing items on stock for '" + itemName + L"'";
}

void MoveStock(Item& item, double delta) {
  const double before = item.GetQuantityOnStock();
  double after = before + delta;
  // Quantities are doubles: issuing exactly what 0.1 + 0.2 brought in must
  // leave 0, not a rounding error next to it.
  const double tolerance = 1e-9 * std::max({1.0, std::fabs(before), std::fabs(delta)});
  if (std::fabs(after) < tolerance) after = 0.0;
  if (after < 0.0) throw DbException(MissingStockText(item.GetName()));
  item.SetQuantityOnStock(after);
  item.Save();
}

void IssueDependentItems(int itemId, int receiptId, double taxPercent, double quantity) {
  std::vector<ItemDependency> ingredients;
  GetItemDependencies(itemId, ingredients);
  for (const ItemDependency& ingredient : ingredients) {
    ItemDepMod carried = ItemDepMod::ForDependentItem(ingredient.GetDepItemId());
    const double total = carried.GetModQuantity() + quantity;
    const double trigger = ingredient.GetTriggerQuantity();
    // Whole units on both sides, the remainder taking the sign of the total.
    const double wholeTrigger = std::trunc(trigger);
    double rest = 0.0;
    if (wholeTrigger >= 1.0 && total >= trigger) {
      rest = std::fmod(std::trunc(total), wholeTrigger);
      const double times = (total - rest) / trigger;
      ItemOutput issue;
      issue.SetItemId(ingredient.GetDepItemId());
      issue.SetQuantity(ingredient.GetDepQuantity() * times);
      issue.SetTaxPercent(taxPercent);
      issue.SetOutputDestType(kDestManufacturing);
      issue.SetItemInputId(receiptId);
      issue.Save();
    } else if (total > 0.0) {
      rest = total;
    }
    carried.SetItemInputId(receiptId);
    carried.SetDepItemId(ingredient.GetDepItemId());
    carried.SetModQuantity(rest);
    carried.Save();
  }
}

}  // namespace Invoice::stock
