#pragma once

// What the price list form shows and saves, without its windows: the
// caption, the item rows with their prices (one row per item, its pending
// price when the form changed it), the rows the change-price dialog edits,
// and the save of the list with its prices.
//
//   PriceListDetails details(changes);
//   details.Fill(priceGroupId, /*keepChanges=*/false);  // rows + unchanged copies
//   EditPriceDlgLauncher(details.StartingValue(selected), &rows).Run(changes, page);
//   details.Fill(priceGroupId, true);                     // shows the pending prices
//   details.Save(group, name, direction);                 // inside the form's unit of work

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/ChangeSet.h"
#include "data/objects/PriceGroup.h"
#include "forms/items/PendingPrices.h"
#include "shell/ui/ListRow.h"

inline constexpr wchar_t kPriceListNameMissing[] = L"You must enter a name for the Price List!";

class PriceListDetails {
public:
  // The change set is the caller's and outlives this.
  explicit PriceListDetails(ChangeSet& changes) : m_prices(changes), m_changes(changes) {}

  // "Income Price List" for direction 1, "Outcome Price List" otherwise,
  // then " - " and the name when there is one.
  static std::wstring Caption(int32_t direction, const std::wstring& name);
  // The name without white space at either end.
  static std::wstring TrimmedName(const std::wstring& name);

  // One row per item, by item name: {the change set's key of its price, or
  // 0 without one; item name, price or "Not defined"}, with "item_object_id".
  // keepChanges false drops every pending change first. Throws
  // Invoice::DbException; the rows read before a failure stay.
  void Fill(int32_t priceGroupId, bool keepChanges);
  const std::vector<ListRow>& GetRows() const { return m_rows; }

  // The price rows to change for the selected row indexes, ascending, and
  // the value the dialog offers (the one selected row's price, else 0.0).
  std::vector<Invoice::PriceList> RowsToEdit(const std::vector<long>& selected) const;
  double StartingValue(const std::vector<long>& selected) const;

  // Writes the list and its changed prices: the refusal text when the name
  // is empty (nothing written), else nullopt. Runs inside the caller's unit
  // of work; throws Invoice::DbException.
  std::optional<std::wstring> Save(Invoice::PriceGroup& group, const std::wstring& name, int32_t direction);

private:
  // Every pending price of the form belongs to the list of priceGroupId (0
  // for a list not saved yet).
  void BindPendingPrices(int32_t priceGroupId);
  std::vector<PriceRow> Selected(const std::vector<long>& selected) const;

  PendingPrices m_prices;
  ChangeSet& m_changes;
  std::vector<ListRow> m_rows;
  std::vector<PriceRow> m_shown;  // per row
};
