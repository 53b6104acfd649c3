#pragma once

// Edits one address of a company: caption, three address lines, ZIP, city,
// state, country and the address block printed on invoices, which follows
// the fields unless "Let me edit the Address Display" is ticked. The cities
// and states offered are those of the typed country. OK records the address
// in the caller's change set and stores a new country, city or state at once
// as reference rows. Opened through DlgLauncher::RunAddressDlg.

#include <cstdint>

#include "forms/company/AddressEditor.h"
#include "common/ui/BaseDialog.h"

class wxCheckBox;
class wxComboBox;
class wxTextCtrl;

class CAddressDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 136,
    kCaption = 1185,
    kLine1 = 1194,
    kLine2 = 1195,
    kLine3 = 1196,
    kZip = 1197,
    kCity = 1205,
    kState = 1150,
    kCountry = 1199,
    kDisplay = 1207,
    kManualDisplay = 1206,
  };

  CAddressDlg(ChangeSet* changes, int32_t addressId, int32_t companyId, wxWindow* parent);

  // Fills the lists and loads the address; run by the first show.
  bool OnInitDialog();
  void OnOK() override;

  int32_t GetObjectId() const { return m_editor.GetAddressId(); }
  const AddressEditor& GetEditor() const { return m_editor; }

private:
  void CreateControls();
  // Controls to the editor's fields.
  void ReadFields();
  // The composed block into the display field.
  void ComposeDisplay();
  void FillRefCombo(wxComboBox* combo, int kind);
  void OnCountryChanged();
  void UpdateDisplayEnabled();

  AddressEditor m_editor;
  wxComboBox* m_caption = nullptr;
  wxTextCtrl* m_lines[3] = {};
  wxTextCtrl* m_zip = nullptr;
  wxComboBox* m_city = nullptr;
  wxComboBox* m_state = nullptr;
  wxComboBox* m_country = nullptr;
  wxTextCtrl* m_display = nullptr;
  wxCheckBox* m_manual = nullptr;
  bool m_filling = false;
};
