#pragma once

// "Prices": the item's price in every price list ("Not defined" where it has
// none); for a group, the prices of every item of the group and of its
// sub-groups. Prices change through the change-price dialog into the page's
// change set (PendingPrices); the form's save applies it.

#include <vector>

#include "data/ChangeSet.h"
#include "forms/items/ItemPage.h"
#include "forms/items/PendingPrices.h"
#include "common/ui/popup_menu.h"

class BaseListCtrl;

class ItemPage5 : public ItemPage {
public:
  enum ControlId : int { kTemplateId = 144, kList = 1221 };

  explicit ItemPage5(wxWindow* parent);

  void LoadData() override;
  bool SaveData(bool& reload) override;

  // The rows: from the database (pending false) or with the pending prices.
  void FillPrices(bool pending);
  // Runs the change-price dialog on the selected rows.
  void EditSelectedPrices();
  void EditPrices() { EditSelectedPrices(); }
  size_t GetSelectedCount() const;
  void ShowContextMenu();

  BaseListCtrl* GetList() const { return m_list; }
  const ChangeSet& GetChanges() const { return m_changes; }

private:
  ChangeSet m_changes;
  PendingPrices m_prices{m_changes};
  std::vector<PriceRow> m_rows;  // per list row
  popup_menu m_menu{10000};
  BaseListCtrl* m_list;
  unsigned m_menuProperties = 0;
};
