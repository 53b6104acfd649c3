// Invoice list queries on a large database: DataAccess beside a bare fetch of
// the same SELECT texts through the client library's own calls (the floor,
// each run right after the DataAccess run it is set beside), and beside
// isql-fb running them on the same file. Then saving a new invoice of 20
// lines on the large database beside the same save on one without invoices
// (the floor: saving must not grow slower as the database grows).
//
//   data_access [DATABASE]
//
// The database (100,000 invoices of 5 lines each) is generated on the first
// run and kept (default: data_access-100k.fdb beside this program), so reruns
// only measure. The embedded engine opens a file for one process at a time:
// DataAccess runs first, disconnects, and only then isql-fb reads the file.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <ibase.h>

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/Schema.h"
#include "data/TransactionScope.h"
#include "data/objects/Invoice.h"
#include "data/objects/ItemOutput.h"
#include "data/ibase/ibCall.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"
#include "platform/OleDateTime.h"
#include "platform/TextCodec.h"

namespace fs = std::filesystem;

namespace {

constexpr int kInvoices = 100000;
constexpr int kLinesPerInvoice = 5;
constexpr int kYear = 2020;  // the year listed; invoices span 2015-2024
// Runs of each query, the best taken: the machine is shared, and one busy
// moment can spoil a run of either side.
constexpr int kRuns = 5;

// One EXECUTE BLOCK writes everything inside one transaction: companies,
// items, then invoices with their OBJECTS rows and issue lines.
std::wstring GenerateBlock() {
  std::wostringstream text;
  text
      << L"EXECUTE BLOCK AS\n"
         L"DECLARE i INTEGER = 0; DECLARE j INTEGER; DECLARE id INTEGER; DECLARE inv INTEGER;\n"
         L"DECLARE n_companies INTEGER = 50; DECLARE n_items INTEGER = 20;\n"
         L"DECLARE first_company INTEGER; DECLARE first_item INTEGER;\n"
         L"BEGIN\n"
         L"  WHILE (i < n_companies) DO BEGIN\n"
         L"    INSERT INTO OBJECTS (CREATED_ON, MODIFIED_ON) VALUES (CURRENT_TIMESTAMP, CURRENT_TIMESTAMP)"
         L"      RETURNING OBJECT_ID INTO :id;\n"
         L"    IF (i = 0) THEN first_company = id;\n"
         L"    INSERT INTO COMPANIES (OBJECT_ID, NAME, SELL_TO_THIS_ONE, BUY_FROM_THIS_ONE)"
         L"      VALUES (:id, 'Company ' || :i, 1, 0);\n"
         L"    i = i + 1;\n"
         L"  END\n"
         L"  i = 0;\n"
         L"  WHILE (i < n_items) DO BEGIN\n"
         L"    INSERT INTO OBJECTS (CREATED_ON, MODIFIED_ON) VALUES (CURRENT_TIMESTAMP, CURRENT_TIMESTAMP)"
         L"      RETURNING OBJECT_ID INTO :id;\n"
         L"    IF (i = 0) THEN first_item = id;\n"
         L"    INSERT INTO ITEMS (OBJECT_ID, NAME, QUANTITY_ON_STOCK) VALUES (:id, 'Item ' || :i, 1000000);\n"
         L"    i = i + 1;\n"
         L"  END\n"
         L"  i = 0;\n"
         L"  WHILE (i < "
      << kInvoices
      << L") DO BEGIN\n"
         L"    INSERT INTO OBJECTS (CREATED_ON, MODIFIED_ON) VALUES (CURRENT_TIMESTAMP, CURRENT_TIMESTAMP)"
         L"      RETURNING OBJECT_ID INTO :inv;\n"
         // Ten years, a little over 100 minutes apart: about 10,000 invoices a year.
         L"    INSERT INTO INVOICES (OBJECT_ID, INVOICE_NUM, COMPANY_OBJECT_ID, DATUM, TOTAL_AMOUNT, "
         L"TAX_AMOUNT,"
         L"      PAID, LOCKED_FOR_EDIT, DISPLAY_BOX, INVOICE_TYPE) VALUES (:inv, 'N' || :i,"
         L"      :first_company + MOD(:i, :n_companies),"
         L"      DATEADD(:i * 3155 SECOND TO TIMESTAMP '2015-01-01 08:00:00'),"
         L"      1180.5 + MOD(:i, 1000), 180.5, IIF(MOD(:i, 10) < 7, 1, 0), 0,"
         L"      'Company ' || MOD(:i, :n_companies) || ' - Main street ' || :i, 0);\n"
         L"    j = 0;\n"
         L"    WHILE (j < "
      << kLinesPerInvoice
      << L") DO BEGIN\n"
         L"      INSERT INTO OBJECTS (CREATED_ON, MODIFIED_ON) VALUES (CURRENT_TIMESTAMP, CURRENT_TIMESTAMP)"
         L"        RETURNING OBJECT_ID INTO :id;\n"
         L"      INSERT INTO ITEM_OUTPUT (OBJECT_ID, ITEM_OBJECT_ID, QUANTITY, INVOICE_OBJECT_ID, BASE_PRICE,"
         L"        TAX_PERCENT, OUTPUT_DEST_TYPE) VALUES (:id, :first_item + MOD(:i + :j, :n_items), 1 + :j, "
         L":inv,"
         L"        10.5, 18, 2);\n"
         L"      j = j + 1;\n"
         L"    END\n"
         L"    i = i + 1;\n"
         L"  END\n"
         L"END";
  return text.str();
}

// An empty database filled by one block, made under another name and renamed
// when done, so that an interrupted run leaves no half-made file behind.
void BuildDatabase(const fs::path& path, const std::wstring& block) {
  const fs::path building = path.string() + ".building";
  fs::remove(building);
  schema::CreateEmptyDatabase(building.string());
  ConnectDatabaseFile(building.string());
  BeginDbTransaction();
  ExecuteSql(block);
  CommitDbTransaction();
  DisconnectDatabase();
  fs::rename(building, path);
}

void Generate(const fs::path& path) {
  std::cout << "Generating " << kInvoices << " invoices with " << kLinesPerInvoice << " lines each into "
            << path << " ..." << std::flush;
  const auto start = std::chrono::steady_clock::now();
  BuildDatabase(path, GenerateBlock());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << " " << seconds << " s\n";
}

double Ole(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return *platform::CivilToOleDate({year, month, day, hour, minute, second});
}

struct Measured {
  std::string name;
  std::vector<std::wstring> statements;  // the texts DataAccess prepared
  size_t rows = 0;
  double seconds = std::numeric_limits<double>::infinity();  // best of the runs
  double bare = std::numeric_limits<double>::infinity();     // the bare fetch, best of its runs
};

double BareFetchSeconds(const fs::path& database, const std::vector<std::wstring>& statements, int runs);

// Best of kRuns, each DataAccess run followed by a bare fetch of the same
// statements, so that both see the same load; the statements of the last run
// are kept for isql-fb.
template <class Run>
Measured Measure(const std::string& name, const fs::path& database, Run run) {
  Measured result;
  result.name = name;
  for (int i = 0; i < kRuns; ++i) {
    std::vector<std::wstring> statements;
    ibase::SetObserver([&](const ibase::ibCall& call) {
      if (call.operation == ibase::ibOperation::Prepare) statements.emplace_back(call.sql);
    });
    const auto start = std::chrono::steady_clock::now();
    result.rows = run();
    result.seconds = std::min(
        result.seconds, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    ibase::SetObserver(nullptr);
    result.statements = statements;
    result.bare = std::min(result.bare, BareFetchSeconds(database, statements, 1));
  }
  return result;
}

// A statement as isql-fb takes it: one ";" at the end.
std::string IsqlStatement(const std::wstring& sql) {
  std::string text = platform::ToUtf8(sql);
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == ';')) text.pop_back();
  return text + ";\n";
}

// Runs the statements kRuns times in one isql-fb session with statistics on and
// returns the best total of isql's own "Elapsed time" per run (rows fetched
// and printed to a file, process start and attach excluded).
double IsqlSeconds(const fs::path& database, const std::vector<std::wstring>& statements,
                   const fs::path& work) {
  const fs::path script = work / "bench.sql";
  const fs::path output = work / "bench.out";
  {
    std::ofstream out(script);
    out << "SET STATS ON;\n";
    for (int run = 0; run < kRuns; ++run)
      for (const std::wstring& sql : statements) out << IsqlStatement(sql);
  }
  const std::string command = "isql-fb -q -user SYSDBA -i '" + script.string() + "' '" + database.string() +
                              "' > '" + output.string() + "' 2>&1";
  if (std::system(command.c_str()) != 0) {
    std::cerr << "isql-fb failed; see " << output << "\n";
    return -1.0;
  }
  std::ifstream in(output);
  std::stringstream all;
  all << in.rdbuf();
  const std::string text = all.str();
  std::vector<double> times;
  const std::string label = "Elapsed time=";
  for (size_t at = text.find(label); at != std::string::npos; at = text.find(label, at + 1))
    times.push_back(std::strtod(text.c_str() + at + label.size(), nullptr));
  if (times.size() != statements.size() * kRuns) {
    std::cerr << "unexpected isql-fb output; see " << output << "\n";
    return -1.0;
  }
  double best = std::numeric_limits<double>::infinity();
  for (int run = 0; run < kRuns; ++run) {
    double total = 0.0;
    for (size_t i = 0; i < statements.size(); ++i) total += times[run * statements.size() + i];
    best = std::min(best, total);
  }
  return best;
}

// The floor: the statements prepared, executed and every row fetched into the
// client library's own buffers with nothing else done, in one attachment of
// the same parameters as the program's, best of kRuns.
double BareFetchSeconds(const fs::path& database, const std::vector<std::wstring>& statements, int runs) {
  ISC_STATUS_ARRAY status{};
  const auto fail = [&](const char* what) {
    std::cerr << "bare fetch: " << what << " failed\n";
    isc_print_status(status);
    return -1.0;
  };
  std::string dpb;
  dpb += static_cast<char>(isc_dpb_version1);
  const auto item = [&](char id, const std::string& value) {
    dpb += id;
    dpb += static_cast<char>(value.size());
    dpb += value;
  };
  item(isc_dpb_user_name, "SYSDBA");
  item(isc_dpb_set_db_charset, "UNICODE_FSS");
  isc_db_handle db = 0;
  const std::string path = database.string();
  if (isc_attach_database(status, 0, path.c_str(), &db, static_cast<short>(dpb.size()), dpb.c_str()))
    return fail("attach");
  isc_tr_handle tr = 0;
  static char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_concurrency, isc_tpb_wait};
  if (isc_start_transaction(status, &tr, 1, &db, static_cast<unsigned short>(sizeof tpb), tpb))
    return fail("start transaction");
  double best = std::numeric_limits<double>::infinity();
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::wstring& sql : statements) {
      const std::string text = platform::ToUtf8(sql);
      isc_stmt_handle stmt = 0;
      if (isc_dsql_allocate_statement(status, &db, &stmt)) return fail("allocate");
      std::vector<char> area(XSQLDA_LENGTH(40));
      auto* out = reinterpret_cast<XSQLDA*>(area.data());
      out->version = SQLDA_VERSION1;
      out->sqln = 40;
      if (isc_dsql_prepare(status, &tr, &stmt, 0, text.c_str(), 3, out)) return fail("prepare");
      std::vector<std::vector<char>> buffers(out->sqld);
      std::vector<short> nulls(out->sqld);
      for (int i = 0; i < out->sqld; ++i) {
        XSQLVAR& var = out->sqlvar[i];
        buffers[i].resize(var.sqllen + 2);
        var.sqldata = buffers[i].data();
        var.sqlind = &nulls[i];
      }
      if (isc_dsql_execute(status, &tr, &stmt, 3, nullptr)) return fail("execute");
      ISC_STATUS fetched;
      while ((fetched = isc_dsql_fetch(status, &stmt, 3, out)) == 0) {
      }
      if (fetched != 100) return fail("fetch");
      if (isc_dsql_free_statement(status, &stmt, DSQL_drop)) return fail("free");
    }
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  isc_commit_transaction(status, &tr);
  isc_detach_database(status, &db);
  return best;
}

// Companies and items for invoices to be written on a database without any.
std::wstring SeedBlock() {
  return L"EXECUTE BLOCK AS\n"
         L"DECLARE i INTEGER = 0; DECLARE id INTEGER;\n"
         L"BEGIN\n"
         L"  INSERT INTO OBJECTS (CREATED_ON, MODIFIED_ON) VALUES (CURRENT_TIMESTAMP, CURRENT_TIMESTAMP)"
         L"    RETURNING OBJECT_ID INTO :id;\n"
         L"  INSERT INTO COMPANIES (OBJECT_ID, NAME, SELL_TO_THIS_ONE, BUY_FROM_THIS_ONE)"
         L"    VALUES (:id, 'Company 0', 1, 0);\n"
         L"  WHILE (i < 20) DO BEGIN\n"
         L"    INSERT INTO OBJECTS (CREATED_ON, MODIFIED_ON) VALUES (CURRENT_TIMESTAMP, CURRENT_TIMESTAMP)"
         L"      RETURNING OBJECT_ID INTO :id;\n"
         L"    INSERT INTO ITEMS (OBJECT_ID, NAME, QUANTITY_ON_STOCK) VALUES (:id, 'Item ' || :i, 1000000);\n"
         L"    i = i + 1;\n"
         L"  END\n"
         L"END";
}

constexpr int kSavedLines = 20;
// A save takes milliseconds: more turns than the queries, for a steady median.
constexpr int kSaveRuns = 15;

// Column 0 of the first `count` rows of a query.
std::vector<int> FirstIds(const std::wstring& sql, size_t count) {
  std::vector<int> ids;
  ibase::ibReader reader(GetDatabase());
  reader.Open(sql);
  ibase::ibData data(&reader);
  while (ids.size() < count && reader.Fetch()) ids.push_back(data.GetLong(0));
  return ids;
}

// One save of a new outcome invoice with 20 issue lines, as the invoice form
// stores it (the invoice row, then each line with its stock), in one unit of
// work that is rolled back afterwards so that every run sees the same file.
// The time excludes attaching and the rollback.
double SaveInvoiceSeconds(const fs::path& database) {
  ConnectDatabaseFile(database.string());
  const std::vector<int> company = FirstIds(L"SELECT OBJECT_ID FROM COMPANIES ORDER BY OBJECT_ID", 1);
  const std::vector<int> items = FirstIds(L"SELECT OBJECT_ID FROM ITEMS ORDER BY OBJECT_ID", kSavedLines);
  if (company.empty() || items.size() < kSavedLines) throw Invoice::DbException(L"no companies or items");
  double seconds = 0.0;
  {
    TransactionScope scope;
    const auto start = std::chrono::steady_clock::now();
    Invoice::Invoice invoice;
    invoice.SetInvoiceNum(L"9999/20");
    invoice.SetCompanyId(company[0]);
    invoice.SetDate(Ole(kYear, 6, 15, 10));
    invoice.SetDisplayBox(L"Company 0 - Main street 1");
    invoice.SetTotalAmount(1180.5);
    invoice.SetTaxAmount(180.5);
    invoice.Save();
    for (int line = 0; line < kSavedLines; ++line) {
      Invoice::ItemOutput output;
      output.SetItemId(items[line]);
      output.SetQuantity(1 + line);
      output.SetInvoiceId(invoice.GetId());
      output.SetBasePrice(10.5);
      output.SetTaxPercent(18);
      output.SetOutputDestType(Invoice::kDestInvoice);
      output.Save();
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }  // rolled back
  DisconnectDatabase();
  return seconds;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder = fs::absolute(fs::path(argv[0])).parent_path();
  const fs::path database = argc > 1 ? fs::absolute(argv[1]) : folder / "data_access-100k.fdb";
  const fs::path work = folder / "data_access-work";
  fs::create_directories(work);
  if (!std::getenv("FIREBIRD_LOCK")) setenv("FIREBIRD_LOCK", (work / "lock").c_str(), 1);
  if (!std::getenv("FIREBIRD_TMP")) setenv("FIREBIRD_TMP", work.c_str(), 1);
  fs::create_directories(std::getenv("FIREBIRD_LOCK"));

  try {
    if (!fs::exists(database)) Generate(database);

    ConnectDatabaseFile(database.string());
    DataAccess& data = DataAccess::Instance();
    std::vector<Measured> results;
    results.push_back(Measure("invoice list, one year", database, [&] {
      std::vector<InvoiceListRecord> records;
      data.LoadInvoiceList(records, Ole(kYear, 1, 1), Ole(kYear, 12, 31, 23, 59, 59), 0, false, false);
      return records.size();
    }));
    results.push_back(Measure("invoice list, all unpaid", database, [&] {
      std::vector<InvoiceListRecord> records;
      data.LoadInvoiceList(records, -1.0, -1.0, 0, false, true);
      return records.size();
    }));
    results.push_back(Measure("LoadInvoices, one year", database, [&] {
      std::vector<InvoiceRecord> records;
      data.LoadInvoices(records, Ole(kYear, 1, 1), Ole(kYear, 12, 31, 23, 59, 59), 0, false, false);
      return records.size();
    }));
    results.push_back(Measure("LoadInvoices, all unpaid", database, [&] {
      std::vector<InvoiceRecord> records;
      data.LoadInvoices(records, -1.0, -1.0, 0, false, true);
      return records.size();
    }));
    results.push_back(Measure("LoadInvoiceCountsPerMonth", database, [&] {
      std::vector<DataAccess::MonthCount> counts;
      data.LoadInvoiceCountsPerMonth(kYear, counts);
      size_t total = 0;
      for (const auto& month : counts) total += month.second;
      return total;
    }));
    DisconnectDatabase();

    std::ifstream loadFile("/proc/loadavg");
    std::string load;
    std::getline(loadFile, load);
    std::printf("load average: %s\n", load.c_str());
    std::printf("%-28s %8s %10s %10s %7s %10s\n", "query", "rows", "DataAccess", "bare fetch", "ratio",
                "isql-fb");
    for (const Measured& result : results) {
      const double bare = result.bare;
      const double isql = IsqlSeconds(database, result.statements, work);
      std::printf("%-28s %8zu %9.3fs %9.3fs %6.2fx %9.3fs\n", result.name.c_str(), result.rows,
                  result.seconds, bare, bare > 0 ? result.seconds / bare : 0.0, isql);
    }

    // Saving: turns taken between the large database and the one without
    // invoices, after one unmeasured save on each.
    const fs::path empty = work / "data_access-empty.fdb";
    if (!fs::exists(empty)) BuildDatabase(empty, SeedBlock());
    SaveInvoiceSeconds(database);
    SaveInvoiceSeconds(empty);
    std::vector<double> large;
    std::vector<double> none;
    for (int run = 0; run < kSaveRuns; ++run) {
      large.push_back(SaveInvoiceSeconds(database));
      none.push_back(SaveInvoiceSeconds(empty));
    }
    std::getline(std::ifstream("/proc/loadavg"), load);
    std::printf("\nsaving a new invoice of %d lines, %d turns each (load average: %s)\n", kSavedLines, kSaveRuns,
                load.c_str());
    std::printf("%-28s %10s %10s\n", "database", "min", "median");
    std::printf("%-28s %8.2fms %8.2fms\n", "100,000 invoices", *std::min_element(large.begin(), large.end()) * 1e3,
                Median(large) * 1e3);
    std::printf("%-28s %8.2fms %8.2fms\n", "no invoices (floor)", *std::min_element(none.begin(), none.end()) * 1e3,
                Median(none) * 1e3);
    std::printf("%-28s %9.2fx %9.2fx\n", "ratio", *std::min_element(large.begin(), large.end()) /
                *std::min_element(none.begin(), none.end()), Median(large) / Median(none));
  } catch (const Invoice::DbException& error) {
    std::cerr << platform::ToUtf8(error.GetText()) << "\n";
    return 1;
  }
  return 0;
}
