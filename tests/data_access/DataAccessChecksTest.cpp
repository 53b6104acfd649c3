#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataAccessFixture.h"

namespace {

using corvane::test::CallRecorder;
using corvane::test::FailureText;

class DataAccessChecks : public corvane::test::DataAccessTest {
protected:
  int NewItem(int measurement = 0, int tax = 0) {
    ItemRecord item;
    item.name = L"Item";
    item.measurementObjectId = measurement;
    item.taxObjectId = tax;
    return Store(item, &DataAccess::SaveItem);
  }
  int NewCompany(int priceGroup = 0) {
    CompanyRecord company;
    company.name = L"Company " + std::to_wstring(++m_companies);
    company.priceGroupObjectId = priceGroup;
    return Store(company, &DataAccess::SaveCompany);
  }
  int NewInvoice(int company = 0, int days = 0, int layout = 0) {
    InvoiceRecord invoice;
    invoice.invoiceNum = std::to_wstring(++m_invoices);
    invoice.datum = Tm(2006, 1, 1);
    invoice.companyObjectId = company;
    invoice.daysCondition = days;
    invoice.templateObjectId = layout;
    return Store(invoice, &DataAccess::SaveInvoice);
  }
  int NewPriceGroup() {
    PriceGroupRecord group;
    group.name = L"Group " + std::to_wstring(++m_groups);
    return Store(group, &DataAccess::SavePriceGroup);
  }
  void NewSetting(const std::wstring& key, int value) {
    SettingsRecord setting;
    setting.settField = key;
    setting.settValue = std::to_wstring(value);
    Store(setting, &DataAccess::SaveSettings);
  }
  void NewIssue(int item, int invoice) {
    ItemOutputRecord line;
    line.itemObjectId = item;
    line.invoiceObjectId = invoice;
    line.quantity = 1;
    Store(line, &DataAccess::SaveItemOutput);
  }
  void NewReceipt(int item, int invoice) {
    ItemInputRecord line;
    line.itemObjectId = item;
    line.invoiceObjectId = invoice;
    line.quantity = 1;
    Store(line, &DataAccess::SaveItemInput);
  }

  int m_companies = 0;
  int m_invoices = 0;
  int m_groups = 0;
};

const wchar_t kOutgoing[] = L"Item is used in one (or more) Outgoing Invoice(s) and can not be deleted!";
const wchar_t kIncome[] = L"Item is used in one (or more) Income Invoice(s) and can not be deleted!";

TEST_F(DataAccessChecks, ItemOnAnInvoiceLineCannotBeDeleted) {
  const int invoice = NewInvoice();
  const int free = NewItem();
  NewIssue(free, 0);
  NewReceipt(free, 0);
  const int issued = NewItem();
  NewIssue(issued, invoice);
  const int received = NewItem();
  NewReceipt(received, invoice);

  EXPECT_EQ(FailureText([&] { Data().CheckItemDeletable(free); }), L"");
  EXPECT_EQ(FailureText([&] { Data().CheckItemDeletable(issued); }), kOutgoing);
  // Its receipts would go with it, off the stored income invoice.
  EXPECT_EQ(FailureText([&] { Data().CheckItemDeletable(received); }), kIncome);
}

TEST_F(DataAccessChecks, ItemCheckTextsAndTheirOrder) {
  CallRecorder recorder;
  Data().CheckItemDeletable(5);
  const std::vector<std::wstring> expected = {
      L"SELECT OBJECT_ID FROM ITEM_OUTPUT WHERE ITEM_OBJECT_ID = 5 AND INVOICE_OBJECT_ID IS NOT NULL;\n",
      L"SELECT OBJECT_ID FROM ITEM_INPUT WHERE ITEM_OBJECT_ID = 5 AND INVOICE_OBJECT_ID IS NOT NULL;\n",
      L"SELECT DISTINCT P.NAME FROM ITEM_DEPENDENCIES D JOIN ITEMS P ON P.OBJECT_ID = D.ITEM_OBJECT_ID "
      L"WHERE D.DEP_ITEM_OBJECT_ID = 5 ORDER BY 1;\n"};
  EXPECT_EQ(Statements(recorder), expected);
}

TEST_F(DataAccessChecks, CompanyNamedByAnInvoiceCannotBeDeleted) {
  const int used = NewCompany();
  const int unused = NewCompany();
  NewInvoice(used);
  InvoiceRecord income;
  income.invoiceNum = L"I-1";
  income.invoiceType = 1;
  income.datum = Tm(2006, 1, 1);
  const int supplier = NewCompany();
  income.companyObjectIdFrom = supplier;
  Store(income, &DataAccess::SaveInvoice);
  EXPECT_EQ(FailureText([&] { Data().CheckCompanyDeletable(supplier); }),
            L"Client is used in one (or more) Invoice(s) and can not be deleted!");
  CallRecorder recorder;
  EXPECT_EQ(FailureText([&] { Data().CheckCompanyDeletable(used); }),
            L"Client is used in one (or more) Invoice(s) and can not be deleted!");
  EXPECT_EQ(Statements(recorder).at(0),
            L"SELECT OBJECT_ID FROM INVOICES WHERE COMPANY_OBJECT_ID = " + std::to_wstring(used) + L"\n");
  EXPECT_EQ(FailureText([&] { Data().CheckCompanyDeletable(unused); }), L"");
}

TEST_F(DataAccessChecks, PriceGroupChecksRunInOrderAndStopAtTheFirstRefusal) {
  const wchar_t kClient[] =
      L"Price List is used in one (or more) Client(s) as a default Price List and can not be deleted!";
  const wchar_t kOutcome[] = L"Price List is the Default Outcome Price List and can not be deleted!";
  const wchar_t kIncomeList[] = L"Price List is the Default Income Price List and can not be deleted!";
  const int everywhere = NewPriceGroup();
  NewCompany(everywhere);
  const int bothDefaults = NewPriceGroup();
  NewSetting(L"OUTPUT_DEFAULT_PRICE_GROUP", everywhere);
  NewSetting(L"OUTPUT_DEFAULT_PRICE_GROUP", bothDefaults);
  NewSetting(L"INPUT_DEFAULT_PRICE_GROUP", bothDefaults);
  const int incomeOnly = NewPriceGroup();
  NewSetting(L"INPUT_DEFAULT_PRICE_GROUP", incomeOnly);
  const int unused = NewPriceGroup();

  EXPECT_EQ(FailureText([&] { Data().CheckPriceGroupDeletable(everywhere); }), kClient);
  EXPECT_EQ(FailureText([&] { Data().CheckPriceGroupDeletable(bothDefaults); }), kOutcome);
  EXPECT_EQ(FailureText([&] { Data().CheckPriceGroupDeletable(incomeOnly); }), kIncomeList);

  CallRecorder recorder;
  EXPECT_EQ(FailureText([&] { Data().CheckPriceGroupDeletable(unused); }), L"");
  const std::wstring id = std::to_wstring(unused);
  const std::vector<std::wstring> expected = {
      L"SELECT OBJECT_ID FROM COMPANIES WHERE PRICE_GROUP_OBJECT_ID = " + id + L"\n",
      L"SELECT OBJECT_ID FROM SETTINGS WHERE SETT_FIELD = 'OUTPUT_DEFAULT_PRICE_GROUP' AND SETT_VALUE = '" +
          id + L"'\n",
      L"SELECT OBJECT_ID FROM SETTINGS WHERE SETT_FIELD = 'INPUT_DEFAULT_PRICE_GROUP' AND SETT_VALUE = '" +
          id + L"'\n"};
  EXPECT_EQ(Statements(recorder), expected);
}

TEST_F(DataAccessChecks, ReferenceRowsUsedByItemsOrInvoices) {
  MeasurementRecord measurement;
  measurement.name = L"kg";
  const int usedMeasurement = Store(measurement, &DataAccess::SaveMeasurement);
  TaxRecord tax;
  tax.name = L"VAT";
  const int usedTax = Store(tax, &DataAccess::SaveTax);
  TemplateRecord layout;
  layout.name = L"A4";
  const int usedTemplate = Store(layout, &DataAccess::SaveTemplate);
  NewItem(usedMeasurement, usedTax);
  NewInvoice(0, 30, usedTemplate);
  NewInvoice(0, 0, 0);  // 0 days is stored as NULL
  const int groupMeasurement = Store(measurement, &DataAccess::SaveMeasurement);
  const int groupTax = Store(tax, &DataAccess::SaveTax);
  const int defaultTemplate = Store(layout, &DataAccess::SaveTemplate);
  NewSetting(L"DEF_TEMPLATE", defaultTemplate);
  auto newGroup = [&](int parent, int measurementId = 0, int taxId = 0) {
    ItemGroupRecord group;
    group.name = L"Group";
    group.parentObjectId = parent;
    group.measurementObjectId = measurementId;
    group.taxObjectId = taxId;
    return Store(group, &DataAccess::SaveItemGroup);
  };
  const int parentGroup = newGroup(0, groupMeasurement, groupTax);
  const int groupOfItems = newGroup(parentGroup);
  const int emptyGroup = newGroup(parentGroup);
  ItemRecord grouped;
  grouped.name = L"Grouped";
  grouped.itemsGroupObjectId = groupOfItems;
  Store(grouped, &DataAccess::SaveItem);

  struct Case {
    std::function<void()> check;
    std::wstring refusal;
  };
  const std::vector<Case> cases = {
      {[&] { Data().CheckMeasurementDeletable(usedMeasurement); },
       L"Measurement is used in one (or more) Item(s) and can not be deleted!"},
      {[&] { Data().CheckMeasurementDeletable(usedTax); }, L""},
      {[&] { Data().CheckTaxDeletable(usedTax); },
       L"Tax is used in one (or more) Item(s) and can not be deleted!"},
      {[&] { Data().CheckTaxDeletable(usedMeasurement); }, L""},
      {[&] { Data().CheckDaysConditionDeletable(30); },
       L"Days Condition is used in one (or more) Invoice(s) and can not be deleted!"},
      {[&] { Data().CheckDaysConditionDeletable(0); }, L""},
      {[&] { Data().CheckDaysConditionDeletable(15); }, L""},
      {[&] { Data().CheckTemplateDeletable(usedTemplate); },
       L"Template layout is used in one (or more) Invoice(s) and can not be deleted!"},
      {[&] { Data().CheckTemplateDeletable(usedTemplate + 1000); }, L""},
      // Groups pass their tax and measurement on: their use counts too.
      {[&] { Data().CheckMeasurementDeletable(groupMeasurement); },
       L"Measurement is used in one (or more) Item Group(s) and can not be deleted!"},
      {[&] { Data().CheckTaxDeletable(groupTax); },
       L"Tax is used in one (or more) Item Group(s) and can not be deleted!"},
      // Invoices without a template of their own print with the default one.
      {[&] { Data().CheckTemplateDeletable(defaultTemplate); },
       L"Template layout is the Default Template layout and can not be deleted!"},
      {[&] { Data().CheckItemGroupDeletable(parentGroup); },
       L"Item Group holds one (or more) Item Group(s) and can not be deleted!"},
      {[&] { Data().CheckItemGroupDeletable(groupOfItems); },
       L"Item Group holds one (or more) Item(s) and can not be deleted!"},
      {[&] { Data().CheckItemGroupDeletable(emptyGroup); }, L""},
  };
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(FailureText(cases[i].check), cases[i].refusal) << i;
}

TEST_F(DataAccessChecks, DeleteItemPricesRemovesTheItemsPricesInEveryGroup) {
  const int item = NewItem();
  const int other = NewItem();
  for (int group : {NewPriceGroup(), NewPriceGroup()}) {
    for (int owner : {item, other}) {
      PriceListRecord price;
      price.itemObjectId = owner;
      price.priceGroupObjectId = group;
      price.price = 1;
      Store(price, &DataAccess::SavePriceList);
    }
  }
  const int objects = CountRows(L"OBJECTS");
  CallRecorder recorder;
  Data().DeleteItemPrices(item);
  EXPECT_EQ(Statements(recorder).at(0),
            L"DELETE FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + std::to_wstring(item) + L"\n");
  EXPECT_EQ(Column(L"SELECT ITEM_OBJECT_ID FROM PRICE_LIST"),
            std::vector<std::wstring>(2, std::to_wstring(other)));
  EXPECT_EQ(CountRows(L"OBJECTS"), objects);
  Data().DeleteItemPrices(item);  // nothing left: no error
}

}  // namespace
