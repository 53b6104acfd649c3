// Start-up of the main program to a filled invoice list on a large database,
// beside the time of the queries that start-up cannot do without. Needs a
// display (xvfb-run).
//
// The database is the one of the data_access benchmark (100,000 invoices of
// 5 lines, ten years): data_access-100k.fdb beside this program, made by
// running data_access first when it is not there yet. Each measured run
// attaches the file, runs the application's start-up (version check, main
// window with the navigation tree) and chooses a node of the tree, as a user
// would; the list is filled when the choice returns.
//
// Two floors, each measured in one go from a detached file: the file
// attached, a plain wxFrame shown, then
//  - list floor: the list's own queries (the invoice list query and the
//    company names of its rows, through DataAccess on the same connection);
//  - window floor: first the navigation tree's own queries as the tree runs
//    them when it is built (the top-level item groups, and the invoice years,
//    whose statements are fixed: two aggregates and one probe per year over
//    INVOICES), then the list's queries. The window cannot show the tree
//    without them, nor offer a year to choose.
// Start-up to the filled list is set beside each floor as a ratio; "tree
// queries" and "list queries" are the queries alone, on an attached file.
//
// Memory: in a fresh process per list (this program run with --memory N),
// the resident size when the main window is up, then the peak and the size
// kept once the list is filled, per row.
//
//   startup [DATABASE]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "StartupQueries.h"
#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DbException.h"
#include "data/objects/Invoice.h"
#include "data/objects/ItemGroup.h"
#include "platform/TextCodec.h"
#include "shell/CLeftView.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"
#include "shell/InvoiceListRows.h"
#include "shell/InvoicesView.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 5;
using startup_bench::kYear;

class BenchApp : public wxApp {
public:
  bool OnInit() override { return true; }
};

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Pump() {
  for (int i = 0; i < 5; ++i) wxYield();
}

// A field of /proc/self/status in kB ("VmRSS", "VmHWM").
long StatusKb(const std::string& field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field + ":", 0) == 0) return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
  return -1;
}

// Starts the peak (VmHWM) again from the present size.
void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

struct Memory {
  long windowKb = 0;  // resident with the main window up
  long peakKb = 0;    // peak until the list is filled
  long keptKb = 0;    // resident once filled
};

struct Timing {
  double mainWindow = std::numeric_limits<double>::infinity();  // attach + start-up, window shown
  double listFilled = std::numeric_limits<double>::infinity();  // ... and the node's list filled
  size_t rows = 0;
};

// One start-up: attach, start, choose the node that `pick` finds; the times
// since the start.
Timing StartAndChoose(const std::string& database, const std::function<wxTreeItemId(CLeftView&)>& pick,
                      Memory* memory = nullptr) {
  Timing timing;
  DisconnectDatabase();
  const Clock::time_point start = Clock::now();
  ConnectDatabaseFile(database);
  auto app = std::make_unique<CQuennetApp>();
  if (app->Startup() != CQuennetApp::StartupResult::Started) throw std::runtime_error("start-up failed");
  Pump();
  timing.mainWindow = Since(start);
  if (memory) {
    memory->windowKb = StatusKb("VmRSS");
    ResetPeak();
  }
  CLeftView& tree = *app->GetMainFrame()->GetLeftView();
  tree.SelectItem(pick(tree));
  auto* list = dynamic_cast<InvoicesView*>(app->GetMainFrame()->GetRightView());
  if (!list) throw std::runtime_error("no invoice list");
  list->Update();
  timing.listFilled = Since(start);
  if (memory) {
    Pump();
    memory->peakKb = StatusKb("VmHWM");
    memory->keptKb = StatusKb("VmRSS");
  }
  timing.rows = list->GetItemCount();
  app->CloseMainWindow();
  app.reset();
  Pump();
  return timing;
}

double ListQueries(const InvoicePeriod& period, bool paid, bool unpaid, size_t& rows) {
  return startup_bench::ListQueries(period.start, period.LastSecond(), paid, unpaid, rows);
}

using startup_bench::TreeQueries;

struct Floor {
  double frame = 0.0;  // the file attached and the bare frame shown
  double total = 0.0;  // ... and the queries run
};

// A floor: the file attached, a bare frame shown, the tree's queries (when
// asked for) and the list's queries run.
Floor BareFrame(const std::string& database, const InvoicePeriod& period, bool paid, bool unpaid,
                bool withTree) {
  Floor floor;
  DisconnectDatabase();
  const Clock::time_point start = Clock::now();
  ConnectDatabaseFile(database);
  auto* frame = new wxFrame(nullptr, wxID_ANY, "Corvane");
  frame->Show();
  Pump();
  floor.frame = Since(start);
  if (withTree) TreeQueries();
  size_t rows = 0;
  ListQueries(period, paid, unpaid, rows);
  floor.total = Since(start);
  frame->Destroy();
  Pump();
  return floor;
}

extern "C" char** environ;

// Wall seconds of one child process from its start to its end, or -1 when it
// could not be run or failed (`mayFail`: its status is not looked at).
double ProcessSeconds(const std::vector<std::string>& args, bool mayFail = false) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const Clock::time_point start = Clock::now();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1.0;
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1.0;
  const double seconds = Since(start);
  if (!mayFail && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) return -1.0;
  return seconds;
}

double MedianOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Case {
  const char* name;
  std::function<wxTreeItemId(CLeftView&)> pick;
  InvoicePeriod period;
  bool paid;
  bool unpaid;
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv) {
  const fs::path folder = fs::absolute(fs::path(argv[0])).parent_path();
  const bool memoryRun = argc > 2 && std::string(argv[1]) == "--memory";
  const bool launchRun = argc > 2 && std::string(argv[1]) == "--launch";
  const int databaseArg = memoryRun || launchRun ? 3 : 1;
  const fs::path database =
      argc > databaseArg ? fs::absolute(argv[databaseArg]) : folder / "data_access-100k.fdb";
  const fs::path work = folder / "startup-work";
  fs::create_directories(work / "config");
  // The program's window places and list layouts go to a config of our own.
  setenv("XDG_CONFIG_HOME", (work / "config").c_str(), 1);
  if (!std::getenv("FIREBIRD_LOCK")) setenv("FIREBIRD_LOCK", (work / "lock").c_str(), 1);
  if (!std::getenv("FIREBIRD_TMP")) setenv("FIREBIRD_TMP", work.c_str(), 1);
  fs::create_directories(std::getenv("FIREBIRD_LOCK"));

  if (!fs::exists(database)) {
    std::cout << "No " << database << " yet: running data_access to make it.\n" << std::flush;
    const std::string command = "'" + (folder / "data_access").string() + "' '" + database.string() + "'";
    if (std::system(command.c_str()) != 0 || !fs::exists(database)) {
      std::cerr << "could not make the database\n";
      return 1;
    }
  }

  wxApp::SetInstance(new BenchApp);
  wxEntryStart(argc, argv);
  if (!wxTheApp || !wxTheApp->CallOnInit()) {
    std::cerr << "no display (run under xvfb-run)\n";
    return 1;
  }

  const Case cases[] = {
      {"\"Invoices\": unpaid, all years", [](CLeftView& tree) { return tree.GetInvoicesNode(); },
       InvoicePeriod(), false, true},
      {"year 2020: all invoices",
       [](CLeftView& tree) { return tree.FindChild(tree.GetInvoicesNode(), kYear); },
       InvoicePeriod::For(kYear, 0), true, true},
  };

  int status = 0;
  try {
    if (launchRun) {
      // One whole launch, timed by the parent from outside.
      const Timing timing = StartAndChoose(database.string(), cases[std::atoi(argv[2])].pick);
      std::printf("%zu\n", timing.rows);
    } else if (memoryRun) {
      // One list in this fresh process: resident kB with the window up, the
      // peak and the kept size once filled, and the rows.
      Memory memory;
      const Timing timing = StartAndChoose(database.string(), cases[std::atoi(argv[2])].pick, &memory);
      std::printf("%ld %ld %ld %zu\n", memory.windowKb, memory.peakKb, memory.keptKb, timing.rows);
    } else {
      std::printf("%-32s %6s %8s %8s %8s %8s %8s %7s %8s %7s %9s %9s\n", "list", "rows", "main win", "filled",
                  "tree q", "list q", "list fl", "ratio", "win fl", "ratio", "peak KB/r", "kept KB/r");
      constexpr double kNone = std::numeric_limits<double>::infinity();
      double frame = kNone;
      for (size_t index = 0; index < std::size(cases); ++index) {
        const Case& c = cases[index];
        Timing best;
        for (int run = 0; run < kRuns; ++run) {
          const Timing timing = StartAndChoose(database.string(), c.pick);
          best.mainWindow = std::min(best.mainWindow, timing.mainWindow);
          best.listFilled = std::min(best.listFilled, timing.listFilled);
          best.rows = timing.rows;
        }
        double queries = kNone, tree = kNone, listFloor = kNone, windowFloor = kNone;
        size_t rows = 0;
        for (int run = 0; run < kRuns; ++run) {
          const Floor list = BareFrame(database.string(), c.period, c.paid, c.unpaid, false);
          const Floor window = BareFrame(database.string(), c.period, c.paid, c.unpaid, true);
          listFloor = std::min(listFloor, list.total);
          windowFloor = std::min(windowFloor, window.total);
          frame = std::min({frame, list.frame, window.frame});
          tree = std::min(tree, TreeQueries());
          queries = std::min(queries, ListQueries(c.period, c.paid, c.unpaid, rows));
        }
        if (rows != best.rows)
          std::cerr << "the list shows " << best.rows << " rows, the query gives " << rows << "\n";

        // Memory in a fresh process, under the same display.
        DisconnectDatabase();
        const std::string command = "'" + fs::absolute(argv[0]).string() + "' --memory " +
                                    std::to_string(index) + " '" + database.string() + "'";
        std::string memoryText;
        if (FILE* child = popen(command.c_str(), "r")) {
          char line[256];
          while (std::fgets(line, sizeof line, child)) memoryText += line;
          pclose(child);
        }
        ConnectDatabaseFile(database.string());
        long windowKb = 0, peakKb = 0, keptKb = 0;
        size_t memoryRows = 0;
        std::istringstream(memoryText) >> windowKb >> peakKb >> keptKb >> memoryRows;
        const double perRow = memoryRows ? 1.0 / static_cast<double>(memoryRows) : 0.0;
        std::printf("%-32s %6zu %7.3fs %7.3fs %7.3fs %7.3fs %7.3fs %6.2fx %7.3fs %6.2fx %9.2f %9.2f\n",
                    c.name, best.rows, best.mainWindow, best.listFilled, tree, queries, listFloor,
                    best.listFilled / listFloor, windowFloor, best.listFilled / windowFloor,
                    (peakKb - windowKb) * perRow, (keptKb - windowKb) * perRow);
      }
      std::printf(
          "list fl: the file attached, a plain frame shown (best %.3fs) and the list's queries run\n"
          "win fl: the same with the navigation tree's queries before the list's\n"
          "peak and kept: resident size above the main window before the list is chosen\n",
          frame);

      // Whole launches as a person sees them, process start included: this
      // program started afresh to a filled list, beside a floor of two
      // processes, a bare wx window and one that only attaches and runs the
      // tree's and the list's queries. Turns are taken, after one unmeasured
      // turn; min and median of each.
      DisconnectDatabase();
      const std::string self = fs::absolute(argv[0]).string();
      const std::string window = (folder / "startup_window").string();
      const std::string queries = (folder / "startup_queries").string();
      double load[3] = {};
      getloadavg(load, 3);
      std::printf("\nwhole launch, %d turns (load average %.2f %.2f %.2f)\n", kRuns, load[0], load[1], load[2]);
      std::printf("%-32s %17s %17s %17s %17s %15s\n", "list", "launch min/med", "window min/med",
                  "queries min/med", "floor min/med", "ratio min/med");
      for (size_t index = 0; index < std::size(cases); ++index) {
        const std::string list = std::to_string(index);
        std::vector<double> launches, windows, queryRuns, floors;
        for (int run = 0; run <= kRuns; ++run) {
          const double launch = ProcessSeconds({self, "--launch", list, database.string()});
          const double bare = ProcessSeconds({window}, true);
          const double attach = ProcessSeconds({queries, list, database.string()});
          if (launch < 0 || bare < 0 || attach < 0) throw std::runtime_error("a launch failed");
          if (run == 0) continue;
          launches.push_back(launch);
          windows.push_back(bare);
          queryRuns.push_back(attach);
          floors.push_back(bare + attach);
        }
        const auto min = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
        std::printf("%-32s %7.3fs/%7.3fs %7.3fs/%7.3fs %7.3fs/%7.3fs %7.3fs/%7.3fs %6.2fx/%6.2fx\n",
                    cases[index].name, min(launches), MedianOf(launches), min(windows), MedianOf(windows),
                    min(queryRuns), MedianOf(queryRuns), min(floors), MedianOf(floors),
                    min(launches) / min(floors), MedianOf(launches) / MedianOf(floors));
      }
    }
  } catch (const Invoice::DbException& error) {
    std::cerr << platform::ToUtf8(error.GetText()) << "\n";
    status = 1;
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    status = 1;
  }
  DisconnectDatabase();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return status;
}
