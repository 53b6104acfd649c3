#include "forms/company/CompanyPage2.h"

#include <vector>

#include "data/DbException.h"
#include "data/objects/Invoice.h"
#include "data/objects/Template.h"
#include "forms/company/CompanyInvoiceRows.h"
#include "platform/OleDateTime.h"
#include "shell/CQuennetApp.h"
#include "shell/InvoiceCommands.h"
#include "shell/PaneListView.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/RefreshMessages.h"

CompanyPage2::CompanyPage2(wxWindow* parent) : CompanyPage(kTemplateId, parent), m_menu(10000) {
  SetTemplateSize(300, 200);
  DialogUnits du(this);
  m_list = new BaseListCtrl(this, kList, L"CompanyInvoicesList", du.Point(7, 7), du.Size(286, 186));
  SetUpAnchors();
  GetAnchors().AddControl(kList, 0, 0, 100, 100);
  BindContextMenu(m_list, [this] { ShowContextMenu(); });
  m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) { OpenSelected(); });
  BuildListAndMenu();
  LoadData();
}

void CompanyPage2::BuildListAndMenu() {
  m_list->AddColumn(L"Number", 0, 150);
  m_list->AddColumn(L"Date", 1, 150);
  m_list->AddColumn(L"Due Date", 1, 150);
  m_list->AddColumn(L"Total", 1, 100);
  m_list->AddColumn(L"Status", 0, 50);
  m_list->LoadColumnState();

  m_menu.Create();
  m_newInvoice = m_menu.AddItem(L"New Invoice for this Client");
  m_menu.AddSeparator();
  popup_menu* status = m_menu.AddSubMenu(L"Change Status");
  m_paid = status->AddItem(L"Paid");
  m_notPaid = status->AddItem(L"Not Paid");
  status->AddSeparator();
  m_acceptPayment = status->AddItem(L"Accept Payment");
  popup_menu* preview = m_menu.AddSubMenu(L"Preview using ...");
  popup_menu* print = m_menu.AddSubMenu(L"Print using ...");
  m_delete = m_menu.AddItem(L"Delete");
  m_menu.AddSeparator();
  m_properties = m_menu.AddItem(L"Properties");
  try {
    std::vector<Invoice::Template> templates;
    Invoice::GetAllTemplates(templates);
    for (const Invoice::Template& entry : templates) {
      m_previewPaths[preview->AddItem(entry.GetName())] = entry.GetFileName();
      m_printPaths[print->AddItem(entry.GetName())] = entry.GetFileName();
    }
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void CompanyPage2::LoadData() {
  FillList(false);
}

void CompanyPage2::FillList(bool fromChangeSet) {
  const long first = GetSelectedListItem(*m_list);
  const int32_t remembered = first >= 0 ? m_list->GetRow(first).GetObjectId() : 0;
  m_list->SetItemCount(0);
  m_list->ClearRows();
  const double now = platform::OleDateTime::Now().GetDate();
  try {
    if (fromChangeSet) {
      for (auto it = m_changes.begin(); it != m_changes.end(); ++it)
        if (auto* invoice = dynamic_cast<const Invoice::Invoice*>(m_changes.ObjectAt(it)))
          m_list->AddRow(CompanyInvoiceRows::BuildRow(*invoice, now));
    } else {
      m_changes.Clear();
      std::vector<Invoice::Invoice> invoices;
      if (GetCompanyId() != 0) Invoice::GetInvoices(invoices, -1.0, -1.0, GetCompanyId(), true, true);
      for (const Invoice::Invoice& invoice : invoices) {
        m_changes.Add(invoice);
        m_list->AddRow(CompanyInvoiceRows::BuildRow(invoice, now));
      }
    }
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
  m_list->SetItemCount(m_list->GetRowCount());
  if (m_list->GetRowCount() == 0) return;
  long select = 0;
  for (size_t i = 0; i < m_list->GetRowCount(); ++i)
    if (m_list->GetRow(i).GetObjectId() == remembered) select = static_cast<long>(i);
  m_list->SelectRow(select);
}

bool CompanyPage2::SaveData(bool& reload) {
  m_changes.Apply();
  reload = true;
  return true;
}

int32_t CompanyPage2::SelectedInvoiceId() const {
  const long row = GetSelectedListItem(*m_list);
  return row >= 0 ? m_list->GetRow(row).GetObjectId() : 0;
}

void CompanyPage2::ShowContextMenu() {
  const size_t selected = m_list->GetSelectedRows().size();
  bool paid = false;
  if (selected == 1) {
    try {
      paid = Invoice::Invoice(SelectedInvoiceId()).IsPaid();
    } catch (const Invoice::DbException& error) {
      ShowDbError(error);
      return;
    }
  }
  const CompanyInvoicesMenuState state = CompanyInvoiceRows::Menu(selected, paid);
  m_menu.EnableItem(m_newInvoice, state.newInvoice);
  m_menu.EnableItem(m_paid, state.paid);
  m_menu.EnableItem(m_notPaid, state.notPaid);
  m_menu.EnableItem(m_acceptPayment, state.acceptPayment);
  for (const auto& [id, path] : m_previewPaths) m_menu.EnableItem(id, state.templates);
  for (const auto& [id, path] : m_printPaths) m_menu.EnableItem(id, state.templates);
  m_menu.EnableItem(m_delete, state.del);
  m_menu.EnableItem(m_properties, state.properties);

  const unsigned command = TrackEnabledCommand(m_menu, this);
  if (command == 0) return;
  if (command == m_newInvoice)
    NewInvoice();
  else if (command == m_paid)
    MarkPaid(true);
  else if (command == m_notPaid)
    MarkPaid(false);
  else if (command == m_acceptPayment)
    AcceptPayment();
  else if (command == m_delete)
    DeleteSelected();
  else if (command == m_properties)
    OpenSelected();
  else if (auto found = m_previewPaths.find(command); found != m_previewPaths.end())
    HandOver(found->second, false);
  else if (auto printed = m_printPaths.find(command); printed != m_printPaths.end())
    HandOver(printed->second, true);
}

void CompanyPage2::NewInvoice() {
  if (CQuennetApp* app = GetCurrentApp()) app->OpenInvoiceForm(0, GetCompanyId(), false);
}

void CompanyPage2::OpenSelected() {
  const int32_t id = SelectedInvoiceId();
  if (id == 0) return;
  if (CQuennetApp* app = GetCurrentApp()) app->OpenInvoiceForm(id, 0, false);
}

void CompanyPage2::MarkPaid(bool paid) {
  invoice_commands::MarkPaid(SelectedInvoiceId(), paid);
}

void CompanyPage2::AcceptPayment() {
  invoice_commands::AcceptPayment(SelectedInvoiceId(), this);
}

void CompanyPage2::HandOver(const std::wstring& templatePath, bool print) {
  invoice_commands::HandOver(SelectedInvoiceId(), templatePath, print);
}

void CompanyPage2::DeleteSelected() {
  const std::vector<long> rows = m_list->GetSelectedRows();
  if (rows.empty()) return;
  // Every question first: a No leaves every invoice as it was.
  for (size_t i = 0; i < rows.size(); ++i)
    if (!ConfirmDelete()) return;
  bool marked = false;
  for (long row : rows) {
    if (const Invoice::Object* invoice = m_changes.Find(m_list->GetRow(row).GetObjectId())) {
      m_changes.Remove(*invoice);
      marked = true;
    }
  }
  if (!marked) return;
  MarkModified();
  FillList(true);
}
