#include "forms/dialogs/PriceListPage1.h"

#include <wx/stattext.h>

#include "common/ui/CBaseEdit.h"
#include "data/DbException.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/PriceListFrame.h"
#include "forms/items/EditPriceDlgLauncher.h"
#include "platform/MessageBox.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/BaseSaveFrame.h"

PriceListPage1::PriceListPage1(wxWindow* parent) : PriceListPage(kTemplateId, parent) {
  SetTemplateSize(300, 200);
  DialogUnits du(this);
  // The resource's "List Name:" is never shown.
  m_label = new wxStaticText(this, kNameLabel, L"&Name:", du.Point(5, 9), du.Size(40, 8));
  m_name = new CBaseEdit(this, kName, kInputText, kCheckNone, du.Point(48, 7), du.Size(245, 12));
  m_name->SetLimits(FieldLimits::Text(L"Name", 50));  // NAME
  m_list = new BaseListCtrl(this, kList, L"PriceListPage1List", du.Point(5, 24), du.Size(288, 170));
  m_list->AddColumn(L"Item", 0, 250);
  m_list->AddColumn(L"Price", 1, 80);
  m_list->LoadColumnState();
  SetUpAnchors();
  GetAnchors().AddControl(kName, 0, 0, 100, 0);
  GetAnchors().AddControl(kList, 0, 0, 100, 100);

  m_menu.Create();
  m_menuProperties = m_menu.AddItem(L"Properties");
  m_name->Bind(wxEVT_TEXT, [this](wxCommandEvent& event) {
    if (!m_loading) MarkFrameModified(this);
    event.Skip();
  });
  m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) {
    if (HasSelection()) EditSelectedPrices();
  });
  m_list->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [this](wxDataViewEvent&) { ShowContextMenu(); });
  LoadData();
}

int32_t PriceListPage1::PriceGroupId() const {
  const PriceListFrame* frame = GetPriceListFrame();
  return frame ? frame->GetObjectId() : 0;
}

bool PriceListPage1::HasSelection() const {
  return !m_list->GetSelectedRows().empty();
}

void PriceListPage1::ShowRows(bool keepChanges) {
  m_list->SetItemCount(0);
  m_list->ClearRows();
  try {
    m_details.Fill(PriceGroupId(), keepChanges);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  for (const ListRow& row : m_details.GetRows()) m_list->AddRow(row);
  m_list->SetItemCount(m_list->GetRowCount());
}

void PriceListPage1::LoadData() {
  PriceListFrame* frame = GetPriceListFrame();
  const int32_t id = PriceGroupId();
  std::wstring name;
  try {
    const Invoice::PriceGroup group(id);
    name = group.GetName();
    m_direction = id != 0 ? group.GetDirection() : (frame ? frame->GetPresetDirection() : 2);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  // Filling the name is no edit of the user's.
  m_loading = true;
  m_name->ChangeValue(name);
  m_loading = false;
  ShowRows(false);
  UpdateCaption();
}

void PriceListPage1::UpdateCaption() {
  if (PriceListFrame* frame = GetPriceListFrame())
    frame->SetTitle(PriceListDetails::Caption(m_direction, m_name->GetValue().ToStdWstring()));
}

void PriceListPage1::RefreshPrices() {
  ShowRows(true);
}

void PriceListPage1::EditSelectedPrices() {
  const std::vector<long> selected = m_list->GetSelectedRows();
  if (selected.empty()) return;
  std::vector<Invoice::PriceList> rows = m_details.RowsToEdit(selected);
  EditPriceDlgLauncher launcher(m_details.StartingValue(selected), &rows);
  if (!launcher.Run(m_changes, this)) return;
  RefreshPrices();
  MarkFrameModified(this);
}

void PriceListPage1::ShowContextMenu() {
  if (!HasSelection()) return;
  if (m_menu.Track(this, true) == static_cast<int>(m_menuProperties)) EditSelectedPrices();
}

bool PriceListPage1::SaveData(bool& reload) {
  PriceListFrame* frame = GetPriceListFrame();
  auto* group = frame ? frame->GetEditedObjectAs<Invoice::PriceGroup>() : nullptr;
  if (!group) return false;
  const std::optional<std::wstring> refusal =
      m_details.Save(*group, m_name->GetValue().ToStdWstring(), m_direction);
  if (refusal) {
    platform::ShowMessageBox(*refusal, kAppCaption, platform::MB_ICONINFORMATION, this);
    return false;
  }
  reload = true;
  frame->SetObjectId(group->GetId());
  return true;
}
