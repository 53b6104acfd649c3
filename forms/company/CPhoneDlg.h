#pragma once

// Edits one phone number of a company: a caption and the number as country
// code, region and number. OK records it in the caller's change set
// (nothing is written here); an empty number is refused. Opened through
// DlgLauncher::RunPhoneDlg.

#include "data/objects/Phone.h"
#include "forms/company/ContactDlgBase.h"

class wxTextCtrl;

class CPhoneDlg : public ContactDlgBase {
public:
  enum : int {
    kTemplateId = 138,
    kPhoneLabel = 1211,
    kCountryLabel = 1212,
    kRegionLabel = 1213,
    kNumberLabel = 1214,
    kCountry = 1150,
    kRegion = 1215,
    kNumber = 1210,
  };

  CPhoneDlg(ChangeSet* changes, int32_t phoneId, int32_t companyId, wxWindow* parent);

  bool OnInitDialog() override;
  void OnOK() override;

  wxComboBox* GetCountryCombo() const { return m_country; }
  wxTextCtrl* GetRegionCtrl() const { return m_region; }
  wxTextCtrl* GetNumberCtrl() const { return m_number; }

private:
  void WidenCountryList();

  Invoice::Phone m_phone;
  wxComboBox* m_country = nullptr;
  wxTextCtrl* m_region = nullptr;
  wxTextCtrl* m_number = nullptr;
};
