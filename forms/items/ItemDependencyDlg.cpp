#include "forms/items/ItemDependencyDlg.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/ui/ChosenTextBox.h"
#include "data/DbException.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/items/StockLineDlg.h"
#include "platform/MessageBox.h"
#include "common/ui/AmountFormat.h"
#include "shell/ui/BaseSaveFrame.h"
#include "common/ui/CBaseEdit.h"

namespace {

ItemSearch& SearchOverride() {
  static ItemSearch search;
  return search;
}

}  // namespace

void ItemDependencyDlg::SetSearchOverride(ItemSearch search) {
  SearchOverride() = std::move(search);
}

ItemDependencyDlg::ItemDependencyDlg(ChangeSet* changeSet, int32_t depItemId, int32_t itemId,
                                     int32_t dependencyId, wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Dependent Item"), m_logic(changeSet, depItemId, itemId, dependencyId) {
  SetDialogClientSize(200, 80);
  DialogUnits du(this);
  new wxStaticText(this, kItemLabel, L"&Item:", du.Point(7, 9), du.Size(75, 8));
  m_itemName = new wxTextCtrl(this, kItemName, wxEmptyString, du.Point(85, 7), du.Size(82, 12), wxTE_READONLY);
  MakeChosenTextBox(m_itemName, new wxButton(this, kChooseItem, L"...", du.Point(170, 6), du.Size(23, 14)),
                    L"Choose the item with \"...\"");
  new wxStaticText(this, kTriggerLabel, L"&Triggering Quantity:", du.Point(7, 25), du.Size(75, 8));
  m_trigger = new CBaseEdit(this, kTriggerQuantity, kInputDecimal, kCheckNone, du.Point(85, 23),
                            du.Size(60, 12), wxTE_RIGHT);
  new wxStaticText(this, kQuantityLabel, L"&Quantity:", du.Point(7, 41), du.Size(75, 8));
  m_quantity =
      new CBaseEdit(this, kQuantity, kInputDecimal, kCheckNone, du.Point(85, 39), du.Size(60, 12), wxTE_RIGHT);
  auto* ok = new wxButton(this, platform::IDOK, L"OK", du.Point(88, 60), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(143, 60), du.Size(50, 14));
  ok->SetDefault();
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseItem(); }, kChooseItem);
}

ItemSearch ItemDependencyDlg::Search() {
  if (SearchOverride()) return SearchOverride();
  return [this](const ItemSearchRequest& request) {
    return RunItemSearchDialog(request, IsShown() ? this : GetParent());
  };
}

bool ItemDependencyDlg::OnInitDialog() {
  try {
    if (!m_logic.Open(Search())) return false;
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  m_initialised = true;
  TransferDataToWindow();
  return true;
}

int ItemDependencyDlg::DoModal() {
  if (!m_initialised && !OnInitDialog()) {
    SetReturnCode(platform::IDCANCEL);
    return platform::IDCANCEL;
  }
  return BaseDialog::DoModal();
}

bool ItemDependencyDlg::TransferDataToWindow() {
  m_itemName->ChangeValue(m_logic.GetDepItemName());
  if (wxWindow::FindFocus() != m_trigger) m_trigger->ChangeValue(FormatAmount(m_logic.GetTriggerQuantity()));
  if (wxWindow::FindFocus() != m_quantity) m_quantity->ChangeValue(FormatAmount(m_logic.GetQuantity()));
  return true;
}

bool ItemDependencyDlg::TransferDataFromWindow() {
  m_logic.SetTriggerQuantity(ParseAmount(m_trigger->GetValue().ToStdWstring()));
  m_logic.SetQuantity(ParseAmount(m_quantity->GetValue().ToStdWstring()));
  return true;
}

void ItemDependencyDlg::ChooseItem() {
  TransferDataFromWindow();
  try {
    m_logic.ChooseItem(Search());
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  TransferDataToWindow();
}

void ItemDependencyDlg::OnOK() {
  TransferDataFromWindow();
  if (const std::wstring refusal = m_logic.Validate(); !refusal.empty()) {
    platform::ShowMessageBox(refusal, kAppCaption, platform::MB_ICONINFORMATION, this);
    return;
  }
  try {
    m_logic.Save();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  EndDialog(platform::IDOK);
}
