#pragma once

// Opens the stock output dialog (ItemOutputDlg) on the caller's change set,
// and deletes a stock outcome there. See DlgLauncher for what a launcher does
// and does not do.
//
//   std::vector<long> none;
//   ItemOutputDlgLauncher launcher(0, &none, 2, priceGroupId, clientDiscount);  // a new invoice line
//   if (launcher.Run(changeSet, this)) Select(launcher.GetObjectId());
//   ItemOutputDlgLauncher(lineId, 0, 2, 0, 0.0).DeleteWithConfirm(changeSet, true);

#include <cstdint>
#include <vector>

#include "data/ChangeSet.h"
#include "forms/items/PresetItemIds.h"

class wxWindow;

class ItemOutputDlgLauncher {
public:
  // An outcome (0: a new one) offering one preset item (0: none, the dialog
  // lets the user search); the launcher keeps the list of item ids itself.
  // A new outcome takes price and discount from the price list priceGroupId
  // (0 none), and defaultDiscount where the list gives no discount.
  ItemOutputDlgLauncher(int32_t objectId, int32_t presetItemId, int32_t outputDestType, int32_t priceGroupId,
                        double defaultDiscount);
  // The same offering the caller's item ids (not null; empty: search over all
  // items), which must outlive the launcher's runs. Output destination type 2
  // ("Invoice") marks a line of an outgoing invoice.
  ItemOutputDlgLauncher(int32_t objectId, std::vector<long>* itemIds, int32_t outputDestType,
                        int32_t priceGroupId, double defaultDiscount);

  // Runs the dialog. On OK the outcome is in the change set, the launcher
  // holds its object id (a temporary negative one for a new outcome) and the
  // result is true; otherwise the launcher stays as it was.
  bool Run(ChangeSet& changeSet, wxWindow* parent);

  // Marks the outcome deleted in the change set (a pending new one is
  // dropped), asking first when ask is true; see DeletePendingObject.
  bool Delete(ChangeSet& changeSet, bool ask) const;
  bool DeleteWithConfirm(ChangeSet& changeSet, bool ask) const { return Delete(changeSet, ask); }

  int32_t GetObjectId() const { return m_objectId; }
  int32_t GetOutputDestType() const { return m_outputDestType; }
  int32_t GetPriceGroupId() const { return m_priceGroupId; }
  double GetDefaultDiscount() const { return m_defaultDiscount; }
  // The item ids the dialog is offered.
  const std::vector<long>& GetItemIds() const { return *m_itemIds.Get(); }

private:
  int32_t m_objectId;
  int32_t m_outputDestType;
  int32_t m_priceGroupId;
  double m_defaultDiscount;
  PresetItemIds m_itemIds;
};
