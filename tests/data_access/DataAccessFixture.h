#pragma once

// A throwaway database of the current schema as the program's one connection,
// with the DataAccess object and a few ways to look at what it wrote.

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/DataAccess.h"
#include "data/DbException.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"
#include "platform/OleDateTime.h"
#include "tests/data/TestDatabase.h"

namespace corvane::test {

// An empty database of the current schema. Building one commits every
// statement on its own and takes seconds, so it is built once per schema text
// into the shared test folder and copied for each test.
inline std::filesystem::path EmptySchemaDatabase() {
  std::wstring all;
  for (const std::wstring& statement : schema::CurrentSchemaStatements()) all += statement + L"\n";
  const char* shared = std::getenv("CORVANE_TEST_TMP");
  const std::filesystem::path folder = shared ? std::filesystem::path(shared) : ProcessTempDir();
  std::filesystem::create_directories(folder);
  const std::filesystem::path cached =
      folder / ("schema-" + std::to_string(std::hash<std::wstring>{}(all)) + ".fdb");
  if (!std::filesystem::exists(cached)) {
    // Built under a name of this process and renamed, so parallel tests never
    // copy a half-made file.
    const std::filesystem::path building = ProcessTempDir() / ("schema-" + std::to_string(getpid()) + ".fdb");
    std::filesystem::remove(building);
    schema::CreateEmptyDatabase(building.string());
    std::filesystem::copy_file(building, cached.string() + "." + std::to_string(getpid()));
    std::filesystem::rename(cached.string() + "." + std::to_string(getpid()), cached);
    std::filesystem::remove(building);
  }
  return cached;
}

// The tests run inside the application transaction, as the program's
// operations always do, with "now" fixed at 2006-03-09 14:05:07.
class DataAccessTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_path = (m_dir / "corvane.fdb").string();
    std::filesystem::copy_file(EmptySchemaDatabase(), m_path);
    ConnectDatabaseFile(m_path);
    BeginDbTransaction();
    platform::SetNowOverride(platform::CivilTime{2006, 3, 9, 14, 5, 7});
  }
  void TearDown() override {
    platform::SetNowOverride(std::nullopt);
    DisconnectDatabase();
  }

  TempDir m_dir;
  std::string m_path;

  DataAccess& Data() { return DataAccess::Instance(); }

  // A new OBJECTS row; its id.
  int NewObjectId() {
    ObjectHeader header;
    Data().SaveObjectHeader(header);
    return header.id.GetId();
  }

  // Saves a new record the way a business object does: OBJECTS row first.
  template <class Record>
  int Store(Record& record, void (DataAccess::*save)(Record&, int) const) {
    const int id = NewObjectId();
    (Data().*save)(record, id);
    return id;
  }

  // Column 0 of every row, as text (NULL gives "NULL").
  std::vector<std::wstring> Column(const std::wstring& sql) {
    std::vector<std::wstring> values;
    ibase::ibReader reader(GetDatabase());
    reader.Open(sql);
    ibase::ibData data(&reader);
    const XSQLVAR& column = reader.GetDescriptor()->sqlvar[0];
    while (reader.Fetch()) {
      if (data.IsNull(0))
        values.push_back(L"NULL");
      else if ((column.sqltype & ~1) == SQL_LONG)
        values.push_back(std::to_wstring(data.GetLong(0)));
      else if ((column.sqltype & ~1) == SQL_SHORT)
        values.push_back(std::to_wstring(data.GetShort(0)));
      else if ((column.sqltype & ~1) == SQL_INT64)
        values.push_back(L"INT64");
      else
        values.push_back(data.GetString(0));
    }
    return values;
  }

  int CountRows(const std::wstring& table) {
    return std::stoi(Column(L"SELECT CAST(COUNT(*) AS INTEGER) FROM " + table).at(0));
  }

  double ReadDouble(const std::wstring& sql) {
    ibase::ibReader reader(GetDatabase());
    reader.Open(sql);
    ibase::ibData data(&reader);
    return reader.Fetch() ? data.GetDouble(0) : -1.0;
  }

  // The statements sent to the client (executed or prepared), in order.
  std::vector<std::wstring> Statements(const CallRecorder& recorder) {
    std::vector<std::wstring> texts;
    for (const auto& call : recorder.Calls())
      if (call.operation == ibase::ibOperation::ExecuteImmediate ||
          call.operation == ibase::ibOperation::Prepare)
        texts.push_back(call.sql);
    return texts;
  }

  static std::tm Tm(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
  }

  static double Ole(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return *platform::CivilToOleDate({year, month, day, hour, minute, second});
  }
};

// The date and time of day of two struct tm values are the same.
inline void ExpectSameTm(const std::tm& a, const std::tm& b) {
  EXPECT_EQ(a.tm_year, b.tm_year);
  EXPECT_EQ(a.tm_mon, b.tm_mon);
  EXPECT_EQ(a.tm_mday, b.tm_mday);
  EXPECT_EQ(a.tm_hour, b.tm_hour);
  EXPECT_EQ(a.tm_min, b.tm_min);
  EXPECT_EQ(a.tm_sec, b.tm_sec);
}

// The text of a failure, or empty when fn did not throw Invoice::DbException.
template <class Fn>
std::wstring FailureText(Fn&& fn) {
  try {
    fn();
  } catch (const Invoice::DbException& error) {
    return error.GetText();
  }
  return L"";
}

}  // namespace corvane::test
