#include "shell/InvoicesView.h"

#include "shell/InvoiceCommands.h"

#include <vector>

#include "data/ChangeSet.h"
#include "data/DataAccess.h"
#include "data/DbException.h"
#include "data/Settings.h"
#include "data/objects/Invoice.h"
#include "data/objects/Template.h"
#include "forms/dialogs/PaymentDlgLauncher.h"
#include "platform/OleDateTime.h"
#include "shell/CQuennetApp.h"
#include "shell/CommandRules.h"
#include "shell/InvoiceCommands.h"
#include "shell/InvoicePrintData.h"
#include "shell/PreviewManager.h"
#include "shell/ui/BaseSaveFrame.h"
#include "shell/ui/RefreshMessages.h"

InvoicesView::InvoicesView(wxWindow* parent) : PaneListView(parent, L"InvoicesView") {
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Preview(); }, wxID_PREVIEW);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { Print(); }, wxID_PRINT);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(GetCommandState().preview); },
      wxID_PREVIEW);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(GetCommandState().print); }, wxID_PRINT);
}

unsigned InvoicesView::GetRefreshMessage() const {
  return RefreshMessages::Invoices();
}

void InvoicesView::OnInitialUpdate() {
  AddColumn(L"Number", 0, 150);
  AddColumn(L"Date", 1, 150);
  AddColumn(L"Due Date", 1, 150);
  AddColumn(L"Total", 1, 100);
  AddColumn(L"Client", 0, 50);
  AddColumn(L"Status", 0, 50);
  LoadColumnState();
  BuildMenu();
}

void InvoicesView::BuildMenu() {
  // Built afresh each time, so that the template entries are those stored now.
  m_menu.Reset();
  m_previewTemplates.clear();
  m_printTemplates.clear();
  m_menu.Create();
  m_newInvoice = m_menu.AddItem(L"New Invoice");
  m_newIncomeInvoice = m_menu.AddItem(L"New Income Invoice");
  m_menu.AddSeparator();
  popup_menu* status = m_menu.AddSubMenu(L"Change Status");
  m_paid = status->AddItem(L"Paid");
  m_notPaid = status->AddItem(L"Not Paid");
  status->AddSeparator();
  m_acceptPayment = status->AddItem(L"Accept Payment");
  popup_menu* previewUsing = m_menu.AddSubMenu(L"Preview using ...");
  popup_menu* printUsing = m_menu.AddSubMenu(L"Print using ...");
  try {
    std::vector<Invoice::Template> templates;
    Invoice::GetAllTemplates(templates);
    for (const Invoice::Template& stored : templates)
      m_previewTemplates[previewUsing->AddItem(stored.GetName())] = stored.GetFileName();
    for (const Invoice::Template& stored : templates)
      m_printTemplates[printUsing->AddItem(stored.GetName())] = stored.GetFileName();
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
  m_delete = m_menu.AddItem(L"Delete");
  m_menu.AddSeparator();
  m_properties = m_menu.AddItem(L"Properties");
}

void InvoicesView::OnUpdate(View* sender, long hint, void* hintObject) {
  if (IsHintFor(hintObject)) Fill(hint != 0);
}

void InvoicesView::SetPeriod(int year, int month) {
  m_period = InvoicePeriod::For(year, month);
}

void InvoicesView::SetFilter(bool showPaid, bool showUnpaid) {
  m_showPaid = showPaid;
  m_showUnpaid = showUnpaid;
}

void InvoicesView::Fill(bool clearOnly) {
  if (clearOnly) {
    ClearAllRows();
    return;
  }
  try {
    // The rows come straight from the list query into compact records: the
    // list needs no business objects, whose construction would read every
    // invoice's OBJECTS row again, nor whole INVOICES rows.
    std::vector<InvoiceListRecord> invoices;
    DataAccess& data = DataAccess::Instance();
    data.LoadInvoiceList(invoices, m_period.start, m_period.LastSecond(), 0, m_showPaid, m_showUnpaid);
    std::map<int32_t, std::wstring> clientNames;
    for (const InvoiceListRecord& invoice : invoices) {
      if (invoice.companyObjectId == 0 || clientNames.count(invoice.companyObjectId)) continue;
      CompanyRecord company;
      data.LoadCompany(invoice.companyObjectId, company);
      clientNames.emplace(invoice.companyObjectId, std::move(company.name));
    }
    const double now = platform::OleDateTime::Now().GetDate();
    ReplaceRows([&] {
      m_invoices = std::move(invoices);
      m_clientNames = std::move(clientNames);
      m_now = now;
    });
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void InvoicesView::ClearRows() {
  PaneListView::ClearRows();
  m_invoices = {};
  m_clientNames.clear();
}

std::wstring InvoicesView::GetCellText(size_t row, size_t column) const {
  if (row >= m_invoices.size()) return {};
  const InvoiceListRecord& invoice = m_invoices[row];
  const auto client = m_clientNames.find(invoice.companyObjectId);
  static const std::wstring kNoName;
  return InvoiceListRows::Cell(invoice, column, client == m_clientNames.end() ? kNoName : client->second, m_now)
      .GetText();
}

int32_t InvoicesView::GetRowObjectId(size_t row) const {
  return row < m_invoices.size() ? m_invoices[row].id : 0;
}

ListCommandState InvoicesView::GetCommandState() const {
  return CommandRules::InvoiceCommands(SelectedCount(), FormAvailability::Current());
}

void InvoicesView::OnProperties() {
  if (SelectedCount() == 1) GetQuennetApp().OpenInvoiceForm(SelectedObjectId(), 0, false);
}

void InvoicesView::OnDelete() {
  const std::vector<int32_t> ids = SelectedObjectIds();
  if (ids.empty() || !ConfirmDelete()) return;
  const bool deleted = RunInUnitOfWork([&] {
    for (int32_t id : ids) Invoice::Invoice(id).Delete();
  });
  if (!deleted) return;
  Fill(false);
  Broadcast(RefreshMessages::Year(), 0);
  // Their payments stay, without the reference to the invoice.
  Broadcast(RefreshMessages::Finance(), 0);
}

void InvoicesView::Preview() {
  HandOver(false, std::nullopt);
}

void InvoicesView::Print() {
  HandOver(true, std::nullopt);
}

void InvoicesView::PreviewUsing(const std::wstring& templatePath) {
  HandOver(false, templatePath);
}

void InvoicesView::PrintUsing(const std::wstring& templatePath) {
  HandOver(true, templatePath);
}

void InvoicesView::HandOver(bool print, const std::optional<std::wstring>& templatePath) {
  if (SelectedCount() != 1) return;
  std::wstring path;
  if (templatePath) {
    path = *templatePath;
  } else {
    try {
      const Invoice::Invoice invoice(SelectedObjectId());
      int templateId = invoice.GetTemplateId();
      if (templateId == 0) templateId = ReadSettingInt(kDefaultTemplateKey, 0);
      if (templateId == 0) {
        platform::ShowMessageBox(kNoTemplateMessage, kAppCaption, platform::MB_ICONINFORMATION);
        return;
      }
      path = Invoice::Template(templateId).GetFileName();
    } catch (const Invoice::DbException& error) {
      ShowDbError(error);
      return;
    }
  }
  invoice_commands::HandOver(SelectedObjectId(), path, print);
}

void InvoicesView::MarkPaid() {
  invoice_commands::MarkPaid(SelectedObjectId(), true);
}

void InvoicesView::MarkNotPaid() {
  invoice_commands::MarkPaid(SelectedObjectId(), false);
}

void InvoicesView::AcceptPayment() {
  invoice_commands::AcceptPayment(SelectedObjectId(), this);
}

void InvoicesView::ShowContextMenu() {
  BuildMenu();
  const size_t selected = SelectedCount();
  bool paid = false;
  if (selected == 1) {
    try {
      paid = Invoice::Invoice(SelectedObjectId()).IsPaid();
    } catch (const Invoice::DbException& error) {
      ShowDbError(error);
      return;
    }
  }
  const InvoiceMenuState state = CommandRules::InvoiceMenu(selected, paid, FormAvailability::Current());
  m_menu.EnableItem(m_newInvoice, state.newInvoice);
  m_menu.EnableItem(m_newIncomeInvoice, state.newIncomeInvoice);
  m_menu.EnableItem(m_paid, state.paid);
  m_menu.EnableItem(m_notPaid, state.notPaid);
  m_menu.EnableItem(m_acceptPayment, state.acceptPayment);
  for (const auto& [command, path] : m_previewTemplates) m_menu.EnableItem(command, state.templates);
  for (const auto& [command, path] : m_printTemplates) m_menu.EnableItem(command, state.templates);
  m_menu.EnableItem(m_delete, state.del);
  m_menu.EnableItem(m_properties, state.properties);
  if (const unsigned command = TrackContextMenu()) RunMenuCommand(command);
}

void InvoicesView::RunMenuCommand(unsigned command) {
  if (command == m_newInvoice) {
    GetQuennetApp().OpenInvoiceForm(0, 0, false);
  } else if (command == m_newIncomeInvoice) {
    GetQuennetApp().OpenInvoiceForm(0, 0, true);
  } else if (command == m_paid) {
    MarkPaid();
  } else if (command == m_notPaid) {
    MarkNotPaid();
  } else if (command == m_acceptPayment) {
    AcceptPayment();
  } else if (command == m_delete) {
    OnDelete();
  } else if (command == m_properties) {
    OnProperties();
  } else if (auto preview = m_previewTemplates.find(command); preview != m_previewTemplates.end()) {
    PreviewUsing(preview->second);
  } else if (auto print = m_printTemplates.find(command); print != m_printTemplates.end()) {
    PrintUsing(print->second);
  }
}
