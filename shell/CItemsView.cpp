#include <vector>

#include "shell/CItemsView.h"

#include <set>

#include "data/ChangeSet.h"
#include "data/DbException.h"
#include "data/objects/ItemGroup.h"
#include "forms/dialogs/ItemInputDlgLauncher.h"
#include "forms/dialogs/ItemOutputDlgLauncher.h"
#include "shell/CQuennetApp.h"
#include "shell/CommandRules.h"
#include "shell/ListViewRows.h"
#include "shell/ui/RefreshMessages.h"

CItemsView::CItemsView(wxWindow* parent) : PaneListView(parent, L"ItemsView") {}

unsigned CItemsView::GetRefreshMessage() const {
  return RefreshMessages::Item();
}

void CItemsView::OnInitialUpdate() {
  AddColumns({{L"Item", 0, 200}, {L"Stock-Pieces", 1, 150}, {L"Stock-Packages", 1, 150}});
  const std::vector<unsigned> ids =
      BuildMenu({L"New Item", L"New Item Income", L"New Item Outcome", L"", L"Delete", L"", L"Properties"});
  m_newItem = ids[0];
  m_newIncome = ids[1];
  m_newOutcome = ids[2];
  m_delete = ids[4];
  m_properties = ids[6];
}

void CItemsView::OnUpdate(View* sender, long hint, void* hintObject) {
  if (!IsHintFor(hintObject)) return;
  m_groupId = static_cast<int32_t>(hint);
  Refill();
}

void CItemsView::Refill() {
  try {
    // No group: the empty set, which lists every item.
    std::set<int> groups;
    if (m_groupId != 0) {
      Invoice::ItemGroup::GroupTree tree;
      Invoice::ItemGroup(m_groupId).GetSubTree(tree);
      for (const auto& [groupId, parentId] : tree) groups.insert(groupId);
    }
    std::vector<Invoice::Item> items;
    Invoice::GetItemsOfGroups(groups, items);
    std::vector<ListRow> rows;
    rows.reserve(items.size());
    for (const Invoice::Item& item : items)
      rows.push_back(ListViewRows::ItemRow(item.GetId(), item.GetName(), item.GetEffectiveInputSourceType(),
                                           item.GetQuantityOnStock(), item.GetNumInPack()));
    m_items = std::move(items);
    ReplaceRows(rows);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

ListCommandState CItemsView::GetCommandState() const {
  return CommandRules::ItemsCommands(SelectedCount(), FormAvailability::Current());
}

void CItemsView::OnDelete() {
  DeleteSelectedObjects<Invoice::Item>();
}

void CItemsView::OnProperties() {
  if (SelectedCount() == 1) GetQuennetApp().OpenItemForm(SelectedObjectId(), false, 0);
}

void CItemsView::ShowContextMenu() {
  const ItemsMenuState state = CommandRules::ItemsMenu(SelectedCount(), FormAvailability::Current());
  m_menu.EnableItem(m_newItem, state.newItem);
  m_menu.EnableItem(m_newIncome, state.newItemIncome);
  m_menu.EnableItem(m_newOutcome, state.newItemOutcome);
  m_menu.EnableItem(m_delete, state.del);
  m_menu.EnableItem(m_properties, state.properties);
  const unsigned command = TrackContextMenu();
  if (command == 0) return;
  if (command == m_newItem)
    GetQuennetApp().OpenItemForm(0, false, m_groupId);
  else if (command == m_newIncome)
    NewIncome();
  else if (command == m_newOutcome)
    NewOutcome();
  else if (command == m_delete)
    OnDelete();
  else if (command == m_properties)
    OnProperties();
}

namespace {

// Applies the stock line in one unit of work and tells the item and stock lists.
void ApplyStockChanges(ChangeSet& changes, unsigned stockMessage) {
  if (!RunInUnitOfWork([&] { changes.Apply(); })) return;
  Broadcast(RefreshMessages::Item());
  Broadcast(stockMessage);
}

}  // namespace

void CItemsView::NewIncome() {
  if (SelectedCount() != 1) return;
  try {
    ChangeSet changes;
    ItemInputDlgLauncher launcher(0, SelectedObjectId(), Invoice::kSourceTrading);
    if (launcher.Run(changes, this)) ApplyStockChanges(changes, RefreshMessages::ItemsInput());
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void CItemsView::NewOutcome() {
  if (SelectedCount() != 1) return;
  try {
    // Destination 1: an issue of its own, not a line of an invoice.
    ChangeSet changes;
    ItemOutputDlgLauncher launcher(0, SelectedObjectId(), 1, 0, 0.0);
    if (launcher.Run(changes, this)) ApplyStockChanges(changes, RefreshMessages::ItemsOutput());
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}
