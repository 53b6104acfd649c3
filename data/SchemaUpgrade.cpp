#include "data/SchemaUpgrade.h"

#include <functional>
#include <locale>
#include <optional>
#include <sstream>
#include <vector>

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DatabaseVersion.h"
#include "data/DbException.h"
#include "data/Settings.h"
#include "data/SqlText.h"
#include "data/TransactionScope.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"

namespace {

enum class ConstraintKind { ForeignKey, Unique, Check };

// One statement of a unit, as the step states it. Two kinds are not sent as
// they stand (see SchemaUpgrade.h): a NOT NULL column added to a table with
// rows (fill holds the value existing rows get), and the drop of a
// system-named constraint, which is looked up by kind and column.
struct Statement {
  std::wstring sql;
  std::wstring fill = {};
  std::optional<ConstraintKind> droppedKind = {};
  std::wstring droppedColumn = {};
};

Statement Filled(std::wstring sql, std::wstring value) {
  return {std::move(sql), std::move(value)};
}

Statement Dropped(std::wstring sql, ConstraintKind kind, std::wstring column) {
  return {std::move(sql), L"", kind, std::move(column)};
}

// The blank-separated words of a statement, the trailing semicolon dropped.
std::vector<std::wstring> Words(const std::wstring& sql) {
  std::wistringstream stream(sql.back() == L';' ? sql.substr(0, sql.size() - 1) : sql);
  std::vector<std::wstring> words;
  for (std::wstring word; stream >> word;) words.push_back(word);
  return words;
}

// "ALTER TABLE <table> ADD <column> ..." and "ALTER TABLE <table> DROP
// CONSTRAINT <name>" in either letter case.
std::wstring TableOf(const Statement& statement) {
  return Words(statement.sql).at(2);
}
std::wstring AddedColumnOf(const Statement& statement) {
  return Words(statement.sql).at(4);
}
std::wstring DroppedNameOf(const Statement& statement) {
  return Words(statement.sql).back();
}

std::wstring Quoted(const std::wstring& name) {
  return L"'" + EscapeSqlQuotes(name) + L"'";
}

// A name read from the file, written as a delimited identifier: it names
// exactly that object, whatever it holds (blanks, commas, lower case,
// quotes), and never adds words of its own to the statement.
std::wstring QuotedIdentifier(const std::wstring& name) {
  std::wstring quoted = L"\"";
  for (wchar_t c : name) {
    quoted += c;
    if (c == L'"') quoted += L'"';
  }
  return quoted + L"\"";
}

std::wstring Trimmed(std::wstring text) {
  while (!text.empty() && text.back() == L' ') text.pop_back();
  return text;
}

// Column 0 of every row as text, trailing blanks dropped (system tables hold
// their names as blank-padded CHAR). Reads inside the application transaction
// when one is open, so it sees the unit's own changes.
std::vector<std::wstring> ReadNames(const std::wstring& sql) {
  return TranslateDbErrors([&] {
    ibase::ibReader reader(GetDatabase());
    reader.Open(sql);
    ibase::ibData data(&reader);
    std::vector<std::wstring> names;
    while (reader.Fetch()) names.push_back(Trimmed(data.GetString(0)));
    return names;
  });
}

// The constraints of a table of the given kind on the given column.
std::vector<std::wstring> FindConstraints(const std::wstring& table, ConstraintKind kind,
                                          const std::wstring& column) {
  if (kind == ConstraintKind::Check) {
    // A CHECK constraint is two system triggers; their dependencies name the
    // columns the condition reads.
    return ReadNames(
        L"SELECT DISTINCT RC.RDB$CONSTRAINT_NAME FROM RDB$RELATION_CONSTRAINTS RC "
        L"JOIN RDB$CHECK_CONSTRAINTS CC ON CC.RDB$CONSTRAINT_NAME = RC.RDB$CONSTRAINT_NAME "
        L"JOIN RDB$DEPENDENCIES D ON D.RDB$DEPENDENT_NAME = CC.RDB$TRIGGER_NAME "
        L"AND D.RDB$DEPENDED_ON_NAME = RC.RDB$RELATION_NAME "
        L"WHERE RC.RDB$CONSTRAINT_TYPE = 'CHECK' AND RC.RDB$RELATION_NAME = " +
        Quoted(table) + L" AND D.RDB$FIELD_NAME = " + Quoted(column));
  }
  // A key's index holds its columns; only keys on this one column count.
  return ReadNames(
      L"SELECT RC.RDB$CONSTRAINT_NAME FROM RDB$RELATION_CONSTRAINTS RC "
      L"JOIN RDB$INDICES I ON I.RDB$INDEX_NAME = RC.RDB$INDEX_NAME "
      L"JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = RC.RDB$INDEX_NAME "
      L"WHERE RC.RDB$CONSTRAINT_TYPE = " +
      Quoted(kind == ConstraintKind::ForeignKey ? L"FOREIGN KEY" : L"UNIQUE") +
      L" AND RC.RDB$RELATION_NAME = " + Quoted(table) +
      L" AND I.RDB$SEGMENT_COUNT = 1 AND S.RDB$FIELD_NAME = " + Quoted(column) +
      L" ORDER BY RC.RDB$CONSTRAINT_NAME");
}

void Run(const Statement& statement) {
  if (statement.droppedKind) {
    // The statement as stated, with the name the file really gives the constraint.
    const std::wstring stated = DroppedNameOf(statement);
    const size_t at = statement.sql.rfind(stated);
    // Delimited identifiers exist in dialect 3 only (dialect 1 reads a
    // double quoted word as a string).
    for (const std::wstring& name :
         FindConstraints(TableOf(statement), *statement.droppedKind, statement.droppedColumn))
      ExecuteSql(
          statement.sql.substr(0, at) + QuotedIdentifier(name) + statement.sql.substr(at + stated.size()),
          ibase::kDialect3);
  } else if (!statement.fill.empty()) {
    // Existing rows get the DEFAULT's value as the column is added.
    const size_t at = statement.sql.rfind(L" NOT NULL");
    ExecuteSql(statement.sql.substr(0, at) + L" DEFAULT " + statement.fill + statement.sql.substr(at));
  } else {
    ExecuteSql(statement.sql);
  }
}

// Step from 1.0, first unit (to 1.01). Price lists and companies saved by the
// program always carry both flags set, so existing rows get 1.
const std::vector<Statement> kTo1_01 = {
    Filled(L"ALTER TABLE PRICE_GROUP ADD FOR_SELLING SMALLINT NOT NULL;", L"1"),
    Filled(L"ALTER TABLE PRICE_GROUP ADD FOR_BUYING SMALLINT NOT NULL;", L"1"),
    Filled(L"ALTER TABLE COMPANIES ADD SELL_TO_THIS_ONE SMALLINT NOT NULL;", L"1"),
    Filled(L"ALTER TABLE COMPANIES ADD BUY_FROM_THIS_ONE SMALLINT NOT NULL;", L"1"),
    {L"CREATE TABLE ADDRESSES (OBJECT_ID INTEGER NOT NULL,NAME VARCHAR (50) CHARACTER SET UNICODE_FSS "
     L"COLLATE "
     L"UNICODE_FSS,DISPLAY_BOX VARCHAR (400) CHARACTER SET UNICODE_FSS COLLATE UNICODE_FSS,DEFAULT_ADDRESS "
     L"SMALLINT "
     L"NOT NULL,COMPANY_OBJECT_ID INTEGER NOT NULL);"},
    {L"ALTER TABLE ADDRESSES ADD PRIMARY KEY (OBJECT_ID);"},
    {L"ALTER TABLE ADDRESSES ADD UNIQUE (NAME,COMPANY_OBJECT_ID);"},
    {L"ALTER TABLE ADDRESSES ADD FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS (OBJECT_ID);"},
    {L"ALTER TABLE ADDRESSES ADD FOREIGN KEY (COMPANY_OBJECT_ID) REFERENCES COMPANIES (OBJECT_ID) ON DELETE "
     L"CASCADE;"},
    {L"ALTER TABLE INVOICES ADD ADDRESS_OBJECT_ID INTEGER;"},
    {L"ALTER TABLE INVOICES ADD FOREIGN KEY (ADDRESS_OBJECT_ID) REFERENCES ADDRESSES (OBJECT_ID);"},
};

// Step from 1.0, second unit (to 1.1), after MigrateCompanyAddresses.
const std::vector<Statement> kTo1_1 = {
    {L"ALTER TABLE COMPANIES DROP DISPLAY_BOX;"},
    {L"ALTER TABLE COMPANIES ADD DEFAULT_DISCOUNT DOUBLE PRECISION;"},
};

const std::vector<Statement> kTo1_2 = {
    Dropped(L"alter table ADDRESSES drop constraint INTEG_405", ConstraintKind::ForeignKey,
            L"COMPANY_OBJECT_ID"),
    {L"alter table ADDRESSES add constraint INTEG_405 foreign key (COMPANY_OBJECT_ID) references "
     L"COMPANIES(OBJECT_ID) on delete CASCADE;"},
};

// Existing addresses keep the display text they have: the manual flag is clear.
const std::vector<Statement> kTo1_201 = {
    {L"ALTER TABLE ADDRESSES ADD ADDRESS_LINE1 VARCHAR(50);"},
    {L"ALTER TABLE ADDRESSES ADD ADDRESS_LINE2 VARCHAR(50);"},
    {L"ALTER TABLE ADDRESSES ADD ADDRESS_LINE3 VARCHAR(50);"},
    {L"ALTER TABLE ADDRESSES ADD ADDRESS_ZIP VARCHAR(10);"},
    {L"ALTER TABLE ADDRESSES ADD ADDRESS_CITY VARCHAR(50);"},
    {L"ALTER TABLE ADDRESSES ADD ADDRESS_STATE VARCHAR(50);"},
    {L"ALTER TABLE ADDRESSES ADD ADDRESS_COUNTRY VARCHAR(50);"},
    Filled(L"ALTER TABLE ADDRESSES ADD DISPLAY_EDIT_ENABLED SMALLINT NOT NULL;", L"0"),
    {L"CREATE TABLE COUNTRIES (OBJECT_ID INTEGER NOT NULL,NAME VARCHAR (50) CHARACTER SET UNICODE_FSS "
     L"COLLATE "
     L"UNICODE_FSS);"},
    {L"ALTER TABLE COUNTRIES ADD CONSTRAINT PR_COUNTRIES PRIMARY KEY (OBJECT_ID);"},
    {L"ALTER TABLE COUNTRIES ADD CONSTRAINT UQ_COUNTRIES_NAME UNIQUE (NAME);"},
    {L"ALTER TABLE COUNTRIES ADD CONSTRAINT FR_COUNTRIES_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS "
     L"(OBJECT_ID);"},
    {L"CREATE TABLE COUNTRIES_REF (OBJECT_ID INTEGER NOT NULL,NAME VARCHAR (50) CHARACTER SET UNICODE_FSS "
     L"COLLATE "
     L"UNICODE_FSS,REF_TYPE VARCHAR (10) CHARACTER SET UNICODE_FSS COLLATE UNICODE_FSS,COUNTRIES_OBJECT_ID "
     L"INTEGER "
     L"NOT NULL);"},
    {L"ALTER TABLE COUNTRIES_REF ADD CONSTRAINT PR_COUNTRIES_REF PRIMARY KEY (OBJECT_ID);"},
    {L"ALTER TABLE COUNTRIES_REF ADD CONSTRAINT UQ_COUNTRIES_REF_TRIPLE UNIQUE "
     L"(NAME,REF_TYPE,COUNTRIES_OBJECT_ID);"},
    {L"ALTER TABLE COUNTRIES_REF ADD CONSTRAINT FR_COUNTRIES_REF_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES "
     L"OBJECTS "
     L"(OBJECT_ID);"},
    {L"ALTER TABLE COUNTRIES_REF ADD CONSTRAINT FR_COUNTRIES_REF_COUNTRIES_OBJ FOREIGN KEY "
     L"(COUNTRIES_OBJECT_ID) "
     L"REFERENCES COUNTRIES (OBJECT_ID) ON DELETE CASCADE;"},
};

const std::vector<Statement> kTo1_202 = {
    {L"CREATE TABLE PHONES (OBJECT_ID INTEGER NOT NULL,NAME VARCHAR (50) CHARACTER SET UNICODE_FSS COLLATE "
     L"UNICODE_FSS,NUMBER VARCHAR (50) CHARACTER SET UNICODE_FSS NOT NULL COLLATE UNICODE_FSS,PHONE_DISPLAY "
     L"VARCHAR "
     L"(50) CHARACTER SET UNICODE_FSS NOT NULL COLLATE UNICODE_FSS,COUNTRY_PART SMALLINT,REGION_PART "
     L"SMALLINT,COMPANY_OBJECT_ID INTEGER NOT NULL);"},
    {L"ALTER TABLE PHONES ADD CONSTRAINT PR_PHONES PRIMARY KEY (OBJECT_ID);"},
    {L"CREATE INDEX IDX_PHONES_NUMBER ON PHONES (NUMBER);"},
    {L"ALTER TABLE PHONES ADD CONSTRAINT FR_PHONES_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS "
     L"(OBJECT_ID);"},
    {L"ALTER TABLE PHONES ADD CONSTRAINT FR_PHONES_COMPANIES_OBJ FOREIGN KEY (COMPANY_OBJECT_ID) REFERENCES "
     L"COMPANIES (OBJECT_ID) ON DELETE CASCADE;"},
    {L"CREATE TABLE WEBS (OBJECT_ID INTEGER NOT NULL,NAME VARCHAR (50) CHARACTER SET UNICODE_FSS COLLATE "
     L"UNICODE_FSS,WEB VARCHAR (400) CHARACTER SET UNICODE_FSS NOT NULL COLLATE "
     L"UNICODE_FSS,COMPANY_OBJECT_ID "
     L"INTEGER NOT NULL);"},
    {L"ALTER TABLE WEBS ADD CONSTRAINT PR_WEBS PRIMARY KEY (OBJECT_ID);"},
    {L"ALTER TABLE WEBS ADD CONSTRAINT FR_WEBS_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS (OBJECT_ID);"},
    {L"ALTER TABLE WEBS ADD CONSTRAINT FR_WEBS_COMPANIES_OBJ FOREIGN KEY (COMPANY_OBJECT_ID) REFERENCES "
     L"COMPANIES "
     L"(OBJECT_ID) ON DELETE CASCADE;"},
    {L"CREATE TABLE EMAILS (OBJECT_ID INTEGER NOT NULL,NAME VARCHAR (50) CHARACTER SET UNICODE_FSS COLLATE "
     L"UNICODE_FSS,EMAIL VARCHAR (50) CHARACTER SET UNICODE_FSS NOT NULL COLLATE "
     L"UNICODE_FSS,COMPANY_OBJECT_ID "
     L"INTEGER NOT NULL);"},
    {L"ALTER TABLE EMAILS ADD CONSTRAINT PR_EMAILS PRIMARY KEY (OBJECT_ID);"},
    {L"ALTER TABLE EMAILS ADD CONSTRAINT FR_EMAILS_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS "
     L"(OBJECT_ID);"},
    {L"ALTER TABLE EMAILS ADD CONSTRAINT FR_EMAILS_COMPANIES_OBJ FOREIGN KEY (COMPANY_OBJECT_ID) REFERENCES "
     L"COMPANIES (OBJECT_ID) ON DELETE CASCADE;"},
};

const std::vector<Statement> kTo1_203 = {
    {L"CREATE TABLE PHONE_CODES (OBJECT_ID INTEGER NOT NULL,COUNTRY VARCHAR (50) CHARACTER SET UNICODE_FSS "
     L"NOT "
     L"NULL COLLATE UNICODE_FSS,CODE VARCHAR (5) NOT NULL);"},
    {L"ALTER TABLE PHONE_CODES ADD CONSTRAINT PR_PHONE_CODES PRIMARY KEY (OBJECT_ID);"},
    {L"ALTER TABLE PHONE_CODES ADD CONSTRAINT UQ_PHONE_CODES_COUNTRY UNIQUE (COUNTRY);"},
    {L"ALTER TABLE PHONE_CODES ADD CONSTRAINT UQ_PHONE_CODES_CODE UNIQUE (CODE);"},
    {L"ALTER TABLE PHONE_CODES ADD CONSTRAINT FR_PHONE_CODES_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS "
     L"(OBJECT_ID);"},
};

const std::vector<Statement> kTo1_204 = {
    Dropped(L"ALTER TABLE ITEM_OUTPUT DROP CONSTRAINT INTEG_302;", ConstraintKind::Check,
            L"OUTPUT_DEST_TYPE"),
    {L"ALTER TABLE ITEM_OUTPUT ADD CONSTRAINT CHK_ITEM_OUTPUT1 CHECK(OUTPUT_DEST_TYPE = 1 OR "
     L"OUTPUT_DEST_TYPE = 2 "
     L"OR OUTPUT_DEST_TYPE = 3 OR OUTPUT_DEST_TYPE = 4);"},
    Dropped(L"ALTER TABLE ITEM_INPUT DROP CONSTRAINT INTEG_326;", ConstraintKind::Check,
            L"INPUT_SOURCE_TYPE"),
    {L"ALTER TABLE ITEM_INPUT ADD CONSTRAINT CHK_ITEM_INPUT1 CHECK(INPUT_SOURCE_TYPE = 1 OR "
     L"INPUT_SOURCE_TYPE = 2 "
     L"OR INPUT_SOURCE_TYPE = 4);"},
};

const std::vector<Statement> kTo1_205 = {
    {L"CREATE TABLE ACCOUNTS (OBJECT_ID INTEGER NOT NULL,NAME VARCHAR (50) CHARACTER SET UNICODE_FSS NOT "
     L"NULL "
     L"COLLATE UNICODE_FSS,COMPANY_OBJECT_ID INTEGER,ACCOUNT_TYPE INTEGER,OPENING_DATE TIMESTAMP NOT NULL);"},
    {L"ALTER TABLE ACCOUNTS ADD CONSTRAINT PR_ACCOUNTS PRIMARY KEY (OBJECT_ID);"},
    {L"ALTER TABLE ACCOUNTS ADD CONSTRAINT FR_ACCOUNTS_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS "
     L"(OBJECT_ID);"},
    {L"ALTER TABLE ACCOUNTS ADD CONSTRAINT FR_ACCOUNTS_COMPANIES_OBJ FOREIGN KEY (COMPANY_OBJECT_ID) "
     L"REFERENCES "
     L"COMPANIES (OBJECT_ID) ON DELETE CASCADE;"},
    {L"ALTER TABLE ACCOUNTS ADD CONSTRAINT UQ_ACCOUNTS_NAME_COMPANY UNIQUE (NAME,COMPANY_OBJECT_ID);"},
    {L"CREATE TABLE PAYMENTS (OBJECT_ID INTEGER NOT NULL,DESCRIPTION VARCHAR (255) CHARACTER SET UNICODE_FSS "
     L"COLLATE UNICODE_FSS,AMOUNT DOUBLE PRECISION NOT NULL,COMPANY_PAYING_ID INTEGER,COMPANY_RECIEVING_ID "
     L"INTEGER,ACCOUNT_PAYING_ID INTEGER,ACCOUNT_RECIEVING_ID INTEGER,REFERENCE_OBJECT_ID INTEGER,PAID_ON "
     L"TIMESTAMP "
     L"NOT NULL);"},
    {L"ALTER TABLE PAYMENTS ADD CONSTRAINT PR_PAYMENTS PRIMARY KEY (OBJECT_ID);"},
    {L"ALTER TABLE PAYMENTS ADD CONSTRAINT FR_PAYMENTS_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS "
     L"(OBJECT_ID);"},
    {L"ALTER TABLE PAYMENTS ADD CONSTRAINT FR_PAYMENTS_COMPANIES1_OBJ FOREIGN KEY (COMPANY_PAYING_ID) "
     L"REFERENCES "
     L"COMPANIES (OBJECT_ID) ON DELETE CASCADE;"},
    {L"ALTER TABLE PAYMENTS ADD CONSTRAINT FR_PAYMENTS_COMPANIES2_OBJ FOREIGN KEY (COMPANY_RECIEVING_ID) "
     L"REFERENCES "
     L"COMPANIES (OBJECT_ID) ON DELETE CASCADE;"},
    {L"ALTER TABLE PAYMENTS ADD CONSTRAINT FR_PAYMENTS_ACCOUNTS1_OBJ FOREIGN KEY (ACCOUNT_PAYING_ID) "
     L"REFERENCES "
     L"ACCOUNTS (OBJECT_ID) ON DELETE CASCADE;"},
    {L"ALTER TABLE PAYMENTS ADD CONSTRAINT FR_PAYMENTS_ACCOUNTS2_OBJ FOREIGN KEY (ACCOUNT_RECIEVING_ID) "
     L"REFERENCES "
     L"ACCOUNTS (OBJECT_ID) ON DELETE CASCADE;"},
    {L"ALTER TABLE PAYMENTS ADD CONSTRAINT FR_PAYMENTS_REF_OBJ FOREIGN KEY (REFERENCE_OBJECT_ID) REFERENCES "
     L"OBJECTS "
     L"(OBJECT_ID) ON DELETE CASCADE;"},
};

// INVOICE_TYPE is stated with its DEFAULT 0, which every existing invoice gets.
const std::vector<Statement> kTo1_206 = {
    {L"ALTER TABLE INVOICES ADD COMPANY_OBJECT_ID_FROM INTEGER"},
    {L"ALTER TABLE INVOICES ADD CONSTRAINT FR_INVOICES_COMANIES2_OBJ FOREIGN KEY (COMPANY_OBJECT_ID_FROM) "
     L"REFERENCES COMPANIES (OBJECT_ID);"},
    {L"ALTER TABLE INVOICES ADD DISPLAY_BOX_FROM VARCHAR (400) CHARACTER SET UNICODE_FSS COLLATE "
     L"UNICODE_FSS"},
    {L"ALTER TABLE INVOICES ADD INVOICE_TYPE SMALLINT DEFAULT 0 NOT NULL;"},
    {L"ALTER TABLE INVOICES ADD CONSTRAINT CHK_INVOICE_TYPE CHECK(INVOICE_TYPE = 0 OR INVOICE_TYPE = 1);"},
    Dropped(L"ALTER TABLE ITEM_INPUT DROP CONSTRAINT INTEG_232;", ConstraintKind::ForeignKey,
            L"INVOICE_OBJECT_ID"),
    {L"ALTER TABLE ITEM_INPUT ADD CONSTRAINT FR_ITEM_INPUT_INVOICES FOREIGN KEY (INVOICE_OBJECT_ID) "
     L"REFERENCES "
     L"INVOICES(OBJECT_ID) ON DELETE CASCADE;"},
    Dropped(L"ALTER TABLE INVOICES DROP CONSTRAINT INTEG_71;", ConstraintKind::Unique, L"INVOICE_NUM"),
    {L"ALTER TABLE INVOICES ADD CONSTRAINT UQ_ITEM_INVOICES_NUM_TYPE UNIQUE(INVOICE_NUM,INVOICE_TYPE);"},
    {L"ALTER TABLE INVOICES ADD ADDRESS_OBJECT_ID_FROM INTEGER;"},
};

// The DEFAULTs that filled NOT NULL columns and are still declared: normally
// none, except after an upgrade stopped between a unit and the dropping of
// its defaults.
std::vector<Statement> LeftFillDefaults() {
  std::vector<Statement> left;
  for (const auto* unit : {&kTo1_01, &kTo1_201}) {
    for (const Statement& statement : *unit) {
      if (statement.fill.empty()) continue;
      const auto found = ReadNames(
          L"SELECT RDB$FIELD_NAME FROM RDB$RELATION_FIELDS WHERE RDB$DEFAULT_SOURCE IS NOT NULL "
          L"AND RDB$RELATION_NAME = " +
          Quoted(TableOf(statement)) + L" AND RDB$FIELD_NAME = " + Quoted(AddedColumnOf(statement)));
      if (!found.empty()) left.push_back(statement);
    }
  }
  return left;
}

// Drops them in a unit of its own. It cannot share the unit that added the
// column: the engine fills existing rows from the DEFAULT only once the column
// is committed.
void DropFillDefaults() {
  const std::vector<Statement> left = LeftFillDefaults();
  if (left.empty()) return;
  TransactionScope scope;
  for (const Statement& statement : left)
    ExecuteSql(L"ALTER TABLE " + TableOf(statement) + L" ALTER " + AddedColumnOf(statement) +
               L" DROP DEFAULT;");
  scope.Commit();
}

// One unit of work: before runs first (the company-address move), then the
// statements in order, then the version text is stored and all commits
// together. A failure rolls the whole unit back.
void RunUnit(const std::vector<Statement>& statements, const std::wstring& versionText,
             const std::function<void()>& before = {}) {
  TransactionScope scope;
  if (before) before();
  for (const Statement& statement : statements) Run(statement);
  // The OBJECTS row is stamped, then the SETTINGS row updated by its own id.
  Invoice::Settings version(kDatabaseVersionKey, L"1");
  version.SetValue(versionText);
  version.Save();
  scope.Commit();
  DropFillDefaults();
}

// A step of one unit.
double RunStep(const std::vector<Statement>& statements, const std::wstring& versionText, double reached) {
  RunUnit(statements, versionText);
  return reached;
}

}  // namespace

void UpgradeDatabase() {
  // An older file may hold ids above what its generator gives next (rows
  // another tool wrote): the steps insert OBJECTS rows, so the generator
  // moves past them before anything else. A failed insert would take one id
  // only, and the file would fail again on the next try.
  DataAccess::Instance().CatchUpObjectIdGenerator();
  UpgradeChain(Invoice::Settings(kDatabaseVersionKey, L"1").GetDoubleValue());
}

double UpgradeChain(double version) {
  struct Range {
    double from, to;
    double (*step)(double);
  };
  static const Range kRanges[] = {
      {1.0, 1.1, UpgradeFrom1_0},          {1.1, 1.2, Upgrade1_1To1_2},
      {1.2, 1.201, Upgrade1_2To1_201},     {1.201, 1.202, Upgrade1_201To1_202},
      {1.202, 1.203, Upgrade1_202To1_203}, {1.203, 1.204, Upgrade1_203To1_204},
      {1.204, 1.205, Upgrade1_204To1_205}, {1.205, 1.206, Upgrade1_205To1_206},
  };
  auto stepFor = [](double v) -> double (*)(double) {
    for (const Range& range : kRanges)
      if (range.from <= v && v < range.to) return range.step;
    return nullptr;
  };
  if (version == kProgramDatabaseVersion) return version;
  if (!stepFor(version)) throw Invoice::DbException(kUnknownDatabaseVersion);
  DropFillDefaults();
  while (version != kProgramDatabaseVersion) {
    auto step = stepFor(version);
    if (!step) throw Invoice::DbException(kUnknownDatabaseVersion);
    version = step(version);
  }
  return version;
}

double UpgradeFrom1_0(double version) {
  if (version < 1.01) RunUnit(kTo1_01, L"1.01");
  if (version < 1.1) RunUnit(kTo1_1, L"1.1", MigrateCompanyAddresses);
  return 1.1;
}

double Upgrade1_1To1_2(double) {
  return RunStep(kTo1_2, L"1.2", 1.2);
}
double Upgrade1_2To1_201(double) {
  return RunStep(kTo1_201, L"1.201", 1.201);
}
double Upgrade1_201To1_202(double) {
  return RunStep(kTo1_202, L"1.202", 1.202);
}
double Upgrade1_202To1_203(double) {
  return RunStep(kTo1_203, L"1.203", 1.203);
}
double Upgrade1_203To1_204(double) {
  return RunStep(kTo1_204, L"1.204", 1.204);
}
double Upgrade1_204To1_205(double) {
  return RunStep(kTo1_205, L"1.205", 1.205);
}
double Upgrade1_205To1_206(double) {
  return RunStep(kTo1_206, L"1.206", 1.206);
}

void MigrateCompanyAddresses() {
  // ADDRESSES.NAME is VARCHAR (50); a longer company name would make the
  // insert, and with it the whole upgrade, fail.
  constexpr size_t kAddressNameLength = 50;
  TranslateDbErrors([] {
    ibase::ibDatabase* database = GetDatabase();
    ibase::ibReader reader(database);
    reader.Open(L"SELECT OBJECT_ID, NAME, DISPLAY_BOX FROM COMPANIES;");
    ibase::ibData data(&reader);
    while (reader.Fetch()) {
      const int32_t companyId = data.GetLong(0);
      const std::wstring name = data.GetString(1).substr(0, kAddressNameLength);
      const std::wstring displayBox = data.GetString(2);
      ObjectHeader header;
      DataAccess::Instance().SaveObjectHeader(header);
      std::wostringstream sql;
      sql.imbue(std::locale::classic());
      sql << L"INSERT INTO ADDRESSES " << L"(OBJECT_ID,NAME,DISPLAY_BOX,DEFAULT_ADDRESS,COMPANY_OBJECT_ID)"
          << L" VALUES " << L"(" << header.id.GetId() << L"," << L"'" << EscapeSqlQuotes(name) << L"'" << L","
          << L"'" << EscapeSqlQuotes(displayBox) << L"'" << L"," << 1 << L"," << companyId << L");";
      database->ExecuteImmediate(sql.str());
    }
  });
}
