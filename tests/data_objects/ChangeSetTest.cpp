#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ObjectsFixture.h"
#include "data/ChangeSet.h"
#include "data/objects/Tax.h"

namespace {

using corvane::test::CallRecorder;
using corvane::test::FailureText;
using Invoice::Tax;

class ChangeSetTest : public corvane::test::ObjectsTest {
protected:
  Tax NewTax(const std::wstring& name) {
    Tax tax(0);
    tax.SetName(name);
    return tax;
  }
  int StoredTax(const std::wstring& name) {
    int id = 0;
    Committed([&] {
      Tax tax = NewTax(name);
      tax.Save();
      id = tax.GetId();
    });
    return id;
  }
  std::wstring TaxName(int id) {
    return Value(L"SELECT NAME FROM TAXES WHERE OBJECT_ID = " + std::to_wstring(id));
  }
  static std::wstring NameIn(const ChangeSet& set, int id) {
    const auto* tax = dynamic_cast<const Tax*>(set.Find(id));
    return tax ? tax->GetName() : L"(none)";
  }
};

TEST_F(ChangeSetTest, NewObjectsTakeTemporaryIdsAndTheLatestIsSavedFirst) {
  ChangeSet set;
  Tax first = NewTax(L"First");
  Tax second = NewTax(L"Second");
  set.Update(first);
  set.Update(second);
  const int firstKey = first.GetObjectId();
  EXPECT_LT(firstKey, 0);
  EXPECT_EQ(second.GetObjectId(), firstKey - 1);
  EXPECT_EQ(NameIn(set, firstKey), L"First");

  Committed([&] { set.Apply(); });
  const int firstId = set.Find(firstKey)->GetId();
  const int secondId = set.Find(firstKey - 1)->GetId();
  EXPECT_GT(firstId, secondId);  // the lower key was written first
  EXPECT_EQ(TaxName(firstId), L"First");
  EXPECT_EQ(TaxName(secondId), L"Second");
  // The caller's object keeps its temporary header id: the copy was stored.
  EXPECT_EQ(first.GetObjectId(), firstKey);
  EXPECT_EQ(set.GetState(firstKey), ChangeSet::kUpdated);  // states stay after Apply
}

TEST_F(ChangeSetTest, ANewObjectRemovedAgainNeverReachesTheDatabase) {
  ChangeSet set;
  Tax tax = NewTax(L"Gone");
  set.Update(tax);
  set.Remove(tax);
  EXPECT_TRUE(set.IsEmpty());
  Committed([&] { set.Apply(); });
  EXPECT_EQ(CountRows(L"TAXES"), 0);
}

TEST_F(ChangeSetTest, AStoredObjectEditedThenRemovedIsDeletedOnceAndNotSaved) {
  const int id = StoredTax(L"VAT");
  ChangeSet set;
  Tax tax(id);
  set.Add(tax);
  EXPECT_EQ(set.GetState(id), ChangeSet::kUnchanged);
  tax.SetName(L"Edited");
  set.Update(tax);
  EXPECT_EQ(NameIn(set, id), L"Edited");
  set.Remove(tax);
  EXPECT_EQ(set.Find(id), nullptr);
  EXPECT_EQ(set.ObjectAt(set.begin()), nullptr);
  EXPECT_EQ(set.ObjectAt(set.end()), nullptr);

  CallRecorder recorder;
  Committed([&] { set.Apply(); });
  EXPECT_EQ(CountRows(L"TAXES"), 0);
  size_t deletes = 0, updates = 0;
  for (const auto& call : recorder.Of(ibase::ibOperation::ExecuteImmediate)) {
    if (call.sql.find(L"DELETE FROM TAXES") == 0) ++deletes;
    if (call.sql.find(L"UPDATE") == 0) ++updates;
  }
  EXPECT_EQ(deletes, 1u);
  EXPECT_EQ(updates, 0u);
}

// An edited object recorded in the set is written when the set is applied:
// its copy keeps the modified flag.
TEST_F(ChangeSetTest, AnEditedStoredObjectIsWrittenOnApply) {
  const int id = StoredTax(L"VAT");
  ChangeSet set;
  Tax tax(id);
  tax.SetName(L"VAT 18");
  tax.SetPercent(18.0);
  set.Update(tax);
  Committed([&] { set.Apply(); });
  EXPECT_EQ(TaxName(id), L"VAT 18");
  EXPECT_EQ(Tax(id).GetPercent(), 18.0);
}

TEST_F(ChangeSetTest, OnlyUnchangedEntriesApplyAsNoWork) {
  const int id = StoredTax(L"VAT");
  ChangeSet set;
  Tax tax(id);
  set.Add(tax);
  tax.SetName(L"Local edit");
  set.Add(tax);  // the first copy stays
  EXPECT_EQ(NameIn(set, id), L"VAT");
  EXPECT_EQ(set.Size(), 1u);
  TransactionScope scope;
  CallRecorder recorder;
  set.Apply();
  EXPECT_TRUE(recorder.Of(ibase::ibOperation::ExecuteImmediate).empty());
}

TEST_F(ChangeSetTest, RemovingWhatTheSetDoesNotHoldDoesNothing) {
  const int id = StoredTax(L"VAT");
  ChangeSet set;
  set.Remove(Tax(id));
  set.Remove(NewTax(L"Never recorded"));
  EXPECT_TRUE(set.IsEmpty());
}

TEST_F(ChangeSetTest, ARolledBackApplyTakesTheIdsBackAndCanBeAppliedAgain) {
  ChangeSet set;
  Tax tax = NewTax(L"VAT");
  set.Update(tax);
  const int key = tax.GetObjectId();
  {
    TransactionScope scope;
    set.Apply();
    EXPECT_GT(set.Find(key)->GetObjectId(), 0);
  }
  EXPECT_EQ(set.Find(key)->GetObjectId(), key);
  EXPECT_EQ(set.Find(key)->GetId(), 0);
  EXPECT_EQ(CountRows(L"TAXES"), 0);
  Committed([&] { set.Apply(); });
  EXPECT_EQ(CountRows(L"TAXES"), 1);
  EXPECT_EQ(TaxName(set.Find(key)->GetId()), L"VAT");
}

// Deletions run before saves, so a line can be replaced by one that needs
// the stock the deleted line gives back.
TEST_F(ChangeSetTest, DeletionsRunBeforeSavesAndAFailureLeavesTheSetAsItWas) {
  int bolt = 0, oldLine = 0;
  Committed([&] {
    bolt = NewItem(L"Bolt").GetId();
    Receive(bolt, 5.0);
    oldLine = Issue(bolt, 5.0);
  });
  ChangeSet set;
  Invoice::ItemOutput old(oldLine);
  set.Add(old);
  Invoice::ItemOutput replacement;
  replacement.SetItemId(bolt);
  replacement.SetQuantity(4.0);
  set.Update(replacement);
  set.Remove(old);
  Committed([&] { set.Apply(); });
  EXPECT_EQ(Stock(bolt), 1.0);

  ChangeSet tooMuch;
  Invoice::ItemOutput big;
  big.SetItemId(bolt);
  big.SetQuantity(9.0);
  tooMuch.Update(big);
  {
    TransactionScope scope;
    EXPECT_EQ(FailureText([&] { tooMuch.Apply(); }), L"Missing items on stock for 'Bolt'");
  }
  EXPECT_EQ(tooMuch.GetState(big.GetObjectId()), ChangeSet::kUpdated);
  EXPECT_EQ(Stock(bolt), 1.0);
}

TEST_F(ChangeSetTest, WalkingTheSetGoesByKeyAndSkipsDeletedEntries) {
  const int storedId = StoredTax(L"Stored");
  ChangeSet set;
  Tax stored(storedId);
  set.Add(stored);
  Tax fresh = NewTax(L"Fresh");
  set.Update(fresh);
  std::vector<std::wstring> names;
  for (auto it = set.begin(); it != set.end(); ++it)
    if (auto* tax = dynamic_cast<Tax*>(set.ObjectAt(it))) names.push_back(tax->GetName());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Fresh", L"Stored"}));
  set.Remove(stored);
  names.clear();
  for (auto it = set.begin(); it != set.end(); ++it)
    if (auto* tax = dynamic_cast<Tax*>(set.ObjectAt(it))) names.push_back(tax->GetName());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Fresh"}));
  set.Clear();
  EXPECT_TRUE(set.IsEmpty());
}

}  // namespace
