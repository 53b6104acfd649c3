// DataAccess: the generator that numbers OBJECTS rows.

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DataAccessRows.h"
#include "data/Schema.h"

using namespace dataaccess;

int DataAccess::CatchUpObjectIdGenerator() const {
  const std::wstring generator = schema::kObjectIdGenerator;
  const std::wstring current = L"GEN_ID(" + generator + L", 0)";
  // Only the ids above the generator are looked at, through the key's index
  // (a MAX over the whole table reads every row); none gives NULL, read as 0.
  const std::wstring lag = L"SELECT CAST(MAX(OBJECT_ID) - " + current +
                           L" AS INTEGER) FROM OBJECTS WHERE OBJECT_ID > " + current + L"\n";
  return TranslateDbErrors([&] {
    const int behind = ReadFirstId(lag);
    // GEN_ID moves the generator at once, outside any transaction.
    if (behind > 0)
      ReadFirstId(L"SELECT CAST(GEN_ID(" + generator + L", " + std::to_wstring(behind) +
                  L") AS INTEGER) FROM RDB$DATABASE\n");
    return behind;
  });
}
