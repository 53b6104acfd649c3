#include "shell/PriceGroupsView.h"

#include <vector>

#include "data/DbException.h"
#include "data/Settings.h"
#include "data/objects/PriceGroup.h"
#include "shell/CQuennetApp.h"
#include "shell/CommandRules.h"
#include "shell/ListViewRows.h"
#include "shell/ui/RefreshMessages.h"

PriceGroupsView::PriceGroupsView(wxWindow* parent) : PaneListView(parent, L"PriceGroupsView") {}

unsigned PriceGroupsView::GetRefreshMessage() const {
  return RefreshMessages::PriceList();
}

void PriceGroupsView::OnInitialUpdate() {
  AddColumns({{L"Price List", 0, 250}, {L"Default", 0, 130}, {L"Direction", 0, 130}});
  const std::vector<unsigned> ids =
      BuildMenu({L"New Income Price List", L"New Outcome Price List", L"", L"Delete", L"", L"Properties"});
  m_newIncome = ids[0];
  m_newOutcome = ids[1];
  m_delete = ids[3];
  m_properties = ids[5];
}

void PriceGroupsView::Refill() {
  try {
    std::vector<Invoice::PriceGroup> groups;
    Invoice::GetAllPriceGroups(groups);
    const int32_t inputDefault = ReadSettingInt(kInputDefaultPriceGroupKey, 0);
    const int32_t outputDefault = ReadSettingInt(kOutputDefaultPriceGroupKey, 0);
    std::vector<ListRow> rows;
    for (const Invoice::PriceGroup& group : groups)
      rows.push_back(ListViewRows::PriceGroupRow(group.GetId(), group.GetName(), group.GetDirection(),
                                                 inputDefault, outputDefault));
    ReplaceRows(rows);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

ListCommandState PriceGroupsView::GetCommandState() const {
  return CommandRules::PriceGroupsCommands(SelectedCount(), FormAvailability::Current());
}

void PriceGroupsView::OnDelete() {
  DeleteSelectedObjects<Invoice::PriceGroup>();
}

void PriceGroupsView::OnProperties() {
  if (SelectedCount() == 1) GetQuennetApp().OpenPriceListForm(SelectedObjectId());
}

void PriceGroupsView::ShowContextMenu() {
  const PriceGroupsMenuState state =
      CommandRules::PriceGroupsMenu(SelectedCount(), FormAvailability::Current());
  m_menu.EnableItem(m_newIncome, state.newIncomePriceList);
  m_menu.EnableItem(m_newOutcome, state.newOutcomePriceList);
  m_menu.EnableItem(m_delete, state.del);
  m_menu.EnableItem(m_properties, state.properties);
  const unsigned command = TrackContextMenu();
  if (command == 0) return;
  if (command == m_newIncome)
    GetQuennetApp().OpenNewPriceListForm(1);
  else if (command == m_newOutcome)
    GetQuennetApp().OpenNewPriceListForm(2);
  else if (command == m_delete)
    OnDelete();
  else if (command == m_properties)
    OnProperties();
}
