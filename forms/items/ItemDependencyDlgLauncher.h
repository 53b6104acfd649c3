#pragma once

// Opens the ingredient dialog (ItemDependencyDlg) on the caller's change set,
// and deletes an ingredient there. See DlgLauncher for what a launcher does
// and does not do.
//
//   ItemDependencyDlgLauncher launcher(itemId);  // a new ingredient of the item
//   if (launcher.Run(changeSet, this)) Refill();

#include <cstdint>

#include "data/ChangeSet.h"

class wxWindow;

class ItemDependencyDlgLauncher {
public:
  // A new ingredient of the item: the dialog asks for its item first.
  explicit ItemDependencyDlgLauncher(int32_t itemId) : ItemDependencyDlgLauncher(0, itemId, 0) {}
  ItemDependencyDlgLauncher(int32_t dependencyId, int32_t itemId, int32_t depItemId)
      : m_dependencyId(dependencyId), m_itemId(itemId), m_depItemId(depItemId) {}

  // On OK the ingredient is in the change set, the launcher holds its object
  // id (a temporary one for a new ingredient) and the result is true;
  // otherwise the launcher stays as it was.
  bool Run(ChangeSet& changeSet, wxWindow* parent);
  // Marks the ingredient deleted in the change set (a pending new one is
  // dropped), asking first when ask is true; see DeletePendingObject.
  bool Delete(ChangeSet& changeSet, bool ask) const;

  int32_t GetDependencyId() const { return m_dependencyId; }
  int32_t GetItemId() const { return m_itemId; }
  int32_t GetDepItemId() const { return m_depItemId; }

private:
  int32_t m_dependencyId;
  int32_t m_itemId;
  int32_t m_depItemId;
};
