#include "forms/items/ItemPage4.h"

#include <wx/dataview.h>

#include <optional>
#include <string>

#include "data/DataAccess.h"
#include "data/DbException.h"
#include "data/objects/ItemDependency.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/items/ItemDependencyDlgLauncher.h"
#include "shell/ui/BaseListCtrl.h"

namespace {

// An ingredient whose item is gone (deleted by another program or an older
// version) is listed as missing, so that it can still be removed.
std::wstring IngredientName(int32_t itemId) {
  const std::optional<std::wstring> name = DataAccess::Instance().FindItemName(itemId);
  return name ? *name : L"(missing item " + std::to_wstring(itemId) + L")";
}

ListRow DependencyRow(int32_t key, const Invoice::ItemDependency& dependency) {
  ListRow row(key, {Value(IngredientName(dependency.GetDepItemId())), Value(dependency.GetTriggerQuantity()),
                    Value(dependency.GetDepQuantity())});
  row.SetProperty(L"dep_item_object_id", Value(static_cast<int32_t>(dependency.GetDepItemId())));
  return row;
}

}  // namespace

ItemPage4::ItemPage4(wxWindow* parent) : ItemPage(kTemplateId, parent) {
  m_list = CreateList(kList, L"ItemPage4List", 252, 171);
  m_list->AddColumn(L"Item", 0, 250);
  m_list->AddColumn(L"Triggering Quantity", 1, 150);
  m_list->AddColumn(L"Quantity", 1, 150);
  m_list->LoadColumnState();
  m_menu.Create();
  m_menuNew = m_menu.AddItem(L"New Item");
  m_menuDelete = m_menu.AddItem(L"Delete");
  m_menuProperties = m_menu.AddItem(L"Properties");
  m_list->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [this](wxDataViewEvent&) { ShowContextMenu(); });
  m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) {
    if (HasSelection()) OnEditDependency();
  });
  FillDependencies(false);
}

void ItemPage4::LoadData() {
  FillDependencies(false);
}

bool ItemPage4::SaveData(bool& reload) {
  m_changes.Apply();
  reload = true;
  return true;
}

size_t ItemPage4::GetSelectedCount() const {
  return m_list->GetSelectedRows().size();
}

int32_t ItemPage4::GetSelectedDependencyId() const {
  const long index = GetSelectedListItem(*m_list);
  return index >= 0 ? m_list->GetRow(index).GetObjectId() : 0;
}

void ItemPage4::FillDependencies(bool pending) {
  m_list->SetItemCount(0);
  m_list->ClearRows();
  try {
    if (!pending) {
      m_changes.Clear();
      std::vector<Invoice::ItemDependency> dependencies;
      Invoice::GetItemDependencies(GetObjectId(), dependencies);
      for (const Invoice::ItemDependency& dependency : dependencies) {
        m_list->AddRow(DependencyRow(dependency.GetObjectId(), dependency));
        m_changes.Add(dependency);
      }
    } else {
      for (auto entry = m_changes.begin(); entry != m_changes.end(); ++entry)
        if (const auto* dependency = dynamic_cast<const Invoice::ItemDependency*>(m_changes.ObjectAt(entry)))
          m_list->AddRow(DependencyRow(entry->first, *dependency));
    }
    m_list->SetItemCount(m_list->GetRowCount());
  } catch (const Invoice::DbException& error) {
    m_list->ClearRows();
    dialogs::ShowDbError(error, this);
  }
}

void ItemPage4::OnNewDependency() {
  ItemDependencyDlgLauncher launcher(GetObjectId());
  if (!launcher.Run(m_changes, this)) return;
  MarkModified();
  FillDependencies(true);
}

void ItemPage4::OnEditDependency() {
  const long index = GetSelectedListItem(*m_list);
  if (index < 0) return;
  const ListRow& row = m_list->GetRow(index);
  ItemDependencyDlgLauncher launcher(row.GetObjectId(), GetObjectId(), row.GetProperty(L"dep_item_object_id").AsInt());
  if (!launcher.Run(m_changes, this)) return;
  MarkModified();
  FillDependencies(true);
}

void ItemPage4::OnDeleteDependencies() {
  const std::vector<long> selected = m_list->GetSelectedRows();
  if (selected.empty() || !dialogs::ConfirmDelete()) return;
  bool removed = false;
  for (long index : selected)
    removed |= ItemDependencyDlgLauncher(m_list->GetRow(index).GetObjectId(), 0, 0).Delete(m_changes, false);
  if (!removed) return;
  MarkModified();
  FillDependencies(true);
}

void ItemPage4::ShowContextMenu() {
  const bool any = HasSelection();
  m_menu.EnableItem(m_menuDelete, any);
  m_menu.EnableItem(m_menuProperties, any);
  const unsigned command = m_menu.Track(this, true);
  if (command == m_menuNew)
    OnNewDependency();
  else if (command == m_menuDelete)
    OnDeleteDependencies();
  else if (command == m_menuProperties)
    OnEditDependency();
}
