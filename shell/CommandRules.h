#pragma once

// Which commands of the main frame, the navigation tree and the list views
// are enabled, from the selection and from what can be opened at all: an
// editing form whose window does not exist yet (no registered template) or a
// dialog that is not built keeps its commands disabled.

#include <cstddef>
#include <cstdint>

struct FormAvailability {
  bool invoiceForm = false;
  bool itemForm = false;
  bool itemInputList = false;
  bool companyForm = false;
  bool priceListForm = false;
  bool accountDialog = false;  // the account dialog of a finance row
  bool stockDialogs = false;   // the single stock input and output dialogs
  bool paymentDialog = false;
  bool referenceDialogs = false;  // reference data, options and About

  // Every form and dialog: what the finished program has.
  static FormAvailability All();
  // What this build can open now (registered templates, linked dialogs).
  static FormAvailability Current();
};

// The main frame's commands that open forms and dialogs.
enum class MainCommand {
  NewInvoice,
  NewIncomeInvoice,
  NewItem,
  NewItemGroup,
  NewClient,
  NewInputPriceList,
  NewOutputPriceList,
  ItemInput,
  ReferenceData,  // any of the five reference-data lists
  Options,
  About,
};

struct TreeMenuState {
  bool newInvoice = false, newIncomeInvoice = false, newItem = false, newItemGroup = false, newClient = false,
       newIncomePriceList = false, newOutcomePriceList = false, del = false, properties = false;
};

struct InvoiceMenuState {
  bool newInvoice = false, newIncomeInvoice = false, paid = false, notPaid = false, acceptPayment = false,
       templates = false, del = false, properties = false;
};

struct CompaniesMenuState {
  bool newClient = false, newInvoiceForClient = false, del = false, properties = false;
};

// What one selected row of the finance overview is.
enum class FinanceRowKind { None, StoredAccount, StoredCompany };

struct FinancesMenuState {
  bool newAccount = false, newPayment = false, del = false, properties = false;
};

struct ItemsMenuState {
  bool newItem = false, newItemIncome = false, newItemOutcome = false, del = false, properties = false;
};

struct PriceGroupsMenuState {
  bool newIncomePriceList = false, newOutcomePriceList = false, del = false, properties = false;
};

// The main menu's "&Delete" and "&Properties ..." (and the toolbar's Preview
// and Print) for the active view.
struct ListCommandState {
  bool del = false, properties = false, preview = false, print = false;
};

class CommandRules {
public:
  static bool MainCommandEnabled(MainCommand command, const FormAvailability& forms);

  // The tree's context menu on a node of the kind with the integer.
  static TreeMenuState TreeMenu(int32_t kind, int32_t integer, const FormAvailability& forms);

  // selectedIsPaid is read only when exactly one row is selected.
  static InvoiceMenuState InvoiceMenu(size_t selected, bool selectedIsPaid, const FormAvailability& forms);
  static ListCommandState InvoiceCommands(size_t selected, const FormAvailability& forms);

  static CompaniesMenuState CompaniesMenu(size_t selected, const FormAvailability& forms);
  static ListCommandState CompaniesCommands(size_t selected, const FormAvailability& forms);

  // row: what the selected row is when exactly one is selected.
  static FinancesMenuState FinancesMenu(size_t selected, FinanceRowKind row, const FormAvailability& forms);
  static ListCommandState FinancesCommands(size_t selected, FinanceRowKind row,
                                           const FormAvailability& forms);

  static ItemsMenuState ItemsMenu(size_t selected, const FormAvailability& forms);
  static ListCommandState ItemsCommands(size_t selected, const FormAvailability& forms);

  static PriceGroupsMenuState PriceGroupsMenu(size_t selected, const FormAvailability& forms);
  static ListCommandState PriceGroupsCommands(size_t selected, const FormAvailability& forms);
};
