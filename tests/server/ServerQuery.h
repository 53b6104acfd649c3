#pragma once

// Reading a server database from the test itself, as a user of the test's
// own server.

#include <cstdlib>
#include <string>

#include "FirebirdServer.h"
#include "data/Connection.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"

namespace corvane::test {

// One value of a query (as text, trailing blanks dropped; "" without a row),
// read through the program's connection of this process, which is left
// disconnected.
inline std::wstring QueryServer(const std::string& path, const std::wstring& sql) {
  setenv("ISC_USER", "SYSDBA", 1);
  setenv("ISC_PASSWORD", FirebirdServer::kPassword, 1);
  ConnectDatabaseFile(path);
  std::wstring value;
  {
    ibase::ibReader reader(GetDatabase());
    reader.Open(L"SELECT CAST((" + sql + L") AS VARCHAR(100)) FROM RDB$DATABASE");
    ibase::ibData data(&reader);
    if (reader.Fetch()) value = data.GetString(0);
  }
  while (!value.empty() && value.back() == L' ') value.pop_back();
  DisconnectDatabase();
  return value;
}

}  // namespace corvane::test
