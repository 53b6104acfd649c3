#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TestDatabase.h"
#include "data/Connection.h"
#include "data/DbException.h"
#include "data/Schema.h"
#include "data/TransactionScope.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::FailingOperation;
using corvane::test::SchemaDatabaseTest;

// Every table of the current schema with its columns in order.
const std::map<std::wstring, std::vector<std::wstring>> kTables = {
    {L"OBJECTS", {L"OBJECT_ID", L"CREATED_ON", L"MODIFIED_ON", L"CREATED_BY", L"MODIFIED_BY"}},
    {L"ITEMS",
     {L"OBJECT_ID", L"ITEMS_GROUP_OBJECT_ID", L"NAME", L"TAX_OBJECT_ID", L"MEASUREMENT_OBJECT_ID",
      L"BASE_UNIT", L"QUANTITY_ON_STOCK", L"NUM_IN_PACK", L"DEFAULT_PRICE", L"CODE",
      L"DEF_INPUT_SOURCE_TYPE"}},
    {L"ITEM_GROUPS",
     {L"OBJECT_ID", L"PARENT_OBJECT_ID", L"NAME", L"TAX_OBJECT_ID", L"MEASUREMENT_OBJECT_ID",
      L"DEF_INPUT_SOURCE_TYPE"}},
    {L"MEASUREMENTS", {L"OBJECT_ID", L"NAME", L"SHORTCUT"}},
    {L"TAXES", {L"OBJECT_ID", L"NAME", L"PERCENT"}},
    {L"ITEM_INPUT",
     {L"OBJECT_ID", L"ITEM_OBJECT_ID", L"QUANTITY", L"INVOICE_OBJECT_ID", L"BASE_PRICE", L"TAX_PERCENT",
      L"DISCOUNT_PERCENT", L"MANU_COMAPNY_ID", L"SUPPLIER_COMPANY_ID", L"INPUT_SOURCE_TYPE", L"MEASUREMENT",
      L"BASE_UNIT"}},
    {L"ITEM_OUTPUT",
     {L"OBJECT_ID", L"ITEM_OBJECT_ID", L"QUANTITY", L"INVOICE_OBJECT_ID", L"BASE_PRICE", L"TAX_PERCENT",
      L"DISCOUNT_PERCENT", L"OUTPUT_DEST_TYPE", L"ITEM_INPUT_ID", L"MEASUREMENT", L"BASE_UNIT"}},
    {L"INVOICES",
     {L"OBJECT_ID", L"INVOICE_NUM", L"COMPANY_OBJECT_ID", L"DATUM", L"DAYS_CONDITION", L"TOTAL_AMOUNT",
      L"TAX_AMOUNT", L"PAID", L"PAID_ON", L"LOCKED_FOR_EDIT", L"TEMPLATE_OBJECT_ID", L"DISCOUNT_PERCENT",
      L"DISCOUNT_AMOUNT", L"DISPLAY_BOX", L"ADDRESS_OBJECT_ID", L"COMPANY_OBJECT_ID_FROM",
      L"DISPLAY_BOX_FROM", L"INVOICE_TYPE", L"ADDRESS_OBJECT_ID_FROM"}},
    {L"COMPANIES",
     {L"OBJECT_ID", L"NAME", L"PRICE_GROUP_OBJECT_ID", L"DEFAULT_DISCOUNT", L"SELL_TO_THIS_ONE",
      L"BUY_FROM_THIS_ONE"}},
    {L"ADDRESSES",
     {L"OBJECT_ID", L"NAME", L"DISPLAY_BOX", L"DEFAULT_ADDRESS", L"COMPANY_OBJECT_ID", L"ADDRESS_LINE1",
      L"ADDRESS_LINE2", L"ADDRESS_LINE3", L"ADDRESS_ZIP", L"ADDRESS_CITY", L"ADDRESS_STATE",
      L"ADDRESS_COUNTRY", L"DISPLAY_EDIT_ENABLED"}},
    {L"PRICE_GROUP", {L"OBJECT_ID", L"NAME", L"DIRECTION", L"FOR_SELLING", L"FOR_BUYING"}},
    {L"PRICE_LIST",
     {L"OBJECT_ID", L"ITEM_OBJECT_ID", L"PRICE_GROUP_OBJECT_ID", L"PRICE", L"DISCOUNT_PERCENT"}},
    {L"SETTINGS", {L"OBJECT_ID", L"SETT_FIELD", L"SETT_VALUE"}},
    {L"ITEM_DEPENDENCIES",
     {L"OBJECT_ID", L"ITEM_OBJECT_ID", L"DEP_ITEM_OBJECT_ID", L"TRIGGER_QUANTITY", L"DEP_QUANTITY"}},
    {L"ITEM_DEP_MOD", {L"OBJECT_ID", L"ITEM_INPUT_ID", L"DEP_ITEM_OBJECT_ID", L"MOD_QUANTITY"}},
    {L"DAYS_CONDITION", {L"OBJECT_ID", L"NAME", L"DAYS"}},
    {L"TEMPLATES", {L"OBJECT_ID", L"NAME", L"FILE_NAME"}},
    {L"COUNTRIES", {L"OBJECT_ID", L"NAME"}},
    {L"COUNTRIES_REF", {L"OBJECT_ID", L"NAME", L"REF_TYPE", L"COUNTRIES_OBJECT_ID"}},
    {L"PHONES",
     {L"OBJECT_ID", L"NAME", L"NUMBER", L"PHONE_DISPLAY", L"COUNTRY_PART", L"REGION_PART",
      L"COMPANY_OBJECT_ID"}},
    {L"WEBS", {L"OBJECT_ID", L"NAME", L"WEB", L"COMPANY_OBJECT_ID"}},
    {L"EMAILS", {L"OBJECT_ID", L"NAME", L"EMAIL", L"COMPANY_OBJECT_ID"}},
    {L"PHONE_CODES", {L"OBJECT_ID", L"COUNTRY", L"CODE"}},
    {L"ACCOUNTS", {L"OBJECT_ID", L"NAME", L"COMPANY_OBJECT_ID", L"ACCOUNT_TYPE", L"OPENING_DATE"}},
    {L"PAYMENTS",
     {L"OBJECT_ID", L"DESCRIPTION", L"AMOUNT", L"COMPANY_PAYING_ID", L"COMPANY_RECIEVING_ID",
      L"ACCOUNT_PAYING_ID", L"ACCOUNT_RECIEVING_ID", L"REFERENCE_OBJECT_ID", L"PAID_ON"}},
};

std::wstring Trimmed(std::wstring text) {
  while (!text.empty() && text.back() == L' ') text.pop_back();
  return text;
}

// Rows of a query, each column read as text (trailing blanks dropped).
std::vector<std::vector<std::wstring>> Rows(const std::wstring& sql) {
  ibase::ibReader reader(GetDatabase());
  reader.Open(sql);
  ibase::ibData data(&reader);
  std::vector<std::vector<std::wstring>> rows;
  while (reader.Fetch()) {
    std::vector<std::wstring> row;
    for (int column = 0; column < reader.GetColumnCount(); ++column)
      row.push_back(Trimmed(data.GetString(column)));
    rows.push_back(row);
  }
  return rows;
}

int Number(const std::wstring& sql) {
  ibase::ibReader reader(GetDatabase());
  reader.Open(sql);
  ibase::ibData data(&reader);
  EXPECT_TRUE(reader.Fetch());
  return data.GetLong(0);
}

TEST_F(SchemaDatabaseTest, HoldsEveryTableWithItsColumnsInOrder) {
  std::map<std::wstring, std::vector<std::wstring>> found;
  for (const auto& row :
       Rows(L"SELECT F.RDB$RELATION_NAME, F.RDB$FIELD_NAME FROM RDB$RELATION_FIELDS F "
            L"JOIN RDB$RELATIONS R ON R.RDB$RELATION_NAME = F.RDB$RELATION_NAME "
            L"WHERE COALESCE(R.RDB$SYSTEM_FLAG, 0) = 0 ORDER BY F.RDB$RELATION_NAME, F.RDB$FIELD_POSITION"))
    found[row[0]].push_back(row[1]);
  EXPECT_EQ(found.size(), 25u);
  EXPECT_EQ(found, kTables);
}

TEST_F(SchemaDatabaseTest, StoresItsVersion) {
  const auto rows = Rows(L"SELECT SETT_VALUE FROM SETTINGS WHERE SETT_FIELD = 'version'");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], L"1.206");
  EXPECT_EQ(Number(L"SELECT CAST(COUNT(*) AS INTEGER) FROM SETTINGS"), 1);
  EXPECT_EQ(
      Number(L"SELECT CAST(COUNT(*) AS INTEGER) FROM OBJECTS O JOIN SETTINGS S ON S.OBJECT_ID = O.OBJECT_ID"),
      1);
}

TEST_F(SchemaDatabaseTest, IsDialectThreeWithUnicodeFssText) {
  EXPECT_EQ(Number(L"SELECT CAST(MON$SQL_DIALECT AS INTEGER) FROM MON$DATABASE"), 3);
  EXPECT_EQ(Rows(L"SELECT RDB$CHARACTER_SET_NAME FROM RDB$DATABASE")[0][0], L"UNICODE_FSS");
}

TEST_F(SchemaDatabaseTest, NewObjectRowsTakeTheLargestIdInTheInsertingTransaction) {
  TransactionScope scope;
  const int before = Number(L"SELECT MAX(OBJECT_ID) FROM OBJECTS");
  ExecuteSql(
      L"INSERT INTO OBJECTS (CREATED_ON,MODIFIED_ON,CREATED_BY,MODIFIED_BY) VALUES "
      L"(CAST ('2006-03-09 14:05:07' AS TIMESTAMP),CAST ('2006-03-09 14:05:07' AS TIMESTAMP),NULL,NULL);");
  const int first = Number(L"SELECT MAX(OBJECT_ID) AS NEWEST_OBJECT_ID FROM OBJECTS");
  EXPECT_GT(first, before);
  ExecuteSql(
      L"INSERT INTO OBJECTS (CREATED_ON,MODIFIED_ON,CREATED_BY,MODIFIED_BY) VALUES "
      L"(CURRENT_TIMESTAMP,CURRENT_TIMESTAMP,NULL,NULL);");
  EXPECT_GT(Number(L"SELECT MAX(OBJECT_ID) AS NEWEST_OBJECT_ID FROM OBJECTS"), first);
}

TEST_F(SchemaDatabaseTest, KeysAndConstraintsHold) {
  TransactionScope scope;
  ExecuteSql(L"INSERT INTO OBJECTS (CREATED_ON) VALUES (CURRENT_TIMESTAMP)");
  const int id = Number(L"SELECT MAX(OBJECT_ID) FROM OBJECTS");
  const std::wstring i = std::to_wstring(id);
  ExecuteSql(L"INSERT INTO COMPANIES (OBJECT_ID,NAME,SELL_TO_THIS_ONE,BUY_FROM_THIS_ONE) VALUES (" + i +
             L",'Firma',1,0)");
  ExecuteSql(L"INSERT INTO OBJECTS (CREATED_ON) VALUES (CURRENT_TIMESTAMP)");
  const std::wstring a = std::to_wstring(Number(L"SELECT MAX(OBJECT_ID) FROM OBJECTS"));
  ExecuteSql(
      L"INSERT INTO ADDRESSES (OBJECT_ID,NAME,DISPLAY_BOX,DEFAULT_ADDRESS,COMPANY_OBJECT_ID,"
      L"DISPLAY_EDIT_ENABLED) VALUES (" +
      a + L",'Main','Street 1',1," + i + L",0)");

  // A class row needs its OBJECTS row; an invoice type is 0 or 1.
  EXPECT_THROW(ExecuteSql(L"INSERT INTO TAXES (OBJECT_ID,NAME,PERCENT) VALUES (999999,'x',1)"),
               Invoice::DbException);
  EXPECT_THROW(ExecuteSql(L"INSERT INTO INVOICES (OBJECT_ID,INVOICE_NUM,INVOICE_TYPE) VALUES (" + i +
                          L",'0001/06',2)"),
               Invoice::DbException);
  // Deleting a company takes its addresses with it.
  ExecuteSql(L"DELETE FROM COMPANIES  WHERE OBJECT_ID = " + i + L";");
  EXPECT_EQ(Number(L"SELECT CAST(COUNT(*) AS INTEGER) FROM ADDRESSES"), 0);
}

TEST_F(SchemaDatabaseTest, NamesTheConstraintsTheUpgradeNames) {
  const auto rows = Rows(
      L"SELECT RDB$CONSTRAINT_NAME FROM RDB$RELATION_CONSTRAINTS WHERE RDB$CONSTRAINT_NAME IN "
      L"('FR_INVOICES_COMANIES2_OBJ','UQ_ITEM_INVOICES_NUM_TYPE','CHK_INVOICE_TYPE',"
      L"'FR_ITEM_INPUT_INVOICES','CHK_ITEM_INPUT1','CHK_ITEM_OUTPUT1','PR_PAYMENTS',"
      L"'UQ_PHONE_CODES_CODE','FR_COUNTRIES_REF_COUNTRIES_OBJ')");
  EXPECT_EQ(rows.size(), 9u);
}

TEST_F(SchemaDatabaseTest, LongTextsFitWhereTheFormsPutThem) {
  TransactionScope scope;
  const std::wstring path = L"/home/user/Документи/Templates/" + std::wstring(300, L'ш') + L".zlt";
  ExecuteSql(L"INSERT INTO OBJECTS (CREATED_ON) VALUES (CURRENT_TIMESTAMP)");
  const std::wstring id = std::to_wstring(Number(L"SELECT MAX(OBJECT_ID) FROM OBJECTS"));
  ExecuteSql(L"INSERT INTO TEMPLATES (OBJECT_ID,NAME,FILE_NAME) VALUES (" + id + L",'Фактура','" + path +
             L"')");
  const auto rows = Rows(L"SELECT NAME, FILE_NAME FROM TEMPLATES");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], L"Фактура");
  EXPECT_EQ(rows[0][1], path);
}

TEST(CreateEmptyDatabase, RefusesAnExistingFile) {
  corvane::test::TempDir dir;
  const std::string path = (dir / "there.fdb").string();
  schema::CreateEmptyDatabase(path);
  const auto size = std::filesystem::file_size(path);
  try {
    schema::CreateEmptyDatabase(path);
    FAIL() << "an existing file was overwritten";
  } catch (const Invoice::DbException& error) {
    EXPECT_EQ(error.GetText(), L"The file " + platform::FromUtf8(path) + L" already exists.");
  }
  EXPECT_EQ(std::filesystem::file_size(path), size);
}

TEST(CreateEmptyDatabase, RemovesTheFileAFailureLeftHalfMade) {
  corvane::test::TempDir dir;
  const std::string path = (dir / "half.fdb").string();
  {
    FailingOperation failing(ibase::ibOperation::ExecuteImmediate);
    EXPECT_THROW(schema::CreateEmptyDatabase(path), Invoice::DbException);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  schema::CreateEmptyDatabase(path);  // and the path can be used again
  EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(CreateEmptyDatabase, ReportsAFolderThatDoesNotExist) {
  corvane::test::TempDir dir;
  EXPECT_THROW(schema::CreateEmptyDatabase((dir / "no" / "such" / "x.fdb").string()), Invoice::DbException);
}

}  // namespace
