#pragma once

// The prices a form shows and edits before it saves: each an item's price in
// one price list, kept in the form's change set. Whatever the change set
// holds for an item and a list (a stored row, or one defined in the form and
// not saved yet) is what shows and what the next edit starts from, so one
// item never gets two price rows in one list.
//
//   PendingPrices prices(m_changes);
//   prices.BeginFill(/*reload=*/true);            // clears the change set
//   for (auto& [group, row] : pricesPerGroup)
//     rows.push_back(prices.Show(row, itemId, group.GetId()));
//   ...
//   std::vector<Invoice::PriceList> edited = prices.RowsToEdit(selected);
//   EditPriceDlgLauncher(PendingPrices::StartingValue(selected), &edited).Run(m_changes, this);

#include <compare>
#include <cstdint>
#include <map>
#include <vector>

#include "data/ChangeSet.h"
#include "data/objects/PriceList.h"

// An item in a price list.
struct PriceKey {
  int32_t priceGroupId = 0;
  int32_t itemId = 0;
  auto operator<=>(const PriceKey&) const = default;
};

// One shown price.
struct PriceRow {
  PriceKey key;
  // The change set's key of the row: a stored row's id, or the temporary id
  // of a row defined in the form; 0 while the item has no price in the list.
  int32_t objectId = 0;
  double price = 0.0;  // 0.0 when not defined
  bool defined = false;
};

class PendingPrices {
public:
  // The change set is the caller's and outlives this.
  explicit PendingPrices(ChangeSet& changes) : m_changes(changes) {}

  // Starts a fill: reload drops every pending change (a fresh load from the
  // database); otherwise the pending rows are looked up for the fill.
  void BeginFill(bool reload);
  // The row to show for the item in the list, given what the database holds
  // (loaded: the stored row, or a new one with id 0). A stored row that the
  // change set does not hold yet is recorded there unchanged.
  PriceRow Show(const Invoice::PriceList& loaded, int32_t itemId, int32_t priceGroupId);

  // The price rows to change for the selected shown rows, in their order: a
  // copy of the change set's row (which keeps its key, so recording it
  // replaces that row), else a new row for the item and list.
  std::vector<Invoice::PriceList> RowsToEdit(const std::vector<PriceRow>& selected) const;
  // The value the change-price dialog starts with: the price of the one
  // selected row when it has a price, else 0.0.
  static double StartingValue(const std::vector<PriceRow>& selected);

private:
  // The change set's live price row of the key; null when none.
  const Invoice::PriceList* FindPending(const PriceKey& key) const;
  void Index();

  ChangeSet& m_changes;
  std::map<PriceKey, int32_t> m_index;  // key -> change set key
};
