#include "data/DatabaseVersion.h"

#include "data/Settings.h"

int CheckDatabaseVersion() {
  // Not GetDatabaseVersion: that one shows a failure and answers 0, which
  // would tell the user the program is older than the database.
  const double version = ReadSettingDouble(kDatabaseVersionKey, 0.0);
  if (version > kProgramDatabaseVersion) return kDatabaseVersionNewer;
  if (version == 0.0) return kDatabaseVersionNewer;
  if (version < kProgramDatabaseVersion) return kDatabaseVersionOlder;
  return kDatabaseVersionCurrent;
}
