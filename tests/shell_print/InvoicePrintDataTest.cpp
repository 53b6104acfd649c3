#include "shell/InvoicePrintData.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "PrintDataFixture.h"
#include "common/FieldId.h"
#include "data/DbException.h"
#include "platform/LocaleFormat.h"

namespace {

using corvane::test::FailingOperation;

struct ExpectedValue {
  ValueType type;
  std::wstring text;
};

// Fixed display settings, so that the texts below do not depend on the
// machine's locale.
platform::LocaleInfo TestLocale() {
  platform::LocaleInfo locale;
  locale.decimalSeparator = L".";
  locale.thousandsSeparator = L",";
  locale.grouping = {3};
  locale.decimals = 2;
  locale.shortDatePattern = L"%d.%m.%Y";
  return locale;
}

class InvoicePrintDataTest : public corvane::test::PrintDataTest {
protected:
  void SetUp() override {
    PrintDataTest::SetUp();
    platform::SetUserLocaleOverride(TestLocale());
  }
  void TearDown() override {
    platform::SetUserLocaleOverride(std::nullopt);
    PrintDataTest::TearDown();
  }

  FieldMap MapOf(int invoiceId) {
    TransactionScope scope;
    return BuildFieldMap(Invoice::Invoice(invoiceId));
  }

  // The value under key; an empty value (and a failure) when it is missing.
  static Value At(const FieldMap& map, const std::wstring& key) {
    const Value* value = map.Find(key);
    if (value) return *value;
    ADD_FAILURE() << "no key " << std::string(key.begin(), key.end());
    return Value();
  }

  static std::set<std::wstring> Keys(const FieldMap& map) {
    std::set<std::wstring> keys;
    for (const auto& [key, value] : map) keys.insert(key);
    return keys;
  }

  static void ExpectEntries(const FieldMap& map, const std::map<std::wstring, ExpectedValue>& expected) {
    std::set<std::wstring> expectedKeys;
    for (const auto& [key, value] : expected) expectedKeys.insert(key);
    EXPECT_EQ(Keys(map), expectedKeys);
    for (const auto& [key, want] : expected) {
      const Value* value = map.Find(key);
      if (!value) continue;  // reported by the key comparison
      EXPECT_EQ(value->GetType(), want.type) << "key " << std::string(key.begin(), key.end());
      EXPECT_EQ(value->GetText(), want.text) << "key " << std::string(key.begin(), key.end());
    }
  }
};

TEST_F(InvoicePrintDataTest, OutgoingInvoiceGivesEveryHeaderFieldAndElevenFieldsPerLine) {
  const std::map<std::wstring, ExpectedValue> expected = {
      {L"FLD_100_000", {VT_TEXT, L"0007/06"}},
      {L"FLD_101_000", {VT_DATE, L"09.03.2006"}},
      {L"FLD_102_000", {VT_DOUBLE, L"3.68"}},  // stored, not recomputed
      {L"FLD_103_000", {VT_DOUBLE, L"40.04"}},
      {L"FLD_104_000", {VT_DOUBLE, L"2.50"}},
      {L"FLD_105_000", {VT_DOUBLE, L"0.75"}},
      {L"FLD_106_000", {VT_TEXT, kClientBox}},
      {L"FLD_107_000", {VT_DATE, L"20.03.2006"}},
      {L"FLD_108_000", {VT_INTEGER, L"15"}},
      {L"FLD_109_000", {VT_DOUBLE, L"33.68"}},  // 20.00 + 2.30 + 13.50 - 2.00 - 0.12
      {L"FLD_110_000", {VT_TEXT, kVendorBox}},
      {L"FLD_111_000", {VT_TEXT, kClientName}},
      {L"FLD_112_000", {VT_TEXT, kVendorName}},
      // 2 x 10.00, 10 % discount, 18 % tax
      {L"FLD_001_000", {VT_TEXT, L"Oak Table"}},
      {L"FLD_002_000", {VT_DOUBLE, L"10.00"}},
      {L"FLD_003_000", {VT_DOUBLE, L"2.00"}},
      {L"FLD_004_000", {VT_TEXT, L"pcs"}},
      {L"FLD_005_000", {VT_DOUBLE, L"20.00"}},
      {L"FLD_006_000", {VT_DOUBLE, L"10.00"}},
      {L"FLD_007_000", {VT_DOUBLE, L"2.00"}},
      {L"FLD_008_000", {VT_DOUBLE, L"18.00"}},
      {L"FLD_009_000", {VT_DOUBLE, L"3.24"}},
      {L"FLD_010_000", {VT_DOUBLE, L"21.24"}},
      {L"FLD_011_000", {VT_TEXT, L"T-01"}},
      // 2 x 1.15, 5 % discount, 20 % tax
      {L"FLD_001_001", {VT_TEXT, L"Nails 'Extra'"}},
      {L"FLD_002_001", {VT_DOUBLE, L"1.15"}},
      {L"FLD_003_001", {VT_DOUBLE, L"2.00"}},
      {L"FLD_004_001", {VT_TEXT, L"kg"}},
      {L"FLD_005_001", {VT_DOUBLE, L"2.30"}},
      {L"FLD_006_001", {VT_DOUBLE, L"5.00"}},
      {L"FLD_007_001", {VT_DOUBLE, L"0.12"}},  // 0.115: the half goes up
      {L"FLD_008_001", {VT_DOUBLE, L"20.00"}},
      {L"FLD_009_001", {VT_DOUBLE, L"0.44"}},
      {L"FLD_010_001", {VT_DOUBLE, L"2.62"}},
      {L"FLD_011_001", {VT_TEXT, L"N-05"}},
      // 3 x 4.50 without discount or tax: every key all the same
      {L"FLD_001_002", {VT_TEXT, L"Varnish"}},
      {L"FLD_002_002", {VT_DOUBLE, L"4.50"}},
      {L"FLD_003_002", {VT_DOUBLE, L"3.00"}},
      {L"FLD_004_002", {VT_TEXT, L"l"}},
      {L"FLD_005_002", {VT_DOUBLE, L"13.50"}},
      {L"FLD_006_002", {VT_DOUBLE, L"0.00"}},
      {L"FLD_007_002", {VT_DOUBLE, L"0.00"}},
      {L"FLD_008_002", {VT_DOUBLE, L"0.00"}},
      {L"FLD_009_002", {VT_DOUBLE, L"0.00"}},
      {L"FLD_010_002", {VT_DOUBLE, L"13.50"}},
      {L"FLD_011_002", {VT_TEXT, L"V-02"}},
  };
  ExpectEntries(MapOf(m_saleId), expected);
}

// The amounts of the second line as the invoice form's grid shows them, each
// to the cent and taken from the rounded ones before it: 2 x 1.15 = 2.30,
// 5 % of it 0.115 is 0.12, 20 % of 2.18 is 0.436, 0.44, so the printed
// columns add up. Field 109 is the lines' amounts less their discounts.
TEST_F(InvoicePrintDataTest, LineAmountsAreTheCentsTheLineShows) {
  const FieldMap map = MapOf(m_saleId);
  EXPECT_EQ(At(map, L"FLD_005_001").AsDouble(), 2.3);
  EXPECT_EQ(At(map, L"FLD_007_001").AsDouble(), 0.12);
  EXPECT_EQ(At(map, L"FLD_009_001").AsDouble(), 0.44);
  EXPECT_EQ(At(map, L"FLD_010_001").AsDouble(), 2.62);
  EXPECT_EQ(At(map, L"FLD_109_000").AsDouble(), 33.68);
}

TEST_F(InvoicePrintDataTest, IncomeInvoiceTakesItsReceiptLinesAndLeavesMissingReferencesEmpty) {
  const std::map<std::wstring, ExpectedValue> expected = {
      {L"FLD_100_000", {VT_TEXT, L"0003/06"}},
      {L"FLD_101_000", {VT_DATE, L"01.02.2006"}},
      {L"FLD_102_000", {VT_DOUBLE, L"0.00"}},
      {L"FLD_103_000", {VT_DOUBLE, L"0.00"}},
      {L"FLD_104_000", {VT_DOUBLE, L"0.00"}},
      {L"FLD_105_000", {VT_DOUBLE, L"0.00"}},
      {L"FLD_106_000", {VT_TEXT, L""}},  // no address
      {L"FLD_108_000", {VT_INTEGER, L"0"}},
      {L"FLD_109_000", {VT_DOUBLE, L"3.60"}},
      {L"FLD_110_000", {VT_TEXT, L""}},
      {L"FLD_111_000", {VT_TEXT, kClientName}},
      {L"FLD_112_000", {VT_TEXT, L""}},  // no vendor company
      {L"FLD_001_000", {VT_TEXT, L"Nails 'Extra'"}},
      {L"FLD_002_000", {VT_DOUBLE, L"0.90"}},
      {L"FLD_003_000", {VT_DOUBLE, L"4.00"}},
      {L"FLD_004_000", {VT_TEXT, L"kg"}},
      {L"FLD_005_000", {VT_DOUBLE, L"3.60"}},
      {L"FLD_006_000", {VT_DOUBLE, L"0.00"}},
      {L"FLD_007_000", {VT_DOUBLE, L"0.00"}},
      {L"FLD_008_000", {VT_DOUBLE, L"5.00"}},
      {L"FLD_009_000", {VT_DOUBLE, L"0.18"}},
      {L"FLD_010_000", {VT_DOUBLE, L"3.78"}},
      {L"FLD_011_000", {VT_TEXT, L"N-05"}},
  };
  ExpectEntries(MapOf(m_purchaseId), expected);
}

TEST_F(InvoicePrintDataTest, InvoiceWithoutLinesOrCompaniesGivesTheHeaderFieldsOnly) {
  int id = 0;
  {
    TransactionScope scope;
    Invoice::Invoice bare;
    bare.SetInvoiceNum(L"0008/06");
    bare.SetDate(platform::OleDateTime(2006, 3, 10).GetDate());
    bare.Save();
    id = bare.GetId();
    scope.Commit();
  }
  const FieldMap map = MapOf(id);
  const std::set<std::wstring> header = {L"FLD_100_000", L"FLD_101_000", L"FLD_102_000", L"FLD_103_000",
                                         L"FLD_104_000", L"FLD_105_000", L"FLD_106_000", L"FLD_108_000",
                                         L"FLD_109_000", L"FLD_110_000", L"FLD_111_000", L"FLD_112_000"};
  EXPECT_EQ(Keys(map), header);  // unpaid: no FLD_107_000
  EXPECT_EQ(At(map, L"FLD_111_000"), Value(L""));
  EXPECT_EQ(At(map, L"FLD_112_000"), Value(L""));
  EXPECT_EQ(At(map, L"FLD_109_000"), Value(0.0));
}

// A date the database holds as NULL keeps its key but shows nothing, rather
// than the day before the OLE epoch.
TEST_F(InvoicePrintDataTest, MissingDatesGiveEmptyValues) {
  {
    TransactionScope scope;
    ExecuteSql(L"UPDATE INVOICES SET DATUM = NULL, PAID_ON = NULL WHERE OBJECT_ID = " +
               std::to_wstring(m_saleId));
    scope.Commit();
  }
  const FieldMap map = MapOf(m_saleId);
  ASSERT_TRUE(map.Contains(L"FLD_101_000"));
  ASSERT_TRUE(map.Contains(L"FLD_107_000"));  // still paid
  EXPECT_EQ(At(map, L"FLD_101_000").GetType(), VT_EMPTY);
  EXPECT_EQ(At(map, L"FLD_107_000").GetType(), VT_EMPTY);
  EXPECT_EQ(At(map, L"FLD_107_000").GetText(), L"");
}

TEST_F(InvoicePrintDataTest, DatabaseFailureWhileReadingLinesPassesOut) {
  TransactionScope scope;
  const Invoice::Invoice sale(m_saleId);
  FailingOperation failing(ibase::ibOperation::Prepare);
  EXPECT_THROW(BuildFieldMap(sale), Invoice::DbException);
}

TEST(InvoiceTitleTest, NamesTheKindAndTheNumber) {
  struct Case {
    int type;
    const wchar_t* number;
    const wchar_t* title;
  };
  const Case cases[] = {
      {0, L"0007/06", L"Outcome Invoice 0007/06"},
      {1, L"0003/06", L"Income Invoice 0003/06"},
      {2, L"12", L"Outcome Invoice 12"},  // any type but 1 is outgoing
      {1, L"", L"Income Invoice "},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatInvoiceTitle(c.type, c.number), c.title);

  Invoice::Invoice income;
  income.SetInvoiceType(1);
  income.SetInvoiceNum(L"0003/06");
  EXPECT_EQ(FormatInvoiceTitle(income), L"Income Invoice 0003/06");
}

}  // namespace
