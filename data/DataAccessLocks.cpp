// DataAccess: row locks that serialise what several users may write at once.

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DataAccessRows.h"
#include "data/SqlLiteral.h"

using namespace dataaccess;

namespace {

// The row is locked as it is fetched; HasRow fetches the first one.
bool LockFirstRow(const std::wstring& select) {
  return TranslateDbErrors([&] { return HasRow(select + L" WITH LOCK;\n"); });
}

}  // namespace

bool DataAccess::LockObjectRow(int id) const {
  SqlBuilder text;
  text << L"SELECT OBJECT_ID FROM OBJECTS WHERE OBJECT_ID = " << id;
  return LockFirstRow(text.str());
}

bool DataAccess::LockSettingsRow(const std::wstring& key) const {
  SqlBuilder text;
  text << L"SELECT OBJECT_ID FROM SETTINGS WHERE SETT_FIELD = " << sql::Text(key);
  return LockFirstRow(text.str());
}
