#include "shell/CompaniesView.h"

#include <map>
#include <vector>

#include "data/DbException.h"
#include "data/objects/Company.h"
#include "data/objects/PriceGroup.h"
#include "shell/CQuennetApp.h"
#include "shell/CommandRules.h"
#include "shell/ListViewRows.h"
#include "shell/ui/RefreshMessages.h"

CompaniesView::CompaniesView(wxWindow* parent) : PaneListView(parent, L"CompaniesView") {}

unsigned CompaniesView::GetRefreshMessage() const {
  return RefreshMessages::Company();
}

void CompaniesView::OnInitialUpdate() {
  AddColumns({{L"Name", 0, 250}, {L"Price List", 0, 130}});
  const std::vector<unsigned> ids =
      BuildMenu({L"New Client", L"New Invoice for this Client", L"", L"Delete", L"", L"Properties"});
  m_newClient = ids[0];
  m_newInvoice = ids[1];
  m_delete = ids[3];
  m_properties = ids[5];
}

void CompaniesView::Refill() {
  try {
    std::vector<Invoice::Company> companies;
    Invoice::GetAllCompanies(companies);
    std::map<int32_t, std::wstring> priceListNames;
    std::vector<ListRow> rows;
    for (const Invoice::Company& company : companies) {
      std::wstring priceList;
      if (const int32_t groupId = company.GetPriceGroupId(); groupId != 0) {
        auto known = priceListNames.find(groupId);
        if (known == priceListNames.end())
          known = priceListNames.emplace(groupId, Invoice::PriceGroup(groupId).GetName()).first;
        priceList = known->second;
      }
      rows.push_back(ListViewRows::CompanyRow(company.GetId(), company.GetName(), priceList));
    }
    ReplaceRows(rows);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

ListCommandState CompaniesView::GetCommandState() const {
  return CommandRules::CompaniesCommands(SelectedCount(), FormAvailability::Current());
}

void CompaniesView::OnDelete() {
  DeleteSelectedObjects<Invoice::Company>();
}

void CompaniesView::OnProperties() {
  if (SelectedCount() == 1) GetQuennetApp().OpenCompanyForm(SelectedObjectId());
}

void CompaniesView::ShowContextMenu() {
  const CompaniesMenuState state = CommandRules::CompaniesMenu(SelectedCount(), FormAvailability::Current());
  m_menu.EnableItem(m_newClient, state.newClient);
  m_menu.EnableItem(m_newInvoice, state.newInvoiceForClient);
  m_menu.EnableItem(m_delete, state.del);
  m_menu.EnableItem(m_properties, state.properties);
  const unsigned command = TrackContextMenu();
  if (command == 0) return;
  if (command == m_newClient)
    GetQuennetApp().OpenCompanyForm(0);
  else if (command == m_newInvoice)
    GetQuennetApp().OpenInvoiceForm(0, SelectedObjectId(), false);
  else if (command == m_delete)
    OnDelete();
  else if (command == m_properties)
    OnProperties();
}
