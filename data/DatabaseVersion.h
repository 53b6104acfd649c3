#pragma once

// The schema version stored in the database (SETTINGS "version") against the
// program's own, checked at start-up before anything else reads the file.

#include "data/Schema.h"

// The program's schema version; never changed at run time.
inline constexpr double kProgramDatabaseVersion = schema::kCurrentVersion;

// What CheckDatabaseVersion answers.
enum DatabaseVersionCheck : int {
  kDatabaseVersionCurrent = 0,  // the file is at the program's version
  kDatabaseVersionOlder = 1,    // older: the upgrade can bring it up
  kDatabaseVersionNewer = 2,    // newer than the program, or no version stored
};

// Reads SETTINGS "version" as a number (a missing row is created with the
// text "0" and reads 0) and compares it with the program's version: above
// it, or 0, answers kDatabaseVersionNewer; below it kDatabaseVersionOlder;
// equal kDatabaseVersionCurrent.
// A database that cannot be reached or read throws Invoice::DbException: the
// failure is reported as itself, never taken for a missing or newer version.
int CheckDatabaseVersion();
