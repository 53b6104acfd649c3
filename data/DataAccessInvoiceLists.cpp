// DataAccess: the list queries of invoices, stock movements, companies with
// their contacts and accounts, and payments. Dates come in as OLE dates.

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DataAccessRows.h"
#include "data/SqlLiteral.h"
#include "data/SqlText.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"
#include "common/Value.h"

using namespace dataaccess;

namespace {

std::wstring DateLiteral(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return TimestampLiteral(platform::CivilTime{year, month, day, hour, minute, second});
}

// SELECT <list> FROM <table> WHERE <column> = <id><tail>, with its line feed.
template <class Record>
void ReadRecordsOf(const std::wstring& head, int id, const wchar_t* tail, std::vector<Record>& records) {
  SqlBuilder text;
  text << head << id << tail << std::endl;
  ReadRecords(text.str(), records);
}

void ReadPayments(const wchar_t* payingColumn, const wchar_t* receivingColumn, int id, bool paying,
                  bool receiving, std::vector<PaymentRecord>& records) {
  SqlBuilder text;
  text << L"SELECT " << DataAccess::PaymentColumns() << L" FROM PAYMENTS ";
  if (paying || receiving) {
    text << L" WHERE ";
    if (paying) text << payingColumn << id;
    if (paying && receiving) text << L" OR ";
    if (receiving) text << receivingColumn << id;
  }
  text << L" ORDER BY PAID_ON DESC;" << std::endl;
  ReadRecords(text.str(), records);
}

}  // namespace

void DataAccess::LoadInvoiceYears(std::vector<int>& years) const {
  TranslateDbErrors([&] {
    ibase::ibReader minReader(GetDatabase());
    minReader.Open(L"select min(invoices.datum) from invoices;");
    ibase::ibReader maxReader(GetDatabase());
    maxReader.Open(L"select max(invoices.datum) from invoices;");
    // An empty table gives NULL for both, read as year 1900: one query, no year.
    std::tm first{};
    std::tm last{};
    if (minReader.Fetch()) first = ibase::ibData(&minReader).GetTimestamp(0);
    if (maxReader.Fetch()) last = ibase::ibData(&maxReader).GetTimestamp(0);
    for (int year = last.tm_year + 1900; year >= first.tm_year + 1900; --year) {
      SqlBuilder text;
      text << L"SELECT OBJECT_ID FROM INVOICES WHERE DATUM BETWEEN " << DateLiteral(year, 1, 1) << L" AND "
           << DateLiteral(year, 12, 31, 23, 59, 59) << L";" << std::endl;
      if (HasRow(text.str())) years.push_back(year);
    }
  });
}

// COUNT(*) is a 64-bit integer in dialect 3, which the reader does not take as
// a 32-bit column; the cast keeps the count readable.
void DataAccess::LoadInvoiceCountsPerMonth(int year, std::vector<MonthCount>& counts) const {
  TranslateDbErrors([&] {
    for (int month = 1; month <= 12; ++month) {
      SqlBuilder text;
      text << L"SELECT CAST(COUNT(*) AS INTEGER) FROM INVOICES WHERE DATUM >=" << DateLiteral(year, month, 1)
           << L" AND DATUM < " << (month < 12 ? DateLiteral(year, month + 1, 1) : DateLiteral(year + 1, 1, 1))
           << L";" << std::endl;
      counts.push_back({month, ReadFirstId(text.str())});
    }
  });
}

namespace {

// " WHERE (...) AND (...)  ORDER BY DATUM DESC " of the invoice lists.
std::wstring InvoiceListTail(double from, double to, int companyId, bool paid, bool unpaid) {
  std::vector<std::wstring> conditions;
  if (from != -1.0 && to != -1.0)
    conditions.push_back(L" DATUM BETWEEN " + TimestampLiteral(from) + L" AND " + TimestampLiteral(to));
  else if (from != -1.0)
    conditions.push_back(L" DATUM >= " + TimestampLiteral(from));
  else if (to != -1.0)
    conditions.push_back(L" DATUM <= " + TimestampLiteral(to));
  if (companyId != 0) conditions.push_back(L" COMPANY_OBJECT_ID = " + sql::Int(companyId));
  if (paid && !unpaid) conditions.push_back(L" PAID <> 0 ");
  if (unpaid && !paid) conditions.push_back(L" PAID = 0 ");

  SqlBuilder text;
  for (size_t i = 0; i < conditions.size(); ++i)
    text << (i == 0 ? L" WHERE (" : L" AND (") << conditions[i] << L") ";
  text << L" ORDER BY DATUM DESC ";
  return text.str();
}

}  // namespace

void DataAccess::LoadInvoices(std::vector<InvoiceRecord>& records, double from, double to, int companyId,
                              bool paid, bool unpaid) const {
  ReadRecords(L"SELECT " + InvoiceColumns() + L" FROM INVOICES " +
                  InvoiceListTail(from, to, companyId, paid, unpaid),
              records);
}

void DataAccess::LoadInvoiceList(std::vector<InvoiceListRecord>& records, double from, double to,
                                 int companyId, bool paid, bool unpaid) const {
  const std::wstring sql =
      L"SELECT OBJECT_ID, INVOICE_NUM, COMPANY_OBJECT_ID, DATUM, DAYS_CONDITION, TOTAL_AMOUNT, PAID, PAID_ON"
      L" FROM INVOICES " +
      InvoiceListTail(from, to, companyId, paid, unpaid);
  TranslateDbErrors([&] {
    AppendRows(sql, records, [](ibase::ibData& data) {
      InvoiceListRecord record;
      record.id = data.GetLong(0);
      record.invoiceNum = data.GetString(1);
      record.companyObjectId = data.GetLong(2);
      record.datum = TmToOleDate(data.GetTimestamp(3));
      record.daysCondition = data.GetLong(4);
      record.totalAmount = data.GetDouble(5);
      record.paid = data.GetShort(6) != 0;
      record.paidOn = TmToOleDate(data.GetTimestamp(7));
      return record;
    });
  });
}

void DataAccess::LoadItemInputsModifiedBetween(double from, double to,
                                               std::vector<ItemInputRecord>& records) const {
  SqlBuilder text;
  text << L"SELECT " << ItemInputColumns() << L" FROM ITEM_INPUT "
       << L" LEFT JOIN OBJECTS ON ITEM_INPUT.OBJECT_ID = OBJECTS.OBJECT_ID "
       << L" WHERE (OBJECTS.MODIFIED_ON BETWEEN " << TimestampLiteral(from) << L" AND "
       << TimestampLiteral(to) << L")" << L" ORDER BY OBJECTS.MODIFIED_ON DESC;" << std::endl;
  ReadRecords(text.str(), records);
}

void DataAccess::LoadItemInputsOfItem(int itemId, std::vector<ItemInputRecord>& records) const {
  ReadRecordsOf(L"SELECT " + ItemInputColumns() + L" FROM ITEM_INPUT  WHERE ITEM_OBJECT_ID = ", itemId, L";",
                records);
}

void DataAccess::LoadItemOutputsOfItem(int itemId, std::vector<ItemOutputRecord>& records) const {
  ReadRecordsOf(L"SELECT " + ItemOutputColumns() + L" FROM ITEM_OUTPUT  WHERE ITEM_OBJECT_ID = ", itemId,
                L";", records);
}

void DataAccess::LoadItemOutputsOfInvoice(int invoiceId, std::vector<ItemOutputRecord>& records) const {
  ReadRecordsOf(L"SELECT " + ItemOutputColumns() + L" FROM ITEM_OUTPUT  WHERE INVOICE_OBJECT_ID = ",
                invoiceId, L" ORDER BY OBJECT_ID;", records);
}

void DataAccess::LoadItemInputsOfInvoice(int invoiceId, std::vector<ItemInputRecord>& records) const {
  ReadRecordsOf(L"SELECT " + ItemInputColumns() + L" FROM ITEM_INPUT  WHERE INVOICE_OBJECT_ID = ", invoiceId,
                L" ORDER BY OBJECT_ID;", records);
}

void DataAccess::LoadItemOutputsOfInput(int itemInputId, std::vector<ItemOutputRecord>& records) const {
  ReadRecordsOf(L"SELECT " + ItemOutputColumns() + L" FROM ITEM_OUTPUT  WHERE ITEM_INPUT_ID = ", itemInputId,
                L" ORDER BY OBJECT_ID;", records);
}

void DataAccess::LoadCompanies(std::vector<CompanyRecord>& records) const {
  SqlBuilder text;
  text << L"SELECT " << CompanyColumns() << L" FROM COMPANIES " << L" ORDER BY NAME;" << std::endl;
  ReadRecords(text.str(), records);
}

void DataAccess::LoadCompaniesContaining(const std::wstring& search,
                                         std::vector<CompanyRecord>& records) const {
  SqlBuilder text;
  text << L"SELECT " << CompanyColumns() << L" FROM COMPANIES " << L" WHERE NAME CONTAINING "
       << sql::Text(search) << L" ORDER BY NAME;" << std::endl;
  ReadRecords(text.str(), records);
}

void DataAccess::LoadAddressesOfCompany(int companyId, std::vector<AddressRecord>& records) const {
  ReadRecordsOf(L"SELECT " + AddressColumns() + L" FROM ADDRESSES WHERE COMPANY_OBJECT_ID = ", companyId,
                L" ORDER BY NAME;", records);
}

void DataAccess::LoadPhonesOfCompany(int companyId, std::vector<PhoneRecord>& records) const {
  ReadRecordsOf(L"SELECT " + PhoneColumns() + L" FROM PHONES WHERE COMPANY_OBJECT_ID = ", companyId,
                L" ORDER BY NAME;", records);
}

void DataAccess::LoadWebsOfCompany(int companyId, std::vector<WebRecord>& records) const {
  ReadRecordsOf(L"SELECT " + WebColumns() + L" FROM WEBS WHERE COMPANY_OBJECT_ID = ", companyId,
                L" ORDER BY NAME;", records);
}

void DataAccess::LoadEmailsOfCompany(int companyId, std::vector<EmailRecord>& records) const {
  ReadRecordsOf(L"SELECT " + EmailColumns() + L" FROM EMAILS WHERE COMPANY_OBJECT_ID = ", companyId,
                L" ORDER BY NAME;", records);
}

void DataAccess::LoadAccountsOfCompany(int companyId, std::vector<AccountRecord>& records) const {
  SqlBuilder text;
  text << L"SELECT " << AccountColumns() << L" FROM ACCOUNTS WHERE COMPANY_OBJECT_ID ";
  if (companyId != 0)
    text << L" = " << companyId;
  else
    text << L" IS NULL ";
  text << L" ORDER BY NAME;";
  ReadRecords(text.str(), records);
}

void DataAccess::LoadAccountsContaining(const std::wstring& search,
                                        std::vector<AccountRecord>& records) const {
  SqlBuilder text;
  text << L"SELECT " << AccountColumns() << L" FROM ACCOUNTS " << L" WHERE NAME CONTAINING "
       << sql::Text(search) << L" ORDER BY NAME;" << std::endl;
  ReadRecords(text.str(), records);
}

void DataAccess::LoadPaymentsOfCompany(int companyId, std::vector<PaymentRecord>& records, bool paying,
                                       bool receiving) const {
  ReadPayments(L" COMPANY_PAYING_ID = ", L" COMPANY_RECIEVING_ID = ", companyId, paying, receiving, records);
}

void DataAccess::LoadPaymentsOfAccount(int accountId, std::vector<PaymentRecord>& records, bool paying,
                                       bool receiving) const {
  ReadPayments(L" ACCOUNT_PAYING_ID = ", L" ACCOUNT_RECIEVING_ID = ", accountId, paying, receiving, records);
}

void DataAccess::LoadPaymentsOfInvoice(int invoiceId, std::vector<PaymentRecord>& records) const {
  ReadRecordsOf(L"SELECT " + PaymentColumns() + L" FROM PAYMENTS WHERE REFERENCE_OBJECT_ID = ", invoiceId,
                L" ORDER BY PAID_ON, OBJECT_ID;", records);
}
