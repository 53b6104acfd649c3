#pragma once

// Internal to the DataAccess sources: the statement texts of each table, the
// reading of a row into its record, the values a record writes, and the few
// routines every statement goes through. Not for use outside data/DataAccess*.

#include <algorithm>
#include <functional>
#include <locale>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/ibase/ibData.h"

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

// Reading the columns after OBJECT_ID of one row into a record, and the
// values a record writes, in column order after OBJECT_ID.
void ReadFields(ibase::ibData& data, ItemRecord& record);
void ReadFields(ibase::ibData& data, ItemGroupRecord& record);
void ReadFields(ibase::ibData& data, MeasurementRecord& record);
void ReadFields(ibase::ibData& data, TaxRecord& record);
void ReadFields(ibase::ibData& data, ItemInputRecord& record);
void ReadFields(ibase::ibData& data, ItemOutputRecord& record);
void ReadFields(ibase::ibData& data, InvoiceRecord& record);
void ReadFields(ibase::ibData& data, CompanyRecord& record);
void ReadFields(ibase::ibData& data, AddressRecord& record);
void ReadFields(ibase::ibData& data, PriceGroupRecord& record);
void ReadFields(ibase::ibData& data, PriceListRecord& record);
void ReadFields(ibase::ibData& data, SettingsRecord& record);
void ReadFields(ibase::ibData& data, ItemDependencyRecord& record);
void ReadFields(ibase::ibData& data, ItemDepModRecord& record);
void ReadFields(ibase::ibData& data, DaysConditionRecord& record);
void ReadFields(ibase::ibData& data, TemplateRecord& record);
void ReadFields(ibase::ibData& data, CountryRecord& record);
void ReadFields(ibase::ibData& data, CountryRefRecord& record);
void ReadFields(ibase::ibData& data, PhoneRecord& record);
void ReadFields(ibase::ibData& data, WebRecord& record);
void ReadFields(ibase::ibData& data, EmailRecord& record);
void ReadFields(ibase::ibData& data, PhoneCodeRecord& record);
void ReadFields(ibase::ibData& data, AccountRecord& record);
void ReadFields(ibase::ibData& data, PaymentRecord& record);

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

// Reading one row into a record: column 0 resets the record's handle.
template <class Record>
void ReadRow(ibase::ibData& data, Record& record) {
  record.id.Reset(data.GetLong(0));
  ReadFields(data, record);
}

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

// The blocks that AppendRows gathers records of one type in on this thread,
// kept empty between lists.
template <class Record>
std::vector<std::vector<Record>>& KeptRecordBlocks() {
  thread_local std::vector<std::vector<Record>> blocks;
  return blocks;
}

// Every row of the statement made into a record by read(data) and appended;
// when a row fails, none is appended. The records are gathered in blocks of a
// fixed size and moved into the caller's vector once their number is known,
// so that vector is allocated once at its exact size: growing it row by row
// would allocate and touch about twice the memory the records need. The
// blocks are kept for the next list of the same records on this thread (up to
// a bound), so a list read again touches no new memory for them.
template <class Record, class Read>
void AppendRows(const std::wstring& sql, std::vector<Record>& records, Read read) {
  static_assert(std::is_nothrow_move_constructible_v<Record>);
  constexpr size_t kBlockBytes = 32 * 1024;
  constexpr size_t kBlockRecords = sizeof(Record) < kBlockBytes ? kBlockBytes / sizeof(Record) : 1;
  constexpr size_t kKeptBlocks = 16 * 1024 * 1024 / (kBlockRecords * sizeof(Record));
  // Taken while in use: a failure drops them, and nothing else can reach them.
  std::vector<std::vector<Record>> blocks = std::exchange(KeptRecordBlocks<Record>(), {});
  size_t used = 0;  // every block in use is full but the last
  size_t count = 0;
  ReadRows(sql, [&](ibase::ibData& data) {
    if (used == 0 || blocks[used - 1].size() == kBlockRecords) {
      if (used == blocks.size()) blocks.emplace_back().reserve(kBlockRecords);
      ++used;
    }
    blocks[used - 1].push_back(read(data));
    ++count;
  });
  // Exact for an empty vector; one that already holds rows grows as push_back
  // would grow it, so appending list after list stays linear.
  const size_t needed = records.size() + count;
  if (needed > records.capacity()) records.reserve(std::max(needed, 2 * records.capacity()));
  for (size_t i = 0; i < used; ++i) {
    for (Record& record : blocks[i]) records.push_back(std::move(record));
    blocks[i].clear();
  }
  if (blocks.size() > kKeptBlocks) blocks.resize(kKeptBlocks);
  KeptRecordBlocks<Record>() = std::move(blocks);
}

// Every row of the statement read into a fresh record and appended. Each
// record is made with its row's id (one trip through the locked handle table)
// and is only ever moved, never copied.
template <class Record>
void ReadRecords(const std::wstring& sql, std::vector<Record>& records) {
  TranslateDbErrors([&] {
    AppendRows(sql, records, [](ibase::ibData& data) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
      Record record{.id = ObjectHandle(data.GetLong(0))};  // the rest as defaults until ReadFields
#pragma GCC diagnostic pop
      ReadFields(data, record);
      return record;
    });
  });
}

}  // namespace dataaccess
