#include <gtest/gtest.h>

#include <memory>

#include "TestDatabase.h"
#include "data/ibase/ibAutoTransaction.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibException.h"
#include "data/ibase/ibReader.h"

namespace {

using corvane::test::FailingOperation;
using ibase::ibAutoTransaction;
using ibase::ibOperation;

class ibAutoTransactionTest : public corvane::test::BareDatabaseTest {
protected:
  void SetUp() override {
    BareDatabaseTest::SetUp();
    Run({L"CREATE TABLE T (ID INTEGER)"});
  }

  int Count() {
    ibase::ibReader reader(&m_database);
    reader.Open(L"SELECT CAST(COUNT(*) AS INTEGER) FROM T");
    ibase::ibData data(&reader);
    reader.Fetch();
    return data.GetLong(0);
  }

  ibase::ibTransaction* Transaction() { return m_database.GetTransaction(); }
};

TEST_F(ibAutoTransactionTest, CommitKeepsTheWorkAndLetsGo) {
  ibAutoTransaction holder(Transaction());
  EXPECT_TRUE(holder.IsHolding());
  m_database.ExecuteImmediate(L"INSERT INTO T VALUES (1)");
  holder.Commit();
  EXPECT_FALSE(holder.IsHolding());
  EXPECT_FALSE(Transaction()->IsActive());
  holder.Commit();  // an empty holder does nothing
  EXPECT_EQ(Count(), 1);
}

TEST_F(ibAutoTransactionTest, DestructionRollsBack) {
  {
    ibAutoTransaction holder(Transaction());
    m_database.ExecuteImmediate(L"INSERT INTO T VALUES (1)");
  }
  EXPECT_FALSE(Transaction()->IsActive());
  EXPECT_EQ(Count(), 0);
}

TEST_F(ibAutoTransactionTest, NullHolderDoesNothing) {
  ibAutoTransaction holder(nullptr);
  EXPECT_FALSE(holder.IsHolding());
  EXPECT_NO_THROW(holder.Commit());
}

TEST_F(ibAutoTransactionTest, FailedStartThrowsTheClientText) {
  ASSERT_TRUE(Transaction()->Start());  // already running: a second start is refused
  try {
    ibAutoTransaction holder(Transaction());
    FAIL() << "a second start succeeded";
  } catch (const ibase::ibException& error) {
    EXPECT_NE(error.GetText().find("transaction handle"), std::string::npos) << error.GetText();
  }
  EXPECT_TRUE(Transaction()->Rollback());
}

TEST_F(ibAutoTransactionTest, FailedCommitThrowsAndKeepsHolding) {
  ibAutoTransaction holder(Transaction());
  m_database.ExecuteImmediate(L"INSERT INTO T VALUES (1)");
  {
    FailingOperation failing(ibOperation::Commit);
    try {
      holder.Commit();
      FAIL();
    } catch (const ibase::ibException& error) {
      EXPECT_EQ(error.GetText(), "injected failure");
    }
  }
  EXPECT_TRUE(holder.IsHolding());
  EXPECT_TRUE(Transaction()->IsActive());
  holder.Commit();
  EXPECT_EQ(Count(), 1);
}

TEST_F(ibAutoTransactionTest, DestructorSwallowsAFailedRollback) {
  auto holder = std::make_unique<ibAutoTransaction>(Transaction());
  {
    FailingOperation failing(ibOperation::Rollback);
    EXPECT_NO_THROW(holder.reset());
  }
  // The transaction the client still runs can be ended afterwards.
  EXPECT_TRUE(Transaction()->IsActive());
  EXPECT_TRUE(Transaction()->Rollback());
}

}  // namespace
