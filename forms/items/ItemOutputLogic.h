#pragma once

// The decisions of the stock output dialog (ItemOutputDlg), without a window:
// one stock outcome (Invoice::ItemOutput), new or edited, checked and
// recorded in the caller's change set on OK.
//
// A new outcome takes price and discount from the caller's price list (the
// caller's default discount when the list gives none), the item's effective
// tax and measurement, and the caller's outcome type. The type "Invoice" is
// offered only for a line of an invoice: a new line of a caller that passes
// it (an outgoing invoice), or an edited line of that type, which keeps it.
// Any other line may not become one, whoever edits it.

#include <cstdint>
#include <string>
#include <vector>

#include "data/objects/ItemOutput.h"
#include "forms/items/StockLineLogic.h"

class ItemOutputLogic : public StockLineLogic {
public:
  // outcomeId 0: a new outcome. presetIds (may be null) are the items offered
  // for a new outcome; exactly one opens on that item. The change set (may
  // be null) is the caller's and must outlive the logic.
  ItemOutputLogic(ChangeSet* changeSet, int32_t outcomeId, const std::vector<long>* presetIds,
                  int32_t outcomeType, int32_t priceGroupId, double defaultDiscount);

  // "There is no Item seleced.", "There is no Quantity specified." (only an
  // exact 0; negative quantities pass), "There is no Output type specified.".
  std::wstring Validate() const override;
  // Puts the fields into the working copy of the outcome and records it. An
  // edited outcome stays on the invoice it belongs to; a new one belongs to
  // none until its invoice takes it.
  void Save() override;

  std::wstring GetCaption() const override;
  // "Retail" 1, "Invoice" 2 (only for a line of an invoice), "Waste" 4,
  // "Manufacturing" 3.
  std::vector<StockListEntry> GetTypes() const override;
  bool IsTypeListEnabled() const override { return m_type != Invoice::kDestInvoice; }
  // Sorted by text, as the unit list shows them.
  std::vector<StockListEntry> GetUnits() const override;

  int32_t GetPriceGroupId() const { return m_priceGroupId; }
  double GetDefaultDiscount() const { return m_defaultDiscount; }
  const Invoice::ItemOutput& GetOutcome() const { return m_outcome; }

protected:
  void LoadLine() override;
  void LoadNewLine(const Invoice::Item& item) override;
  ItemSearchRequest SearchRequest(const std::vector<int32_t>& presets) const override;

private:
  // The type the list starts with: 1 to 4 stay (2 even where the list has no
  // "Invoice" entry: it then shows no selection); anything else is "Retail".
  static int32_t KnownType(int32_t type);
  // A new line of a caller that passed "Invoice", or an edited line of that type.
  bool IsInvoiceLine() const;

  int32_t m_callerType;
  int32_t m_priceGroupId;
  double m_defaultDiscount;
  Invoice::ItemOutput m_outcome;
};
