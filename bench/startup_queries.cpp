// Floor of a whole launch, part one: a process that only attaches the file
// and runs the navigation tree's and one list's queries, then ends.
//
//   startup_queries LIST DATABASE     (LIST 0: unpaid of all years, 1: one year)

#include <cstdio>
#include <cstdlib>
#include <string>

#include "StartupQueries.h"
#include "data/Connection.h"
#include "data/DbException.h"
#include "platform/OleDateTime.h"
#include "platform/TextCodec.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_queries LIST DATABASE\n");
    return 2;
  }
  try {
    ConnectDatabaseFile(argv[2]);
    startup_bench::TreeQueries();
    size_t rows = 0;
    if (std::atoi(argv[1]) == 0) {
      startup_bench::ListQueries(-1.0, -1.0, false, true, rows);
    } else {
      const double start = *platform::CivilToOleDate({startup_bench::kYear, 1, 1, 0, 0, 0});
      const double end = *platform::CivilToOleDate({startup_bench::kYear + 1, 1, 1, 0, 0, 0});
      startup_bench::ListQueries(start, end - 1.0 / 86400.0, true, true, rows);
    }
    DisconnectDatabase();
    std::printf("%zu\n", rows);
  } catch (const Invoice::DbException& error) {
    std::fprintf(stderr, "%s\n", platform::ToUtf8(error.GetText()).c_str());
    return 1;
  }
  return 0;
}
