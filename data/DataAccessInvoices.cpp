// DataAccess: invoices, companies, contacts, price lists, settings and the
// reference tables, with the lookups that find a row by its content.

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DataAccessRows.h"
#include "data/SqlLiteral.h"
#include "data/ibase/ibData.h"

using namespace dataaccess;

void DataAccess::LoadInvoice(int id, InvoiceRecord& record) const {
  LoadRecord(InvoiceTable(), id, record);
}
void DataAccess::SaveInvoice(InvoiceRecord& record, int id) const {
  SaveRecord(InvoiceTable(), record, id);
}
void DataAccess::DeleteInvoice(int id) const {
  DeleteRecord(InvoiceTable(), id);
}

void DataAccess::LoadCompany(int id, CompanyRecord& record) const {
  LoadRecord(CompanyTable(), id, record);
}
void DataAccess::SaveCompany(CompanyRecord& record, int id) const {
  SaveRecord(CompanyTable(), record, id);
}
void DataAccess::DeleteCompany(int id) const {
  DeleteRecord(CompanyTable(), id);
}

void DataAccess::LoadAddress(int id, AddressRecord& record) const {
  LoadRecord(AddressTable(), id, record);
}
void DataAccess::SaveAddress(AddressRecord& record, int id) const {
  SaveRecord(AddressTable(), record, id);
}
void DataAccess::DeleteAddress(int id) const {
  DeleteRecord(AddressTable(), id);
}

void DataAccess::LoadPriceGroup(int id, PriceGroupRecord& record) const {
  LoadRecord(PriceGroupTable(), id, record);
}
void DataAccess::SavePriceGroup(PriceGroupRecord& record, int id) const {
  SaveRecord(PriceGroupTable(), record, id);
}
void DataAccess::DeletePriceGroup(int id) const {
  DeleteRecord(PriceGroupTable(), id);
}

void DataAccess::LoadPriceList(int id, PriceListRecord& record) const {
  LoadRecord(PriceListTable(), id, record);
}
void DataAccess::SavePriceList(PriceListRecord& record, int id) const {
  SaveRecord(PriceListTable(), record, id);
}
void DataAccess::DeletePriceList(int id) const {
  DeleteRecord(PriceListTable(), id);
}

void DataAccess::LoadSettings(int id, SettingsRecord& record) const {
  LoadRecord(SettingsTable(), id, record);
}
void DataAccess::SaveSettings(SettingsRecord& record, int id) const {
  SaveRecord(SettingsTable(), record, id);
}

void DataAccess::LoadDaysCondition(int id, DaysConditionRecord& record) const {
  LoadRecord(DaysConditionTable(), id, record);
}
void DataAccess::SaveDaysCondition(DaysConditionRecord& record, int id) const {
  SaveRecord(DaysConditionTable(), record, id);
}
void DataAccess::DeleteDaysCondition(int id) const {
  DeleteRecord(DaysConditionTable(), id);
}

void DataAccess::LoadTemplate(int id, TemplateRecord& record) const {
  LoadRecord(TemplateTable(), id, record);
}
void DataAccess::SaveTemplate(TemplateRecord& record, int id) const {
  SaveRecord(TemplateTable(), record, id);
}
void DataAccess::DeleteTemplate(int id) const {
  DeleteRecord(TemplateTable(), id);
}

void DataAccess::LoadCountry(int id, CountryRecord& record) const {
  LoadRecord(CountryTable(), id, record);
}
void DataAccess::SaveCountry(CountryRecord& record, int id) const {
  SaveRecord(CountryTable(), record, id);
}
void DataAccess::DeleteCountry(int id) const {
  DeleteRecord(CountryTable(), id);
}

void DataAccess::LoadCountryRef(int id, CountryRefRecord& record) const {
  LoadRecord(CountryRefTable(), id, record);
}
void DataAccess::SaveCountryRef(CountryRefRecord& record, int id) const {
  SaveRecord(CountryRefTable(), record, id);
}
void DataAccess::DeleteCountryRef(int id) const {
  DeleteRecord(CountryRefTable(), id);
}

void DataAccess::LoadPhone(int id, PhoneRecord& record) const {
  LoadRecord(PhoneTable(), id, record);
}
void DataAccess::SavePhone(PhoneRecord& record, int id) const {
  SaveRecord(PhoneTable(), record, id);
}
void DataAccess::DeletePhone(int id) const {
  DeleteRecord(PhoneTable(), id);
}

void DataAccess::LoadWeb(int id, WebRecord& record) const {
  LoadRecord(WebTable(), id, record);
}
void DataAccess::SaveWeb(WebRecord& record, int id) const {
  SaveRecord(WebTable(), record, id);
}
void DataAccess::DeleteWeb(int id) const {
  DeleteRecord(WebTable(), id);
}

void DataAccess::LoadEmail(int id, EmailRecord& record) const {
  LoadRecord(EmailTable(), id, record);
}
void DataAccess::SaveEmail(EmailRecord& record, int id) const {
  SaveRecord(EmailTable(), record, id);
}
void DataAccess::DeleteEmail(int id) const {
  DeleteRecord(EmailTable(), id);
}

void DataAccess::LoadPhoneCode(int id, PhoneCodeRecord& record) const {
  LoadRecord(PhoneCodeTable(), id, record);
}
void DataAccess::SavePhoneCode(PhoneCodeRecord& record, int id) const {
  SaveRecord(PhoneCodeTable(), record, id);
}
void DataAccess::DeletePhoneCode(int id) const {
  DeleteRecord(PhoneCodeTable(), id);
}

void DataAccess::LoadAccount(int id, AccountRecord& record) const {
  LoadRecord(AccountTable(), id, record);
}
void DataAccess::SaveAccount(AccountRecord& record, int id) const {
  SaveRecord(AccountTable(), record, id);
}
void DataAccess::DeleteAccount(int id) const {
  DeleteRecord(AccountTable(), id);
}

void DataAccess::LoadPayment(int id, PaymentRecord& record) const {
  LoadRecord(PaymentTable(), id, record);
}
void DataAccess::SavePayment(PaymentRecord& record, int id) const {
  SaveRecord(PaymentTable(), record, id);
}
void DataAccess::DeletePayment(int id) const {
  DeleteRecord(PaymentTable(), id);
}
int DataAccess::FindInvoiceIdByNumber(const std::wstring& number, int invoiceType) const {
  SqlBuilder text;
  text << L"SELECT OBJECT_ID FROM INVOICES WHERE INVOICE_NUM = " << sql::Text(number)
       << L" AND INVOICE_TYPE = " << invoiceType << L";" << std::endl;
  return TranslateDbErrors([&] { return ReadFirstId(text.str()); });
}

int DataAccess::FindSettingsId(const std::wstring& key) const {
  SqlBuilder text;
  text << L"SELECT " << SettingsColumns() << L" FROM SETTINGS " << L" WHERE SETT_FIELD = " << sql::Text(key)
       << L";" << std::endl;
  SettingsRecord found;
  TranslateDbErrors([&] {
    ReadRows(
        text.str(), [&](ibase::ibData& data) { ReadRow(data, found); }, true);
  });
  return found.id.GetId();
}

// Names are compared with "=": the user's text is never a LIKE pattern, so a
// "%" or "_" typed into a city name cannot pick another city.
int DataAccess::FindCountryId(const std::wstring& name) const {
  SqlBuilder text;
  text << L"SELECT OBJECT_ID FROM COUNTRIES WHERE NAME = " << sql::Text(name) << L";" << std::endl;
  return TranslateDbErrors([&] { return ReadFirstId(text.str()); });
}

int DataAccess::FindCountryRefId(const std::wstring& name, const std::wstring& kind, int countryId) const {
  SqlBuilder text;
  text << L"SELECT OBJECT_ID FROM COUNTRIES_REF WHERE NAME = " << sql::Text(name)
       << L" AND COUNTRIES_OBJECT_ID ";
  if (countryId != 0)
    text << L" = " << countryId;
  else
    text << L" IS NULL ";
  text << L" AND REF_TYPE = " << sql::Text(kind) << L";" << std::endl;
  return TranslateDbErrors([&] { return ReadFirstId(text.str()); });
}
