#pragma once

// "Details" of the price list form: the list's name and every item with its
// price in the list ("Not defined" where it has none). Prices change through
// the change-price dialog into the page's change set; the form's save writes
// the list and the prices together.

#include <vector>

#include "common/ui/popup_menu.h"
#include "data/ChangeSet.h"
#include "forms/dialogs/PriceListDetails.h"
#include "forms/dialogs/PriceListPage.h"

class BaseListCtrl;
class CBaseEdit;
class wxStaticText;

class PriceListPage1 : public PriceListPage {
public:
  enum ControlId : int { kTemplateId = 120, kName = 1095, kNameLabel = 1096, kList = 1097 };

  explicit PriceListPage1(wxWindow* parent);

  // Fills the page from the frame's price list, dropping pending prices.
  void LoadData() override;
  // Refuses an empty name; otherwise writes the list and its prices.
  bool SaveData(bool& reload) override;

  // Runs the change-price dialog on the selected rows.
  void EditSelectedPrices();
  // Shows the rows again with the pending prices.
  void RefreshPrices();
  bool HasSelection() const;
  void ShowContextMenu();

  int32_t GetDirection() const { return m_direction; }
  BaseListCtrl* GetList() const { return m_list; }
  CBaseEdit* GetNameEdit() const { return m_name; }
  const ChangeSet& GetChanges() const { return m_changes; }

private:
  int32_t PriceGroupId() const;
  void ShowRows(bool keepChanges);
  void UpdateCaption();

  ChangeSet m_changes;
  PriceListDetails m_details{m_changes};
  BaseListCtrl* m_list;
  CBaseEdit* m_name;
  wxStaticText* m_label;
  int32_t m_direction = 2;
  bool m_loading = false;
  popup_menu m_menu{10000};
  unsigned m_menuProperties = 0;
};
