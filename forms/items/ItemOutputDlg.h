#pragma once

// Records one stock outcome (a retail sale, waste, use in manufacturing or a
// line of an outgoing invoice) or edits one, on the caller's change set; the
// caller applies it, and the stock rules run then. Opened through
// ItemOutputDlgLauncher. The decisions are ItemOutputLogic's.

#include <cstdint>
#include <vector>

#include "forms/items/ItemOutputLogic.h"
#include "forms/items/StockLineDlg.h"

class ItemOutputDlg : public StockLineDlg {
public:
  enum ControlId : int {
    kTemplateId = 116,
    kItemLabel = 1077,
    kItemName = 1086,
    kItemButton = 1224,
    kTypeLabel = 1078,
    kTypeList = 1079,
    kQuantityLabel = 1080,
    kQuantity = 1081,
    kUnitList = 1153,
    kPieces = 1154,
    kPiecesLabel = 1155,
    kPriceLabel = 1082,
    kPrice = 1083,
    kDiscountLabel = 1129,
    kDiscount = 1128,
    kTaxLabel = 1084,
    kTax = 1085,
    kTotalLabel = 1131,
    kTotal = 1130,
  };

  // outcomeId 0: a new outcome. presetIds (the items offered for a new
  // outcome; may be empty, not null) and the change set (may be null) are
  // the caller's and must outlive the dialog. outcomeType 2 ("Invoice")
  // marks an outgoing invoice's line. A new outcome takes its price and
  // discount from the price list priceGroupId (0 none), and defaultDiscount
  // where the list gives no discount.
  ItemOutputDlg(ChangeSet* changeSet, int32_t outcomeId, const std::vector<long>* presetIds,
                int32_t outcomeType, int32_t priceGroupId, double defaultDiscount, wxWindow* parent);

  ItemOutputLogic& GetOutputLogic() const { return static_cast<ItemOutputLogic&>(GetLogic()); }
};
