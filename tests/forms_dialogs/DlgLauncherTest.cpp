#include "forms/dialogs/DlgLauncher.h"

#include <gtest/gtest.h>

#include "data/objects/Payment.h"
#include "forms/dialogs/PaymentDlgLauncher.h"
#include "platform/MessageBox.h"

namespace {

// Change-set entries need no database: a stored object is one whose header
// carries a positive id; here an edited one, recorded for saving.
class DlgLauncherTest : public ::testing::Test {
protected:
  void SetUp() override {
    Invoice::Payment stored;
    stored.ResetObjectId(41);
    m_changes.Update(stored);
    Invoice::Payment added;
    m_changes.Update(added);
    m_newId = added.GetObjectId();
  }

  void ExpectDeleteQuestion(size_t index) {
    ASSERT_GT(m_boxes.Shown().size(), index);
    const platform::ShownMessage& box = m_boxes.Shown()[index];
    EXPECT_EQ(box.text, L"Are you sure you want to delete the selected item?");
    EXPECT_EQ(box.caption, L"Corvane");
    EXPECT_EQ(box.style, platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2);
  }

  platform::MessageBoxRecorder m_boxes;
  ChangeSet m_changes;
  int m_newId = 0;
};

TEST_F(DlgLauncherTest, ALauncherKeepsItsIdsUntilADialogRuns) {
  const DlgLauncher launcher(0, 12);
  EXPECT_EQ(launcher.GetObjectId(), 0);
  EXPECT_EQ(launcher.GetOwnerId(), 12);
  const PaymentDlgLauncher payment(118.5, 7, 3, 4);
  EXPECT_EQ(payment.GetPaymentId(), 0);
  EXPECT_DOUBLE_EQ(payment.GetAmount(), 118.5);
  EXPECT_EQ(payment.GetReferenceId(), 7);
  EXPECT_EQ(payment.GetPayerId(), 3);
  EXPECT_EQ(payment.GetReceiverId(), 4);
  EXPECT_DOUBLE_EQ(payment.GetPaidOn(), 0.0);
  const PaymentDlgLauncher existing(41);
  EXPECT_EQ(existing.GetPaymentId(), 41);
  EXPECT_DOUBLE_EQ(existing.GetAmount(), 0.0);
}

TEST_F(DlgLauncherTest, DeleteWithConfirmAsksAndAnswerNoChangesNothing) {
  m_boxes.QueueAnswer(platform::IDNO);
  EXPECT_FALSE(DlgLauncher(41, 0).DeleteWithConfirm(m_changes));
  ExpectDeleteQuestion(0);
  EXPECT_EQ(m_changes.GetState(41), ChangeSet::kUpdated);
}

TEST_F(DlgLauncherTest, AnswerYesMarksAStoredObjectDeleted) {
  m_boxes.QueueAnswer(platform::IDYES);
  EXPECT_TRUE(DlgLauncher(41, 0).DeleteWithConfirm(m_changes));
  ExpectDeleteQuestion(0);
  EXPECT_EQ(m_changes.GetState(41), ChangeSet::kDeleted);
  EXPECT_EQ(m_changes.Find(41), nullptr);
}

TEST_F(DlgLauncherTest, DeletingWithoutAskingShowsNothing) {
  EXPECT_TRUE(PaymentDlgLauncher(41).Delete(m_changes, false));
  EXPECT_TRUE(m_boxes.Shown().empty());
  EXPECT_EQ(m_changes.GetState(41), ChangeSet::kDeleted);
}

TEST_F(DlgLauncherTest, AnObjectNewInTheChangeSetIsDroppedAndNeverApplied) {
  m_boxes.QueueAnswer(platform::IDYES);
  EXPECT_TRUE(PaymentDlgLauncher(m_newId).Delete(m_changes, true));
  ExpectDeleteQuestion(0);
  EXPECT_FALSE(m_changes.Contains(m_newId));
  EXPECT_EQ(m_changes.Size(), 1u);
}

TEST_F(DlgLauncherTest, AnIdWithoutALiveEntryIsNotDeleted) {
  EXPECT_FALSE(PaymentDlgLauncher(99).Delete(m_changes, false));
  EXPECT_TRUE(PaymentDlgLauncher(41).Delete(m_changes, false));
  EXPECT_FALSE(PaymentDlgLauncher(41).Delete(m_changes, false));  // already marked
  EXPECT_EQ(m_changes.Size(), 2u);
}

}  // namespace
