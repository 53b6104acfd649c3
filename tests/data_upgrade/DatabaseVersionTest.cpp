#include <gtest/gtest.h>

#include <string>

#include "UpgradeFixture.h"
#include "common/RegistryHelpers.h"
#include "data/DatabaseVersion.h"
#include "data/DbException.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::StoredVersion;
using corvane::test::UpgradeTest;
using corvane::test::Value;

class DatabaseVersionTest : public UpgradeTest {
protected:
  platform::MessageBoxRecorder m_messages;
};

struct StoredCase {
  const wchar_t* stored;
  int expected;
};

TEST_F(DatabaseVersionTest, ComparesTheStoredVersionWithTheProgramsOwn) {
  const StoredCase cases[] = {
      {L"1.206", kDatabaseVersionCurrent},  // "1.206" reads as exactly the program's constant
      {L"1.205", kDatabaseVersionOlder},
      {L"1.1", kDatabaseVersionOlder},
      {L"1", kDatabaseVersionOlder},
      {L"1.15", kDatabaseVersionOlder},
      {L"0.5", kDatabaseVersionOlder},  // below 1.0: the upgrade refuses it later
      {L"1.3", kDatabaseVersionNewer},
      {L"2", kDatabaseVersionNewer},
      {L"1.2061", kDatabaseVersionNewer},
      {L"0", kDatabaseVersionNewer},
      {L"abc", kDatabaseVersionNewer},  // not a number reads as 0
      {L"1.206 beta", kDatabaseVersionCurrent},
  };
  OpenFresh();
  for (const StoredCase& c : cases) {
    Committed(
        {L"UPDATE SETTINGS SET SETT_VALUE = '" + std::wstring(c.stored) + L"' WHERE SETT_FIELD = 'version'"});
    EXPECT_EQ(CheckDatabaseVersion(), c.expected) << platform::ToUtf8(c.stored);
    EXPECT_EQ(StoredVersion(), c.stored) << "the check only reads";
  }
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(DatabaseVersionTest, MissingVersionRowCountsAsNewerAndIsLeftAsZero) {
  OpenLegacy(L"1.0", {}, false);
  ASSERT_EQ(StoredVersion(), L"(none)");
  EXPECT_EQ(CheckDatabaseVersion(), kDatabaseVersionNewer);
  EXPECT_EQ(StoredVersion(), L"0");
  // Written in a unit of its own and committed, with an OBJECTS row.
  EXPECT_FALSE(IsDbTransactionOpen());
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM OBJECTS O JOIN SETTINGS S ON S.OBJECT_ID = O.OBJECT_ID"), L"1");
  EXPECT_EQ(CheckDatabaseVersion(), kDatabaseVersionNewer);
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM SETTINGS"), L"1");
}

TEST_F(DatabaseVersionTest, OlderFileOfTheUpgradeAsksForTheUpgrade) {
  OpenLegacy(L"1.0");
  EXPECT_EQ(StoredVersion(), L"1");
  EXPECT_EQ(CheckDatabaseVersion(), kDatabaseVersionOlder);
}

// A database that cannot be read is reported as the failure it is, never as
// "The program is older then the database!" (which answer 2 would show).
TEST_F(DatabaseVersionTest, ReadFailureLeavesAsDbException) {
  OpenFresh();
  Committed({L"DROP TABLE SETTINGS"});
  try {
    CheckDatabaseVersion();
    FAIL() << "no exception";
  } catch (const Invoice::DbException& error) {
    EXPECT_NE(error.GetText().find(L"SETTINGS"), std::wstring::npos) << platform::ToUtf8(error.GetText());
  }
  EXPECT_TRUE(m_messages.Shown().empty());
}

TEST_F(DatabaseVersionTest, ConnectionFailureLeavesAsDbException) {
  DisconnectDatabase();
  const std::wstring missing = platform::FromUtf8((m_dir / "missing.fdb").string());
  RegWriteString(L"Software\\Corvane\\Settings", L"DatabaseFile", missing);
  try {
    CheckDatabaseVersion();
    FAIL() << "no exception";
  } catch (const Invoice::DbException& error) {
    EXPECT_FALSE(error.GetText().empty());
  }
  EXPECT_TRUE(m_messages.Shown().empty());
  EXPECT_FALSE(std::filesystem::exists(m_dir / "missing.fdb"));
}

}  // namespace
