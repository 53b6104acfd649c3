#include "data/DataAccessRows.h"

#include "data/Connection.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"

namespace dataaccess {

void Execute(const std::wstring& sql) {
  GetDatabase()->ExecuteImmediate(sql);
}

bool ReadRows(const std::wstring& sql, const std::function<void(ibase::ibData&)>& onRow, bool firstOnly) {
  ibase::ibReader reader(GetDatabase());
  reader.Open(sql);
  ibase::ibData data(&reader);
  bool any = false;
  while (reader.Fetch()) {
    any = true;
    onRow(data);
    if (firstOnly) break;
  }
  return any;
}

void ReadIds(const std::wstring& sql, std::vector<int>& ids) {
  ReadRows(sql, [&](ibase::ibData& data) { ids.push_back(data.GetLong(0)); });
}

int ReadFirstId(const std::wstring& sql) {
  int id = 0;
  ReadRows(
      sql, [&](ibase::ibData& data) { id = data.GetLong(0); }, true);
  return id;
}

bool HasRow(const std::wstring& sql) {
  return ReadRows(
      sql, [](ibase::ibData&) {}, true);
}

std::wstring LoadSql(const TableText& table, int id) {
  SqlBuilder text;
  text << table.loadHead << id << L";" << std::endl;
  return text.str();
}

std::wstring DeleteSql(const TableText& table, int id) {
  SqlBuilder text;
  text << table.deleteHead << L" WHERE OBJECT_ID = " << id << L";" << std::endl;
  return text.str();
}

std::wstring SaveSql(const TableText& table, int ownId, int newId, const std::vector<std::wstring>& values) {
  SqlBuilder text;
  if (ownId < 1) {
    text << table.insertHead << newId;
    for (const std::wstring& value : values) text << L"," << value;
    text << L");" << std::endl;
  } else {
    text << table.updateHead;
    for (size_t i = 0; i < values.size(); ++i) {
      if (i > 0) text << L",";
      text << table.updatePieces[i] << values[i];
    }
    text << L" WHERE OBJECT_ID = " << ownId << L";" << std::endl;
  }
  return text.str();
}

}  // namespace dataaccess
