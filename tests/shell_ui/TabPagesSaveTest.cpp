// Saving all pages of a tab form in one unit of work, on plain pages and a
// recording unit: no window, no database.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/DbException.h"
#include "platform/MessageBox.h"
#include "shell/ui/BaseTabForm.h"
#include "shell/ui/BaseTabFun.h"
#include "shell/ui/UnitOfWork.h"

namespace {

struct Journal {
  std::vector<std::string> events;
};

class RecordingUnit : public UnitOfWork {
public:
  RecordingUnit(Journal& journal, bool failCommit) : m_journal(journal), m_failCommit(failCommit) {
    m_journal.events.push_back("begin");
  }
  ~RecordingUnit() override {
    if (!m_committed) m_journal.events.push_back("rollback");
  }
  void Commit() override {
    if (m_failCommit) throw Invoice::DbException(L"lock conflict on no wait transaction");
    m_committed = true;
    m_journal.events.push_back("commit");
  }

private:
  Journal& m_journal;
  bool m_failCommit;
  bool m_committed = false;
};

class Page : public BaseTabFun {
public:
  Page(Journal& journal, std::string name, bool accepts = true, bool reload = false, bool throws = false)
      : m_journal(journal), m_name(std::move(name)), m_accepts(accepts), m_reload(reload), m_throws(throws) {}
  void LoadData() override { m_journal.events.push_back("load " + m_name); }
  bool SaveData(bool& reload) override {
    m_journal.events.push_back("save " + m_name);
    if (m_throws)
      throw Invoice::DbException(L"Item is used in one (or more) Invoice(s) and can not be deleted!");
    reload = m_reload;
    return m_accepts;
  }

private:
  Journal& m_journal;
  std::string m_name;
  bool m_accepts, m_reload, m_throws;
};

class TabPagesSaveTest : public ::testing::Test {
protected:
  void SetUp() override {
    UnitOfWork::SetFactory([this] { return std::make_unique<RecordingUnit>(journal, failCommit); });
  }
  void TearDown() override { UnitOfWork::SetFactory({}); }

  bool Save(const std::vector<BaseTabFun*>& pages) {
    return BaseTabForm::SavePages(pages, [this] { journal.events.push_back("clear modified"); });
  }

  Journal journal;
  bool failCommit = false;
  platform::MessageBoxRecorder boxes;
};

using Events = std::vector<std::string>;

}  // namespace

TEST_F(TabPagesSaveTest, AllPagesSaveInOneUnitThenReloadWhoAsked) {
  Page first(journal, "107"), second(journal, "109", true, true);
  EXPECT_TRUE(Save({&first, &second}));
  EXPECT_EQ(journal.events,
            (Events{"begin", "save 107", "save 109", "commit", "clear modified", "load 109"}));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(TabPagesSaveTest, ARefusingPageRollsBackAndLaterPagesAreNotAsked) {
  Page first(journal, "107", true, true), second(journal, "109", false), third(journal, "123");
  EXPECT_FALSE(Save({&first, &second, &third}));
  // Nothing committed, the frame stays modified, no page reloads.
  EXPECT_EQ(journal.events, (Events{"begin", "save 107", "save 109", "rollback"}));
  EXPECT_TRUE(boxes.Shown().empty());  // the page told the user itself
}

TEST_F(TabPagesSaveTest, ADatabaseFailureIsShownOnceAndRollsBack) {
  Page first(journal, "107"), second(journal, "109", true, false, true);
  EXPECT_FALSE(Save({&first, &second}));
  EXPECT_EQ(journal.events, (Events{"begin", "save 107", "save 109", "rollback"}));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"Item is used in one (or more) Invoice(s) and can not be deleted!");
  EXPECT_EQ(boxes.Shown()[0].caption, L"Corvane");
  EXPECT_EQ(boxes.Shown()[0].style, platform::MB_ICONERROR);
}

TEST_F(TabPagesSaveTest, AFailedCommitKeepsTheFrameModified) {
  failCommit = true;
  Page first(journal, "107", true, true);
  EXPECT_FALSE(Save({&first}));
  EXPECT_EQ(journal.events, (Events{"begin", "save 107", "rollback"}));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"lock conflict on no wait transaction");
}
