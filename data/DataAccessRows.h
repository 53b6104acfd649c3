#pragma once

// Internal to the DataAccess sources: the statement texts of each table, the
// reading of a row into its record, the values a record writes, and the few
// routines every statement goes through. Not for use outside data/DataAccess*.

#include <functional>
#include <locale>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "data/Connection.h"
#include "data/DataAccess.h"

namespace ibase {
class ibData;
}

namespace dataaccess {

// The fixed texts of one class table. The INSERT head holds every piece up to
// and including "VALUES ("; each UPDATE piece is "COLUMN = " and the pieces
// are joined by ",".
struct TableText {
  std::wstring loadHead;  // "SELECT " + columns + FROM piece + "WHERE OBJECT_ID = "
  std::wstring_view insertHead;
  std::wstring_view updateHead;
  std::vector<std::wstring_view> updatePieces;
  std::wstring_view deleteHead;  // "DELETE FROM <TABLE> "
};

// A wide string stream for statement text: numbers always in the C locale,
// whatever locale the process runs in.
class SqlBuilder : public std::wostringstream {
public:
  SqlBuilder() { imbue(std::locale::classic()); }
};

// Executes one statement on the connection (ExecuteImmediate).
void Execute(const std::wstring& sql);

// Opens a reader on the statement and calls onRow for each row; with firstOnly
// only the first row is fetched. Returns whether a row came.
bool ReadRows(const std::wstring& sql, const std::function<void(ibase::ibData&)>& onRow,
              bool firstOnly = false);

// Column 0 (32-bit) of every row appended to ids.
void ReadIds(const std::wstring& sql, std::vector<int>& ids);

// Column 0 of the first row, 0 when no row came.
int ReadFirstId(const std::wstring& sql);

// Whether the query gives at least one row (only the first is fetched).
bool HasRow(const std::wstring& sql);

// "... WHERE OBJECT_ID = <id>;\n" shapes of a class table.
std::wstring LoadSql(const TableText& table, int id);
std::wstring DeleteSql(const TableText& table, int id);
// INSERT under newId when the record's own id is below 1, else UPDATE of ownId.
std::wstring SaveSql(const TableText& table, int ownId, int newId, const std::vector<std::wstring>& values);

// Table texts.
const TableText& ItemTable();
const TableText& ItemGroupTable();
const TableText& MeasurementTable();
const TableText& TaxTable();
const TableText& ItemInputTable();
const TableText& ItemOutputTable();
const TableText& InvoiceTable();
const TableText& CompanyTable();
const TableText& AddressTable();
const TableText& PriceGroupTable();
const TableText& PriceListTable();
const TableText& SettingsTable();
const TableText& ItemDependencyTable();
const TableText& ItemDepModTable();
const TableText& DaysConditionTable();
const TableText& TemplateTable();
const TableText& CountryTable();
const TableText& CountryRefTable();
const TableText& PhoneTable();
const TableText& WebTable();
const TableText& EmailTable();
const TableText& PhoneCodeTable();
const TableText& AccountTable();
const TableText& PaymentTable();

// Reading one row (column 0 resets the record's handle) and the values a
// record writes, in column order after OBJECT_ID.
void ReadRow(ibase::ibData& data, ItemRecord& record);
void ReadRow(ibase::ibData& data, ItemGroupRecord& record);
void ReadRow(ibase::ibData& data, MeasurementRecord& record);
void ReadRow(ibase::ibData& data, TaxRecord& record);
void ReadRow(ibase::ibData& data, ItemInputRecord& record);
void ReadRow(ibase::ibData& data, ItemOutputRecord& record);
void ReadRow(ibase::ibData& data, InvoiceRecord& record);
void ReadRow(ibase::ibData& data, CompanyRecord& record);
void ReadRow(ibase::ibData& data, AddressRecord& record);
void ReadRow(ibase::ibData& data, PriceGroupRecord& record);
void ReadRow(ibase::ibData& data, PriceListRecord& record);
void ReadRow(ibase::ibData& data, SettingsRecord& record);
void ReadRow(ibase::ibData& data, ItemDependencyRecord& record);
void ReadRow(ibase::ibData& data, ItemDepModRecord& record);
void ReadRow(ibase::ibData& data, DaysConditionRecord& record);
void ReadRow(ibase::ibData& data, TemplateRecord& record);
void ReadRow(ibase::ibData& data, CountryRecord& record);
void ReadRow(ibase::ibData& data, CountryRefRecord& record);
void ReadRow(ibase::ibData& data, PhoneRecord& record);
void ReadRow(ibase::ibData& data, WebRecord& record);
void ReadRow(ibase::ibData& data, EmailRecord& record);
void ReadRow(ibase::ibData& data, PhoneCodeRecord& record);
void ReadRow(ibase::ibData& data, AccountRecord& record);
void ReadRow(ibase::ibData& data, PaymentRecord& record);

std::vector<std::wstring> RowValues(const ItemRecord& record);
std::vector<std::wstring> RowValues(const ItemGroupRecord& record);
std::vector<std::wstring> RowValues(const MeasurementRecord& record);
std::vector<std::wstring> RowValues(const TaxRecord& record);
std::vector<std::wstring> RowValues(const ItemInputRecord& record);
std::vector<std::wstring> RowValues(const ItemOutputRecord& record);
std::vector<std::wstring> RowValues(const InvoiceRecord& record);
std::vector<std::wstring> RowValues(const CompanyRecord& record);
std::vector<std::wstring> RowValues(const AddressRecord& record);
std::vector<std::wstring> RowValues(const PriceGroupRecord& record);
std::vector<std::wstring> RowValues(const PriceListRecord& record);
std::vector<std::wstring> RowValues(const SettingsRecord& record);
std::vector<std::wstring> RowValues(const ItemDependencyRecord& record);
std::vector<std::wstring> RowValues(const ItemDepModRecord& record);
std::vector<std::wstring> RowValues(const DaysConditionRecord& record);
std::vector<std::wstring> RowValues(const TemplateRecord& record);
std::vector<std::wstring> RowValues(const CountryRecord& record);
std::vector<std::wstring> RowValues(const CountryRefRecord& record);
std::vector<std::wstring> RowValues(const PhoneRecord& record);
std::vector<std::wstring> RowValues(const WebRecord& record);
std::vector<std::wstring> RowValues(const EmailRecord& record);
std::vector<std::wstring> RowValues(const PhoneCodeRecord& record);
std::vector<std::wstring> RowValues(const AccountRecord& record);
std::vector<std::wstring> RowValues(const PaymentRecord& record);

// The three shapes every class table shares.
template <class Record>
void LoadRecord(const TableText& table, int id, Record& record) {
  TranslateDbErrors([&] {
    ReadRows(
        LoadSql(table, id), [&](ibase::ibData& data) { ReadRow(data, record); }, true);
  });
}

template <class Record>
void SaveRecord(const TableText& table, Record& record, int id) {
  TranslateDbErrors([&] {
    // Every value is turned into text before the statement is assembled.
    std::vector<std::wstring> values = RowValues(record);
    Execute(SaveSql(table, record.id.GetId(), id, values));
    // Only after the database took the row: a refused INSERT leaves the id.
    if (record.id.GetId() < 1) record.id.SetId(id);
  });
}

inline void DeleteRecord(const TableText& table, int id) {
  TranslateDbErrors([&] { Execute(DeleteSql(table, id)); });
}

// Every row of the statement read into a fresh record and appended.
template <class Record>
void ReadRecords(const std::wstring& sql, std::vector<Record>& records) {
  TranslateDbErrors([&] {
    // Read in place: every copy of a record costs its shared id handle a trip
    // through the locked handle table.
    ReadRows(sql, [&](ibase::ibData& data) {
      records.emplace_back();
      try {
        ReadRow(data, records.back());
      } catch (...) {
        records.pop_back();
        throw;
      }
    });
  });
}

}  // namespace dataaccess
