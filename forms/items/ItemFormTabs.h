#pragma once

// Which pages the item form shows and which of its list commands are
// enabled. A new object shows only "Details"; a stored one adds "Prices",
// "Income" and "Outcome", "Stock" unless it keeps no stock (a service), and
// "Ingredients" for a manufactured item.

#include <cstddef>
#include <cstdint>
#include <vector>

class ItemFormTabs {
public:
  enum PageId : uint32_t {
    kStock = 107,
    kDetails = 109,
    kIngredients = 123,
    kPrices = 144,
    kIncome = 145,
    kOutcome = 153,
  };

  // The page ids the form has, in the order the form adds them.
  static std::vector<uint32_t> PagesFor(bool stored, bool group, int32_t effectiveSourceType);
  // The caption of a page id; null for an id the form does not know.
  static const wchar_t* Caption(uint32_t pageId);
  // The page to show after the tabs were rebuilt: the remembered one while
  // it still has a tab, else "Stock", else "Details".
  static uint32_t PageToSelect(uint32_t remembered, const std::vector<uint32_t>& tabs);

  // The effective source type of the stored item the form edits (an item
  // group counts as an item with stock). Throws Invoice::DbException.
  static int32_t EffectiveSourceType(int32_t objectId, bool group);

  // The form's New, Delete and Properties commands on the current page.
  static bool CanNew(uint32_t pageId);
  static bool CanDelete(uint32_t pageId, size_t selected);
  static bool CanEdit(uint32_t pageId, size_t selected);
};
