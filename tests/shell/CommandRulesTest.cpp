#include "shell/CommandRules.h"

#include <gtest/gtest.h>

#include "shell/CQuennetApp.h"
#include "shell/FormArguments.h"
#include "shell/NavigationRules.h"

namespace {

const FormAvailability kAll = FormAvailability::All();

FormAvailability Nothing() {
  return FormAvailability{};
}

TEST(CommandRulesTest, MainCommandsFollowWhatCanBeOpened) {
  FormAvailability forms = Nothing();
  forms.invoiceForm = true;
  forms.referenceDialogs = true;
  EXPECT_TRUE(CommandRules::MainCommandEnabled(MainCommand::NewInvoice, forms));
  EXPECT_TRUE(CommandRules::MainCommandEnabled(MainCommand::NewIncomeInvoice, forms));
  EXPECT_TRUE(CommandRules::MainCommandEnabled(MainCommand::ReferenceData, forms));
  EXPECT_TRUE(CommandRules::MainCommandEnabled(MainCommand::Options, forms));
  for (MainCommand command :
       {MainCommand::NewItem, MainCommand::NewItemGroup, MainCommand::NewClient,
        MainCommand::NewInputPriceList, MainCommand::NewOutputPriceList, MainCommand::ItemInput})
    EXPECT_FALSE(CommandRules::MainCommandEnabled(command, forms));
}

TEST(CommandRulesTest, FormsWithoutARegisteredTemplateAreNotAvailable) {
  CQuennetApp::UnregisterFormTemplate(kCompanyFormTemplate);
  EXPECT_FALSE(FormAvailability::Current().companyForm);
  CQuennetApp::RegisterFormTemplate(
      kCompanyFormTemplate, [](wxWindow*) -> BaseFrameWnd* { return nullptr; },
      [](BaseFrameWnd*) -> View* { return nullptr; });
  EXPECT_TRUE(FormAvailability::Current().companyForm);
  EXPECT_FALSE(FormAvailability::Current().invoiceForm);
  CQuennetApp::UnregisterFormTemplate(kCompanyFormTemplate);
  EXPECT_FALSE(FormAvailability::Current().companyForm);
}

TEST(CommandRulesTest, TreeDeleteAndPropertiesOnlyOnAGroup) {
  const TreeMenuState group = CommandRules::TreeMenu(navigation::kInventory, 57, kAll);
  EXPECT_TRUE(group.del);
  EXPECT_TRUE(group.properties);
  const TreeMenuState inventory =
      CommandRules::TreeMenu(navigation::kInventory, navigation::kInventory, kAll);
  EXPECT_FALSE(inventory.del);
  EXPECT_FALSE(inventory.properties);
  const TreeMenuState year = CommandRules::TreeMenu(navigation::kInvoices, 2006, kAll);
  EXPECT_FALSE(year.del);
  EXPECT_TRUE(year.newInvoice);
  // Without the item form a group can be deleted but not opened.
  const TreeMenuState withoutForms = CommandRules::TreeMenu(navigation::kInventory, 57, Nothing());
  EXPECT_TRUE(withoutForms.del);
  EXPECT_FALSE(withoutForms.properties);
  EXPECT_FALSE(withoutForms.newItem);
  EXPECT_FALSE(withoutForms.newInvoice);
}

TEST(CommandRulesTest, InvoiceMenuByPaymentStateAndSelection) {
  const InvoiceMenuState unpaid = CommandRules::InvoiceMenu(1, false, kAll);
  EXPECT_TRUE(unpaid.paid);
  EXPECT_TRUE(unpaid.acceptPayment);
  EXPECT_FALSE(unpaid.notPaid);
  EXPECT_TRUE(unpaid.templates);
  EXPECT_TRUE(unpaid.del);
  EXPECT_TRUE(unpaid.properties);

  const InvoiceMenuState paid = CommandRules::InvoiceMenu(1, true, kAll);
  EXPECT_FALSE(paid.paid);
  EXPECT_FALSE(paid.acceptPayment);
  EXPECT_TRUE(paid.notPaid);

  // Two rows: Delete, but neither Properties nor any template entry.
  const InvoiceMenuState two = CommandRules::InvoiceMenu(2, false, kAll);
  EXPECT_TRUE(two.del);
  EXPECT_FALSE(two.properties);
  EXPECT_FALSE(two.templates);
  EXPECT_FALSE(two.paid || two.notPaid || two.acceptPayment);

  const InvoiceMenuState none = CommandRules::InvoiceMenu(0, false, kAll);
  EXPECT_FALSE(none.del);
  EXPECT_TRUE(none.newInvoice);

  // The invoice form not built yet: no new invoices, no properties.
  const InvoiceMenuState withoutForm = CommandRules::InvoiceMenu(1, false, Nothing());
  EXPECT_FALSE(withoutForm.newInvoice || withoutForm.newIncomeInvoice || withoutForm.properties);
  EXPECT_TRUE(withoutForm.paid && withoutForm.del && withoutForm.templates);
}

TEST(CommandRulesTest, PlainInvoiceCommandsNeedExactlyOneRowAndDeleteAtLeastOne) {
  for (size_t selected : {0u, 1u, 3u}) {
    const ListCommandState state = CommandRules::InvoiceCommands(selected, kAll);
    EXPECT_EQ(state.preview, selected == 1);
    EXPECT_EQ(state.print, selected == 1);
    EXPECT_EQ(state.properties, selected == 1);
    EXPECT_EQ(state.del, selected > 0);
  }
}

TEST(CommandRulesTest, ListViewDeleteAndProperties) {
  EXPECT_TRUE(CommandRules::CompaniesCommands(3, kAll).del);
  EXPECT_FALSE(CommandRules::CompaniesCommands(3, kAll).properties);
  EXPECT_TRUE(CommandRules::ItemsCommands(2, kAll).del);
  // The price lists' main-menu Delete wants exactly one row, its context menu any.
  EXPECT_FALSE(CommandRules::PriceGroupsCommands(2, kAll).del);
  EXPECT_TRUE(CommandRules::PriceGroupsMenu(2, kAll).del);
  EXPECT_TRUE(CommandRules::PriceGroupsCommands(1, kAll).del);
}

TEST(CommandRulesTest, FinanceCommandsDependOnTheKindOfRow) {
  const ListCommandState account = CommandRules::FinancesCommands(1, FinanceRowKind::StoredAccount, kAll);
  EXPECT_TRUE(account.del);
  EXPECT_TRUE(account.properties);
  const ListCommandState company = CommandRules::FinancesCommands(1, FinanceRowKind::StoredCompany, kAll);
  EXPECT_FALSE(company.del);
  EXPECT_TRUE(company.properties);
  const ListCommandState none = CommandRules::FinancesCommands(0, FinanceRowKind::None, kAll);
  EXPECT_FALSE(none.del || none.properties);
  const FinancesMenuState menu = CommandRules::FinancesMenu(0, FinanceRowKind::None, kAll);
  EXPECT_TRUE(menu.newAccount && menu.newPayment);
  EXPECT_FALSE(menu.del || menu.properties);
}

TEST(CommandRulesTest, ItemStockDialogsNeedOneItemAndTheDialogs) {
  EXPECT_TRUE(CommandRules::ItemsMenu(1, kAll).newItemIncome);
  EXPECT_FALSE(CommandRules::ItemsMenu(2, kAll).newItemOutcome);
  FormAvailability forms = kAll;
  forms.stockDialogs = false;
  EXPECT_FALSE(CommandRules::ItemsMenu(1, forms).newItemIncome);
  EXPECT_TRUE(CommandRules::ItemsMenu(1, forms).newItem);
}

}  // namespace
