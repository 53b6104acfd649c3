// The ingredient dialog's decisions and the group chooser's offer, on a
// throwaway database, without a display.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "StockFixture.h"
#include "data/Connection.h"
#include "forms/items/ItemDependencyDlgLauncher.h"
#include "forms/items/ItemDependencyLogic.h"
#include "forms/items/ItemGroupChoice.h"

namespace {

using corvane::test::SearchRecorder;

class ItemDialogsTest : public corvane::test::StockTest {
protected:
  // The stored ingredient of a stored item; its id, held unchanged in the change set.
  int StoredIngredient(int itemId, int depItemId) {
    int id = 0;
    Committed([&] {
      Invoice::ItemDependency dependency;
      dependency.SetItemId(itemId);
      dependency.SetDepItemId(depItemId);
      dependency.SetTriggerQuantity(1.0);
      dependency.SetDepQuantity(2.0);
      dependency.Save();
      id = dependency.GetId();
    });
    m_changes.Add(Invoice::ItemDependency(id));
    return id;
  }
  std::vector<GroupEntry> Offered(int32_t excluded) {
    std::vector<GroupEntry> entries;
    ItemGroupChoice::Load(excluded, entries);
    return entries;
  }

  ChangeSet m_changes;
};

TEST_F(ItemDialogsTest, ANewIngredientStartsWithTheSearchAndNoChoiceCancels) {
  const int bread = StoredItem(L"Bread", Invoice::kSourceManufacturing);
  SearchRecorder none;
  ItemDependencyLogic cancelled(&m_changes, 0, bread, 0);
  EXPECT_FALSE(cancelled.Open(none.Search()));
  EXPECT_EQ(none.Requests().size(), 1u);

  const int flour = StoredItem(L"Flour");
  SearchRecorder chooses({flour});
  ItemDependencyLogic logic(&m_changes, 0, bread, 0);
  ASSERT_TRUE(logic.Open(chooses.Search()));
  EXPECT_EQ(logic.GetDepItemName(), L"Flour");
  logic.SetTriggerQuantity(1.0);
  logic.SetQuantity(0.5);
  ASSERT_EQ(logic.Validate(), L"");
  logic.Save();
  EXPECT_LT(logic.GetDependencyId(), 0);
  const auto* held = dynamic_cast<const Invoice::ItemDependency*>(m_changes.Find(logic.GetDependencyId()));
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->GetItemId(), bread);
  EXPECT_EQ(held->GetDepItemId(), flour);
  EXPECT_DOUBLE_EQ(held->GetDepQuantity(), 0.5);
  EXPECT_DOUBLE_EQ(held->GetTriggerQuantity(), 1.0);
}

TEST_F(ItemDialogsTest, ACancelledSearchKeepsTheIngredientAndOkWithoutOneIsRefused) {
  const int bread = StoredItem(L"Bread", Invoice::kSourceManufacturing);
  const int flour = StoredItem(L"Flour");
  const int id = StoredIngredient(bread, flour);
  SearchRecorder cancels;
  ItemDependencyLogic logic(&m_changes, flour, bread, id);
  ASSERT_TRUE(logic.Open(cancels.Search()));
  EXPECT_TRUE(cancels.Requests().empty());  // the item is known
  EXPECT_DOUBLE_EQ(logic.GetQuantity(), 2.0);
  EXPECT_FALSE(logic.ChooseItem(cancels.Search()));
  EXPECT_EQ(logic.GetDepItemId(), flour);
  EXPECT_EQ(logic.GetDepItemName(), L"Flour");

  ItemDependencyLogic unchosen(&m_changes, 0, bread, 0);  // not opened: no item yet
  EXPECT_EQ(unchosen.Validate(), kChooseIngredientMessage);
}

TEST_F(ItemDialogsTest, EditingAPendingIngredientAgainEditsThatCopy) {
  const int bread = StoredItem(L"Bread", Invoice::kSourceManufacturing);
  const int flour = StoredItem(L"Flour");
  SearchRecorder chooses({flour});
  ItemDependencyLogic added(&m_changes, 0, bread, 0);
  ASSERT_TRUE(added.Open(chooses.Search()));
  added.SetQuantity(1.0);
  added.Save();

  ItemDependencyLogic edited(&m_changes, flour, bread, added.GetDependencyId());
  ASSERT_TRUE(edited.Open(chooses.Search()));
  EXPECT_DOUBLE_EQ(edited.GetQuantity(), 1.0);
  edited.SetQuantity(3.0);
  edited.Save();
  EXPECT_EQ(edited.GetDependencyId(), added.GetDependencyId());
  EXPECT_EQ(m_changes.Size(), 1u);

  EXPECT_EQ(ApplyCommitted(m_changes), L"");
  EXPECT_EQ(Count(L"ITEM_DEPENDENCIES", L"ITEM_OBJECT_ID = " + std::to_wstring(bread)), 1);
}

TEST_F(ItemDialogsTest, DeletingAnIngredientAddedInTheFormDropsIt) {
  const int bread = StoredItem(L"Bread", Invoice::kSourceManufacturing);
  const int flour = StoredItem(L"Flour");
  const int stored = StoredIngredient(bread, flour);
  SearchRecorder chooses({flour});
  ItemDependencyLogic added(&m_changes, 0, bread, 0);
  ASSERT_TRUE(added.Open(chooses.Search()));
  added.Save();

  EXPECT_TRUE(ItemDependencyDlgLauncher(added.GetDependencyId(), 0, 0).Delete(m_changes, false));
  EXPECT_FALSE(m_changes.Contains(added.GetDependencyId()));
  m_messages.QueueAnswer(platform::IDYES);
  EXPECT_TRUE(ItemDependencyDlgLauncher(stored, 0, 0).Delete(m_changes, true));
  EXPECT_EQ(m_changes.GetState(stored), ChangeSet::kDeleted);
  EXPECT_EQ(ApplyCommitted(m_changes), L"");
  EXPECT_EQ(Count(L"ITEM_DEPENDENCIES", L"ITEM_OBJECT_ID = " + std::to_wstring(bread)), 0);
}

TEST_F(ItemDialogsTest, TheChooserNeverOffersAGroupOrItsSubGroupsAsItsOwnParent) {
  int food = 0, bakery = 0, cakes = 0, tools = 0;
  Committed([&] {
    food = NewGroup(L"Food").GetId();
    bakery = NewGroup(L"Bakery", food).GetId();
    cakes = NewGroup(L"Cakes", bakery).GetId();
    tools = NewGroup(L"Tools").GetId();
  });
  auto ids = [](const std::vector<GroupEntry>& entries) {
    std::vector<std::pair<int, int>> pairs;
    for (const GroupEntry& entry : entries) pairs.emplace_back(entry.groupId, entry.parentId);
    return pairs;
  };
  EXPECT_EQ(ids(Offered(0)),
            (std::vector<std::pair<int, int>>{{food, 0}, {bakery, food}, {cakes, bakery}, {tools, 0}}));
  EXPECT_EQ(ids(Offered(bakery)), (std::vector<std::pair<int, int>>{{food, 0}, {tools, 0}}));
  EXPECT_EQ(Offered(0)[1].name, L"Bakery");

  EXPECT_FALSE(ItemGroupChoice::CanBeParent(bakery, bakery));
  EXPECT_FALSE(ItemGroupChoice::CanBeParent(cakes, bakery));
  EXPECT_TRUE(ItemGroupChoice::CanBeParent(food, bakery));
  EXPECT_TRUE(ItemGroupChoice::CanBeParent(tools, bakery));
  EXPECT_TRUE(ItemGroupChoice::CanBeParent(0, bakery));
}

TEST_F(ItemDialogsTest, AGroupTreeThatLoopsInTheFileIsWalkedOnce) {
  int first = 0, second = 0, item = 0;
  Committed([&] {
    first = NewGroup(L"First").GetId();
    second = NewGroup(L"Second", first).GetId();
    item = NewItem(L"Bolt", 0, second).GetId();
    ExecuteSql(L"UPDATE ITEM_GROUPS SET PARENT_OBJECT_ID = " + std::to_wstring(second) +
               L", TAX_OBJECT_ID = NULL WHERE OBJECT_ID = " + std::to_wstring(first));
  });
  // Neither group is a top-level group any more; nothing hangs.
  EXPECT_TRUE(Offered(0).empty());
  EXPECT_FALSE(ItemGroupChoice::CanBeParent(first, second));
  EXPECT_EQ(Invoice::Item(item).GetEffectiveTaxId(), 0);
  EXPECT_NE(Invoice::Item(item).GetEffectiveInputSourceType(), -1);
}

}  // namespace
