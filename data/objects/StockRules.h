#pragma once

// The stock movements behind the receipt and issue lines: one stock figure
// per item (ITEMS.QUANTITY_ON_STOCK) and the automatic issue of the
// ingredients of manufactured items.

#include <optional>
#include <string>

#include "data/objects/Item.h"

namespace Invoice::stock {

// The item of id, or nothing when no item has that id.
std::optional<Item> FindItem(int itemId);

// "Missing items on stock for '%s'" with the item's name.
std::wstring MissingStockText(const std::wstring& itemName);

// Changes the item's stock by delta and saves the item; refused with the
// missing-stock text when the stock would go below zero.
void MoveStock(Item& item, double delta);

// For a receipt (or, with a negative quantity, its removal) of a manufactured
// item: each ingredient's carried quantity grows by quantity; every whole
// TRIGGER_QUANTITY in it is issued as DEP_QUANTITY of the ingredient
// (an issue line of destination 3 tied to the receipt), the rest is carried.
// An ingredient whose trigger is below 1 issues nothing and carries the total.
void IssueDependentItems(int itemId, int receiptId, double taxPercent, double quantity);

}  // namespace Invoice::stock
