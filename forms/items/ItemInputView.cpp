#include "forms/items/ItemInputView.h"

#include <wx/sizer.h>

#include "data/DbException.h"
#include "data/objects/Item.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/ItemInputDlgLauncher.h"
#include "forms/items/InvoiceLineGuard.h"
#include "forms/items/ItemInputFrame.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/BaseSaveFrame.h"
#include "shell/ui/RefreshMessages.h"

namespace {

constexpr wchar_t kDeleteInputsQuestion[] = L"Are you sure you want to delete the selected Item's Income?";

struct Column {
  const wchar_t* caption;
  int alignment;
  int width;
};

constexpr Column kColumns[] = {
    {L"Date", 0, 80},       {L"Name", 0, 250},     {L"Price", 1, 80},      {L"Q-ty", 1, 80},
    {L"Base Unit", 1, 80},  {L"Extension", 1, 80}, {L"Discount %", 1, 80}, {L"Discount", 1, 80},
    {L"Tax %", 1, 80},      {L"Tax", 1, 80},       {L"Total", 1, 80},      {L"Income from...", 0, 80},
};

}  // namespace

ItemInputView::ItemInputView(wxWindow* frame) : wxPanel(frame, wxID_ANY) {
  m_list = new BaseListCtrl(this, kListId, L"ItemInputView", wxDefaultPosition, wxDefaultSize,
                            wxBORDER_THEME | wxDV_MULTIPLE);
  for (const Column& column : kColumns) m_list->AddColumn(column.caption, column.alignment, column.width);
  m_list->LoadColumnState();
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_list, 1, wxEXPAND | wxRIGHT, 3);
  SetSizer(sizer);

  m_menu.Create();
  m_menuNew = m_menu.AddItem(L"New Item Input");
  m_menuDelete = m_menu.AddItem(L"Delete");
  m_menuProperties = m_menu.AddItem(L"Properties");

  Bind(EVT_CORVANE_MESSAGE, &ItemInputView::OnMessage, this);
  m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) {
    if (GetSelectedCount() > 0) Properties();
  });
  m_list->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [this](wxDataViewEvent& event) {
    // A right click on a row that is not selected selects it first.
    const long row = event.GetItem().IsOk() ? m_list->GetRowOf(event.GetItem()) : -1;
    if (row >= 0 && !m_list->IsSelected(event.GetItem())) m_list->SelectRow(row);
    ShowContextMenu();
  });
  BindCommands();
}

ItemInputFrame* ItemInputView::GetInputFrame() {
  return dynamic_cast<ItemInputFrame*>(GetParentFrame());
}

void ItemInputView::OnUpdate(View*, long hint, void* hintObject) {
  // An update with a hint object is meant for that one view (the navigation
  // tree showing a list in the main window).
  if (hintObject) return;
  if (hint == kHintInitial || hint == kHintReload) Fill();
}

void ItemInputView::OnMessage(platform::WindowMessageEvent& event) {
  if (event.GetMessage() != RefreshMessages::ItemsInput()) {
    event.Skip();
    return;
  }
  Fill();
  event.SetResult(0);
}

size_t ItemInputView::GetSelectedCount() const {
  return m_list->GetSelectedRows().size();
}

void ItemInputView::Fill() {
  m_list->SetItemCount(0);
  m_list->ClearRows();
  m_data.Clear();
  ItemInputFrame* frame = GetInputFrame();
  if (!frame) return;
  try {
    m_data.Fill(frame->GetFromDate(), frame->GetToDate());
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  for (const ListRow& row : m_data.GetRows()) m_list->AddRow(row);
  m_list->SetItemCount(m_list->GetRowCount());
}

bool ItemInputView::SaveEdit() {
  try {
    m_data.SaveChanges();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return false;
  }
  platform::SendToThreadWindows(RefreshMessages::Item(), 0, 0);
  return true;
}

void ItemInputView::New() {
  try {
    ItemInputDlgLauncher launcher(0, 0, Invoice::kSourceTrading);
    if (launcher.Run(m_data.GetChanges(), this)) SaveEdit();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  // Also after a refusal: the unsaved edit leaves the change set.
  Fill();
}

void ItemInputView::Properties() {
  const std::vector<long> selected = m_list->GetSelectedRows();
  if (selected.empty()) return;
  const int32_t id = m_list->GetRow(selected.front()).GetObjectId();
  if (InvoiceLineGuard::Refuse(m_data.GetChanges(), {id}, this)) return;
  try {
    ItemInputDlgLauncher launcher(id, 0, Invoice::kSourceTrading);
    if (!launcher.Run(m_data.GetChanges(), this)) return;
    SaveEdit();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  Fill();
}

void ItemInputView::Delete(bool fromMenu) {
  const std::vector<long> selected = m_list->GetSelectedRows();
  if (fromMenu ? selected.size() != 1 : selected.empty()) return;
  std::vector<int32_t> ids;
  for (long row : selected) ids.push_back(m_list->GetRow(row).GetObjectId());
  if (InvoiceLineGuard::Refuse(m_data.GetChanges(), ids, this)) return;
  if (platform::ShowMessageBox(kDeleteInputsQuestion, kAppCaption,
                               platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2,
                               this) !=
      platform::IDYES)
    return;
  try {
    ItemInputList::DeleteInputs(ids);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  Fill();
  platform::SendToThreadWindows(RefreshMessages::Item(), 0, 0);
}

void ItemInputView::ShowContextMenu() {
  const size_t selected = GetSelectedCount();
  m_menu.EnableItem(m_menuNew, true);
  m_menu.EnableItem(m_menuDelete, ItemInputList::CanDeleteFromMenu(selected));
  m_menu.EnableItem(m_menuProperties, ItemInputList::CanEdit(selected));
  const int command = m_menu.Track(this, true);
  if (command <= 0 || !m_menu.IsItemEnabled(static_cast<unsigned>(command))) return;
  if (static_cast<unsigned>(command) == m_menuNew)
    New();
  else if (static_cast<unsigned>(command) == m_menuDelete)
    Delete(true);
  else if (static_cast<unsigned>(command) == m_menuProperties)
    Properties();
}

void ItemInputView::BindCommands() {
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { New(); }, ItemInputFrame::ID_NEW);
  Bind(
      wxEVT_MENU,
      [this](wxCommandEvent&) {
        if (ItemInputList::CanEdit(GetSelectedCount())) Properties();
      },
      ItemInputFrame::ID_PROPERTIES);
  Bind(
      wxEVT_MENU,
      [this](wxCommandEvent&) {
        if (ItemInputList::CanDelete(GetSelectedCount())) Delete();
      },
      ItemInputFrame::ID_DELETE);
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& event) { event.Enable(ItemInputList::CanEdit(GetSelectedCount())); },
      ItemInputFrame::ID_PROPERTIES);
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& event) { event.Enable(ItemInputList::CanDelete(GetSelectedCount())); },
      ItemInputFrame::ID_DELETE);
}
