#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "TestDatabase.h"
#include "data/ibase/ibAutoTransaction.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibException.h"
#include "data/ibase/ibReader.h"

namespace {

using corvane::test::CallRecorder;
using corvane::test::FailingOperation;
using ibase::ibData;
using ibase::ibOperation;
using ibase::ibReader;

class ibReaderTest : public corvane::test::BareDatabaseTest {
protected:
  void SetUp() override {
    BareDatabaseTest::SetUp();
    Run(
        {L"CREATE TABLE T (ID INTEGER NOT NULL, I INTEGER, S SMALLINT, D DOUBLE PRECISION, F FLOAT, "
         L"TS TIMESTAMP, C CHAR(5), V VARCHAR(40), CN CHAR(5) CHARACTER SET NONE)",
         L"INSERT INTO T (ID, I, S, D, F, TS, C, V, CN) VALUES (1, -7, 12, 2.5, 0.25, "
         L"CAST ('2006-03-09 14:05:07' AS TIMESTAMP), 'ab', 'ab', 'ab')",
         L"INSERT INTO T (ID) VALUES (2)"});
  }

  int CountRows(const std::wstring& sql) {
    ibReader reader(&m_database);
    reader.Open(sql);
    int rows = 0;
    while (reader.Fetch()) ++rows;
    return rows;
  }
};

TEST_F(ibReaderTest, ReadsTypedValues) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT I, S, D, F, TS, V FROM T WHERE ID = 1");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_EQ(data.GetLong(0), -7);
  EXPECT_EQ(data.GetShort(1), 12);
  EXPECT_EQ(data.GetDouble(2), 2.5);
  EXPECT_EQ(data.GetDouble(3), 0.25);  // FLOAT widened
  const tm stamp = data.GetTimestamp(4);
  EXPECT_EQ(stamp.tm_year, 106);
  EXPECT_EQ(stamp.tm_mon, 2);
  EXPECT_EQ(stamp.tm_mday, 9);
  EXPECT_EQ(stamp.tm_hour, 14);
  EXPECT_EQ(stamp.tm_min, 5);
  EXPECT_EQ(stamp.tm_sec, 7);
  EXPECT_EQ(data.GetString(5), L"ab");
  EXPECT_FALSE(data.IsNull(0));
  EXPECT_FALSE(reader.Fetch());
}

TEST_F(ibReaderTest, NullColumnsReadAsZeroAndEmpty) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT I, S, D, F, TS, C, V FROM T WHERE ID = 2");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  for (int column = 0; column < 7; ++column) EXPECT_TRUE(data.IsNull(column)) << column;
  EXPECT_EQ(data.GetLong(0), 0);
  EXPECT_EQ(data.GetShort(1), 0);
  EXPECT_EQ(data.GetDouble(2), 0.0);
  EXPECT_EQ(data.GetDouble(3), 0.0);
  const tm stamp = data.GetTimestamp(4);
  tm zero;
  std::memset(&zero, 0, sizeof zero);
  EXPECT_EQ(std::memcmp(&stamp, &zero, sizeof zero), 0);
  EXPECT_EQ(data.GetString(5), L"");
  EXPECT_EQ(data.GetString(6), L"");
}

TEST_F(ibReaderTest, GettersDoNotConvertBetweenTypes) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT S, I, V, D FROM T WHERE ID = 1");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_EQ(data.GetLong(0), 0);   // SMALLINT is not widened
  EXPECT_EQ(data.GetShort(1), 0);  // INTEGER is not narrowed
  EXPECT_EQ(data.GetString(1), L"");
  EXPECT_EQ(data.GetDouble(2), 0.0);
  EXPECT_EQ(data.GetLong(3), 0);
}

TEST_F(ibReaderTest, CharKeepsItsPaddingToTheDeclaredLength) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT C, CN, CAST('ž' AS CHAR(3) CHARACTER SET UNICODE_FSS) FROM T WHERE ID = 1");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_EQ(data.GetString(0), L"ab   ");  // UNICODE_FSS: buffer of 15 bytes, value of 5 characters
  EXPECT_EQ(data.GetString(1), L"ab   ");  // single-byte character set
  EXPECT_EQ(data.GetString(2), L"ž  ");
}

TEST_F(ibReaderTest, VaryingReadsOnlyTheBytesItsLengthNames) {
  Run({L"UPDATE T SET V = 'abcdefghijklmnopqrstuvwxyz' WHERE ID = 2"});
  ibReader reader(&m_database);
  reader.Open(L"SELECT V FROM T ORDER BY ID DESC");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_EQ(data.GetString(0), L"abcdefghijklmnopqrstuvwxyz");
  ASSERT_TRUE(reader.Fetch());  // the same buffer, now holding a shorter value
  EXPECT_EQ(data.GetString(0), L"ab");
}

TEST_F(ibReaderTest, NonAsciiTextAndQuotesRoundTrip) {
  const std::wstring values[] = {L"Čačak ćevapi — 10 €", L"Ελληνικά", L"O'Brien", L"''", L"𝄞 clef"};
  for (const auto& value : values) {
    std::wstring quoted;
    for (wchar_t c : value) {
      quoted += c;
      if (c == L'\'') quoted += L'\'';
    }
    Run({L"UPDATE T SET V = '" + quoted + L"' WHERE ID = 2"});
    ibReader reader(&m_database);
    reader.Open(L"SELECT V FROM T WHERE ID = 2 AND V = '" + quoted + L"'");
    ibData data(&reader);
    ASSERT_TRUE(reader.Fetch()) << "no row for the value compared in SQL";
    EXPECT_EQ(data.GetString(0), value);
  }
}

// Plain ASCII and text with other characters anywhere in it read alike; bytes
// that are no UTF-8 read as U+FFFD, in varying and fixed columns.
TEST_F(ibReaderTest, TextIsReadFromUtf8WhereverItsOtherCharactersStand) {
  struct Case {
    const wchar_t* select;
    std::wstring expected;
  };
  const Case cases[] = {
      {L"'Main street 5'", L"Main street 5"},
      {L"''", L""},
      {L"'Main street 5, K\u00f6ln'", L"Main street 5, K\u00f6ln"},
      {L"'\u00c9tienne & fils'", L"\u00c9tienne & fils"},
      {L"'a\u20acb'", L"a\u20acb"},
      {L"'\U0001d11e'", L"\U0001d11e"},
      {L"CAST(X'41E942' AS VARCHAR(3) CHARACTER SET OCTETS)", L"A\ufffdB"},
      {L"X'414243E9'", L"ABC\ufffd"},
  };
  for (const Case& c : cases) {
    ibReader reader(&m_database);
    reader.Open(std::wstring(L"SELECT ") + c.select + L" FROM RDB$DATABASE");
    ibData data(&reader);
    ASSERT_TRUE(reader.Fetch()) << c.select;
    EXPECT_EQ(data.GetString(0), c.expected) << c.select;
  }
}

TEST_F(ibReaderTest, OwnTransactionIsRolledBackWhenTheReaderGoes) {
  CallRecorder recorder;
  ibase::ibTransaction* transaction = m_database.GetTransaction();
  {
    ibReader reader(&m_database);
    reader.Open(L"SELECT ID FROM T");
    EXPECT_TRUE(transaction->IsActive());
    ASSERT_EQ(recorder.Of(ibOperation::Start).size(), 1u);
  }
  EXPECT_FALSE(transaction->IsActive());
  EXPECT_EQ(recorder.Of(ibOperation::Rollback).size(), 1u);
  EXPECT_TRUE(recorder.Of(ibOperation::Commit).empty());
}

TEST_F(ibReaderTest, ReadsInsideARunningTransactionAndEndsNothing) {
  ibase::ibAutoTransaction transaction(m_database.GetTransaction());
  m_database.ExecuteImmediate(L"INSERT INTO T (ID) VALUES (3)");
  CallRecorder recorder;
  EXPECT_EQ(CountRows(L"SELECT ID FROM T"), 3);  // sees the uncommitted row
  EXPECT_TRUE(m_database.GetTransaction()->IsActive());
  EXPECT_TRUE(recorder.Of(ibOperation::Start).empty());
  EXPECT_TRUE(recorder.Of(ibOperation::Rollback).empty());
  transaction.Commit();
  EXPECT_EQ(CountRows(L"SELECT ID FROM T"), 3);
}

TEST_F(ibReaderTest, PreparesAsDialectThreeAndDescribesOnlyWideRows) {
  CallRecorder recorder;
  {
    ibReader reader(&m_database);
    reader.Open(L"SELECT ID FROM T");
    EXPECT_EQ(reader.GetColumnCount(), 1);
  }
  EXPECT_TRUE(recorder.Of(ibOperation::Describe).empty());
  const auto prepares = recorder.Of(ibOperation::Prepare);
  ASSERT_EQ(prepares.size(), 1u);
  EXPECT_EQ(prepares[0].dialect, 3);
  EXPECT_EQ(prepares[0].sql, L"SELECT ID FROM T");

  recorder.Clear();
  ibReader reader(&m_database);
  reader.Open(L"SELECT ID, I, S, D, V FROM T");
  EXPECT_EQ(recorder.Of(ibOperation::Describe).size(), 1u);
  ASSERT_NE(reader.GetDescriptor(), nullptr);
  EXPECT_EQ(reader.GetDescriptor()->sqln, 5);
  EXPECT_EQ(reader.GetColumnCount(), 5);
}

TEST_F(ibReaderTest, DoubleQuotesNameIdentifiersInReadsAndTextsInStatements) {
  // Dialect 3 for reads: "ID" is the column. Dialect 1 for statements: "x" is a text.
  EXPECT_EQ(CountRows(L"SELECT \"ID\" FROM T"), 2);
  Run({L"UPDATE T SET V = \"x\" WHERE ID = 2"});
  EXPECT_EQ(CountRows(L"SELECT ID FROM T WHERE V = 'x'"), 1);
}

TEST_F(ibReaderTest, EndOfRowsReturnsFalse) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT ID FROM T WHERE ID < 0");
  EXPECT_FALSE(reader.Fetch());
}

TEST_F(ibReaderTest, AFailedFetchIsNotTheEndOfRows) {
  ibReader reader(&m_database);
  reader.Open(
      L"SELECT CAST(10 / (ID - 2) AS INTEGER) FROM T WHERE ID = 1 UNION ALL "
      L"SELECT CAST(10 / (ID - 2) AS INTEGER) FROM T WHERE ID = 2");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_EQ(data.GetLong(0), -10);
  try {
    reader.Fetch();
    FAIL() << "division by zero ended the rows quietly";
  } catch (const ibase::ibException& error) {
    EXPECT_NE(error.GetText().find("divide by zero"), std::string::npos) << error.GetText();
  }
}

TEST_F(ibReaderTest, AnInjectedFetchFailureThrows) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT ID FROM T");
  FailingOperation failing(ibOperation::Fetch);
  try {
    reader.Fetch();
    FAIL();
  } catch (const ibase::ibException& error) {
    EXPECT_EQ(error.GetText(), "injected failure");
  }
}

TEST_F(ibReaderTest, FailedOpenClosesTheReaderAndKeepsItsOwnTransaction) {
  CallRecorder recorder;
  ibReader reader(&m_database);
  try {
    reader.Open(L"SELECT NOPE FROM T");
    FAIL() << "prepare of an unknown column succeeded";
  } catch (const ibase::ibException& error) {
    EXPECT_NE(error.GetText().find("NOPE"), std::string::npos) << error.GetText();
  }
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_EQ(reader.GetColumnCount(), 0);
  EXPECT_EQ(recorder.Of(ibOperation::FreeStatement).size(), 1u);
  EXPECT_TRUE(m_database.GetTransaction()->IsActive());
  reader.Close();  // a second close does nothing
  EXPECT_EQ(recorder.Of(ibOperation::FreeStatement).size(), 1u);
}

TEST_F(ibReaderTest, AColumnOutsideTheRowThrows) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT ID FROM T");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_THROW(data.GetLong(1), ibase::ibException);
  EXPECT_THROW(data.GetString(-1), ibase::ibException);
}

TEST_F(ibReaderTest, ReopeningReadsTheNewStatement) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT ID FROM T WHERE ID = 1");
  reader.Open(L"SELECT ID FROM T WHERE ID = 2");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  EXPECT_EQ(data.GetLong(0), 2);
}

TEST_F(ibReaderTest, DateColumnsReadAtMidnight) {
  ibReader reader(&m_database);
  reader.Open(L"SELECT CAST(TS AS DATE) FROM T WHERE ID = 1");
  ibData data(&reader);
  ASSERT_TRUE(reader.Fetch());
  const tm date = data.GetTimestamp(0);
  EXPECT_EQ(date.tm_year, 106);
  EXPECT_EQ(date.tm_mday, 9);
  EXPECT_EQ(date.tm_hour, 0);
  EXPECT_EQ(date.tm_min, 0);
}

}  // namespace
