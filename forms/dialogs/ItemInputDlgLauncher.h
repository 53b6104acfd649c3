#pragma once

// Opens the stock input dialog (ItemInputDlg) on the caller's change set,
// and deletes a stock income there. See DlgLauncher for what a launcher does
// and does not do.
//
//   std::vector<long> none;
//   ItemInputDlgLauncher launcher(0, &none, 4);  // a new line of an income invoice
//   if (launcher.Run(changeSet, this)) Select(launcher.GetObjectId());

#include <cstdint>
#include <vector>

#include "data/ChangeSet.h"
#include "forms/items/PresetItemIds.h"

class wxWindow;

class ItemInputDlgLauncher {
public:
  // An income (0: a new one) offering one preset item (0: none, the dialog
  // lets the user search); the launcher keeps the list of item ids itself.
  ItemInputDlgLauncher(int32_t objectId, int32_t presetItemId, int32_t inputSourceType);
  // The same offering the caller's item ids (not null; empty: search over all
  // items), which must outlive the launcher's runs. Input source type 4
  // ("Invoice") marks a line of an income invoice, which keeps that type.
  ItemInputDlgLauncher(int32_t objectId, std::vector<long>* itemIds, int32_t inputSourceType);

  // Runs the dialog. On OK the income is in the change set, the launcher
  // holds its object id (a temporary negative one for a new income) and the
  // result is true; otherwise the launcher stays as it was.
  bool Run(ChangeSet& changeSet, wxWindow* parent);

  // Marks the income deleted in the change set (a pending new one is
  // dropped), asking first when ask is true; see DeletePendingObject.
  bool Delete(ChangeSet& changeSet, bool ask) const;
  bool DeleteWithConfirm(ChangeSet& changeSet, bool ask) const { return Delete(changeSet, ask); }

  int32_t GetObjectId() const { return m_objectId; }
  int32_t GetInputSourceType() const { return m_inputSourceType; }
  // The item ids the dialog is offered.
  const std::vector<long>& GetItemIds() const { return *m_itemIds.Get(); }

private:
  int32_t m_objectId;
  int32_t m_inputSourceType;
  PresetItemIds m_itemIds;
};
