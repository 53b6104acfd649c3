#pragma once

// The rows of the item form's list pages: the stock of an item, and its
// stock incomes and outcomes. An item page shows the edited item, or every
// item of the edited group and of all its sub-groups.

#include <cstdint>
#include <string>
#include <vector>

#include "data/objects/Item.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "shell/ui/ListRow.h"

class ItemPageRows {
public:
  // The stock row: name, pieces, packages (empty when there are no pieces
  // per package or no packages) and, withMeasure, the quantity in the
  // measurement (empty when 0).
  static ListRow StockRow(const Invoice::Item& item, bool withMeasure);

  // An income or outcome row: its own change date, the item's name (group
  // pages only), price, quantity, the quantity in the measurement,
  // extension, discount % and discount, tax % and tax on the discounted
  // amount, total, and the kind.
  static ListRow IncomeRow(const Invoice::ItemInput& line, const std::wstring& itemName, bool group);
  static ListRow OutcomeRow(const Invoice::ItemOutput& line, const std::wstring& itemName, bool group);
  static std::wstring IncomeKindText(int32_t type);
  static std::wstring OutcomeKindText(int32_t type);

  // The items the page shows. Throws Invoice::DbException.
  static void ShownItems(int32_t objectId, bool group, std::vector<Invoice::Item>& items);
};
