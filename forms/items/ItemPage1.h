#pragma once

// "Stock": how much of the item is on stock, in pieces, in packages and in
// its measurement; for a group, the same for every item of the group and of
// its sub-groups. Read-only; it reloads after every save.

#include <cstdint>

#include "forms/items/ItemPage.h"

class BaseListCtrl;

class ItemPage1 : public ItemPage {
public:
  enum ControlId : int { kTemplateId = 107, kList = 1012 };

  explicit ItemPage1(wxWindow* parent);

  void LoadData() override;
  bool SaveData(bool& reload) override;

  // The measurement of the edited object, inherited from the nearest group
  // that sets one; fixed once computed (0: none).
  int32_t GetEffectiveMeasurementId();
  BaseListCtrl* GetList() const { return m_list; }

private:
  void SetupColumns();

  BaseListCtrl* m_list;
  int32_t m_measurementId = -1;
};
