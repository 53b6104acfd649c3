#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>

#include "Locales.h"
#include "TestDatabase.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibDatabase.h"
#include "data/ibase/ibException.h"
#include "data/ibase/ibReader.h"
#include "data/ibase/ibTransaction.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::BareDatabaseTest;
using corvane::test::CallRecorder;
using corvane::test::FailingOperation;
using ibase::ibOperation;

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

// The character set, the dialect, and the mark that the file name is UTF-8.
const std::string kCharsetAndDialect = Bytes({68, 11}) + "UNICODE_FSS" + Bytes({63, 1, 3}) + Bytes({77, 0});

struct BlockCase {
  std::string user;
  std::string password;
  std::string expected;
};

TEST(ibDatabaseParameterBlock, IsBuiltByteForByte) {
  const BlockCase cases[] = {
      {"", "", kCharsetAndDialect},
      {"SYSDBA", "pondcrest",
       Bytes({1, 28, 6}) + "SYSDBA" + Bytes({29, 9}) + "pondcrest" + kCharsetAndDialect},
      {"SYSDBA", "", Bytes({1, 28, 6}) + "SYSDBA" + kCharsetAndDialect},
      {"", "secret", Bytes({1, 29, 6}) + "secret" + kCharsetAndDialect},
      {"ABCDEFGHIJ", "0123456789",
       Bytes({1, 28, 10}) + "ABCDEFGHIJ" + Bytes({29, 10}) + "0123456789" + kCharsetAndDialect},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.user + "/" + c.password);
    EXPECT_EQ(ibase::ibDatabase::BuildParameterBlock(c.user, c.password), c.expected);
  }
  EXPECT_EQ(ibase::ibDatabase::BuildParameterBlock("", "").size(), 18u);
  EXPECT_EQ(ibase::ibDatabase::BuildParameterBlock("SYSDBA", "pondcrest").size(), 38u);
}

TEST(ibDatabaseParameterBlock, OfACreateAddsThePageSizeAfterTheLogin) {
  const std::string pageSize = Bytes({4, 4, 0, 0x20, 0, 0});  // isc_dpb_page_size, 8192
  EXPECT_EQ(ibase::ibDatabase::BuildCreateParameterBlock("SYSDBA", "pondcrest"),
            Bytes({1, 28, 6}) + "SYSDBA" + Bytes({29, 9}) + "pondcrest" + pageSize + kCharsetAndDialect);
  EXPECT_EQ(ibase::ibDatabase::BuildCreateParameterBlock("", ""), Bytes({1}) + pageSize + kCharsetAndDialect);
}

TEST(ibDatabaseParameterBlock, RefusesValuesItsOneByteLengthCannotHold) {
  EXPECT_THROW(ibase::ibDatabase::BuildParameterBlock(std::string(256, 'u'), ""), ibase::ibException);
}

TEST(ibTransactionParameterBlock, IsWriteConcurrencyWait) {
  EXPECT_EQ(ibase::ibTransaction::ParameterBlock(), Bytes({3, 9, 2, 6}));
}

TEST_F(BareDatabaseTest, ConnectSendsTheBlockToTheClientAndAttaches) {
  m_database.Disconnect();
  EXPECT_FALSE(m_database.IsConnected());
  CallRecorder recorder;
  m_database.Connect(m_path, "SYSDBA", "pondcrest");
  EXPECT_TRUE(m_database.IsConnected());
  const auto attaches = recorder.Of(ibOperation::Attach);
  ASSERT_EQ(attaches.size(), 1u);
  EXPECT_EQ(attaches[0].parameterBlock,
            Bytes({1, 28, 6}) + "SYSDBA" + Bytes({29, 9}) + "pondcrest" + kCharsetAndDialect);
}

TEST_F(BareDatabaseTest, StartSendsTheTransactionBlock) {
  CallRecorder recorder;
  ibase::ibTransaction* transaction = m_database.GetTransaction();
  ASSERT_TRUE(transaction->Start());
  EXPECT_TRUE(transaction->IsActive());
  EXPECT_TRUE(transaction->Rollback());
  EXPECT_FALSE(transaction->IsActive());
  const auto starts = recorder.Of(ibOperation::Start);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].parameterBlock, Bytes({3, 9, 2, 6}));
}

TEST(ibDatabase, FailedConnectGivesTheClientTextAndStaysDetached) {
  corvane::test::TempDir dir;
  ibase::ibDatabase database;
  try {
    database.Connect((dir / "missing.fdb").string(), "SYSDBA", "");
    FAIL() << "connect to a missing file succeeded";
  } catch (const ibase::ibException& error) {
    EXPECT_NE(error.GetText().find("missing.fdb"), std::string::npos) << error.GetText();
  }
  EXPECT_FALSE(database.IsConnected());
}

TEST(ibDatabase, CreateMakesADialectThreeUnicodeFssFileAndStaysAttached) {
  corvane::test::TempDir dir;
  const std::string path = (dir / "it's new.fdb").string();
  CallRecorder recorder;
  ibase::ibDatabase database;
  database.Create(path, "SYSDBA", "");
  EXPECT_TRUE(database.IsConnected());
  const auto creates = recorder.Of(ibOperation::CreateDatabase);
  ASSERT_EQ(creates.size(), 1u);
  EXPECT_EQ(creates[0].parameterBlock, ibase::ibDatabase::BuildCreateParameterBlock("SYSDBA", ""));
  EXPECT_TRUE(std::filesystem::exists(path));

  ibase::ibReader reader(&database);
  reader.Open(
      L"SELECT D.RDB$CHARACTER_SET_NAME, M.MON$SQL_DIALECT, M.MON$PAGE_SIZE FROM RDB$DATABASE D "
      L"CROSS JOIN MON$DATABASE M");
  ibase::ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_EQ(data.GetString(0).substr(0, 11), L"UNICODE_FSS");
  EXPECT_EQ(data.GetShort(1), 3);
  EXPECT_EQ(data.GetShort(2), 8192);
}

// A folder named with letters beyond ASCII, as a user's home folder may be
// named: the file is made there and opened again under the plain C locale
// as under C.UTF-8 (the client settles its file-name conversion at the first
// file it meets, so the C locale comes first).
TEST(ibDatabase, CreatesAndOpensAFileInAFolderWithLettersBeyondAscii) {
  corvane::test::TempDir dir;
  const std::filesystem::path folder = dir / "Müller Ä";
  std::filesystem::create_directories(folder);
  corvane::test::UnderEachLocale([&] {
    const std::string path = (folder / ("Daten ß " + std::string(std::setlocale(LC_ALL, nullptr)) + ".fdb")).string();
    {
      ibase::ibDatabase database;
      ASSERT_NO_THROW(database.Create(path, "SYSDBA", ""));
      EXPECT_TRUE(std::filesystem::exists(path));
    }
    ibase::ibDatabase database;
    ASSERT_NO_THROW(database.Connect(path, "SYSDBA", ""));
    ibase::ibReader reader(&database);
    reader.Open(L"SELECT MON$DATABASE_NAME FROM MON$DATABASE");
    ibase::ibData data(&reader);
    ASSERT_TRUE(reader.Fetch());
    std::wstring name = data.GetString(0);
    while (!name.empty() && name.back() == L' ') name.pop_back();
    EXPECT_EQ(name, platform::FromUtf8(path));
  });
}

TEST(ibDatabase, CreateRefusesAnExistingFile) {
  corvane::test::TempDir dir;
  const std::string path = (dir / "taken.fdb").string();
  {
    ibase::ibDatabase first;
    first.Create(path, "SYSDBA", "");
  }
  const auto size = std::filesystem::file_size(path);
  ibase::ibDatabase second;
  EXPECT_THROW(second.Create(path, "SYSDBA", ""), ibase::ibException);
  EXPECT_FALSE(second.IsConnected());
  EXPECT_EQ(std::filesystem::file_size(path), size);
}

TEST_F(BareDatabaseTest, ExecuteImmediateSendsUtf8AsDialectOneInTheCurrentTransaction) {
  Run({L"CREATE TABLE T (V VARCHAR(20))"});
  CallRecorder recorder;
  {
    ibase::ibAutoTransaction transaction(m_database.GetTransaction());
    m_database.ExecuteImmediate(L"INSERT INTO T (V) VALUES ('Ωmega ž')");
    transaction.Commit();
  }
  const auto executes = recorder.Of(ibOperation::ExecuteImmediate);
  ASSERT_EQ(executes.size(), 1u);
  EXPECT_EQ(executes[0].sql, L"INSERT INTO T (V) VALUES ('Ωmega ž')");
  EXPECT_EQ(executes[0].dialect, 1);

  ibase::ibReader reader(&m_database);
  reader.Open(L"SELECT V, OCTET_LENGTH(V), CHAR_LENGTH(V) FROM T");
  ibase::ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_EQ(data.GetString(0), L"Ωmega ž");
  EXPECT_EQ(data.GetLong(1), 9);  // UTF-8 bytes: Ω and ž take two each
  EXPECT_EQ(data.GetLong(2), 7);
}

TEST_F(BareDatabaseTest, FailedStatementThrowsTheClientTextLineByLine) {
  ibase::ibAutoTransaction transaction(m_database.GetTransaction());
  try {
    m_database.ExecuteImmediate(L"INSERT INTO NO_SUCH_TABLE VALUES (1)");
    FAIL() << "statement on a missing table succeeded";
  } catch (const ibase::ibException& error) {
    const std::string text = error.GetText();
    EXPECT_EQ(text.rfind("Dynamic SQL Error\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nTable unknown\n"), std::string::npos) << text;
    EXPECT_NE(text.find("NO_SUCH_TABLE"), std::string::npos) << text;
    EXPECT_NE(text.back(), '\n');
    EXPECT_STREQ(error.what(), text.c_str());
  }
}

TEST_F(BareDatabaseTest, ExecuteWithoutTransactionIsRefusedByTheClient) {
  EXPECT_FALSE(m_database.GetTransaction()->IsActive());
  EXPECT_THROW(m_database.ExecuteImmediate(L"CREATE TABLE T (I INTEGER)"), ibase::ibException);
}

TEST_F(BareDatabaseTest, DisconnectWithARunningTransactionThrowsTheClientText) {
  ASSERT_TRUE(m_database.GetTransaction()->Start());
  try {
    m_database.Disconnect();
    FAIL() << "detached with a running transaction";
  } catch (const ibase::ibException& error) {
    EXPECT_NE(error.GetText().find("open transactions"), std::string::npos) << error.GetText();
  }
}

TEST(ibDatabase, DestructorRollsBackAndDetachesWithoutThrowing) {
  corvane::test::TempDir dir;
  const std::string path = (dir / "d.fdb").string();
  CallRecorder recorder;
  {
    ibase::ibDatabase database;
    database.Create(path, "SYSDBA", "");
    ASSERT_TRUE(database.GetTransaction()->Start());
  }
  ASSERT_EQ(recorder.Of(ibOperation::Rollback).size(), 1u);
  ASSERT_EQ(recorder.Of(ibOperation::Detach).size(), 1u);
  // The file is free again: a new attachment works.
  ibase::ibDatabase again;
  again.Connect(path, "SYSDBA", "");
  EXPECT_TRUE(again.IsConnected());
}

TEST(ibDatabase, DestructorSwallowsAFailedDetach) {
  corvane::test::TempDir dir;
  const std::string path = (dir / "d.fdb").string();
  {
    auto database = std::make_unique<ibase::ibDatabase>();
    database->Create(path, "SYSDBA", "");
    FailingOperation failing(ibOperation::Detach);
    EXPECT_NO_THROW(database.reset());
  }
}

}  // namespace
