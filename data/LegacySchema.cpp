#include "data/LegacySchema.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "data/Connection.h"
#include "data/DbException.h"
#include "data/Schema.h"
#include "data/ibase/ibAutoTransaction.h"
#include "data/ibase/ibDatabase.h"
#include "platform/TextCodec.h"

namespace legacy {
namespace {

// Versions are compared as whole thousandths: 1.0 is 1000, 1.01 is 1010,
// 1.205 is 1205. kNever marks a declaration no legacy version drops.
constexpr int kNever = 9999;

struct Version {
  const wchar_t* text;
  int number;
};
const Version kVersions[] = {{L"1.0", 1000},   {L"1.01", 1010},  {L"1.1", 1100},
                             {L"1.2", 1200},   {L"1.201", 1201}, {L"1.202", 1202},
                             {L"1.203", 1203}, {L"1.204", 1204}, {L"1.205", 1205}};

// A column or table constraint present from `since` up to, not including, `until`.
struct Part {
  std::wstring text;
  int since = 1000;
  int until = kNever;
};

struct Table {
  std::wstring name;
  int since;
  // OBJECT_ID comes first in every table and is left out here; so are the
  // primary key PR_<table> and the key FR_<table>_OBJ to OBJECTS when
  // namedKeys is set. ADDRESSES was created with system-named keys.
  std::vector<Part> columns;
  std::vector<Part> constraints;
  bool namedKeys = true;
};

const std::wstring kFss = L" CHARACTER SET UNICODE_FSS COLLATE UNICODE_FSS";
const std::wstring kFssNotNull = L" CHARACTER SET UNICODE_FSS NOT NULL COLLATE UNICODE_FSS";
const std::wstring kName50 = L"NAME VARCHAR (50)" + kFss;

std::wstring Cascade(const std::wstring& name, const std::wstring& column, const std::wstring& table) {
  return L"CONSTRAINT " + name + L" FOREIGN KEY (" + column + L") REFERENCES " + table +
         L" (OBJECT_ID) ON DELETE CASCADE";
}

// ITEM_INPUT and ITEM_OUTPUT begin alike: a stock line of an invoice.
std::vector<Part> StockLine(std::vector<Part> rest) {
  std::vector<Part> columns = {{L"ITEM_OBJECT_ID INTEGER"},       {L"QUANTITY DOUBLE PRECISION"},
                               {L"INVOICE_OBJECT_ID INTEGER"},    {L"BASE_PRICE DOUBLE PRECISION"},
                               {L"TAX_PERCENT DOUBLE PRECISION"}, {L"DISCOUNT_PERCENT DOUBLE PRECISION"}};
  columns.insert(columns.end(), rest.begin(), rest.end());
  return columns;
}

const std::vector<Table>& Tables() {
  static const std::vector<Table> tables = {
      {L"MEASUREMENTS", 1000, {{L"NAME VARCHAR(50)"}, {L"SHORTCUT VARCHAR(20)"}}, {}},
      {L"TAXES", 1000, {{L"NAME VARCHAR(50)"}, {L"PERCENT DOUBLE PRECISION"}}, {}},
      {L"ITEM_GROUPS",
       1000,
       {{L"PARENT_OBJECT_ID INTEGER"},
        {L"NAME VARCHAR(100)"},
        {L"TAX_OBJECT_ID INTEGER"},
        {L"MEASUREMENT_OBJECT_ID INTEGER"},
        {L"DEF_INPUT_SOURCE_TYPE INTEGER"}},
       {}},
      {L"ITEMS",
       1000,
       {{L"ITEMS_GROUP_OBJECT_ID INTEGER"},
        {L"NAME VARCHAR(100)"},
        {L"TAX_OBJECT_ID INTEGER"},
        {L"MEASUREMENT_OBJECT_ID INTEGER"},
        {L"BASE_UNIT DOUBLE PRECISION"},
        {L"QUANTITY_ON_STOCK DOUBLE PRECISION"},
        {L"NUM_IN_PACK INTEGER"},
        {L"DEFAULT_PRICE DOUBLE PRECISION"},
        {L"CODE VARCHAR(50)"},
        {L"DEF_INPUT_SOURCE_TYPE INTEGER"}},
       {}},
      {L"PRICE_GROUP",
       1000,
       {{L"NAME VARCHAR(50)"},
        {L"DIRECTION INTEGER"},
        {L"FOR_SELLING SMALLINT NOT NULL", 1010},
        {L"FOR_BUYING SMALLINT NOT NULL", 1010}},
       {}},
      {L"PRICE_LIST",
       1000,
       {{L"ITEM_OBJECT_ID INTEGER"},
        {L"PRICE_GROUP_OBJECT_ID INTEGER"},
        {L"PRICE DOUBLE PRECISION"},
        {L"DISCOUNT_PERCENT DOUBLE PRECISION"}},
       {}},
      {L"COMPANIES",
       1000,
       {{L"NAME VARCHAR(100)"},
        {L"PRICE_GROUP_OBJECT_ID INTEGER"},
        {L"DISPLAY_BOX VARCHAR(400)", 1000, 1100},
        {L"SELL_TO_THIS_ONE SMALLINT NOT NULL", 1010},
        {L"BUY_FROM_THIS_ONE SMALLINT NOT NULL", 1010},
        {L"DEFAULT_DISCOUNT DOUBLE PRECISION", 1100}},
       {}},
      {L"ADDRESSES",
       1010,
       {{kName50},
        {L"DISPLAY_BOX VARCHAR (400)" + kFss},
        {L"DEFAULT_ADDRESS SMALLINT NOT NULL"},
        {L"COMPANY_OBJECT_ID INTEGER NOT NULL"},
        {L"ADDRESS_LINE1 VARCHAR(50)", 1201},
        {L"ADDRESS_LINE2 VARCHAR(50)", 1201},
        {L"ADDRESS_LINE3 VARCHAR(50)", 1201},
        {L"ADDRESS_ZIP VARCHAR(10)", 1201},
        {L"ADDRESS_CITY VARCHAR(50)", 1201},
        {L"ADDRESS_STATE VARCHAR(50)", 1201},
        {L"ADDRESS_COUNTRY VARCHAR(50)", 1201},
        {L"DISPLAY_EDIT_ENABLED SMALLINT NOT NULL", 1201}},
       {{L"PRIMARY KEY (OBJECT_ID)"},
        {L"UNIQUE (NAME,COMPANY_OBJECT_ID)"},
        {L"FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS (OBJECT_ID)"},
        {Cascade(L"INTEG_405", L"COMPANY_OBJECT_ID", L"COMPANIES")}},
       false},
      {L"DAYS_CONDITION", 1000, {{L"NAME VARCHAR(50)"}, {L"DAYS INTEGER"}}, {}},
      {L"TEMPLATES", 1000, {{L"NAME VARCHAR(100)"}, {L"FILE_NAME VARCHAR(1024)"}}, {}},
      {L"INVOICES",
       1000,
       {{L"INVOICE_NUM VARCHAR(50)"},
        {L"COMPANY_OBJECT_ID INTEGER"},
        {L"DATUM TIMESTAMP"},
        {L"DAYS_CONDITION INTEGER"},
        {L"TOTAL_AMOUNT DOUBLE PRECISION"},
        {L"TAX_AMOUNT DOUBLE PRECISION"},
        {L"PAID SMALLINT"},
        {L"PAID_ON TIMESTAMP"},
        {L"LOCKED_FOR_EDIT SMALLINT"},
        {L"TEMPLATE_OBJECT_ID INTEGER"},
        {L"DISCOUNT_PERCENT DOUBLE PRECISION"},
        {L"DISCOUNT_AMOUNT DOUBLE PRECISION"},
        {L"DISPLAY_BOX VARCHAR(400)"},
        {L"ADDRESS_OBJECT_ID INTEGER", 1010}},
       {{L"CONSTRAINT INTEG_71 UNIQUE (INVOICE_NUM)"},
        {L"FOREIGN KEY (ADDRESS_OBJECT_ID) REFERENCES ADDRESSES (OBJECT_ID)", 1010}}},
      {L"ITEM_INPUT",
       1000,
       StockLine({{L"MANU_COMAPNY_ID INTEGER"},
                  {L"SUPPLIER_COMPANY_ID INTEGER"},
                  {L"INPUT_SOURCE_TYPE INTEGER"},
                  {L"MEASUREMENT VARCHAR(50)"},
                  {L"BASE_UNIT DOUBLE PRECISION"}}),
       {{L"CONSTRAINT INTEG_232 FOREIGN KEY (INVOICE_OBJECT_ID) REFERENCES INVOICES (OBJECT_ID)"},
        {L"CONSTRAINT INTEG_326 CHECK (INPUT_SOURCE_TYPE = 1 OR INPUT_SOURCE_TYPE = 2)", 1000, 1204},
        {L"CONSTRAINT CHK_ITEM_INPUT1 CHECK(INPUT_SOURCE_TYPE = 1 OR INPUT_SOURCE_TYPE = 2 OR "
         L"INPUT_SOURCE_TYPE = 4)",
         1204}}},
      {L"ITEM_OUTPUT",
       1000,
       StockLine({{L"OUTPUT_DEST_TYPE INTEGER"},
                  {L"ITEM_INPUT_ID INTEGER"},
                  {L"MEASUREMENT VARCHAR(50)"},
                  {L"BASE_UNIT DOUBLE PRECISION"}}),
       {{L"CONSTRAINT INTEG_302 CHECK (OUTPUT_DEST_TYPE = 1 OR OUTPUT_DEST_TYPE = 2 OR OUTPUT_DEST_TYPE = 3)",
         1000, 1204},
        {L"CONSTRAINT CHK_ITEM_OUTPUT1 CHECK(OUTPUT_DEST_TYPE = 1 OR OUTPUT_DEST_TYPE = 2 OR "
         L"OUTPUT_DEST_TYPE = 3 "
         L"OR OUTPUT_DEST_TYPE = 4)",
         1204}}},
      {L"ITEM_DEPENDENCIES",
       1000,
       {{L"ITEM_OBJECT_ID INTEGER"},
        {L"DEP_ITEM_OBJECT_ID INTEGER"},
        {L"TRIGGER_QUANTITY DOUBLE PRECISION"},
        {L"DEP_QUANTITY DOUBLE PRECISION"}},
       {}},
      {L"ITEM_DEP_MOD",
       1000,
       {{L"ITEM_INPUT_ID INTEGER"}, {L"DEP_ITEM_OBJECT_ID INTEGER"}, {L"MOD_QUANTITY DOUBLE PRECISION"}},
       {}},
      {L"SETTINGS", 1000, {{L"SETT_FIELD VARCHAR(50)"}, {L"SETT_VALUE VARCHAR(1024)"}}, {}},
      {L"COUNTRIES", 1201, {{kName50}}, {{L"CONSTRAINT UQ_COUNTRIES_NAME UNIQUE (NAME)"}}},
      {L"COUNTRIES_REF",
       1201,
       {{kName50}, {L"REF_TYPE VARCHAR (10)" + kFss}, {L"COUNTRIES_OBJECT_ID INTEGER NOT NULL"}},
       {{L"CONSTRAINT UQ_COUNTRIES_REF_TRIPLE UNIQUE (NAME,REF_TYPE,COUNTRIES_OBJECT_ID)"},
        {Cascade(L"FR_COUNTRIES_REF_COUNTRIES_OBJ", L"COUNTRIES_OBJECT_ID", L"COUNTRIES")}}},
      {L"PHONES",
       1202,
       {{kName50},
        {L"NUMBER VARCHAR (50)" + kFssNotNull},
        {L"PHONE_DISPLAY VARCHAR (50)" + kFssNotNull},
        {L"COUNTRY_PART SMALLINT"},
        {L"REGION_PART SMALLINT"},
        {L"COMPANY_OBJECT_ID INTEGER NOT NULL"}},
       {{Cascade(L"FR_PHONES_COMPANIES_OBJ", L"COMPANY_OBJECT_ID", L"COMPANIES")}}},
      {L"WEBS",
       1202,
       {{kName50}, {L"WEB VARCHAR (400)" + kFssNotNull}, {L"COMPANY_OBJECT_ID INTEGER NOT NULL"}},
       {{Cascade(L"FR_WEBS_COMPANIES_OBJ", L"COMPANY_OBJECT_ID", L"COMPANIES")}}},
      {L"EMAILS",
       1202,
       {{kName50}, {L"EMAIL VARCHAR (50)" + kFssNotNull}, {L"COMPANY_OBJECT_ID INTEGER NOT NULL"}},
       {{Cascade(L"FR_EMAILS_COMPANIES_OBJ", L"COMPANY_OBJECT_ID", L"COMPANIES")}}},
      {L"PHONE_CODES",
       1203,
       {{L"COUNTRY VARCHAR (50)" + kFssNotNull}, {L"CODE VARCHAR (5) NOT NULL"}},
       {{L"CONSTRAINT UQ_PHONE_CODES_COUNTRY UNIQUE (COUNTRY)"},
        {L"CONSTRAINT UQ_PHONE_CODES_CODE UNIQUE (CODE)"}}},
      {L"ACCOUNTS",
       1205,
       {{L"NAME VARCHAR (50)" + kFssNotNull},
        {L"COMPANY_OBJECT_ID INTEGER"},
        {L"ACCOUNT_TYPE INTEGER"},
        {L"OPENING_DATE TIMESTAMP NOT NULL"}},
       {{Cascade(L"FR_ACCOUNTS_COMPANIES_OBJ", L"COMPANY_OBJECT_ID", L"COMPANIES")},
        {L"CONSTRAINT UQ_ACCOUNTS_NAME_COMPANY UNIQUE (NAME,COMPANY_OBJECT_ID)"}}},
      {L"PAYMENTS",
       1205,
       {{L"DESCRIPTION VARCHAR (255)" + kFss},
        {L"AMOUNT DOUBLE PRECISION NOT NULL"},
        {L"COMPANY_PAYING_ID INTEGER"},
        {L"COMPANY_RECIEVING_ID INTEGER"},
        {L"ACCOUNT_PAYING_ID INTEGER"},
        {L"ACCOUNT_RECIEVING_ID INTEGER"},
        {L"REFERENCE_OBJECT_ID INTEGER"},
        {L"PAID_ON TIMESTAMP NOT NULL"}},
       {{Cascade(L"FR_PAYMENTS_COMPANIES1_OBJ", L"COMPANY_PAYING_ID", L"COMPANIES")},
        {Cascade(L"FR_PAYMENTS_COMPANIES2_OBJ", L"COMPANY_RECIEVING_ID", L"COMPANIES")},
        {Cascade(L"FR_PAYMENTS_ACCOUNTS1_OBJ", L"ACCOUNT_PAYING_ID", L"ACCOUNTS")},
        {Cascade(L"FR_PAYMENTS_ACCOUNTS2_OBJ", L"ACCOUNT_RECIEVING_ID", L"ACCOUNTS")},
        {Cascade(L"FR_PAYMENTS_REF_OBJ", L"REFERENCE_OBJECT_ID", L"OBJECTS")}}},
  };
  return tables;
}

int VersionNumber(const std::wstring& version) {
  for (const Version& known : kVersions)
    if (version == known.text) return known.number;
  throw std::invalid_argument("Unknown legacy schema version " + platform::ToUtf8(version));
}

bool Present(const Part& part, int version) {
  return part.since <= version && version < part.until;
}

std::wstring CreateTable(const Table& table, int version) {
  std::wstring sql = L"CREATE TABLE " + table.name + L" (OBJECT_ID INTEGER NOT NULL";
  for (const Part& column : table.columns)
    if (Present(column, version)) sql += L", " + column.text;
  if (table.namedKeys) {
    sql += L", CONSTRAINT PR_" + table.name + L" PRIMARY KEY (OBJECT_ID)";
    sql += L", CONSTRAINT FR_" + table.name + L"_OBJ FOREIGN KEY (OBJECT_ID) REFERENCES OBJECTS (OBJECT_ID)";
  }
  for (const Part& constraint : table.constraints)
    if (Present(constraint, version)) sql += L", " + constraint.text;
  return sql + L")";
}

}  // namespace

const std::vector<std::wstring>& KnownVersions() {
  static const std::vector<std::wstring> versions = [] {
    std::vector<std::wstring> texts;
    for (const Version& known : kVersions) texts.push_back(known.text);
    return texts;
  }();
  return versions;
}

std::wstring StoredVersionText(const std::wstring& version) {
  VersionNumber(version);
  return version == L"1.0" ? L"1" : version;
}

std::vector<std::wstring> SchemaStatements(const std::wstring& version) {
  const int number = VersionNumber(version);
  const std::wstring generator = schema::kObjectIdGenerator;
  std::vector<std::wstring> statements = {
      L"CREATE TABLE OBJECTS (OBJECT_ID INTEGER NOT NULL, CREATED_ON TIMESTAMP, MODIFIED_ON TIMESTAMP, "
      L"CREATED_BY INTEGER, MODIFIED_BY INTEGER, CONSTRAINT PR_OBJECTS PRIMARY KEY (OBJECT_ID))",
      L"CREATE GENERATOR " + generator,
      L"CREATE TRIGGER TR_OBJECTS_ID FOR OBJECTS ACTIVE BEFORE INSERT POSITION 0 AS BEGIN "
      L"IF (NEW.OBJECT_ID IS NULL) THEN NEW.OBJECT_ID = GEN_ID(" +
          generator + L", 1); END",
  };
  for (const Table& table : Tables())
    if (table.since <= number) statements.push_back(CreateTable(table, number));
  if (number >= 1202) statements.push_back(L"CREATE INDEX IDX_PHONES_NUMBER ON PHONES (NUMBER)");
  return statements;
}

void CreateDatabase(const std::string& path, const std::wstring& version,
                    const std::optional<std::wstring>& versionText) {
  // All the declarations in one transaction (each commit of a new file waits
  // for the disk); the version row in a second one, once its tables exist.
  std::vector<std::vector<std::wstring>> units = {SchemaStatements(version)};
  if (versionText) units.push_back(schema::VersionRowStatements(*versionText));
  std::error_code error;
  const bool local = !IsServerPath(path);
  if (local && std::filesystem::exists(path, error))
    throw Invoice::DbException(L"The file " + platform::FromUtf8(path) + L" already exists.");
  const DatabaseLogin login = LoginFor(path);
  ibase::ibDatabase database;
  try {
    TranslateDbErrors([&] {
      database.Create(path, login.user, login.password);
      database.Disconnect();
      database.Connect(path, login.user, login.password);
      for (const auto& unit : units) {
        ibase::ibAutoTransaction transaction(database.GetTransaction());
        for (const std::wstring& statement : unit) database.ExecuteImmediate(statement);
        transaction.Commit();
      }
      database.Disconnect();
    });
  } catch (const Invoice::DbException&) {
    database.GetTransaction()->Rollback();
    try {
      database.Disconnect();
    } catch (const ibase::ibException&) {
    }
    if (local) std::filesystem::remove(path, error);
    throw;
  }
}

}  // namespace legacy
