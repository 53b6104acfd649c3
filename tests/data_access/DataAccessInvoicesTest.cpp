#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataAccessFixture.h"

namespace {

using corvane::test::CallRecorder;
using corvane::test::ExpectSameTm;
using corvane::test::FailureText;

class DataAccessInvoices : public corvane::test::DataAccessTest {
protected:
  int NewCompany(const std::wstring& name) {
    CompanyRecord company;
    company.name = name;
    return Store(company, &DataAccess::SaveCompany);
  }
};

TEST_F(DataAccessInvoices, NewInvoiceInsertTextWritesEachColumnInItsForm) {
  InvoiceRecord invoice;
  invoice.invoiceNum = L"0007/06";
  invoice.datum = Tm(2006, 3, 9, 10, 0, 0);
  invoice.totalAmount = 1234567.89;
  const int id = NewObjectId();
  CallRecorder recorder;
  Data().SaveInvoice(invoice, id);
  const std::vector<std::wstring> expected = {
      L"INSERT INTO INVOICES (OBJECT_ID,INVOICE_NUM,COMPANY_OBJECT_ID,DATUM,DAYS_CONDITION, "
      L"TOTAL_AMOUNT,TAX_AMOUNT,PAID,PAID_ON,LOCKED_FOR_EDIT,TEMPLATE_OBJECT_ID,DISCOUNT_PERCENT,DISCOUNT_"
      L"AMOUNT,"
      L"DISPLAY_BOX,ADDRESS_OBJECT_ID,COMPANY_OBJECT_ID_FROM,DISPLAY_BOX_FROM,INVOICE_TYPE,ADDRESS_OBJECT_ID_"
      L"FROM) "
      L"VALUES (" +
      std::to_wstring(id) +
      L",'0007/06',NULL,CAST ('2006-03-09 10:00:00' AS TIMESTAMP),NULL,1234567.89,0,0,NULL,0,NULL,"
      L"NULL,NULL,NULL,NULL,NULL,NULL,0,NULL);\n"};
  EXPECT_EQ(Statements(recorder), expected);
}

TEST_F(DataAccessInvoices, UpdateTextsJoinTheirColumnsAsStored) {
  PriceGroupRecord group;
  group.name = L"Retail";
  const int groupId = Store(group, &DataAccess::SavePriceGroup);
  CompanyRecord company;
  company.name = L"Acme";
  company.priceGroupObjectId = groupId;
  company.defaultDiscount = 2.5;
  company.sellToThisOne = true;
  const int companyId = Store(company, &DataAccess::SaveCompany);
  SettingsRecord setting;
  setting.settField = L"O'K";
  const int settingId = Store(setting, &DataAccess::SaveSettings);

  CallRecorder recorder;
  Data().SavePriceGroup(group, 0);
  Data().SaveCompany(company, 0);
  Data().SaveSettings(setting, 0);
  Data().DeleteCompany(companyId);
  SettingsRecord read;
  Data().LoadSettings(settingId, read);
  const std::wstring g = std::to_wstring(groupId);
  const std::wstring c = std::to_wstring(companyId);
  const std::wstring s = std::to_wstring(settingId);
  const std::vector<std::wstring> expected = {
      L"UPDATE PRICE_GROUP SET NAME = 'Retail', DIRECTION = 2,FOR_SELLING = 1,FOR_BUYING = 1 WHERE OBJECT_ID "
      L"= " +
          g + L";\n",
      L"UPDATE COMPANIES SET NAME = 'Acme',PRICE_GROUP_OBJECT_ID = " + g +
          L",DEFAULT_DISCOUNT = 2.5,SELL_TO_THIS_ONE = 1,BUY_FROM_THIS_ONE = 0 WHERE OBJECT_ID = " + c +
          L";\n",
      L"UPDATE SETTINGS SET SETT_FIELD = 'O''K',SETT_VALUE = NULL WHERE OBJECT_ID = " + s + L";\n",
      L"DELETE FROM COMPANIES  WHERE OBJECT_ID = " + c + L";\n",
      L"SELECT  OBJECT_ID, SETT_FIELD, SETT_VALUE  FROM SETTINGS  WHERE OBJECT_ID = " + s + L";\n"};
  EXPECT_EQ(Statements(recorder), expected);
  EXPECT_EQ(read.settField, L"O'K");
  EXPECT_EQ(read.settValue, L"");
}

TEST_F(DataAccessInvoices, InvoiceRoundTrip) {
  const int client = NewCompany(L"Client");
  const int issuer = NewCompany(L"Issuer");
  InvoiceRecord invoice;
  invoice.invoiceNum = L"0001/06";
  invoice.companyObjectId = client;
  invoice.datum = Tm(2006, 12, 31, 23, 59, 59);
  invoice.daysCondition = 30;
  invoice.totalAmount = 1180.5;
  invoice.taxAmount = 180.075;
  invoice.paid = true;
  invoice.paidOn = Tm(2007, 1, 15, 8, 30, 0);
  invoice.lockedForEdit = true;
  invoice.discountPercent = 5;
  invoice.discountAmount = 62.13;
  invoice.displayBox = L"Client\nMain street 1";
  invoice.companyObjectIdFrom = issuer;
  invoice.displayBoxFrom = L"Issuer's box";
  invoice.invoiceType = 1;
  const int id = Store(invoice, &DataAccess::SaveInvoice);

  InvoiceRecord read;
  Data().LoadInvoice(id, read);
  EXPECT_EQ(read.id.GetId(), id);
  EXPECT_EQ(read.invoiceNum, L"0001/06");
  EXPECT_EQ(read.companyObjectId, client);
  ExpectSameTm(read.datum, invoice.datum);
  EXPECT_EQ(read.daysCondition, 30);
  EXPECT_EQ(read.totalAmount, 1180.5);
  EXPECT_EQ(read.taxAmount, 180.075);
  EXPECT_TRUE(read.paid);
  ExpectSameTm(read.paidOn, invoice.paidOn);
  EXPECT_TRUE(read.lockedForEdit);
  EXPECT_EQ(read.templateObjectId, 0);
  EXPECT_EQ(read.discountPercent, 5.0);
  EXPECT_EQ(read.discountAmount, 62.13);
  EXPECT_EQ(read.displayBox, invoice.displayBox);
  EXPECT_EQ(read.companyObjectIdFrom, issuer);
  EXPECT_EQ(read.displayBoxFrom, L"Issuer's box");
  EXPECT_EQ(read.invoiceType, 1);

  // Unpaid again: PAID_ON goes back to NULL.
  read.paid = false;
  read.paidOn = std::tm{};
  Data().SaveInvoice(read, 0);
  EXPECT_EQ(Column(L"SELECT PAID_ON FROM INVOICES").at(0), L"NULL");
  Data().DeleteInvoice(id);
  EXPECT_EQ(CountRows(L"INVOICES"), 0);
}

TEST_F(DataAccessInvoices, InvoiceWithoutDateIsRefusedByTheDatabase) {
  InvoiceRecord invoice;
  invoice.invoiceNum = L"X";
  const int id = NewObjectId();
  EXPECT_NE(FailureText([&] { Data().SaveInvoice(invoice, id); }), L"");
  EXPECT_EQ(invoice.id.GetId(), 0);
  EXPECT_EQ(CountRows(L"INVOICES"), 0);
}

TEST_F(DataAccessInvoices, AddressWritesEmptyNameAsNullAndEmptyBoxAsEmptyText) {
  const int company = NewCompany(L"Owner");
  AddressRecord address;
  address.companyObjectId = company;
  address.addressCity = L"Skopje";
  address.defaultAddress = true;
  CallRecorder recorder;
  const int id = Store(address, &DataAccess::SaveAddress);
  EXPECT_EQ(
      Statements(recorder).back(),
      L"INSERT INTO ADDRESSES (OBJECT_ID,NAME,DISPLAY_BOX,DEFAULT_ADDRESS,COMPANY_OBJECT_ID,ADDRESS_LINE1,"
      L"ADDRESS_LINE2,ADDRESS_LINE3,ADDRESS_ZIP,ADDRESS_CITY,ADDRESS_STATE,ADDRESS_COUNTRY,"
      L"DISPLAY_EDIT_ENABLED)VALUES (" +
          std::to_wstring(id) + L",NULL,''," + L"1," + std::to_wstring(company) +
          L",NULL,NULL,NULL,NULL,'Skopje',NULL,NULL,0);\n");
  AddressRecord read;
  Data().LoadAddress(id, read);
  EXPECT_EQ(read.name, L"");
  EXPECT_EQ(read.displayBox, L"");
  EXPECT_TRUE(read.defaultAddress);
  EXPECT_EQ(read.companyObjectId, company);
  EXPECT_EQ(read.addressCity, L"Skopje");
  EXPECT_FALSE(read.displayEditEnabled);
}

TEST_F(DataAccessInvoices, PriceRowsAndTheirLookup) {
  PriceGroupRecord group;
  group.name = L"Wholesale";
  group.direction = 1;
  group.forBuying = false;
  const int groupId = Store(group, &DataAccess::SavePriceGroup);
  PriceListRecord price;
  price.itemObjectId = 0;  // written as a number, never NULL
  price.priceGroupObjectId = groupId;
  price.price = 10.1;
  const int priceId = Store(price, &DataAccess::SavePriceList);
  EXPECT_EQ(Column(L"SELECT ITEM_OBJECT_ID FROM PRICE_LIST").at(0), L"0");
  EXPECT_EQ(Column(L"SELECT DISCOUNT_PERCENT FROM PRICE_LIST").at(0), L"NULL");

  PriceListRecord read;
  Data().LoadPriceList(priceId, read);
  EXPECT_EQ(read.price, 10.1);
  EXPECT_EQ(read.discountPercent, 0.0);
  PriceGroupRecord readGroup;
  Data().LoadPriceGroup(groupId, readGroup);
  EXPECT_EQ(readGroup.name, L"Wholesale");
  EXPECT_EQ(readGroup.direction, 1);
  EXPECT_TRUE(readGroup.forSelling);
  EXPECT_FALSE(readGroup.forBuying);

  EXPECT_EQ(Data().FindPriceListId(0, groupId), priceId);
  EXPECT_EQ(Data().FindPriceListId(1, groupId), 0);
  Data().DeletePriceList(priceId);
  Data().DeletePriceGroup(groupId);
  EXPECT_EQ(Data().FindPriceListId(0, groupId), 0);
}

TEST_F(DataAccessInvoices, SettingsAreFoundByKeyWithQuotes) {
  SettingsRecord setting;
  setting.settField = L"O'K";
  setting.settValue = L"42";
  const int id = Store(setting, &DataAccess::SaveSettings);
  EXPECT_EQ(Data().FindSettingsId(L"O'K"), id);
  EXPECT_EQ(Data().FindSettingsId(L"O''K"), 0);
  EXPECT_EQ(Data().FindSettingsId(L"missing"), 0);
}

// A user's "%" or "_" in a place name is a plain character, not a wildcard.
TEST_F(DataAccessInvoices, CountryCityAndStateNamesCompareExactly) {
  CountryRecord country;
  country.name = L"Macedonia";
  const int countryId = Store(country, &DataAccess::SaveCountry);
  CountryRecord percent;
  percent.name = L"50%";
  const int percentId = Store(percent, &DataAccess::SaveCountry);
  CountryRefRecord city;
  city.name = L"Ohrid";
  city.refType = L"CITY";
  city.countriesObjectId = countryId;
  const int cityId = Store(city, &DataAccess::SaveCountryRef);

  EXPECT_EQ(Data().FindCountryId(L"Macedonia"), countryId);
  EXPECT_EQ(Data().FindCountryId(L"Macedoni_"), 0);
  EXPECT_EQ(Data().FindCountryId(L"%"), 0);
  EXPECT_EQ(Data().FindCountryId(L"50%"), percentId);
  EXPECT_EQ(Data().FindCountryId(L"macedonia"), 0);
  EXPECT_EQ(Data().FindCountryRefId(L"Ohrid", L"CITY", countryId), cityId);
  EXPECT_EQ(Data().FindCountryRefId(L"Ohri_", L"CITY", countryId), 0);
  EXPECT_EQ(Data().FindCountryRefId(L"%", L"CITY", countryId), 0);
  EXPECT_EQ(Data().FindCountryRefId(L"Ohrid", L"STATE", countryId), 0);
  EXPECT_EQ(Data().FindCountryRefId(L"Ohrid", L"CITY", 0), 0);

  CallRecorder recorder;
  Data().FindCountryRefId(L"O'Neil", L"CITY", 0);
  EXPECT_EQ(
      Statements(recorder).at(0),
      L"SELECT OBJECT_ID FROM COUNTRIES_REF WHERE NAME = 'O''Neil' AND COUNTRIES_OBJECT_ID  IS NULL  AND "
      L"REF_TYPE = 'CITY';\n");
}

TEST_F(DataAccessInvoices, ContactsAccountsAndPaymentsRoundTrip) {
  const int company = NewCompany(L"Acme");
  PhoneRecord phone;
  phone.name = L"Office";
  phone.number = L"+389 2 123 456";
  phone.phoneDisplay = L"(02) 123-456";
  phone.countryPart = 389;
  phone.regionPart = -2;
  phone.companyObjectId = company;
  PhoneRecord readPhone;
  Data().LoadPhone(Store(phone, &DataAccess::SavePhone), readPhone);
  EXPECT_EQ(readPhone.number, phone.number);
  EXPECT_EQ(readPhone.phoneDisplay, phone.phoneDisplay);
  EXPECT_EQ(readPhone.countryPart, 389);
  EXPECT_EQ(readPhone.regionPart, -2);
  EXPECT_EQ(readPhone.companyObjectId, company);

  WebRecord web;
  web.web = L"https://example.org/?q='x'";
  web.companyObjectId = company;
  WebRecord readWeb;
  Data().LoadWeb(Store(web, &DataAccess::SaveWeb), readWeb);
  EXPECT_EQ(readWeb.name, L"");
  EXPECT_EQ(readWeb.web, web.web);

  EmailRecord email;
  email.name = L"Sales";
  email.email = L"sales@example.org";
  email.companyObjectId = company;
  EmailRecord readEmail;
  Data().LoadEmail(Store(email, &DataAccess::SaveEmail), readEmail);
  EXPECT_EQ(readEmail.email, email.email);

  PhoneCodeRecord code;
  code.country = L"Macedonia";
  code.code = L"389";
  PhoneCodeRecord readCode;
  Data().LoadPhoneCode(Store(code, &DataAccess::SavePhoneCode), readCode);
  EXPECT_EQ(readCode.country, L"Macedonia");
  EXPECT_EQ(readCode.code, L"389");

  AccountRecord account;
  account.name = L"Giro";
  account.companyObjectId = company;
  account.accountType = 2;
  account.openingDate = Tm(2005, 1, 1);
  const int accountId = Store(account, &DataAccess::SaveAccount);
  AccountRecord readAccount;
  Data().LoadAccount(accountId, readAccount);
  EXPECT_EQ(readAccount.name, L"Giro");
  EXPECT_EQ(readAccount.accountType, 2);
  ExpectSameTm(readAccount.openingDate, account.openingDate);

  PaymentRecord payment;
  payment.description = L"Advance";
  payment.amount = 1000000.01;
  payment.companyPayingId = company;
  payment.accountRecievingId = accountId;
  payment.paidOn = Tm(2006, 2, 28, 12);
  PaymentRecord readPayment;
  Data().LoadPayment(Store(payment, &DataAccess::SavePayment), readPayment);
  EXPECT_EQ(readPayment.amount, 1000000.01);
  EXPECT_EQ(readPayment.companyPayingId, company);
  EXPECT_EQ(readPayment.companyRecievingId, 0);
  EXPECT_EQ(readPayment.accountRecievingId, accountId);
  ExpectSameTm(readPayment.paidOn, payment.paidOn);

  DaysConditionRecord days;
  days.name = L"30 days";
  days.days = 30;
  DaysConditionRecord readDays;
  Data().LoadDaysCondition(Store(days, &DataAccess::SaveDaysCondition), readDays);
  EXPECT_EQ(readDays.days, 30);

  TemplateRecord layout;
  layout.name = L"Standard";
  layout.fileName = L"/opt/corvane/templates/Standard – A4.zlt";
  TemplateRecord readLayout;
  Data().LoadTemplate(Store(layout, &DataAccess::SaveTemplate), readLayout);
  EXPECT_EQ(readLayout.fileName, layout.fileName);
}

TEST_F(DataAccessInvoices, EveryDeleteRemovesOnlyItsClassRow) {
  const int company = NewCompany(L"Acme");
  EmailRecord email;
  email.email = L"a@b";
  email.companyObjectId = company;
  const int emailId = Store(email, &DataAccess::SaveEmail);
  Data().DeleteEmail(emailId);
  Data().DeleteEmail(emailId);
  EXPECT_EQ(CountRows(L"EMAILS"), 0);
  ObjectHeader header;
  Data().LoadObjectHeader(emailId, header);  // its OBJECTS row stays
  EXPECT_EQ(header.id.GetId(), emailId);
}

}  // namespace
