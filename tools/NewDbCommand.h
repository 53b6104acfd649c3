#pragma once

// The command line of corvane-newdb, kept out of main() so tests can run it.
//
//   corvane-newdb [--register] [--schema VERSION] PATH
//                                       create an empty database of the current
//                                       schema, or of an older one the upgrade
//                                       starts from (and store PATH as "DatabaseFile")
//   corvane-newdb --register-existing PATH
//                                       store an existing file as "DatabaseFile"
//   corvane-newdb --registered          print the stored "DatabaseFile"; exit 1
//                                       when none is stored
//
// PATH may name a database on a Firebird server ("host:path" or
// "host/port:path"); the login is then ISC_USER / ISC_PASSWORD when set.

#include <iosfwd>
#include <string>
#include <vector>

// Returns the exit code: 0 done, 1 refused or failed, 2 wrong usage.
int RunNewDb(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
