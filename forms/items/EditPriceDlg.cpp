#include "forms/items/EditPriceDlg.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "data/DbException.h"
#include "forms/dialogs/DialogMessages.h"
#include "platform/MessageBox.h"
#include "common/ui/AmountFormat.h"
#include "common/ui/CBaseEdit.h"

namespace {

struct WayButton {
  int32_t mode;
  int id;
  const wchar_t* caption;
};

// In the order they stand in the dialog.
const WayButton kWays[] = {
    {EditPriceLogic::kEqual, EditPriceDlg::kEqual, L"&Equal to the Value"},
    {EditPriceLogic::kGrow, EditPriceDlg::kGrow, L"&Grow by the Value"},
    {EditPriceLogic::kLower, EditPriceDlg::kLower, L"&Lower by the Value"},
    {EditPriceLogic::kGrowPercent, EditPriceDlg::kGrowPercent, L"Grow &percentually by the Value"},
    {EditPriceLogic::kLowerPercent, EditPriceDlg::kLowerPercent, L"Lower p&ercentually by the Value"},
};

}  // namespace

EditPriceDlg::EditPriceDlg(ChangeSet* changeSet, double value, std::vector<Invoice::PriceList>* prices,
                           wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Change the Price"), m_logic(changeSet, value, prices) {
  SetDialogClientSize(186, 122);
  DialogUnits du(this);
  new wxStaticText(this, kValueLabel, L"&Value:", du.Point(7, 9), du.Size(40, 8));
  m_valueEdit = new CBaseEdit(this, kValue, kInputDecimal, kCheckNone, du.Point(50, 7), du.Size(70, 12),
                              wxTE_RIGHT);
  new wxStaticBox(this, kWayBox, L"Way to change", du.Point(7, 24), du.Size(172, 76));
  int y = 36;
  for (const WayButton& way : kWays) {
    m_modes[way.mode] = new wxRadioButton(this, way.id, way.caption, du.Point(14, y), du.Size(160, 10),
                                          way.mode == EditPriceLogic::kEqual ? wxRB_GROUP : 0);
    y += 12;
  }
  auto* ok = new wxButton(this, platform::IDOK, L"OK", du.Point(74, 104), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(129, 104), du.Size(50, 14));
  ok->SetDefault();
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

wxRadioButton* EditPriceDlg::GetModeButton(int32_t mode) const {
  return mode >= 0 && mode < 5 ? m_modes[mode] : nullptr;
}

bool EditPriceDlg::OnInitDialog() {
  m_modes[m_logic.GetMode()]->SetValue(true);
  TransferDataToWindow();
  return true;
}

bool EditPriceDlg::TransferDataToWindow() {
  if (wxWindow::FindFocus() != m_valueEdit) m_valueEdit->ChangeValue(FormatAmount(m_logic.GetValue()));
  return true;
}

bool EditPriceDlg::TransferDataFromWindow() {
  m_logic.SetValue(ParseAmount(m_valueEdit->GetValue().ToStdWstring()));
  for (const WayButton& way : kWays)
    if (m_modes[way.mode]->GetValue()) m_logic.SetMode(way.mode);
  return true;
}

void EditPriceDlg::OnOK() {
  TransferDataFromWindow();
  try {
    m_logic.Apply();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  EndDialog(platform::IDOK);
}
