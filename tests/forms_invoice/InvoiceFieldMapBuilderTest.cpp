// The print data of the invoice open in the form against the print data of
// the same invoice as stored (shell/InvoicePrintData): the same keys and
// values but for the documented differences of the form.
#include "InvoiceFormFixture.h"

#include <set>
#include <vector>

#include "forms/invoice/InvoiceFieldMapBuilder.h"
#include "shell/InvoicePrintData.h"

namespace corvane::test {
namespace {

class InvoiceFieldMapBuilderTest : public OpenInvoiceTest {
protected:
  int SaveAndReopen() { return SaveAndReload().invoiceId; }
  FieldMap FormMap() { return InvoiceFieldMapBuilder::Build(m_header, m_totals, m_rows); }

  // The keys of both maps, and every value that differs.
  static void ExpectSameBut(const FieldMap& form, const FieldMap& stored,
                            const std::set<std::wstring>& except) {
    std::vector<std::wstring> formKeys, storedKeys;
    for (const auto& [key, value] : form) formKeys.push_back(key);
    for (const auto& [key, value] : stored) storedKeys.push_back(key);
    EXPECT_EQ(formKeys, storedKeys);
    for (const auto& [key, value] : stored) {
      const ::Value* mine = form.Find(key);
      if (!mine || except.count(key)) continue;
      EXPECT_EQ(*mine, value) << key << ": form \"" << testing::PrintToString(mine->GetText())
                              << "\", stored \"" << testing::PrintToString(value.GetText()) << "\"";
    }
  }
};

TEST_F(InvoiceFieldMapBuilderTest, FormPrintsWhatTheStoredInvoicePrints) {
  Open(0, m_clientId);
  m_header.to.addresses.Select(m_header.to.addresses.FindData(m_officeId));
  m_header.ChooseAddress(m_header.to);
  m_header.from.addressText = L"Corvane Trading\nPort Road 7";
  m_header.days.Select(m_header.days.FindData(30));
  m_header.templates.Select(m_header.templates.FindData(m_plainTemplateId));
  m_header.discountPercent = 10.0;
  m_header.paid = true;
  m_header.paidDate = platform::OleDateTime(2006, 3, 20, 11, 15);
  AddLine(m_lines, m_flourId, 3, 10.0, 0, 18);  // no line discount, no measurement
  AddLine(m_lines, m_seedsId, 2, 12.5);
  const int id = SaveAndReopen();

  const FieldMap form = FormMap();
  const FieldMap stored = BuildFieldMap(Invoice::Invoice(id));
  // Field 4 is the grid's empty "Base Unit" cell where the stored map has the
  // empty measurement text: both print nothing.
  ExpectSameBut(form, stored, {L"FLD_004_000", L"FLD_004_001"});
  for (const wchar_t* key : {L"FLD_004_000", L"FLD_004_001"}) {
    EXPECT_EQ(form.Find(key)->GetType(), VT_EMPTY);
    EXPECT_EQ(stored.Find(key)->GetText(), L"");
  }
  EXPECT_EQ(form.Size(), 13u + 2 * 11u);
  EXPECT_EQ(*form.Find(L"FLD_100_000"), ::Value(L"0001/06"));
  EXPECT_EQ(*form.Find(L"FLD_109_000"), ::Value(55.0));
  EXPECT_EQ(*form.Find(L"FLD_105_000"), ::Value(5.5));
  EXPECT_EQ(*form.Find(L"FLD_108_000"), ::Value(int32_t{30}));
  EXPECT_EQ(*form.Find(L"FLD_106_000"), ::Value(kOfficeBox));
  EXPECT_EQ(*form.Find(L"FLD_111_000"), ::Value(L"Mountain Bakery Ltd"));
  EXPECT_EQ(*form.Find(L"FLD_112_000"), ::Value(L"Corvane Trading"));
  // Saved in key order, the newest line first: the seeds are row 0 now.
  EXPECT_EQ(*form.Find(L"FLD_011_000"), ::Value(L"SS-1"));
  EXPECT_EQ(*form.Find(L"FLD_011_001"), ::Value(L"RF-25"));
  EXPECT_EQ(*form.Find(L"FLD_107_000"), ::Value(platform::OleDateTime(2006, 3, 20, 11, 15)));
}

TEST_F(InvoiceFieldMapBuilderTest, FormShowsBaseUnitAsTheScreenDoesAndBothPrintTheSameWithoutTax) {
  Open(0, m_clientId);
  AddLine(m_lines, m_flourId, 4, 10.0, 10, 0, L"kg", 25.0);
  const int id = SaveAndReopen();

  const FieldMap form = FormMap();
  const FieldMap stored = BuildFieldMap(Invoice::Invoice(id));
  ExpectSameBut(form, stored, {L"FLD_004_000"});
  EXPECT_EQ(*form.Find(L"FLD_004_000"), ::Value(L"100.00 kg"));
  EXPECT_EQ(*stored.Find(L"FLD_004_000"), ::Value(L"kg"));
  EXPECT_EQ(*form.Find(L"FLD_109_000"), ::Value(36.0));  // 40 - 4 line discount
  EXPECT_EQ(*stored.Find(L"FLD_109_000"), ::Value(36.0));
  EXPECT_EQ(*form.Find(L"FLD_006_000"), ::Value(10.0));
  EXPECT_EQ(*form.Find(L"FLD_007_000"), ::Value(4.0));
  EXPECT_FALSE(form.Contains(L"FLD_107_000"));  // not paid
}

TEST_F(InvoiceFieldMapBuilderTest, UnsavedLinesPrintFirstWithZeroForEmptyCells) {
  Open(0, m_clientId);
  AddLine(m_lines, m_flourId, 1, 10.0);
  const int id = SaveAndReopen();
  AddLine(m_lines, m_seedsId, 2, 3.0);  // added after the save: comes first
  ShowPendingLines();
  m_header.paid = false;

  const FieldMap form = FormMap();
  EXPECT_EQ(*form.Find(L"FLD_001_000"), ::Value(L"Sunflower seeds"));
  EXPECT_EQ(*form.Find(L"FLD_001_001"), ::Value(L"Rye flour 25kg"));
  EXPECT_EQ(*form.Find(L"FLD_006_000"), ::Value(0.0));
  EXPECT_EQ(*form.Find(L"FLD_007_000"), ::Value(0.0));
  EXPECT_EQ(*form.Find(L"FLD_009_000"), ::Value(0.0));
  EXPECT_EQ(*form.Find(L"FLD_103_000"), ::Value(16.0));
  EXPECT_FALSE(form.Contains(L"FLD_107_000"));
  EXPECT_EQ(BuildFieldMap(Invoice::Invoice(id)).Size() + 11, form.Size());
}

TEST_F(InvoiceFieldMapBuilderTest, IncomeInvoicePrintsItsReceiptLines) {
  Open(0, 0, true);
  m_header.ChooseSupplier(m_supplierId);
  AddLine<Invoice::ItemInput>(m_lines, m_seedsId, 8, 0.5);
  const int id = SaveAndReopen();
  const FieldMap form = FormMap();
  ExpectSameBut(form, BuildFieldMap(Invoice::Invoice(id)), {L"FLD_004_000"});
  EXPECT_EQ(*form.Find(L"FLD_111_000"), ::Value(L"Corvane Trading"));
  EXPECT_EQ(*form.Find(L"FLD_112_000"), ::Value(L"Flour Mills Inc"));
  EXPECT_EQ(*form.Find(L"FLD_003_000"), ::Value(8.0));
}

}  // namespace
}  // namespace corvane::test
