// Start-up of the main program to a filled invoice list on a large database,
// beside the time of the list's own queries. Needs a display (xvfb-run).
//
//   startup [DATABASE]
//
// The database is the one of the data_access benchmark (100,000 invoices of
// 5 lines, ten years): data_access-100k.fdb beside this program, made by
// running data_access first when it is not there yet. Each measured run
// attaches the file, runs the application's start-up (version check, main
// window with the navigation tree) and chooses a node of the tree, as a user
// would; the list is filled when the choice returns. The queries alone are
// the invoice list query and the company names of its rows, through
// DataAccess on the same connection.

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
#include <wx/init.h>

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DbException.h"
#include "platform/TextCodec.h"
#include "shell/CLeftView.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"
#include "shell/InvoiceListRows.h"
#include "shell/InvoicesView.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 3;
constexpr int kYear = 2020;

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

struct Timing {
  double mainWindow = std::numeric_limits<double>::infinity();  // attach + start-up, window shown
  double listFilled = std::numeric_limits<double>::infinity();  // ... and the node's list filled
  size_t rows = 0;
};

// One start-up: attach, start, choose the node that `pick` finds; the times
// since the start.
Timing StartAndChoose(const std::string& database, const std::function<wxTreeItemId(CLeftView&)>& pick) {
  Timing timing;
  DisconnectDatabase();
  const Clock::time_point start = Clock::now();
  ConnectDatabaseFile(database);
  auto app = std::make_unique<CQuennetApp>();
  if (app->Startup() != CQuennetApp::StartupResult::Started) throw std::runtime_error("start-up failed");
  Pump();
  timing.mainWindow = Since(start);
  CLeftView& tree = *app->GetMainFrame()->GetLeftView();
  tree.SelectItem(pick(tree));
  auto* list = dynamic_cast<InvoicesView*>(app->GetMainFrame()->GetRightView());
  if (!list) throw std::runtime_error("no invoice list");
  list->Update();
  timing.listFilled = Since(start);
  timing.rows = list->GetItemCount();
  app->CloseMainWindow();
  app.reset();
  Pump();
  return timing;
}

// The list's own queries: the invoices of the period and one company name
// per client, as InvoicesView::Fill asks them.
double ListQueries(const InvoicePeriod& period, bool paid, bool unpaid, size_t& rows) {
  const Clock::time_point start = Clock::now();
  DataAccess& data = DataAccess::Instance();
  std::vector<InvoiceRecord> invoices;
  data.LoadInvoices(invoices, period.start, period.LastSecond(), 0, paid, unpaid);
  std::map<int32_t, std::wstring> names;
  for (const InvoiceRecord& invoice : invoices)
    if (invoice.companyObjectId != 0 && !names.count(invoice.companyObjectId)) {
      CompanyRecord company;
      data.LoadCompany(invoice.companyObjectId, company);
      names[invoice.companyObjectId] = company.name;
    }
  rows = invoices.size();
  return Since(start);
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
  const fs::path database = argc > 1 ? fs::absolute(argv[1]) : folder / "data_access-100k.fdb";
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
    std::printf("%-32s %7s %12s %12s %12s\n", "list", "rows", "main window", "list filled", "queries");
    for (const Case& c : cases) {
      Timing best;
      for (int run = 0; run < kRuns; ++run) {
        const Timing timing = StartAndChoose(database.string(), c.pick);
        best.mainWindow = std::min(best.mainWindow, timing.mainWindow);
        best.listFilled = std::min(best.listFilled, timing.listFilled);
        best.rows = timing.rows;
      }
      double queries = std::numeric_limits<double>::infinity();
      size_t rows = 0;
      for (int run = 0; run < kRuns; ++run)
        queries = std::min(queries, ListQueries(c.period, c.paid, c.unpaid, rows));
      if (rows != best.rows)
        std::cerr << "the list shows " << best.rows << " rows, the query gives " << rows << "\n";
      std::printf("%-32s %7zu %11.3fs %11.3fs %11.3fs\n", c.name, best.rows, best.mainWindow, best.listFilled,
                  queries);
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
