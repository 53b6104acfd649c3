#pragma once

// Throwaway database files of older schema versions as the program's one
// connection, and ways to read back their rows and their schema.

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/Connection.h"
#include "data/DbException.h"
#include "data/LegacySchema.h"
#include "data/Schema.h"
#include "data/TransactionScope.h"
#include "data/ibase/ibCall.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"
#include "platform/TextCodec.h"
#include "tests/data/TestDatabase.h"

namespace corvane::test {

// A database file made by build, made once per key into the shared test
// folder (building one commits each statement on its own and takes a second
// or two) and copied for each test.
inline std::filesystem::path CachedDatabase(const std::string& key,
                                            const std::function<void(const std::string&)>& build) {
  const char* shared = std::getenv("CORVANE_TEST_TMP");
  const std::filesystem::path folder = shared ? std::filesystem::path(shared) : ProcessTempDir();
  std::filesystem::create_directories(folder);
  const std::filesystem::path cached = folder / ("upgrade-" + key + ".fdb");
  if (std::filesystem::exists(cached)) return cached;
  // Built under a name of this process and renamed into place, so a test
  // running beside this one never copies a half-made file.
  const std::string own = cached.string() + "." + std::to_string(getpid());
  const std::filesystem::path building = ProcessTempDir() / ("building-" + std::to_string(getpid()) + ".fdb");
  std::filesystem::remove(building);
  try {
    build(building.string());
  } catch (const Invoice::DbException& error) {
    // As a standard exception, so the test report shows the engine's text.
    throw std::runtime_error("building " + key + ": " + platform::ToUtf8(error.GetText()));
  }
  std::filesystem::copy_file(building, own);
  std::filesystem::rename(own, cached);
  std::filesystem::remove(building);
  return cached;
}

// Key of a statement list, so that a changed declaration builds afresh.
inline std::string StatementsKey(const std::vector<std::wstring>& statements) {
  std::wstring all;
  for (const std::wstring& statement : statements) all += statement + L"\n";
  return std::to_string(std::hash<std::wstring>{}(all));
}

// Text of a value for comparisons: NULL as "NULL", numbers in the C locale
// with every digit a double holds, timestamps as yyyy-mm-dd hh:mm:ss.
inline std::wstring CellText(const ibase::ibReader& reader, ibase::ibData& data, int column) {
  if (data.IsNull(column)) return L"NULL";
  wchar_t buffer[64];
  switch (reader.GetDescriptor()->sqlvar[column].sqltype & ~1) {
    case SQL_LONG:
      return std::to_wstring(data.GetLong(column));
    case SQL_SHORT:
      return std::to_wstring(data.GetShort(column));
    case SQL_INT64: {
      // COUNT(*) in dialect 3; the wrapper has no getter of its own for it.
      int64_t value;
      std::memcpy(&value, reader.GetDescriptor()->sqlvar[column].sqldata, sizeof value);
      return std::to_wstring(value);
    }
    case SQL_DOUBLE:
    case SQL_FLOAT:
      std::swprintf(buffer, 64, L"%.17g", data.GetDouble(column));
      return buffer;
    case SQL_TIMESTAMP:
    case SQL_TYPE_DATE: {
      const tm time = data.GetTimestamp(column);
      std::swprintf(buffer, 64, L"%04d-%02d-%02d %02d:%02d:%02d", time.tm_year + 1900, time.tm_mon + 1,
                    time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec);
      return buffer;
    }
    default: {
      std::wstring text = data.GetString(column);
      while (!text.empty() && text.back() == L' ') text.pop_back();
      return text;
    }
  }
}

using Row = std::vector<std::wstring>;

// Every row of a query on the program's connection, each value as CellText.
inline std::vector<Row> Rows(const std::wstring& sql) {
  ibase::ibReader reader(GetDatabase());
  reader.Open(sql);
  ibase::ibData data(&reader);
  std::vector<Row> rows;
  while (reader.Fetch()) {
    Row row;
    for (int column = 0; column < reader.GetColumnCount(); ++column)
      row.push_back(CellText(reader, data, column));
    rows.push_back(row);
  }
  return rows;
}

// The first value of a query, "" when no row comes.
inline std::wstring Value(const std::wstring& sql) {
  const auto rows = Rows(sql);
  return rows.empty() ? L"" : rows[0][0];
}

// The schema of the connected file as comparable texts. Constraint names are
// left out: the upgrade lets the engine name some keys that a fresh file names
// itself; their kind, columns, target and rules must match.
struct SchemaShape {
  // table -> column definitions in column order:
  // "NAME type=.. length=.. chars=.. charset=.. notnull=.. default=..".
  std::map<std::wstring, std::vector<std::wstring>> tables;
  std::multiset<std::wstring> constraints;
  std::set<std::wstring> indexes;  // indexes that serve no constraint, by name
};

inline SchemaShape ReadSchemaShape() {
  SchemaShape shape;
  const std::wstring userTables =
      L" JOIN RDB$RELATIONS R ON R.RDB$RELATION_NAME = RC.RDB$RELATION_NAME AND COALESCE(R.RDB$SYSTEM_FLAG, "
      L"0) = 0 ";
  for (const Row& row : Rows(
           L"SELECT RF.RDB$RELATION_NAME, RF.RDB$FIELD_NAME, F.RDB$FIELD_TYPE, F.RDB$FIELD_LENGTH, "
           L"F.RDB$CHARACTER_LENGTH, F.RDB$CHARACTER_SET_ID, COALESCE(RF.RDB$NULL_FLAG, F.RDB$NULL_FLAG, 0), "
           L"CASE WHEN RF.RDB$DEFAULT_SOURCE IS NULL THEN 0 ELSE 1 END "
           L"FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
           L"JOIN RDB$RELATIONS R ON R.RDB$RELATION_NAME = RF.RDB$RELATION_NAME "
           L"WHERE COALESCE(R.RDB$SYSTEM_FLAG, 0) = 0 ORDER BY RF.RDB$RELATION_NAME, RF.RDB$FIELD_POSITION"))
    shape.tables[row[0]].push_back(row[1] + L" type=" + row[2] + L" length=" + row[3] + L" chars=" + row[4] +
                                   L" charset=" + row[5] + L" notnull=" + row[6] + L" default=" + row[7]);
  for (const Row& row :
       Rows(L"SELECT RC.RDB$RELATION_NAME, RC.RDB$CONSTRAINT_TYPE, RC.RDB$INDEX_NAME, "
            L"RC.RDB$CONSTRAINT_NAME FROM RDB$RELATION_CONSTRAINTS RC" +
            userTables + L"WHERE RC.RDB$CONSTRAINT_TYPE IN ('PRIMARY KEY', 'UNIQUE', 'FOREIGN KEY')")) {
    std::wstring text = row[0] + L" " + row[1] + L" (";
    for (const Row& segment : Rows(L"SELECT RDB$FIELD_NAME FROM RDB$INDEX_SEGMENTS WHERE RDB$INDEX_NAME = '" +
                                   row[2] + L"' ORDER BY RDB$FIELD_POSITION"))
      text += segment[0] + L",";
    text += L")";
    for (const Row& reference :
         Rows(L"SELECT U.RDB$RELATION_NAME, RF.RDB$DELETE_RULE, RF.RDB$UPDATE_RULE FROM RDB$REF_CONSTRAINTS "
              L"RF "
              L"JOIN RDB$RELATION_CONSTRAINTS U ON U.RDB$CONSTRAINT_NAME = RF.RDB$CONST_NAME_UQ "
              L"WHERE RF.RDB$CONSTRAINT_NAME = '" +
              row[3] + L"'"))
      text += L" -> " + reference[0] + L" on delete " + reference[1] + L" on update " + reference[2];
    shape.constraints.insert(text);
  }
  for (const Row& row :
       Rows(L"SELECT RC.RDB$RELATION_NAME, CAST(T.RDB$TRIGGER_SOURCE AS VARCHAR(2000)) "
            L"FROM RDB$RELATION_CONSTRAINTS RC" +
            userTables +
            L"JOIN RDB$CHECK_CONSTRAINTS CC ON CC.RDB$CONSTRAINT_NAME = RC.RDB$CONSTRAINT_NAME "
            L"JOIN RDB$TRIGGERS T ON T.RDB$TRIGGER_NAME = CC.RDB$TRIGGER_NAME "
            L"WHERE RC.RDB$CONSTRAINT_TYPE = 'CHECK' AND T.RDB$TRIGGER_TYPE = 1")) {
    std::wstring source;
    for (wchar_t c : row[1])
      if (c != L' ') source += c;
    shape.constraints.insert(row[0] + L" " + source);
  }
  for (const Row& row : Rows(L"SELECT I.RDB$RELATION_NAME, I.RDB$INDEX_NAME FROM RDB$INDICES I "
                             L"WHERE COALESCE(I.RDB$SYSTEM_FLAG, 0) = 0 AND NOT EXISTS (SELECT 1 FROM "
                             L"RDB$RELATION_CONSTRAINTS RC "
                             L"WHERE RC.RDB$INDEX_NAME = I.RDB$INDEX_NAME)"))
    shape.indexes.insert(row[0] + L" " + row[1]);
  return shape;
}

// The SETTINGS "version" text, "(none)" when there is no such row.
inline std::wstring StoredVersion() {
  const auto rows = Rows(L"SELECT SETT_VALUE FROM SETTINGS WHERE SETT_FIELD = 'version'");
  if (rows.empty()) return L"(none)";
  return rows.size() == 1 ? rows[0][0] : L"(several rows)";
}

// Files of older versions (and of the current one) as the program's database.
class UpgradeTest : public ::testing::Test {
protected:
  void TearDown() override {
    ibase::SetFaultInjector(nullptr);
    DisconnectDatabase();
  }

  // A file of an older version holding versionText as its stored version
  // (by default the version's own text; std::nullopt: no version row).
  void OpenLegacy(const std::wstring& version, std::optional<std::wstring> versionText = {},
                  bool storeVersion = true) {
    if (storeVersion && !versionText) versionText = legacy::StoredVersionText(version);
    if (!storeVersion) versionText.reset();
    const std::string key = platform::ToUtf8(version) + "-" +
                            (versionText ? platform::ToUtf8(*versionText) : std::string("none")) + "-" +
                            StatementsKey(legacy::SchemaStatements(version));
    Open(CachedDatabase(
        key, [&](const std::string& path) { legacy::CreateDatabase(path, version, versionText); }));
  }

  // An empty file of the current schema, as the program's own tool makes it.
  void OpenFresh() {
    Open(CachedDatabase("fresh-" + StatementsKey(schema::CurrentSchemaStatements()),
                        [](const std::string& path) { schema::CreateEmptyDatabase(path); }));
  }

  void Open(const std::filesystem::path& cached) {
    m_path = (m_dir / "corvane.fdb").string();
    std::filesystem::remove(m_path);
    std::filesystem::copy_file(cached, m_path);
    ConnectDatabaseFile(m_path);
  }

  // Runs statements in one committed unit of work.
  static void Committed(const std::vector<std::wstring>& statements) {
    TransactionScope scope;
    for (const std::wstring& statement : statements) ExecuteSql(statement);
    scope.Commit();
  }

  TempDir m_dir;
  std::string m_path;
};

}  // namespace corvane::test
