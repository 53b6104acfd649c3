#pragma once

// "Change the Price": changes a list of item prices at once, in one of five
// ways (EditPriceLogic). On OK every row has its new price and, when a change
// set was given, is recorded there; the caller saves. Opened through
// EditPriceDlgLauncher.

#include <vector>

#include "data/ChangeSet.h"
#include "data/objects/PriceList.h"
#include "forms/items/EditPriceLogic.h"
#include "common/ui/BaseDialog.h"

class CBaseEdit;
class wxRadioButton;

class EditPriceDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 121,
    kValue = 1098,
    kValueLabel = 1099,
    kEqual = 1100,
    kWayBox = 1101,
    kGrowPercent = 1102,
    kLowerPercent = 1103,
    kGrow = 1104,
    kLower = 1105,
  };

  // The rows (not null) and the change set (may be null) must outlive the dialog.
  EditPriceDlg(ChangeSet* changeSet, double value, std::vector<Invoice::PriceList>* prices, wxWindow* parent);

  // Checks the stored way's radio and shows the value; run by the first show.
  bool OnInitDialog();
  // Changes the prices; a database failure is shown and the dialog stays open.
  void OnOK() override;

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  EditPriceLogic& GetLogic() { return m_logic; }
  CBaseEdit* GetValueEdit() const { return m_valueEdit; }
  // The radio button of a way.
  wxRadioButton* GetModeButton(int32_t mode) const;

private:
  EditPriceLogic m_logic;
  CBaseEdit* m_valueEdit = nullptr;
  wxRadioButton* m_modes[5] = {};
};
