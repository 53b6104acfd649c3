#include "forms/items/ItemPage5.h"

#include <wx/dataview.h>

#include "data/DbException.h"
#include "data/objects/PriceGroup.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/items/EditPriceDlgLauncher.h"
#include "forms/items/ItemPageRows.h"
#include "shell/ui/BaseListCtrl.h"

ItemPage5::ItemPage5(wxWindow* parent) : ItemPage(kTemplateId, parent) {
  const bool group = IsGroup();
  m_list = CreateList(kList, group ? L"ItemPage5List_GroupPrices" : L"ItemPage5List_ItemPrices", 186, 95);
  if (group) m_list->AddColumn(L"Item", 0, 250);
  m_list->AddColumn(L"Price List", 0, 250);
  m_list->AddColumn(L"Price", 1, 150);
  m_list->LoadColumnState();
  m_menu.Create();
  m_menuProperties = m_menu.AddItem(L"Properties");
  m_list->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [this](wxDataViewEvent&) { ShowContextMenu(); });
  m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) {
    if (GetSelectedCount() > 0) EditSelectedPrices();
  });
  LoadData();
}

void ItemPage5::LoadData() {
  FillPrices(false);
}

bool ItemPage5::SaveData(bool& reload) {
  m_changes.Apply();
  reload = true;
  return true;
}

size_t ItemPage5::GetSelectedCount() const {
  return m_list->GetSelectedRows().size();
}

void ItemPage5::FillPrices(bool pending) {
  m_list->SetItemCount(0);
  m_list->ClearRows();
  m_rows.clear();
  const bool group = IsGroup();
  try {
    m_prices.BeginFill(!pending);
    std::vector<Invoice::Item> items;
    ItemPageRows::ShownItems(GetObjectId(), group, items);
    for (const Invoice::Item& item : items) {
      std::vector<std::pair<Invoice::PriceGroup, Invoice::PriceList>> pairs;
      item.GetPricesPerGroup(pairs);
      for (const auto& [list, price] : pairs) {
        const PriceRow shown = m_prices.Show(price, item.GetId(), list.GetId());
        std::vector<Value> cells;
        if (group) cells.emplace_back(item.GetName());
        cells.emplace_back(list.GetName());
        cells.push_back(shown.defined ? Value(shown.price) : Value(L"Not defined"));
        ListRow row(shown.objectId, std::move(cells));
        row.SetProperty(L"item_object_id", Value(static_cast<int32_t>(item.GetId())));
        row.SetProperty(L"price_group_id", Value(static_cast<int32_t>(list.GetId())));
        row.SetProperty(L"price", Value(shown.price));
        m_list->AddRow(row);
        m_rows.push_back(shown);
      }
    }
    m_list->SetItemCount(m_list->GetRowCount());
  } catch (const Invoice::DbException& error) {
    m_list->ClearRows();
    m_rows.clear();
    dialogs::ShowDbError(error, this);
  }
}

void ItemPage5::EditSelectedPrices() {
  std::vector<PriceRow> selected;
  for (long index : m_list->GetSelectedRows())
    if (index >= 0 && index < static_cast<long>(m_rows.size())) selected.push_back(m_rows[index]);
  if (selected.empty()) return;
  std::vector<Invoice::PriceList> rows = m_prices.RowsToEdit(selected);
  EditPriceDlgLauncher launcher(PendingPrices::StartingValue(selected), &rows);
  if (!launcher.Run(m_changes, this)) return;
  FillPrices(true);
  MarkModified();
}

void ItemPage5::ShowContextMenu() {
  if (GetSelectedCount() == 0) return;
  if (m_menu.Track(this, true) == static_cast<int>(m_menuProperties)) EditSelectedPrices();
}
