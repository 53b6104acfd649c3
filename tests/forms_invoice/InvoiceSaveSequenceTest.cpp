// Saving the invoice form against a real database: the invoice row, the
// lines with their stock in one unit of work, the number counter, and what
// a failure leaves behind.
#include "InvoiceFormFixture.h"

#include "data/DbException.h"

namespace corvane::test {
namespace {

class InvoiceSaveSequenceTest : public OpenInvoiceTest {
protected:
  std::wstring InvoiceColumn(int id, const std::wstring& column) { return Value(InvoiceQuery(id, column)); }
  double InvoiceAmount(int id, const std::wstring& column) { return ReadDouble(InvoiceQuery(id, column)); }
  static std::wstring InvoiceQuery(int id, const std::wstring& column) {
    return L"SELECT " + column + L" FROM INVOICES WHERE OBJECT_ID = " + std::to_wstring(id);
  }
  int LinesOf(int invoiceId, const std::wstring& table = L"ITEM_OUTPUT") {
    return Count(table, L"INVOICE_OBJECT_ID = " + std::to_wstring(invoiceId));
  }
};

TEST_F(InvoiceSaveSequenceTest, NewInvoiceIsStoredWithItsLinesAndMovesTheCounterOnce) {
  Committed([] { SetNextInvoiceNum(12); });
  Open(0, m_clientId);
  m_header.to.addresses.Select(m_header.to.addresses.FindData(m_officeId));
  m_header.ChooseAddress(m_header.to);
  m_header.days.Select(m_header.days.FindData(30));
  m_header.discountPercent = 10.0;
  AddLine(m_lines, m_flourId, 3, 10.0, 10, 18);  // 30 - 3 + 4.86
  AddLine(m_lines, m_seedsId, 2, 12.5);          // 25

  const InvoiceSaveResult result = Save();
  EXPECT_TRUE(result.wasNew);
  EXPECT_FALSE(result.income);
  EXPECT_EQ(result.year, 2006);
  const int id = result.invoiceId;
  ASSERT_GT(id, 0);
  EXPECT_EQ(InvoiceColumn(id, L"INVOICE_NUM"), L"0012/06");
  EXPECT_EQ(InvoiceColumn(id, L"INVOICE_TYPE"), L"0");
  EXPECT_EQ(InvoiceColumn(id, L"COMPANY_OBJECT_ID"), std::to_wstring(m_clientId));
  EXPECT_EQ(InvoiceColumn(id, L"COMPANY_OBJECT_ID_FROM"), std::to_wstring(m_myCompanyId));
  EXPECT_EQ(InvoiceColumn(id, L"ADDRESS_OBJECT_ID"), std::to_wstring(m_officeId));
  EXPECT_EQ(InvoiceColumn(id, L"DISPLAY_BOX"), kOfficeBox);
  EXPECT_EQ(InvoiceColumn(id, L"DAYS_CONDITION"), L"30");
  EXPECT_EQ(InvoiceColumn(id, L"TEMPLATE_OBJECT_ID"), L"NULL");  // "Default"
  // Footer as displayed: without tax 52.00, discount 5.20, tax 4.86, total 51.66.
  EXPECT_DOUBLE_EQ(InvoiceAmount(id, L"DISCOUNT_AMOUNT"), 5.2);
  EXPECT_DOUBLE_EQ(InvoiceAmount(id, L"TAX_AMOUNT"), 4.86);
  EXPECT_DOUBLE_EQ(InvoiceAmount(id, L"TOTAL_AMOUNT"), 51.66);
  EXPECT_EQ(InvoiceColumn(id, L"PAID"), L"0");
  EXPECT_EQ(InvoiceColumn(id, L"PAID_ON"), L"NULL");

  EXPECT_EQ(LinesOf(id), 2);
  EXPECT_EQ(Stock(m_flourId), 7.0);
  EXPECT_EQ(Stock(m_seedsId), 48.0);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 13);
  EXPECT_EQ(m_header.drawnNumber, 13);

  // Saving the stored invoice again moves neither the counter nor the stock.
  Open(id);
  EXPECT_EQ(m_lines.Size(), 2u);
  m_header.paid = true;
  m_header.paidDate = platform::OleDateTime(2006, 4, 1, 10, 0);
  const InvoiceSaveResult again = Save();
  EXPECT_FALSE(again.wasNew);
  EXPECT_EQ(again.invoiceId, id);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 13);
  EXPECT_EQ(LinesOf(id), 2);
  EXPECT_EQ(Stock(m_flourId), 7.0);
  EXPECT_EQ(InvoiceColumn(id, L"PAID"), L"1");
  EXPECT_EQ(InvoiceColumn(id,
                          L"CAST(EXTRACT(YEAR FROM PAID_ON) * 10000 + EXTRACT(MONTH FROM PAID_ON) * 100 + "
                          L"EXTRACT(DAY FROM PAID_ON) AS INTEGER)"),
            L"20060401");

  // Unchecking "Paid" forgets the date, whatever the picker shows.
  Open(id);
  m_header.paid = false;
  Save();
  EXPECT_EQ(InvoiceColumn(id, L"PAID_ON"), L"NULL");
}

TEST_F(InvoiceSaveSequenceTest, StockShortageRollsEverythingBackAndKeepsThePendingLines) {
  Committed([] { SetNextInvoiceNum(5); });
  Open(0, m_clientId);
  AddLine(m_lines, m_seedsId, 4, 1.0);
  const int tooMany = AddLine(m_lines, m_flourId, 11, 10.0);  // 10 on stock
  const int objectsBefore = Count(L"OBJECTS", L"1 = 1");

  try {
    Save();
    FAIL() << "saved beyond the stock";
  } catch (const Invoice::DbException& error) {
    EXPECT_EQ(error.GetText(), L"Missing items on stock for 'Rye flour 25kg'");
  }
  EXPECT_EQ(Count(L"INVOICES", L"1 = 1"), 0);
  EXPECT_EQ(Count(L"ITEM_OUTPUT", L"1 = 1"), 0);
  EXPECT_EQ(Count(L"OBJECTS", L"1 = 1"), objectsBefore);
  EXPECT_EQ(Stock(m_seedsId), 50.0);
  EXPECT_EQ(Stock(m_flourId), 10.0);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 5);
  EXPECT_EQ(m_header.invoice.GetId(), 0);  // the id handed out was taken back
  EXPECT_EQ(m_header.drawnNumber, 5);
  EXPECT_EQ(m_lines.Size(), 2u);
  EXPECT_EQ(m_lines.GetState(tooMany), ChangeSet::kUpdated);

  // The user lowers the quantity and saves again: everything goes in once.
  auto* line = dynamic_cast<Invoice::ItemOutput*>(m_lines.Find(tooMany));
  ASSERT_TRUE(line);
  Invoice::ItemOutput edited = *line;
  edited.SetQuantity(10);
  m_lines.Update(edited);
  const InvoiceSaveResult result = Save();
  EXPECT_EQ(Count(L"INVOICES", L"1 = 1"), 1);
  EXPECT_EQ(LinesOf(result.invoiceId), 2);
  EXPECT_EQ(Stock(m_flourId), 0.0);
  EXPECT_EQ(Stock(m_seedsId), 46.0);
  EXPECT_EQ(InvoiceColumn(result.invoiceId, L"INVOICE_NUM"), L"0005/06");
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 6);
}

TEST_F(InvoiceSaveSequenceTest, EditedStoredLineRefusedThenSavedIsStoredOnce) {
  Open(0, m_clientId);
  AddLine(m_lines, m_flourId, 2, 10.0);
  const int id = SaveAndReload().invoiceId;
  ASSERT_EQ(m_lines.Size(), 1u);
  const int storedLine = m_lines.begin()->first;
  EXPECT_EQ(Stock(m_flourId), 8.0);

  auto edit = [&](double quantity) {
    Invoice::ItemOutput line = *dynamic_cast<Invoice::ItemOutput*>(m_lines.Find(storedLine));
    line.SetQuantity(quantity);
    m_lines.Update(line);
  };
  edit(20);  // 2 back, 20 off: 10 - 20 < 0
  EXPECT_THROW(Save(), Invoice::DbException);
  EXPECT_EQ(Stock(m_flourId), 8.0);
  EXPECT_EQ(LinesOf(id), 1);
  EXPECT_EQ(m_lines.GetState(storedLine), ChangeSet::kUpdated);

  edit(3);
  SaveAndReload();
  EXPECT_EQ(LinesOf(id), 1);
  EXPECT_EQ(Stock(m_flourId), 7.0);
  EXPECT_EQ(ReadDouble(L"SELECT QUANTITY FROM ITEM_OUTPUT WHERE INVOICE_OBJECT_ID = " + std::to_wstring(id)),
            3.0);
}

TEST_F(InvoiceSaveSequenceTest, DeletedLineGivesItsStockBack) {
  Open(0, m_clientId);
  AddLine(m_lines, m_flourId, 4, 10.0);
  AddLine(m_lines, m_seedsId, 5, 1.0);
  const int id = SaveAndReload().invoiceId;
  EXPECT_EQ(Stock(m_flourId), 6.0);

  // Untouched lines are not written again; the deleted one is removed.
  for (const auto& [key, entry] : m_lines) {
    auto* line = dynamic_cast<Invoice::ItemOutput*>(entry.copy.get());
    if (line->GetItemId() == m_flourId) m_lines.Remove(*line);
  }
  CallRecorder calls;
  Save();
  EXPECT_EQ(LinesOf(id), 1);
  EXPECT_EQ(Stock(m_flourId), 10.0);
  EXPECT_EQ(Stock(m_seedsId), 45.0);
  for (const auto& call : calls.Calls())
    EXPECT_EQ(call.sql.find(L"INSERT INTO ITEM_OUTPUT"), std::wstring::npos) << "a line was stored again";
}

TEST_F(InvoiceSaveSequenceTest, IncomeInvoiceReceivesAndItsDeletedLineTakesTheStockAway) {
  Committed([] { SetNextIncomeInvoiceNum(3); });
  Open(0, 0, true);
  m_header.ChooseSupplier(m_supplierId);
  AddLine<Invoice::ItemInput>(m_lines, m_flourId, 20, 7.5);
  const InvoiceSaveResult result = SaveAndReload();
  EXPECT_TRUE(result.income);
  EXPECT_EQ(InvoiceColumn(result.invoiceId, L"INVOICE_TYPE"), L"1");
  EXPECT_EQ(InvoiceColumn(result.invoiceId, L"INVOICE_NUM"), L"0003/06");
  EXPECT_EQ(InvoiceColumn(result.invoiceId, L"COMPANY_OBJECT_ID"), std::to_wstring(m_myCompanyId));
  EXPECT_EQ(InvoiceColumn(result.invoiceId, L"COMPANY_OBJECT_ID_FROM"), std::to_wstring(m_supplierId));
  EXPECT_EQ(LinesOf(result.invoiceId, L"ITEM_INPUT"), 1);
  EXPECT_EQ(Stock(m_flourId), 30.0);
  EXPECT_EQ(ReadSettingInt(kNextIncomeInvoiceNumKey, 0), 4);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 1), 1);

  m_lines.Remove(*m_lines.begin()->second.copy);
  Save();
  EXPECT_EQ(LinesOf(result.invoiceId, L"ITEM_INPUT"), 0);
  EXPECT_EQ(Stock(m_flourId), 10.0);
}

// Two new invoices opened side by side are offered the same number: the one
// saved second takes the next free number of its kind and says which it took.
TEST_F(InvoiceSaveSequenceTest, ANumberTakenMeanwhileGivesTheNextFreeOne) {
  Committed([] {
    SetNextInvoiceNum(8);
    SetNextIncomeInvoiceNum(9);
  });
  Open(0, m_clientId);
  AddLine(m_lines, m_seedsId, 1, 1.0);
  ASSERT_EQ(m_header.numberText, L"0008/06");

  auto saveBeside = [&](bool income) {
    InvoiceHeaderFields other;
    other.LoadInvoice(0, m_clientId, income);
    ChangeSet noLines;
    return InvoiceSaveSequence::Save(other, InvoiceTotals(), noLines);
  };
  EXPECT_TRUE(saveBeside(false).takenNumber.empty());  // 0008/06
  EXPECT_TRUE(saveBeside(true).takenNumber.empty());   // income 0009/06, another kind
  Committed([] { SetNextInvoiceNum(9); });
  saveBeside(false);                        // 0009/06
  Committed([] { SetNextInvoiceNum(8); });  // someone put the counter back

  const InvoiceSaveResult result = Save();
  EXPECT_EQ(result.takenNumber, L"0008/06");
  EXPECT_EQ(m_header.numberText, L"0010/06");
  EXPECT_EQ(m_header.titleText, L"I-ce 0010/06");
  EXPECT_EQ(InvoiceColumn(result.invoiceId, L"INVOICE_NUM"), L"0010/06");
  EXPECT_EQ(LinesOf(result.invoiceId), 1);
  EXPECT_EQ(Stock(m_seedsId), 49.0);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 11);
  EXPECT_EQ(ReadSettingInt(kNextIncomeInvoiceNumKey, 0), 10);
  EXPECT_EQ(NumberTakenMessage(result.takenNumber, m_header.numberText),
            L"Number 0008/06 was taken; the invoice was saved as 0010/06.");
}

// A save that fails after the number was moved on keeps the number shown,
// the counter and everything else as it was.
TEST_F(InvoiceSaveSequenceTest, AFailedSaveKeepsTheNumberItShowed) {
  Committed([] { SetNextInvoiceNum(8); });
  Open(0, m_clientId);
  AddLine(m_lines, m_flourId, 11, 1.0);  // 10 on stock
  InvoiceHeaderFields other;
  other.LoadInvoice(0, m_clientId, false);
  ChangeSet noLines;
  InvoiceSaveSequence::Save(other, InvoiceTotals(), noLines);

  EXPECT_THROW(Save(), Invoice::DbException);
  EXPECT_EQ(m_header.numberText, L"0008/06");
  EXPECT_EQ(m_header.drawnNumber, 8);
  EXPECT_EQ(Count(L"INVOICES", L"1 = 1"), 1);
  EXPECT_EQ(ReadSettingInt(kNextInvoiceNumKey, 0), 9);
}

// An invoice deleted from the list while its form stays open: saving the
// form stores nothing, neither the invoice nor a line nor a stock movement.
TEST_F(InvoiceSaveSequenceTest, AnInvoiceDeletedMeanwhileIsNotSavedAndTakesNoStock) {
  for (const bool income : {false, true}) {
    SCOPED_TRACE(income ? "income" : "outcome");
    Open(0, income ? 0 : m_clientId, income);
    if (income) {
      m_header.ChooseSupplier(m_supplierId);
      AddLine<Invoice::ItemInput>(m_lines, m_seedsId, 5, 1.0);
    } else {
      AddLine(m_lines, m_seedsId, 5, 1.0);
    }
    const int id = SaveAndReload().invoiceId;
    const double stockBefore = Stock(m_flourId);
    const int linesBefore = Count(L"ITEM_OUTPUT", L"1 = 1") + Count(L"ITEM_INPUT", L"1 = 1");

    // The list deletes it (with its lines) while the form is open with a new line.
    Committed([&] {
      Invoice::Invoice deleted(id);
      deleted.Delete();
      for (const auto& [key, entry] : m_lines) entry.copy->Delete();
    });
    if (income)
      AddLine<Invoice::ItemInput>(m_lines, m_flourId, 9, 10.0);
    else
      AddLine(m_lines, m_flourId, 9, 10.0);

    try {
      Save();
      ADD_FAILURE() << "a deleted invoice was saved";
    } catch (const Invoice::DbException& error) {
      EXPECT_EQ(error.GetText(), kInvoiceDeletedText);
    }
    EXPECT_EQ(Count(L"INVOICES", L"OBJECT_ID = " + std::to_wstring(id)), 0);
    EXPECT_EQ(Count(L"OBJECTS", L"OBJECT_ID = " + std::to_wstring(id)), 0);
    EXPECT_EQ(Count(L"ITEM_OUTPUT", L"ITEM_OBJECT_ID = " + std::to_wstring(m_flourId)) +
                  Count(L"ITEM_INPUT", L"ITEM_OBJECT_ID = " + std::to_wstring(m_flourId)),
              1)  // the receipt that stocked it
        << "a line was stored for the deleted invoice";
    EXPECT_EQ(Count(L"ITEM_OUTPUT", L"1 = 1") + Count(L"ITEM_INPUT", L"1 = 1"), linesBefore - 1);
    EXPECT_EQ(Stock(m_flourId), stockBefore);
    m_lines.Clear();
  }
}

}  // namespace
}  // namespace corvane::test
