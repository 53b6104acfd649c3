#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "UpgradeFixture.h"
#include "data/DatabaseVersion.h"
#include "data/DbException.h"
#include "data/SchemaUpgrade.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::CallRecorder;
using corvane::test::ReadSchemaShape;
using corvane::test::Row;
using corvane::test::Rows;
using corvane::test::SchemaShape;
using corvane::test::StoredVersion;
using corvane::test::UpgradeTest;
using corvane::test::Value;

const std::wstring kLongName(80, L'N');

// One row in every table of a version 1.0 file, with what the upgrade must
// carry over: quotes, a line break, NULLs, a company name longer than an
// address name holds, an empty display box. Ids are fixed below 1000; the
// generator moves past them.
const std::vector<std::wstring> kVersion10Rows = {
    L"EXECUTE BLOCK AS DECLARE I INTEGER = 101; BEGIN WHILE (I <= 119) DO BEGIN INSERT INTO OBJECTS "
    L"(OBJECT_ID, "
    L"CREATED_ON, MODIFIED_ON, CREATED_BY, MODIFIED_BY) VALUES (:I, '2006-03-09 14:05:07', NULL, :I - 100, "
    L"7); "
    L"I = I + 1; END END",
    L"ALTER SEQUENCE GEN_OBJECTS_ID RESTART WITH 1000",
    L"INSERT INTO MEASUREMENTS VALUES (101, 'Piece', 'pc')",
    L"INSERT INTO TAXES VALUES (102, 'VAT', 20.5)",
    L"INSERT INTO ITEM_GROUPS VALUES (103, NULL, 'Food', 102, 101, 1)",
    L"INSERT INTO ITEMS VALUES (104, 103, 'Bread ''white''', 102, 101, 1.5, 12.25, 6, 2.75, 'B-1', 1)",
    L"INSERT INTO PRICE_GROUP VALUES (105, 'Retail', 2)",
    L"INSERT INTO PRICE_GROUP VALUES (106, 'Wholesale', 1)",
    L"INSERT INTO PRICE_LIST VALUES (107, 104, 105, 3.5, 10)",
    L"INSERT INTO COMPANIES VALUES (108, 'O''Brien & Sons', 105, 'Main St 1' || ASCII_CHAR(10) || 'Dublin')",
    L"INSERT INTO COMPANIES VALUES (109, 'Empty Box Ltd', NULL, NULL)",
    L"INSERT INTO COMPANIES VALUES (110, '" + kLongName + L"', NULL, 'Far away')",
    L"INSERT INTO DAYS_CONDITION VALUES (111, '30 days', 30)",
    L"INSERT INTO TEMPLATES VALUES (112, 'Default', '/home/user/invoice.zlt')",
    L"INSERT INTO INVOICES VALUES (113, '0001/06', 108, '2006-03-09 14:05:07', 111, 100.5, 20.1, 1, "
    L"'2006-04-01 00:00:00', 0, 112, 5, 5.025, 'O''Brien & Sons')",
    L"INSERT INTO INVOICES VALUES (114, '0002/06', 109, '2006-03-10 00:00:00', NULL, 0, 0, 0, NULL, 1, NULL, "
    L"NULL, "
    L"NULL, NULL)",
    L"INSERT INTO ITEM_INPUT VALUES (115, 104, 10, 114, 1.25, 20, 0, 108, 109, 1, 'pc', 1)",
    L"INSERT INTO ITEM_OUTPUT VALUES (116, 104, 2, 113, 2.75, 20, 0, 3, 115, 'pc', 1)",
    L"INSERT INTO ITEM_DEPENDENCIES VALUES (117, 104, 104, 1, 2)",
    L"INSERT INTO ITEM_DEP_MOD VALUES (118, 115, 104, 0.5)",
    L"INSERT INTO SETTINGS VALUES (119, 'INVOICE_NUM', '3')",
};

// Every row below id 1000 but the "version" setting's (which the upgrade
// writes), table by table, in the columns `shape` gives the
// tables, less those in `left` ("TABLE.COLUMN").
std::map<std::wstring, std::vector<Row>> Snapshot(const SchemaShape& shape,
                                                  const std::set<std::wstring>& left) {
  std::map<std::wstring, std::vector<Row>> rows;
  for (const auto& [table, columns] : shape.tables) {
    std::wstring list;
    for (const std::wstring& column : columns) {
      const std::wstring name = column.substr(0, column.find(L' '));
      if (!left.count(table + L"." + name)) list += (list.empty() ? L"" : L", ") + name;
    }
    rows[table] = Rows(L"SELECT " + list + L" FROM " + table +
                       L" WHERE OBJECT_ID < 1000 AND OBJECT_ID NOT IN "
                       L"(SELECT OBJECT_ID FROM SETTINGS WHERE SETT_FIELD = 'version') ORDER BY OBJECT_ID");
  }
  return rows;
}

// The statements sent to the client that change the schema.
std::vector<std::wstring> SchemaStatementsSent(const CallRecorder& recorder) {
  std::vector<std::wstring> sent;
  for (const auto& call : recorder.Of(ibase::ibOperation::ExecuteImmediate))
    if (call.sql.rfind(L"ALTER", 0) == 0 || call.sql.rfind(L"alter", 0) == 0 ||
        call.sql.rfind(L"CREATE", 0) == 0)
      sent.push_back(call.sql);
  return sent;
}

// The version texts the upgrade stored, in order.
std::vector<std::wstring> VersionsWritten(const CallRecorder& recorder) {
  std::vector<std::wstring> written;
  for (const auto& call : recorder.Of(ibase::ibOperation::ExecuteImmediate)) {
    const size_t at = call.sql.find(L"SETT_VALUE = '");
    if (call.sql.rfind(L"UPDATE SETTINGS", 0) == 0 && at != std::wstring::npos) {
      const size_t from = at + 14;
      written.push_back(call.sql.substr(from, call.sql.find(L'\'', from) - from));
    }
  }
  return written;
}

std::wstring FailureText(const std::function<void()>& work) {
  try {
    work();
  } catch (const Invoice::DbException& error) {
    return error.GetText();
  }
  return L"(no failure)";
}

// Makes every statement that starts with `prefix` fail while alive.
class FailingStatement {
public:
  explicit FailingStatement(std::wstring prefix) {
    ibase::SetFaultInjector([prefix = std::move(prefix)](const ibase::ibCall& call) {
      return call.operation == ibase::ibOperation::ExecuteImmediate && call.sql.rfind(prefix, 0) == 0;
    });
  }
  ~FailingStatement() { ibase::SetFaultInjector(nullptr); }
  FailingStatement(const FailingStatement&) = delete;
  FailingStatement& operator=(const FailingStatement&) = delete;
};

std::vector<std::wstring> ConstraintNames(const std::wstring& table) {
  std::vector<std::wstring> names;
  for (const Row& row :
       Rows(L"SELECT RDB$CONSTRAINT_NAME FROM RDB$RELATION_CONSTRAINTS WHERE RDB$RELATION_NAME = '" + table +
            L"' AND RDB$CONSTRAINT_TYPE <> 'NOT NULL' ORDER BY 1"))
    names.push_back(row[0]);
  return names;
}

bool Has(const std::vector<std::wstring>& names, const std::wstring& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

class SchemaUpgradeTest : public UpgradeTest {};

// A 1.0 file with rows in every table goes all the way: every row survives,
// every company gets its address, and the NOT NULL columns the upgrade adds
// are filled.
TEST_F(SchemaUpgradeTest, WholeChainFromVersion10KeepsEveryRow) {
  OpenLegacy(L"1.0");
  Committed(kVersion10Rows);
  const SchemaShape old = ReadSchemaShape();
  const auto before = Snapshot(old, {L"COMPANIES.DISPLAY_BOX"});
  ASSERT_EQ(before.size(), 16u);
  for (const auto& [table, rows] : before) EXPECT_FALSE(rows.empty()) << platform::ToUtf8(table);

  CallRecorder recorder;
  UpgradeDatabase();

  EXPECT_EQ(VersionsWritten(recorder), (std::vector<std::wstring>{L"1.01", L"1.1", L"1.2", L"1.201", L"1.202",
                                                                  L"1.203", L"1.204", L"1.205", L"1.206"}));
  EXPECT_EQ(StoredVersion(), L"1.206");
  EXPECT_EQ(CheckDatabaseVersion(), kDatabaseVersionCurrent);
  EXPECT_FALSE(IsDbTransactionOpen());

  const auto after = Snapshot(old, {L"COMPANIES.DISPLAY_BOX"});
  for (const auto& [table, rows] : before) EXPECT_EQ(after.at(table), rows) << platform::ToUtf8(table);

  EXPECT_EQ(Rows(L"SELECT FOR_SELLING, FOR_BUYING FROM PRICE_GROUP ORDER BY OBJECT_ID"),
            (std::vector<Row>{{L"1", L"1"}, {L"1", L"1"}}));
  EXPECT_EQ(
      Rows(L"SELECT SELL_TO_THIS_ONE, BUY_FROM_THIS_ONE, DEFAULT_DISCOUNT FROM COMPANIES ORDER BY OBJECT_ID"),
      (std::vector<Row>(3, {L"1", L"1", L"NULL"})));
  EXPECT_EQ(Rows(L"SELECT INVOICE_TYPE, ADDRESS_OBJECT_ID, COMPANY_OBJECT_ID_FROM, DISPLAY_BOX_FROM, "
                 L"ADDRESS_OBJECT_ID_FROM FROM INVOICES ORDER BY OBJECT_ID"),
            (std::vector<Row>(2, {L"0", L"NULL", L"NULL", L"NULL", L"NULL"})));
  // One default address per company, each under an OBJECTS row of its own.
  EXPECT_EQ(
      Rows(L"SELECT A.NAME, A.DISPLAY_BOX, A.DEFAULT_ADDRESS, A.COMPANY_OBJECT_ID, A.DISPLAY_EDIT_ENABLED, "
           L"A.ADDRESS_LINE1, A.ADDRESS_ZIP FROM ADDRESSES A JOIN OBJECTS O ON O.OBJECT_ID = A.OBJECT_ID "
           L"WHERE A.OBJECT_ID >= 1000 ORDER BY A.COMPANY_OBJECT_ID"),
      (std::vector<Row>{
          {L"O'Brien & Sons", L"Main St 1\nDublin", L"1", L"108", L"0", L"NULL", L"NULL"},
          {L"Empty Box Ltd", L"", L"1", L"109", L"0", L"NULL", L"NULL"},
          {kLongName.substr(0, 50), L"Far away", L"1", L"110", L"0", L"NULL", L"NULL"},
      }));
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM OBJECTS WHERE OBJECT_ID >= 1000"), L"3");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM ADDRESSES"), L"3");
}

// The one difference between an upgraded file and a new one: the upgrade
// adds DEFAULT_DISCOUNT after the two flags it added a step earlier, so
// COMPANIES holds the same columns in another order (the program names every
// column it reads or writes). Gives the columns of an upgraded file in the
// order of a new one.
std::map<std::wstring, std::vector<std::wstring>> InNewFileOrder(
    std::map<std::wstring, std::vector<std::wstring>> tables) {
  auto& companies = tables.at(L"COMPANIES");
  if (companies.size() == 6) std::rotate(companies.begin() + 3, companies.begin() + 5, companies.end());
  return tables;
}

// Tables and columns (types, lengths, character sets, NOT NULL, defaults),
// keys, checks and indexes of an upgraded 1.0 file against a new file.
TEST_F(SchemaUpgradeTest, UpgradedVersion10FileHasTheSchemaOfANewFile) {
  OpenFresh();
  const SchemaShape fresh = ReadSchemaShape();
  DisconnectDatabase();
  OpenLegacy(L"1.0");
  UpgradeDatabase();
  SchemaShape upgraded = ReadSchemaShape();

  const auto& companies = upgraded.tables.at(L"COMPANIES");
  ASSERT_EQ(companies.size(), 6u);
  EXPECT_EQ(companies[3].substr(0, 16), L"SELL_TO_THIS_ONE");
  EXPECT_EQ(companies[5].substr(0, 16), L"DEFAULT_DISCOUNT");
  EXPECT_EQ(InNewFileOrder(upgraded.tables), fresh.tables);
  EXPECT_EQ(upgraded.constraints, fresh.constraints);
  EXPECT_EQ(upgraded.indexes, fresh.indexes);
}

// Each step on an empty file of its version gives the file of the next one.
struct StepCase {
  const wchar_t* from;
  double (*step)(double);
  double reached;
  const wchar_t* to;  // "1.206": the current schema
};

void PrintTo(const StepCase& c, std::ostream* out) {
  *out << "from " << platform::ToUtf8(c.from);
}

class SchemaUpgradeStepTest : public UpgradeTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SchemaUpgradeStepTest, GivesTheSchemaOfTheNextVersion) {
  const StepCase& c = GetParam();
  OpenLegacy(c.from);
  const double from = std::stod(platform::ToUtf8(c.from));
  EXPECT_EQ(c.step(from), c.reached);
  EXPECT_EQ(StoredVersion(), c.to);
  EXPECT_FALSE(IsDbTransactionOpen());
  const SchemaShape upgraded = ReadSchemaShape();
  DisconnectDatabase();
  if (std::wstring(c.to) == L"1.206")
    OpenFresh();
  else
    OpenLegacy(c.to);
  const SchemaShape expected = ReadSchemaShape();
  EXPECT_EQ(std::wstring(c.to) == L"1.206" ? InNewFileOrder(upgraded.tables) : upgraded.tables,
            expected.tables);
  EXPECT_EQ(upgraded.constraints, expected.constraints);
  EXPECT_EQ(upgraded.indexes, expected.indexes);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, SchemaUpgradeStepTest,
                         ::testing::Values(StepCase{L"1.0", UpgradeFrom1_0, 1.1, L"1.1"},
                                           StepCase{L"1.01", UpgradeFrom1_0, 1.1, L"1.1"},
                                           StepCase{L"1.1", Upgrade1_1To1_2, 1.2, L"1.2"},
                                           StepCase{L"1.2", Upgrade1_2To1_201, 1.201, L"1.201"},
                                           StepCase{L"1.201", Upgrade1_201To1_202, 1.202, L"1.202"},
                                           StepCase{L"1.202", Upgrade1_202To1_203, 1.203, L"1.203"},
                                           StepCase{L"1.203", Upgrade1_203To1_204, 1.204, L"1.204"},
                                           StepCase{L"1.204", Upgrade1_204To1_205, 1.205, L"1.205"},
                                           StepCase{L"1.205", Upgrade1_205To1_206, 1.206, L"1.206"}));

// Firebird refuses a bare ADD ... NOT NULL on a table with rows: the unit
// adds the column with the value as its DEFAULT, and the DEFAULT is dropped
// once the unit has committed.
TEST_F(SchemaUpgradeTest, NotNullColumnsAddedToTablesWithRowsAreFilled) {
  OpenLegacy(L"1.0");
  Committed(kVersion10Rows);
  CallRecorder recorder;
  EXPECT_EQ(UpgradeFrom1_0(1.0), 1.1);
  const auto sent = SchemaStatementsSent(recorder);
  ASSERT_GE(sent.size(), 4u);
  EXPECT_EQ(std::vector<std::wstring>(sent.begin(), sent.begin() + 4),
            (std::vector<std::wstring>{
                L"ALTER TABLE PRICE_GROUP ADD FOR_SELLING SMALLINT DEFAULT 1 NOT NULL;",
                L"ALTER TABLE PRICE_GROUP ADD FOR_BUYING SMALLINT DEFAULT 1 NOT NULL;",
                L"ALTER TABLE COMPANIES ADD SELL_TO_THIS_ONE SMALLINT DEFAULT 1 NOT NULL;",
                L"ALTER TABLE COMPANIES ADD BUY_FROM_THIS_ONE SMALLINT DEFAULT 1 NOT NULL;"}));
  EXPECT_EQ(Rows(L"SELECT FOR_SELLING, FOR_BUYING FROM PRICE_GROUP"), (std::vector<Row>(2, {L"1", L"1"})));
  EXPECT_EQ(Rows(L"SELECT SELL_TO_THIS_ONE, BUY_FROM_THIS_ONE FROM COMPANIES"),
            (std::vector<Row>(3, {L"1", L"1"})));
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$DEFAULT_SOURCE IS NOT NULL AND "
                  L"RDB$RELATION_NAME IN ('PRICE_GROUP', 'COMPANIES')"),
            L"0");

  EXPECT_EQ(Upgrade1_1To1_2(1.1), 1.2);
  EXPECT_EQ(Upgrade1_2To1_201(1.2), 1.201);
  EXPECT_EQ(Rows(L"SELECT DISPLAY_EDIT_ENABLED FROM ADDRESSES"), (std::vector<Row>(3, {L"0"})));
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$DEFAULT_SOURCE IS NOT NULL AND "
                  L"RDB$RELATION_NAME = 'ADDRESSES'"),
            L"0");
  // A new row must give the flag: the column has no default left.
  EXPECT_NE(FailureText([] {
              Committed({L"INSERT INTO OBJECTS (OBJECT_ID) VALUES (5000)",
                         L"INSERT INTO ADDRESSES (OBJECT_ID, NAME, DEFAULT_ADDRESS, COMPANY_OBJECT_ID) "
                         L"VALUES (5000, 'x', 0, 108)"});
            }).find(L"DISPLAY_EDIT_ENABLED"),
            std::wstring::npos);
}

TEST_F(SchemaUpgradeTest, DefaultsLeftByAnInterruptionAreDroppedOnTheNextRun) {
  OpenLegacy(L"1.0");
  Committed(kVersion10Rows);
  {
    FailingStatement failing(L"ALTER TABLE PRICE_GROUP ALTER FOR_SELLING DROP DEFAULT");
    EXPECT_EQ(FailureText(UpgradeDatabase), L"injected failure");
  }
  EXPECT_EQ(StoredVersion(), L"1.01");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$DEFAULT_SOURCE IS NOT NULL AND "
                  L"RDB$RELATION_NAME IN ('PRICE_GROUP', 'COMPANIES')"),
            L"4");
  UpgradeDatabase();
  EXPECT_EQ(StoredVersion(), L"1.206");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$DEFAULT_SOURCE IS NOT NULL AND "
                  L"RDB$RELATION_NAME IN ('PRICE_GROUP', 'COMPANIES', 'ADDRESSES')"),
            L"0");
  EXPECT_EQ(Rows(L"SELECT FOR_SELLING, FOR_BUYING FROM PRICE_GROUP"), (std::vector<Row>(2, {L"1", L"1"})));
}

// A failing statement rolls its unit back; the units before it stay, and the
// next run resumes with the unit that failed.
TEST_F(SchemaUpgradeTest, InterruptedUpgradeResumesFromTheLastCommittedUnit) {
  OpenLegacy(L"1.0");
  Committed(kVersion10Rows);
  {
    FailingStatement failing(L"CREATE TABLE COUNTRIES_REF");
    EXPECT_EQ(FailureText(UpgradeDatabase), L"injected failure");
  }
  EXPECT_FALSE(IsDbTransactionOpen());
  EXPECT_EQ(StoredVersion(), L"1.2");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'COUNTRIES'"), L"0");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = 'ADDRESSES' AND "
                  L"RDB$FIELD_NAME = 'ADDRESS_LINE1'"),
            L"0");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM ADDRESSES"), L"3");

  CallRecorder recorder;
  UpgradeDatabase();
  EXPECT_EQ(VersionsWritten(recorder),
            (std::vector<std::wstring>{L"1.201", L"1.202", L"1.203", L"1.204", L"1.205", L"1.206"}));
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM ADDRESSES"), L"3");
}

// A file at 1.01 (the first unit of the step from 1.0 done) resumes with the
// second unit: the company addresses and the COMPANIES change.
TEST_F(SchemaUpgradeTest, FileAt101SkipsTheFirstUnit) {
  OpenLegacy(L"1.01");
  Committed({L"INSERT INTO OBJECTS (OBJECT_ID) VALUES (108)",
             L"INSERT INTO COMPANIES VALUES (108, 'O''Brien', NULL, 'Box ''A''', 1, 0)",
             L"ALTER SEQUENCE GEN_OBJECTS_ID RESTART WITH 1000"});
  CallRecorder recorder;
  EXPECT_EQ(UpgradeChain(1.01), 1.206);
  const auto sent = SchemaStatementsSent(recorder);
  ASSERT_GE(sent.size(), 2u);
  EXPECT_EQ(sent[0], L"ALTER TABLE COMPANIES DROP DISPLAY_BOX;");
  EXPECT_EQ(sent[1], L"ALTER TABLE COMPANIES ADD DEFAULT_DISCOUNT DOUBLE PRECISION;");
  EXPECT_EQ(VersionsWritten(recorder).front(), L"1.1");

  // The address insert as sent: both texts with their quotes doubled.
  std::vector<std::wstring> inserts;
  for (const auto& call : recorder.Of(ibase::ibOperation::ExecuteImmediate))
    if (call.sql.rfind(L"INSERT INTO ADDRESSES", 0) == 0) inserts.push_back(call.sql);
  EXPECT_EQ(inserts,
            (std::vector<std::wstring>{L"INSERT INTO ADDRESSES (OBJECT_ID,NAME,DISPLAY_BOX,DEFAULT_ADDRESS,"
                                       L"COMPANY_OBJECT_ID) VALUES (1001,'O''Brien','Box ''A''',1,108);"}));
  EXPECT_EQ(Rows(L"SELECT OBJECT_ID, NAME, DISPLAY_BOX FROM ADDRESSES"),
            (std::vector<Row>{{L"1001", L"O'Brien", L"Box 'A'"}}));
  EXPECT_EQ(Rows(L"SELECT SELL_TO_THIS_ONE, BUY_FROM_THIS_ONE FROM COMPANIES"),
            (std::vector<Row>{{L"1", L"0"}}));
}

TEST_F(SchemaUpgradeTest, CurrentFileRunsNothing) {
  OpenFresh();
  CallRecorder recorder;
  UpgradeDatabase();
  EXPECT_TRUE(recorder.Of(ibase::ibOperation::ExecuteImmediate).empty());
  EXPECT_TRUE(recorder.Of(ibase::ibOperation::Commit).empty());
  EXPECT_EQ(StoredVersion(), L"1.206");
}

TEST_F(SchemaUpgradeTest, VersionOutsideTheStepsIsRefusedBeforeAnyStatement) {
  for (const wchar_t* stored : {L"0.5", L"0.99", L"1.3", L"2", L"abc"}) {
    OpenLegacy(L"1.0", stored);
    CallRecorder recorder;
    EXPECT_EQ(FailureText(UpgradeDatabase), L"Unknown database version!") << platform::ToUtf8(stored);
    EXPECT_TRUE(recorder.Of(ibase::ibOperation::ExecuteImmediate).empty()) << platform::ToUtf8(stored);
    EXPECT_EQ(StoredVersion(), stored);
    DisconnectDatabase();
  }
  EXPECT_EQ(FailureText([] { UpgradeChain(-1.0); }), L"Unknown database version!");
}

// A 1.0 file without a version row is read with the default "1".
TEST_F(SchemaUpgradeTest, MissingVersionRowUpgradesFromVersion10) {
  OpenLegacy(L"1.0", {}, false);
  ASSERT_EQ(StoredVersion(), L"(none)");
  UpgradeDatabase();
  EXPECT_EQ(StoredVersion(), L"1.206");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM SETTINGS"), L"1");
}

// A stored 1.15 lies in the range of the step 1.1 -> 1.2.
TEST_F(SchemaUpgradeTest, VersionBetweenStepsRunsTheStepOfItsRange) {
  OpenLegacy(L"1.1", L"1.15");
  CallRecorder recorder;
  UpgradeDatabase();
  EXPECT_EQ(VersionsWritten(recorder).front(), L"1.2");
  EXPECT_EQ(StoredVersion(), L"1.206");
}

// The constraints a step replaces are found by table, kind and column,
// whatever the file named them; one that is missing is not dropped.
struct ReplacedCase {
  const wchar_t* from;
  std::vector<std::wstring> rename;  // run on the file before the step
  double (*step)(double);
  const wchar_t* table;
  std::vector<std::wstring> gone;
  std::vector<std::wstring> present;
};

void PrintTo(const ReplacedCase& c, std::ostream* out) {
  *out << "from " << platform::ToUtf8(c.from) << " on " << platform::ToUtf8(c.table);
}

class SchemaUpgradeConstraintTest : public UpgradeTest, public ::testing::WithParamInterface<ReplacedCase> {};

TEST_P(SchemaUpgradeConstraintTest, IsFoundWhateverItsName) {
  const ReplacedCase& c = GetParam();
  OpenLegacy(c.from);
  Committed(c.rename);
  for (const std::wstring& name : c.gone)
    ASSERT_TRUE(Has(ConstraintNames(c.table), name)) << platform::ToUtf8(name);
  c.step(std::stod(platform::ToUtf8(c.from)));
  const auto names = ConstraintNames(c.table);
  for (const std::wstring& name : c.gone) EXPECT_FALSE(Has(names, name)) << platform::ToUtf8(name);
  for (const std::wstring& name : c.present) EXPECT_TRUE(Has(names, name)) << platform::ToUtf8(name);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SchemaUpgradeConstraintTest,
    ::testing::Values(
        ReplacedCase{L"1.1",
                     {L"ALTER TABLE ADDRESSES DROP CONSTRAINT INTEG_405",
                      L"ALTER TABLE ADDRESSES ADD CONSTRAINT INTEG_4711 FOREIGN KEY (COMPANY_OBJECT_ID) "
                      L"REFERENCES COMPANIES (OBJECT_ID)"},
                     Upgrade1_1To1_2,
                     L"ADDRESSES",
                     {L"INTEG_4711"},
                     {L"INTEG_405"}},
        ReplacedCase{L"1.203",
                     {L"ALTER TABLE ITEM_OUTPUT DROP CONSTRAINT INTEG_302",
                      L"ALTER TABLE ITEM_OUTPUT ADD CONSTRAINT INTEG_4712 CHECK (OUTPUT_DEST_TYPE < 4)",
                      L"ALTER TABLE ITEM_INPUT DROP CONSTRAINT INTEG_326",
                      L"ALTER TABLE ITEM_INPUT ADD CONSTRAINT INTEG_4713 CHECK (INPUT_SOURCE_TYPE < 3)"},
                     Upgrade1_203To1_204,
                     L"ITEM_OUTPUT",
                     {L"INTEG_4712"},
                     {L"CHK_ITEM_OUTPUT1"}},
        ReplacedCase{L"1.203",
                     {L"ALTER TABLE ITEM_INPUT DROP CONSTRAINT INTEG_326"},
                     Upgrade1_203To1_204,
                     L"ITEM_INPUT",
                     {},
                     {L"CHK_ITEM_INPUT1", L"INTEG_232"}},
        ReplacedCase{L"1.205",
                     {L"ALTER TABLE ITEM_INPUT DROP CONSTRAINT INTEG_232",
                      L"ALTER TABLE ITEM_INPUT ADD CONSTRAINT INTEG_4714 FOREIGN KEY (INVOICE_OBJECT_ID) "
                      L"REFERENCES INVOICES (OBJECT_ID)"},
                     Upgrade1_205To1_206,
                     L"ITEM_INPUT",
                     {L"INTEG_4714"},
                     {L"FR_ITEM_INPUT_INVOICES", L"CHK_ITEM_INPUT1"}},
        ReplacedCase{L"1.205",
                     {L"ALTER TABLE INVOICES DROP CONSTRAINT INTEG_71",
                      L"ALTER TABLE INVOICES ADD CONSTRAINT INTEG_4715 UNIQUE (INVOICE_NUM)"},
                     Upgrade1_205To1_206,
                     L"INVOICES",
                     {L"INTEG_4715"},
                     {L"UQ_ITEM_INVOICES_NUM_TYPE", L"CHK_INVOICE_TYPE"}},
        ReplacedCase{L"1.205",
                     {L"ALTER TABLE INVOICES DROP CONSTRAINT INTEG_71"},
                     Upgrade1_205To1_206,
                     L"INVOICES",
                     {},
                     {L"UQ_ITEM_INVOICES_NUM_TYPE"}}));

// Statements of their own run as dialect 3, where double quotes delimit
// names, each in one committed unit of work.
void CommittedAsDialect3(const std::vector<std::wstring>& statements) {
  TransactionScope scope;
  for (const std::wstring& statement : statements) {
    ibase::ibReader reader(GetDatabase());
    reader.Open(statement);
  }
  scope.Commit();
}

// A constraint name read from the file is sent as a delimited identifier: a
// name that reads as more SQL, or holds a double quote, drops that one
// constraint and nothing else.
TEST_F(SchemaUpgradeTest, AConstraintNameReadFromTheFileNamesOnlyThatConstraint) {
  for (const std::wstring name : {L"U, DROP DISPLAY_BOX", L"lower \"quoted\" name"}) {
    SCOPED_TRACE(platform::ToUtf8(name));
    OpenLegacy(L"1.205");
    std::wstring delimited = L"\"";
    for (wchar_t c : name) delimited += c == L'"' ? std::wstring(L"\"\"") : std::wstring(1, c);
    CommittedAsDialect3({L"ALTER TABLE INVOICES DROP CONSTRAINT INTEG_71",
                         L"ALTER TABLE INVOICES ADD CONSTRAINT " + delimited + L"\" UNIQUE (INVOICE_NUM)",
                         L"ALTER TABLE INVOICES ADD CONSTRAINT U CHECK (TOTAL_AMOUNT >= 0)"});
    ASSERT_TRUE(Has(ConstraintNames(L"INVOICES"), name));

    EXPECT_EQ(FailureText([] { Upgrade1_205To1_206(1.205); }), L"(no failure)");
    EXPECT_EQ(StoredVersion(), L"1.206");
    const auto names = ConstraintNames(L"INVOICES");
    EXPECT_FALSE(Has(names, name));
    EXPECT_TRUE(Has(names, L"U"));
    EXPECT_TRUE(Has(names, L"UQ_ITEM_INVOICES_NUM_TYPE"));
    EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = 'INVOICES' "
                    L"AND RDB$FIELD_NAME = 'DISPLAY_BOX'"),
              L"1");
    DisconnectDatabase();
  }
}

// Rows another tool wrote into a 1.0 file under ids its generator has not
// reached yet: the upgrade moves the generator past them before it adds
// OBJECTS rows of its own (the companies' addresses), and succeeds at the
// first try.
TEST_F(SchemaUpgradeTest, RowsStoredPastTheIdGeneratorUpgradeAtTheFirstTry) {
  OpenLegacy(L"1.0");
  const int generator = std::stoi(platform::ToUtf8(Value(L"SELECT GEN_ID(GEN_OBJECTS_ID, 0) FROM RDB$DATABASE")));
  const std::wstring first = std::to_wstring(generator + 1);
  const std::wstring second = std::to_wstring(generator + 2);
  Committed({L"INSERT INTO OBJECTS (OBJECT_ID) VALUES (" + first + L")",
             L"INSERT INTO OBJECTS (OBJECT_ID) VALUES (" + second + L")",
             L"INSERT INTO COMPANIES (OBJECT_ID, NAME, DISPLAY_BOX) VALUES (" + first +
                 L", 'Written Elsewhere Ltd', 'Elm St 5')",
             L"INSERT INTO COMPANIES (OBJECT_ID, NAME, DISPLAY_BOX) VALUES (" + second +
                 L", 'Also Elsewhere Ltd', 'Oak St 7')"});

  EXPECT_EQ(FailureText(UpgradeDatabase), L"(no failure)");
  EXPECT_EQ(StoredVersion(), L"1.206");
  EXPECT_EQ(Rows(L"SELECT A.NAME, A.DISPLAY_BOX FROM ADDRESSES A JOIN OBJECTS O ON O.OBJECT_ID = A.OBJECT_ID "
                 L"WHERE A.OBJECT_ID > " + second + L" ORDER BY A.COMPANY_OBJECT_ID"),
            (std::vector<Row>{{L"Written Elsewhere Ltd", L"Elm St 5"}, {L"Also Elsewhere Ltd", L"Oak St 7"}}));
}

// The keys the steps put in place work as the program relies on: an income
// and an outcome invoice may share a number, and deleting an invoice takes
// its stock input lines with it.
TEST_F(SchemaUpgradeTest, ReplacedConstraintsTakeEffect) {
  OpenLegacy(L"1.0");
  Committed(kVersion10Rows);
  UpgradeDatabase();
  Committed({L"INSERT INTO OBJECTS (OBJECT_ID) VALUES (5000)",
             L"INSERT INTO INVOICES (OBJECT_ID, INVOICE_NUM, INVOICE_TYPE) VALUES (5000, '0001/06', 1)"});
  // The number rule (UQ_ITEM_INVOICES_NUM_TYPE), told in plain words.
  EXPECT_EQ(FailureText([] {
              Committed(
                  {L"INSERT INTO OBJECTS (OBJECT_ID) VALUES (5001)",
                   L"INSERT INTO INVOICES (OBJECT_ID, INVOICE_NUM, INVOICE_TYPE) VALUES (5001, '0001/06', 1)"});
            }),
            kInvoiceNumberTakenText);
  EXPECT_NE(FailureText([] {
              Committed({L"UPDATE ITEM_OUTPUT SET OUTPUT_DEST_TYPE = 5"});
            }).find(L"CHK_ITEM_OUTPUT1"),
            std::wstring::npos);
  Committed({L"UPDATE ITEM_OUTPUT SET OUTPUT_DEST_TYPE = 4", L"UPDATE ITEM_INPUT SET INPUT_SOURCE_TYPE = 4",
             L"DELETE FROM INVOICES WHERE OBJECT_ID = 114"});
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM ITEM_INPUT"), L"0");
  Committed({L"DELETE FROM COMPANIES WHERE OBJECT_ID = 109"});
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM ADDRESSES WHERE COMPANY_OBJECT_ID = 109"), L"0");
}

}  // namespace
