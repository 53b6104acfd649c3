#include "forms/items/StockMovesPage.h"

#include <wx/dataview.h>

#include "data/DbException.h"
#include "data/objects/Item.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/items/InvoiceLineGuard.h"
#include "forms/items/ItemPageRows.h"
#include "shell/ui/BaseListCtrl.h"

StockMovesPage::StockMovesPage(uint32_t templateId, int listId, const wchar_t* itemListName,
                               const wchar_t* groupListName, const wchar_t* kindColumn, const wchar_t* newText,
                               wxWindow* parent)
    : ItemPage(templateId, parent) {
  const bool group = IsGroup();
  m_list = CreateList(listId, group ? groupListName : itemListName, 252, 171);
  m_list->AddColumn(L"Date", 1, 150);
  if (group) m_list->AddColumn(L"Name", 0, 250);
  for (const wchar_t* title : {L"Price", L"Q-ty", L"Base Unit", L"Extension", L"Discount %", L"Discount", L"Tax %",
                               L"Tax", L"Total"})
    m_list->AddColumn(title, 1, 150);
  m_list->AddColumn(kindColumn, 0, 150);
  m_list->LoadColumnState();
  m_menu.Create();
  m_menuNew = m_menu.AddItem(newText);
  m_menuDelete = m_menu.AddItem(L"Delete");
  m_menuProperties = m_menu.AddItem(L"Properties");
  m_list->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [this](wxDataViewEvent&) { ShowContextMenu(); });
  m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) {
    if (GetSelectedCount() == 1) Properties();
  });
}

bool StockMovesPage::SaveData(bool& reload) {
  m_changes.Apply();
  reload = true;
  return true;
}

size_t StockMovesPage::GetSelectedCount() const {
  return m_list->GetSelectedRows().size();
}

void StockMovesPage::AddRow(ListRow row, int32_t key) {
  row.SetObjectId(key);
  m_list->AddRow(row);
}

void StockMovesPage::Load(bool keepChanges) {
  m_list->SetItemCount(0);
  m_list->ClearRows();
  const bool group = IsGroup();
  try {
    if (!keepChanges) {
      m_changes.Clear();
      std::vector<Invoice::Item> items;
      ItemPageRows::ShownItems(GetObjectId(), group, items);
      for (const Invoice::Item& item : items) AppendStored(item, group);
    } else {
      for (auto entry = m_changes.begin(); entry != m_changes.end(); ++entry)
        if (const Invoice::Object* object = m_changes.ObjectAt(entry)) AppendPending(*object, entry->first, group);
    }
    m_list->SetItemCount(m_list->GetRowCount());
  } catch (const Invoice::DbException& error) {
    m_list->ClearRows();
    dialogs::ShowDbError(error, this);
  }
}

void StockMovesPage::New() {
  std::vector<long> itemIds;
  try {
    std::vector<Invoice::Item> items;
    ItemPageRows::ShownItems(GetObjectId(), IsGroup(), items);
    for (const Invoice::Item& item : items) itemIds.push_back(item.GetId());
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  if (!RunNew(itemIds)) return;
  Load(true);
  MarkModified();
}

void StockMovesPage::Properties() {
  const std::vector<long> selected = m_list->GetSelectedRows();
  if (selected.size() != 1) return;
  const int32_t id = m_list->GetRow(selected.front()).GetObjectId();
  if (InvoiceLineGuard::Refuse(m_changes, {id}, this)) return;
  if (!RunEdit(id)) return;
  Load(true);
  MarkModified();
}

void StockMovesPage::Delete() {
  const std::vector<long> selected = m_list->GetSelectedRows();
  if (selected.empty()) return;
  std::vector<int32_t> ids;
  for (long index : selected) ids.push_back(m_list->GetRow(index).GetObjectId());
  // A line of an invoice among them: none is deleted.
  if (InvoiceLineGuard::Refuse(m_changes, ids, this)) return;
  // One question for all of them: No to it deletes none.
  if (!dialogs::ConfirmDelete()) return;
  bool deleted = false;
  for (int32_t id : ids) deleted |= DeleteOne(id, false);
  if (!deleted) return;
  Load(true);
  MarkModified();
}

void StockMovesPage::ShowContextMenu() {
  const size_t selected = GetSelectedCount();
  m_menu.EnableItem(m_menuProperties, selected == 1);
  m_menu.EnableItem(m_menuDelete, selected >= 1);
  const unsigned command = m_menu.Track(this, true);
  if (command == m_menuNew)
    New();
  else if (command == m_menuDelete)
    Delete();
  else if (command == m_menuProperties)
    Properties();
}
