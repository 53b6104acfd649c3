#pragma once

// "Dependent Item": edits one ingredient of a manufactured item on the
// caller's change set. Opening it for a new ingredient runs the item search
// first; no choice ends it as cancelled. The decisions are
// ItemDependencyLogic's. Opened through ItemDependencyDlgLauncher.

#include <cstdint>

#include "forms/items/ItemDependencyLogic.h"
#include "common/ui/BaseDialog.h"

class CBaseEdit;
class wxButton;
class wxTextCtrl;

class ItemDependencyDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 124,
    kItemName = 1121,
    kItemLabel = 1122,
    kChooseItem = 1123,
    kTriggerQuantity = 1124,
    kQuantity = 1125,
    kTriggerLabel = 1126,
    kQuantityLabel = 1127,
  };

  // The change set (may be null) must outlive the dialog.
  ItemDependencyDlg(ChangeSet* changeSet, int32_t depItemId, int32_t itemId, int32_t dependencyId,
                    wxWindow* parent);

  // The search for a new ingredient, then the fields; false when no item was
  // chosen (DoModal then ends with IDCANCEL without showing).
  bool OnInitDialog();
  int DoModal() override;
  // A refusal keeps the dialog open; so does a database failure.
  void OnOK() override;
  // The "..." button.
  void ChooseItem();

  // The ingredient's object id after IDOK (a temporary one for a new ingredient).
  int32_t GetDependencyId() const { return m_logic.GetDependencyId(); }
  int32_t GetObjectId() const { return GetDependencyId(); }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  ItemDependencyLogic& GetLogic() { return m_logic; }
  wxTextCtrl* GetItemEdit() const { return m_itemName; }
  CBaseEdit* GetTriggerEdit() const { return m_trigger; }
  CBaseEdit* GetQuantityEdit() const { return m_quantity; }

  // Test seam: while set, the item search asks this instead of the search dialog.
  static void SetSearchOverride(ItemSearch search);

private:
  ItemSearch Search();

  ItemDependencyLogic m_logic;
  wxTextCtrl* m_itemName = nullptr;
  CBaseEdit* m_trigger = nullptr;
  CBaseEdit* m_quantity = nullptr;
  bool m_initialised = false;
};
