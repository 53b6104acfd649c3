#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectsFixture.h"
#include "data/Schema.h"
#include "data/Settings.h"

namespace {

using corvane::test::FailingOperation;
using corvane::test::FailureText;

class SettingsTest : public corvane::test::ObjectsTest {
protected:
  std::wstring StoredValue(const std::wstring& key) {
    return Value(L"SELECT SETT_VALUE FROM SETTINGS WHERE SETT_FIELD = '" + key + L"'");
  }
  int RowsOf(const std::wstring& key) {
    return std::stoi(
        Value(L"SELECT CAST(COUNT(*) AS INTEGER) FROM SETTINGS WHERE SETT_FIELD = '" + key + L"'"));
  }
  void Store(const std::wstring& key, const std::wstring& value) {
    Committed([&] {
      Invoice::Settings setting(key, L"");
      setting.SetValue(value);
      setting.Save();
    });
  }
};

TEST_F(SettingsTest, ReadingAMissingKeyReturnsTheDefaultAndLeavesItsRowCommitted) {
  EXPECT_EQ(GetNextInvoiceNum(), 1);
  EXPECT_EQ(GetMyCompanyId(), 0);
  EXPECT_FALSE(IsDbTransactionOpen());
  // A fresh connection sees the rows, so they were committed.
  DisconnectDatabase();
  ConnectDatabaseFile(m_path);
  EXPECT_EQ(StoredValue(L"INVOICE_NUM"), L"1");
  EXPECT_EQ(StoredValue(L"MY_COMPANY_ID"), L"0");
  EXPECT_EQ(GetNextInvoiceNum(), 1);
  EXPECT_EQ(RowsOf(L"INVOICE_NUM"), 1);
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(SettingsTest, AMissingVersionReadsZeroAndLeavesTheTextZero) {
  EXPECT_EQ(GetDatabaseVersion(), schema::kCurrentVersion);
  Committed([&] { ExecuteSql(L"DELETE FROM SETTINGS WHERE SETT_FIELD = 'version'"); });
  EXPECT_EQ(GetDatabaseVersion(), 0.0);
  EXPECT_EQ(StoredValue(L"version"), L"0");
}

TEST_F(SettingsTest, StoredTextIsReadAsTheRuntimeReadsNumbers) {
  struct Case {
    const wchar_t* text;
    int asInt;
    double asDouble;
  };
  const std::vector<Case> cases = {
      {L"12abc", 12, 12.0},
      {L"  -7", -7, -7.0},
      {L"abc", 0, 0.0},
      {L"1.206", 1, 1.206},
      {L"+3.5e2x", 3, 350.0},
      {L"", 0, 0.0},
      {L"99999999999", 2147483647, 99999999999.0},
  };
  for (const Case& c : cases) {
    Store(L"QUANTITY_METHOD", c.text);
    EXPECT_EQ(GetSettingInt(L"QUANTITY_METHOD", 5), c.asInt) << c.text;
    EXPECT_EQ(GetSettingDouble(L"QUANTITY_METHOD", 5.0), c.asDouble) << c.text;
  }
  EXPECT_EQ(RowsOf(L"QUANTITY_METHOD"), 1);
}

TEST_F(SettingsTest, WritingStoresDecimalTextAndUpdatesTheOneRow) {
  Committed([] { SetMyCompanyId(0); });
  EXPECT_EQ(StoredValue(L"MY_COMPANY_ID"), L"0");
  const int objects = CountRows(L"OBJECTS");
  Committed([] {
    SetMyCompanyId(-42);
    SetNextIncomeInvoiceNum(17);
  });
  EXPECT_EQ(StoredValue(L"MY_COMPANY_ID"), L"-42");
  EXPECT_EQ(GetMyCompanyId(), -42);
  EXPECT_EQ(GetNextIncomeInvoiceNum(), 17);
  EXPECT_EQ(RowsOf(L"MY_COMPANY_ID"), 1);
  // One new OBJECTS row for the new key; the update of the stored key adds none.
  EXPECT_EQ(CountRows(L"OBJECTS"), objects + 1);
}

TEST_F(SettingsTest, AWriteThatIsRolledBackLeavesNothing) {
  {
    TransactionScope scope;
    SetDefaultTemplate(9);
  }
  EXPECT_EQ(RowsOf(L"DEF_TEMPLATE"), 0);
  EXPECT_EQ(GetDefaultTemplate(), 0);
}

// Creating a missing key while the caller's unit of work is open must not
// roll that work back: the row goes into the open transaction.
TEST_F(SettingsTest, CreatingAKeyInsideAnOpenUnitOfWorkKeepsTheCallersWrites) {
  {
    TransactionScope scope;
    SetOutputDefaultPriceGroup(5);
    EXPECT_EQ(GetNextInvoiceNum(), 1);  // missing: created now
    SetNextInvoiceNum(2);
    EXPECT_TRUE(IsDbTransactionOpen());
    scope.Commit();
  }
  EXPECT_EQ(StoredValue(L"OUTPUT_DEFAULT_PRICE_GROUP"), L"5");
  EXPECT_EQ(StoredValue(L"INVOICE_NUM"), L"2");

  {
    TransactionScope scope;
    SetInputDefaultPriceGroup(3);
    EXPECT_EQ(GetQuantityMethod(), 0);
  }  // rolled back: both go
  EXPECT_EQ(RowsOf(L"INPUT_DEFAULT_PRICE_GROUP"), 0);
  EXPECT_EQ(RowsOf(L"QUANTITY_METHOD"), 0);
}

TEST_F(SettingsTest, AKeyWithAQuoteIsFoundAgain) {
  Committed([] { SetSettingInt(L"O'K", 4); });
  EXPECT_EQ(GetSettingInt(L"O'K", 0), 4);
  EXPECT_EQ(RowsOf(L"O''K"), 1);
}

TEST_F(SettingsTest, AFailedReadIsShownAndGivesTheDefault) {
  std::wstring thrown;
  {
    FailingOperation failing(ibase::ibOperation::Prepare);
    thrown = FailureText([] { ReadSettingInt(L"INVOICE_NUM", 1); });
    EXPECT_EQ(GetSettingInt(L"INVOICE_NUM", 7), 7);
    EXPECT_EQ(GetSettingDouble(L"version", 2.5), 2.5);
  }
  ASSERT_FALSE(thrown.empty());
  ASSERT_EQ(m_messages.Shown().size(), 2u);
  for (const auto& shown : m_messages.Shown()) {
    EXPECT_EQ(shown.text, thrown);
    EXPECT_EQ(shown.caption, L"Corvane");
    EXPECT_EQ(shown.style, platform::MB_OK | platform::MB_ICONERROR);
  }
}

TEST_F(SettingsTest, AFailedWriteThrows) {
  TransactionScope scope;
  FailingOperation failing(ibase::ibOperation::ExecuteImmediate);
  EXPECT_FALSE(FailureText([] { SetNextInvoiceNum(3); }).empty());
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(SettingsTest, AStoredKeyLoadsUnmodifiedAndItsCloneKeepsTheFlag) {
  Store(L"DEF_TEMPLATE", L"8");
  Invoice::Settings setting(L"DEF_TEMPLATE", L"0");
  EXPECT_FALSE(setting.IsModified());
  EXPECT_TRUE(setting.IsStored());
  EXPECT_EQ(setting.GetKey(), L"DEF_TEMPLATE");
  EXPECT_EQ(setting.GetIntValue(), 8);
  setting.SetIntValue(11);
  auto clone = setting.Clone();
  EXPECT_TRUE(clone->IsModified());
  Committed([&] { clone->Save(); });
  EXPECT_EQ(GetDefaultTemplate(), 11);
}

}  // namespace
