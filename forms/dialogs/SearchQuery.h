#pragma once

// What the search dialog shows, without a window: its texts per mode, the
// rows of a preset chooser and the rows a search finds.

#include <cstdint>
#include <string>
#include <vector>

#include "data/objects/SearchDef.h"
#include "shell/ui/ListRow.h"

// Modes of the search dialog.
enum SearchMode : int {
  kSearchClients = 1,
  kSearchItems = 2,
  kSearchPriceListItems = 3,  // the items that have a price in the definition's price list
  kSearchAccounts = 4,
};

struct SearchModeTexts {
  std::wstring caption = L"Search";
  std::wstring label = L"Search text:";
  std::wstring listName;
  std::wstring column;  // empty: the list has no column
  int columnWidth = 200;
};

class SearchQuery {
public:
  // The definition is not owned and may be null.
  SearchQuery(int mode, const Invoice::Searches::SearchDef* definition);

  // An unknown mode keeps the dialog's own texts and has no column.
  static SearchModeTexts TextsOf(int mode);

  int GetMode() const { return m_mode; }
  // The price list that restricts an item search: the id of a PriceListDef
  // definition; 0 (no restriction) without one, or when its id is 0.
  int GetPriceGroupId() const;

  // One row per preset id that names a stored item, in the given order, in
  // the item modes; no rows in the others. Rows found before a failure stay
  // appended when Invoice::DbException leaves.
  void AppendPresetRows(const std::vector<int32_t>& ids, std::vector<ListRow>& rows) const;

  // The rows the search finds, each {object id, name}:
  // - clients / accounts: NAME containing the text (case-insensitive), by NAME;
  // - items: NAME or CODE containing the text, by NAME; with a price list only
  //   the items that have a stored price in it;
  // - items of a price list: every item with a stored price in it, by item
  //   NAME, whatever the text; without a price list the search of items.
  // Rows found before a failure stay appended when Invoice::DbException leaves.
  void AppendResults(const std::wstring& text, std::vector<ListRow>& rows) const;

private:
  void AppendItems(const std::wstring& text, std::vector<ListRow>& rows) const;
  void AppendPriceListItems(std::vector<ListRow>& rows) const;

  int m_mode;
  const Invoice::Searches::SearchDef* m_definition;
};
