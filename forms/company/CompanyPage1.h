#pragma once

// The company form's "Details" page: name, default price list and default
// discount. Its save refuses a blank name and a discount that is not a
// number, and stores a new company, whose id the frame then keeps.

#include <cstdint>

#include "forms/company/CompanyPage.h"

class CBaseEdit;
class wxChoice;
class wxTextCtrl;

class CompanyPage1 : public CompanyPage {
public:
  enum ControlId : int {
    kTemplateId = 119,
    kNameLabel = 1089,
    kName = 1090,
    kPriceListLabel = 1093,
    kPriceList = 1094,
    kDiscount = 1170,
    kDiscountLabel = 1171,
  };

  explicit CompanyPage1(wxWindow* parent);

  void LoadData() override;
  bool SaveData(bool& reload) override;

  // Lists "Default Price List" (0) and every price list, selecting the id.
  void FillPriceListCombo(int32_t selectedId);

  wxTextCtrl* GetNameCtrl() const { return m_name; }
  wxChoice* GetPriceListCtrl() const { return m_priceList; }
  CBaseEdit* GetDiscountCtrl() const { return m_discount; }

private:
  void ShowDiscount();

  wxTextCtrl* m_name = nullptr;
  wxChoice* m_priceList = nullptr;
  CBaseEdit* m_discount = nullptr;
  double m_discountValue = 0.0;
  bool m_loading = false;
};
