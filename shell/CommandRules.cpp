#include "shell/CommandRules.h"

#include "shell/CQuennetApp.h"
#include "shell/FormArguments.h"
#include "shell/NavigationRules.h"

FormAvailability FormAvailability::All() {
  FormAvailability all;
  all.invoiceForm = all.itemForm = all.itemInputList = all.companyForm = all.priceListForm = true;
  all.accountDialog = all.stockDialogs = all.paymentDialog = all.referenceDialogs = true;
  return all;
}

FormAvailability FormAvailability::Current() {
  FormAvailability current;
  current.invoiceForm = CQuennetApp::CanOpenForm(kInvoiceFormTemplate);
  current.itemForm = CQuennetApp::CanOpenForm(kItemFormTemplate);
  current.itemInputList = CQuennetApp::CanOpenForm(kItemInputTemplate);
  current.companyForm = CQuennetApp::CanOpenForm(kCompanyFormTemplate);
  current.priceListForm = CQuennetApp::CanOpenForm(kPriceListFormTemplate);
  current.accountDialog = true;
  current.stockDialogs = true;
  current.paymentDialog = true;
  current.referenceDialogs = true;
  return current;
}

bool CommandRules::MainCommandEnabled(MainCommand command, const FormAvailability& forms) {
  switch (command) {
    case MainCommand::NewInvoice:
    case MainCommand::NewIncomeInvoice:
      return forms.invoiceForm;
    case MainCommand::NewItem:
    case MainCommand::NewItemGroup:
      return forms.itemForm;
    case MainCommand::NewClient:
      return forms.companyForm;
    case MainCommand::NewInputPriceList:
    case MainCommand::NewOutputPriceList:
      return forms.priceListForm;
    case MainCommand::ItemInput:
      return forms.itemInputList;
    case MainCommand::ReferenceData:
    case MainCommand::Options:
    case MainCommand::About:
      return forms.referenceDialogs;
  }
  return false;
}

TreeMenuState CommandRules::TreeMenu(int32_t kind, int32_t integer, const FormAvailability& forms) {
  TreeMenuState state;
  state.newInvoice = state.newIncomeInvoice = forms.invoiceForm;
  state.newItem = state.newItemGroup = forms.itemForm;
  state.newClient = forms.companyForm;
  state.newIncomePriceList = state.newOutcomePriceList = forms.priceListForm;
  const bool group = navigation::NavigationRules::IsItemGroupNode(kind, integer);
  state.del = group;
  state.properties = group && forms.itemForm;
  return state;
}

InvoiceMenuState CommandRules::InvoiceMenu(size_t selected, bool selectedIsPaid,
                                           const FormAvailability& forms) {
  InvoiceMenuState state;
  state.newInvoice = state.newIncomeInvoice = forms.invoiceForm;
  if (selected == 1) {
    state.properties = forms.invoiceForm;
    state.del = true;
    state.templates = true;
    state.notPaid = selectedIsPaid;
    state.paid = !selectedIsPaid;
    state.acceptPayment = !selectedIsPaid && forms.paymentDialog;
  } else {
    state.del = selected > 0;
  }
  return state;
}

ListCommandState CommandRules::InvoiceCommands(size_t selected, const FormAvailability& forms) {
  ListCommandState state;
  state.del = selected > 0;
  state.properties = selected == 1 && forms.invoiceForm;
  state.preview = state.print = selected == 1;
  return state;
}

CompaniesMenuState CommandRules::CompaniesMenu(size_t selected, const FormAvailability& forms) {
  CompaniesMenuState state;
  state.newClient = forms.companyForm;
  state.newInvoiceForClient = selected == 1 && forms.invoiceForm;
  state.properties = selected == 1 && forms.companyForm;
  state.del = selected > 0;
  return state;
}

ListCommandState CommandRules::CompaniesCommands(size_t selected, const FormAvailability& forms) {
  ListCommandState state;
  state.del = selected > 0;
  state.properties = selected == 1 && forms.companyForm;
  return state;
}

namespace {

// Properties of one finance row: an account through its dialog, a company
// through its form.
bool FinancePropertiesEnabled(size_t selected, FinanceRowKind row, const FormAvailability& forms) {
  if (selected != 1) return false;
  if (row == FinanceRowKind::StoredAccount) return forms.accountDialog;
  if (row == FinanceRowKind::StoredCompany) return forms.companyForm;
  return false;
}

}  // namespace

FinancesMenuState CommandRules::FinancesMenu(size_t selected, FinanceRowKind row,
                                             const FormAvailability& forms) {
  FinancesMenuState state;
  state.newAccount = forms.accountDialog;
  state.newPayment = forms.paymentDialog;
  state.properties = FinancePropertiesEnabled(selected, row, forms);
  state.del = selected == 1 && row == FinanceRowKind::StoredAccount;
  return state;
}

ListCommandState CommandRules::FinancesCommands(size_t selected, FinanceRowKind row,
                                                const FormAvailability& forms) {
  ListCommandState state;
  state.del = selected == 1 && row == FinanceRowKind::StoredAccount;
  state.properties = FinancePropertiesEnabled(selected, row, forms);
  return state;
}

ItemsMenuState CommandRules::ItemsMenu(size_t selected, const FormAvailability& forms) {
  ItemsMenuState state;
  state.newItem = forms.itemForm;
  state.newItemIncome = state.newItemOutcome = selected == 1 && forms.stockDialogs;
  state.properties = selected == 1 && forms.itemForm;
  state.del = selected > 0;
  return state;
}

ListCommandState CommandRules::ItemsCommands(size_t selected, const FormAvailability& forms) {
  ListCommandState state;
  state.del = selected > 0;
  state.properties = selected == 1 && forms.itemForm;
  return state;
}

PriceGroupsMenuState CommandRules::PriceGroupsMenu(size_t selected, const FormAvailability& forms) {
  PriceGroupsMenuState state;
  state.newIncomePriceList = state.newOutcomePriceList = forms.priceListForm;
  state.properties = selected == 1 && forms.priceListForm;
  state.del = selected > 0;
  return state;
}

ListCommandState CommandRules::PriceGroupsCommands(size_t selected, const FormAvailability& forms) {
  ListCommandState state;
  state.del = selected == 1;
  state.properties = selected == 1 && forms.priceListForm;
  return state;
}
