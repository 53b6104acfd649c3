#pragma once

// Records one stock income (a receipt of an item into stock) or edits one,
// on the caller's change set; the caller applies it, and the stock rules run
// then. Opened through ItemInputDlgLauncher. The decisions are
// ItemInputLogic's.

#include <cstdint>
#include <vector>

#include "forms/items/ItemInputLogic.h"
#include "forms/items/StockLineDlg.h"

class ItemInputDlg : public StockLineDlg {
public:
  enum ControlId : int {
    kTemplateId = 113,
    kItemLabel = 1031,
    kItemName = 1032,
    kItemButton = 1047,
    kTypeList = 1052,
    kTypeLabel = 1053,
    kQuantityLabel = 1033,
    kQuantity = 1034,
    kUnitList = 1156,
    kPieces = 1157,
    kPiecesLabel = 1158,
    kPriceLabel = 1040,
    kPrice = 1039,
    kDiscountLabel = 1140,
    kDiscount = 1141,
    kTaxLabel = 1041,
    kTax = 1042,
    kTotalLabel = 1142,
    kTotal = 1143,
  };

  // incomeId 0: a new income. presetIds (the items offered for a new income;
  // may be empty, not null) and the change set (may be null) are the
  // caller's and must outlive the dialog. incomeType 4 ("Invoice") marks an
  // income invoice's line, which keeps that type.
  ItemInputDlg(ChangeSet* changeSet, int32_t incomeId, const std::vector<long>* presetIds, int32_t incomeType,
               wxWindow* parent);

  ItemInputLogic& GetInputLogic() const { return static_cast<ItemInputLogic&>(GetLogic()); }
};
