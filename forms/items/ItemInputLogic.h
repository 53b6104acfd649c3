#pragma once

// The decisions of the stock input dialog (ItemInputDlg), without a window:
// one stock income (Invoice::ItemInput), new or edited, recorded in the
// caller's change set on OK.
//
// A new income takes the item's defaults: its effective default income type,
// its effective tax and measurement, and price and discount from the default
// income price list (setting INPUT_DEFAULT_PRICE_GROUP). A caller that passes
// the type "Invoice" (an income invoice's line) keeps that type whatever the
// item's default, and the user cannot change it.

#include <cstdint>
#include <string>
#include <vector>

#include "data/objects/Item.h"
#include "data/objects/ItemInput.h"
#include "forms/items/StockLineLogic.h"

class ItemInputLogic : public StockLineLogic {
public:
  // incomeId 0: a new income. presetIds (may be null) are the items offered
  // for a new income; exactly one opens on that item. The change set (may be
  // null) is the caller's and must outlive the logic.
  ItemInputLogic(ChangeSet* changeSet, int32_t incomeId, const std::vector<long>* presetIds,
                 int32_t incomeType);

  // Puts the fields into the working copy of the income (the invoice id stays
  // as it was) and records it. Nothing is checked: a zero quantity passes.
  void Save() override;

  std::wstring GetCaption() const override;
  // "Manufacturing" 1, "Trading" 2, "Invoice" 4.
  std::vector<StockListEntry> GetTypes() const override;
  // An income booked by an invoice keeps its type.
  bool IsTypeListEnabled() const override { return m_type != Invoice::kSourceInvoice; }

  const Invoice::ItemInput& GetIncome() const { return m_income; }

protected:
  void LoadLine() override;
  void LoadNewLine(const Invoice::Item& item) override;
  ItemSearchRequest SearchRequest(const std::vector<int32_t>& presets) const override;
  // "Selected Item does not support input." for an item without stock.
  std::wstring RefusalOf(int32_t itemId) const override;

private:
  // The caller's "Invoice", else the line's or item's own type: one of the
  // list's, or "None (Service)" (the list then shows no selection and the
  // type stays; the save refuses such an item). A code that is no source type
  // at all means plain stock: "Trading".
  int32_t ListedType(int32_t type) const;

  int32_t m_callerType;
  Invoice::ItemInput m_income;
};
