// The two stock launchers without a display: the item ids they offer and
// their deletion on the change set. Their runs are in StockDlgGuiTest.
#include <gtest/gtest.h>

#include <vector>

#include "StockFixture.h"
#include "forms/dialogs/ItemInputDlgLauncher.h"
#include "forms/dialogs/ItemOutputDlgLauncher.h"

namespace {

struct InputKind {
  using Launcher = ItemInputDlgLauncher;
  using Line = Invoice::ItemInput;
  static Launcher WithPreset(int32_t id, int32_t itemId) { return Launcher(id, itemId, 2); }
  static Launcher WithList(int32_t id, std::vector<long>* ids) { return Launcher(id, ids, 4); }
};
struct OutputKind {
  using Launcher = ItemOutputDlgLauncher;
  using Line = Invoice::ItemOutput;
  static Launcher WithPreset(int32_t id, int32_t itemId) { return Launcher(id, itemId, 2, 0, 0.0); }
  static Launcher WithList(int32_t id, std::vector<long>* ids) { return Launcher(id, ids, 2, 7, 5.0); }
};

template <class Kind>
class StockDlgLauncherTest : public corvane::test::StockTest {
protected:
  // A stored line of a stored item, held unchanged in the change set as the lists hold what they show.
  int StoredLine() {
    const int item = StoredItem(L"Bolt");
    int id = 0;
    Committed([&] {
      Receive(item, 10.0);
      typename Kind::Line line;
      line.SetItemId(item);
      line.SetQuantity(1.0);
      line.Save();
      id = line.GetId();
    });
    m_changes.Add(typename Kind::Line(id));
    return id;
  }

  ChangeSet m_changes;
};

using Kinds = ::testing::Types<InputKind, OutputKind>;
TYPED_TEST_SUITE(StockDlgLauncherTest, Kinds);

TYPED_TEST(StockDlgLauncherTest, ThePresetItemIsTheOnlyIdOfTheLaunchersOwnList) {
  EXPECT_TRUE(TypeParam::WithPreset(0, 0).GetItemIds().empty());
  EXPECT_EQ(TypeParam::WithPreset(0, 42).GetItemIds(), std::vector<long>{42});

  std::vector<long> callers{3, 4};
  const auto launcher = TypeParam::WithList(0, &callers);
  EXPECT_EQ(&launcher.GetItemIds(), &callers);

  // A copy offers its own list, never the original's, which may be gone.
  std::vector<long> copied;
  {
    const auto original = TypeParam::WithPreset(0, 42);
    const auto copy = original;
    EXPECT_NE(&copy.GetItemIds(), &original.GetItemIds());
    copied = copy.GetItemIds();
    auto assigned = TypeParam::WithList(0, &callers);
    assigned = original;
    EXPECT_NE(&assigned.GetItemIds(), &original.GetItemIds());
    EXPECT_EQ(assigned.GetItemIds(), std::vector<long>{42});
  }
  EXPECT_EQ(copied, std::vector<long>{42});
}

TYPED_TEST(StockDlgLauncherTest, DeleteAsksOnlyWhenToldAndMarksTheStoredLine) {
  const int id = this->StoredLine();
  const auto launcher = TypeParam::WithPreset(id, 0);

  this->m_messages.QueueAnswer(platform::IDNO);
  EXPECT_FALSE(launcher.DeleteWithConfirm(this->m_changes, true));
  EXPECT_EQ(this->m_changes.GetState(id), ChangeSet::kUnchanged);
  ASSERT_EQ(this->m_messages.Shown().size(), 1u);
  const platform::ShownMessage& question = this->m_messages.Shown()[0];
  EXPECT_EQ(question.text, L"Are you sure you want to delete the selected item?");
  EXPECT_EQ(question.caption, L"Corvane");
  EXPECT_EQ(question.style, platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2);

  this->m_messages.QueueAnswer(platform::IDYES);
  EXPECT_TRUE(launcher.Delete(this->m_changes, true));
  EXPECT_EQ(this->m_changes.GetState(id), ChangeSet::kDeleted);
  EXPECT_EQ(this->m_messages.Shown().size(), 2u);

  // Already deleted: no live entry, nothing to do.
  EXPECT_FALSE(launcher.Delete(this->m_changes, false));
  EXPECT_EQ(this->m_messages.Shown().size(), 2u);
}

TYPED_TEST(StockDlgLauncherTest, DeletingAPendingNewLineDropsItsEntry) {
  typename TypeParam::Line line;
  line.SetQuantity(1.0);
  this->m_changes.Update(line);
  ASSERT_LT(line.GetObjectId(), 0);
  EXPECT_TRUE(TypeParam::WithPreset(line.GetObjectId(), 0).Delete(this->m_changes, false));
  EXPECT_TRUE(this->m_changes.IsEmpty());
  EXPECT_TRUE(this->m_messages.Shown().empty());
  // An id without an entry changes nothing.
  EXPECT_FALSE(TypeParam::WithPreset(123456, 0).Delete(this->m_changes, false));
}

}  // namespace
