// The save of an invoice header, a company, an item or a price list checks,
// inside its unit of work, that its row is stored as it was read: a copy
// read before another window's or another user's save is refused, stores
// nothing, and is refused again until read anew.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ObjectsFixture.h"
#include "data/ChangeSet.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/StaleRow.h"

namespace {

using corvane::test::FailureText;
using Invoice::StaleRowException;

// How a save ended: nullopt when it was stored, else the refusal.
struct Refusal {
  std::wstring text;
  std::wstring what;
  bool byThisProgram = false;
};

class AsReadObjectTest : public corvane::test::ObjectsTest {
protected:
  // Saves the object in a unit of work of its own, committed when the save
  // passes.
  template <class Object>
  std::optional<Refusal> SaveCommitted(Object& object) {
    try {
      TransactionScope scope;
      object.Save();
      scope.Commit();
      return std::nullopt;
    } catch (const StaleRowException& stale) {
      return Refusal{stale.GetText(), stale.GetWhat(), stale.IsChangedByThisProgram()};
    }
  }

  int NewCompany(const std::wstring& name) {
    int id = 0;
    Committed([&] {
      Invoice::Company company;
      company.SetName(name);
      company.SetDefaultDiscount(5.0);
      company.Save();
      id = company.GetId();
    });
    return id;
  }

  std::wstring Stored(const std::wstring& column, const std::wstring& table, int id) {
    return Value(L"SELECT " + column + L" FROM " + table + L" WHERE OBJECT_ID = " + std::to_wstring(id));
  }
};

// Two windows hold one invoice. The first stores a discount and the total it
// gives; the second, which still shows the old total, is refused each time,
// and the first's header stays whole.
TEST_F(AsReadObjectTest, AnInvoiceSavedInAnotherWindowRefusesTheStaleCopy) {
  int id = 0;
  Committed([&] {
    Invoice::Invoice invoice;
    invoice.SetInvoiceNum(L"0001/26");
    invoice.SetTotalAmount(120.0);
    invoice.SetDate(Ole(2026, 3, 1));
    invoice.Save();
    id = invoice.GetId();
  });
  Invoice::Invoice first(id);
  Invoice::Invoice second(id);
  first.SetDiscountPercent(10.0);
  first.SetTotalAmount(108.0);
  ASSERT_EQ(SaveCommitted(first), std::nullopt);

  second.SetTotalAmount(40.0);
  for (int attempt = 0; attempt < 2; ++attempt) {
    const std::optional<Refusal> refused = SaveCommitted(second);
    ASSERT_TRUE(refused) << attempt;
    EXPECT_EQ(refused->text, Invoice::kChangedInAnotherWindowText);
    EXPECT_EQ(refused->what, L"this invoice");
    EXPECT_TRUE(refused->byThisProgram);
    EXPECT_EQ(ReadDouble(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 108.0);
    EXPECT_EQ(ReadDouble(L"SELECT DISCOUNT_PERCENT FROM INVOICES"), 10.0);
  }

  // Read again, the change made again on what is stored saves.
  Invoice::Invoice again(id);
  again.SetTotalAmount(99.0);
  EXPECT_EQ(SaveCommitted(again), std::nullopt);
  EXPECT_EQ(ReadDouble(L"SELECT TOTAL_AMOUNT FROM INVOICES"), 99.0);
  EXPECT_EQ(ReadDouble(L"SELECT DISCOUNT_PERCENT FROM INVOICES"), 10.0);
}

// A rename by another program (here a statement of its own) is another
// user's change, told in the words for one.
TEST_F(AsReadObjectTest, ARowChangedByAnotherProgramIsAnotherUsersChange) {
  const int id = NewCompany(L"Mountain Bakery");
  Invoice::Company window(id);
  Committed([&] {
    ExecuteSql(L"UPDATE COMPANIES SET NAME = 'Valley Bakery' WHERE OBJECT_ID = " + std::to_wstring(id));
  });
  window.SetDefaultDiscount(7.5);
  const std::optional<Refusal> refused = SaveCommitted(window);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->text, kConcurrentChangeText);
  EXPECT_EQ(refused->what, L"this client");
  EXPECT_FALSE(refused->byThisProgram);
  EXPECT_EQ(Stored(L"NAME", L"COMPANIES", id), L"Valley Bakery");
  EXPECT_EQ(ReadDouble(L"SELECT DEFAULT_DISCOUNT FROM COMPANIES"), 5.0);
}

// A window that keeps its object after saving saves it again: what it
// wrote is what it knows stored from the commit on.
TEST_F(AsReadObjectTest, AWindowSavesItsOwnSavedObjectAgain) {
  const int id = NewCompany(L"Mountain Bakery");
  Invoice::Company window(id);
  window.SetName(L"Mountain Bakery Ltd");
  ASSERT_EQ(SaveCommitted(window), std::nullopt);
  window.SetModified(false);
  window.SetDefaultDiscount(7.5);
  ASSERT_EQ(SaveCommitted(window), std::nullopt);
  EXPECT_EQ(Stored(L"NAME", L"COMPANIES", id), L"Mountain Bakery Ltd");
  EXPECT_EQ(ReadDouble(L"SELECT DEFAULT_DISCOUNT FROM COMPANIES"), 7.5);

  // A new object saved and kept the same way.
  Invoice::Company fresh;
  fresh.SetName(L"Harbour Mill");
  ASSERT_EQ(SaveCommitted(fresh), std::nullopt);
  fresh.SetDefaultDiscount(2.0);
  EXPECT_EQ(SaveCommitted(fresh), std::nullopt);
}

// A save whose unit of work rolls back leaves the row known as before: the
// same save runs again (the invoice form keeps its objects after a failure).
TEST_F(AsReadObjectTest, ASaveRolledBackLeavesTheRowAsItWasRead) {
  const int id = NewCompany(L"Mountain Bakery");
  Invoice::Company window(id);
  window.SetName(L"Mountain Bakery Ltd");
  {
    TransactionScope scope;
    window.Save();
    window.SetDefaultDiscount(9.0);
    window.Save();  // twice in one unit of work: its own save is no stranger's
  }
  EXPECT_EQ(Stored(L"NAME", L"COMPANIES", id), L"Mountain Bakery");
  EXPECT_EQ(SaveCommitted(window), std::nullopt);
  EXPECT_EQ(Stored(L"NAME", L"COMPANIES", id), L"Mountain Bakery Ltd");
  EXPECT_EQ(ReadDouble(L"SELECT DEFAULT_DISCOUNT FROM COMPANIES"), 9.0);
}

// A change set holds a copy of what the window read: the copy is checked
// against the row as read, not as edited.
TEST_F(AsReadObjectTest, ACopyInAChangeSetIsCheckedAsTheWindowReadIt) {
  const int id = NewCompany(L"Mountain Bakery");
  ChangeSet window;
  window.Add(Invoice::Company(id));
  Invoice::Company edited = *dynamic_cast<Invoice::Company*>(window.Find(id));
  edited.SetDefaultDiscount(8.0);
  window.Update(edited);

  Invoice::Company other(id);
  other.SetName(L"Valley Bakery");
  ASSERT_EQ(SaveCommitted(other), std::nullopt);
  {
    TransactionScope scope;
    EXPECT_EQ(FailureText([&] { window.Apply(); }), Invoice::kChangedInAnotherWindowText);
  }
  EXPECT_EQ(ReadDouble(L"SELECT DEFAULT_DISCOUNT FROM COMPANIES"), 5.0);
}

// The item's stock moves through the stock lines behind every window and
// does not count; its details do. DEFAULT_PRICE is never written.
TEST_F(AsReadObjectTest, AnItemIsCheckedForItsDetailsNotItsStock) {
  int id = 0;
  Committed([&] { id = NewItem(L"Bolt").GetId(); });
  Invoice::Item window(id);
  Committed([&] { Receive(id, 40.0); });
  window.SetCode(L"B-8");
  ASSERT_EQ(SaveCommitted(window), std::nullopt);
  EXPECT_EQ(Stock(id), 40.0);

  Invoice::Item other(id);
  other.SetName(L"Hex bolt");
  ASSERT_EQ(SaveCommitted(other), std::nullopt);
  window.SetCode(L"B-9");
  const std::optional<Refusal> refused = SaveCommitted(window);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->what, L"this item");
  EXPECT_EQ(Stored(L"NAME", L"ITEMS", id), L"Hex bolt");
  EXPECT_EQ(Stored(L"CODE", L"ITEMS", id), L"B-8");
}

TEST_F(AsReadObjectTest, APriceListRenamedElsewhereRefusesTheStaleCopy) {
  int id = 0;
  Committed([&] {
    Invoice::PriceGroup list;
    list.SetName(L"Retail");
    list.Save();
    id = list.GetId();
  });
  Invoice::PriceGroup first(id), second(id);
  first.SetName(L"Retail 2026");
  ASSERT_EQ(SaveCommitted(first), std::nullopt);
  second.SetDirection(1);
  const std::optional<Refusal> refused = SaveCommitted(second);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->what, L"this price list");
  EXPECT_EQ(Stored(L"NAME", L"PRICE_GROUP", id), L"Retail 2026");
  EXPECT_EQ(Stored(L"DIRECTION", L"PRICE_GROUP", id), L"2");
}

TEST_F(AsReadObjectTest, AnObjectDeletedMeanwhileIsNotWrittenAgain) {
  const int id = NewCompany(L"Mountain Bakery");
  Invoice::Company window(id);
  Committed([&] { Invoice::Company(id).Delete(); });
  window.SetDefaultDiscount(3.0);
  {
    TransactionScope scope;
    EXPECT_EQ(FailureText([&] { window.Save(); }), Invoice::kDeletedSinceReadText);
  }
  EXPECT_EQ(CountRows(L"COMPANIES"), 0);
}

// Reading, and a save with nothing edited, write nothing: not even the
// OBJECTS row's modification time moves.
TEST_F(AsReadObjectTest, OpeningAndSavingWithoutAnEditChangesNothing) {
  const int id = NewCompany(L"Mountain Bakery");
  Committed([&] {
    ExecuteSql(L"UPDATE OBJECTS SET MODIFIED_ON = '2001-01-01 10:00:00' WHERE OBJECT_ID = " +
               std::to_wstring(id));
  });
  Invoice::Company window(id);
  ASSERT_EQ(SaveCommitted(window), std::nullopt);
  EXPECT_EQ(
      Value(L"SELECT CAST(MODIFIED_ON AS VARCHAR(30)) FROM OBJECTS WHERE OBJECT_ID = " + std::to_wstring(id)),
      L"2001-01-01 10:00:00.0000");
  EXPECT_EQ(Stored(L"NAME", L"COMPANIES", id), L"Mountain Bakery");
}

}  // namespace
