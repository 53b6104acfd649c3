#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "UpgradeFixture.h"
#include "data/DatabaseVersion.h"
#include "data/SchemaUpgrade.h"
#include "tools/NewDbCommand.h"

namespace {

using corvane::test::StoredVersion;
using corvane::test::Value;

class NewDbSchemaOptionTest : public corvane::test::UpgradeTest {
protected:
  int Run(const std::vector<std::string>& arguments) {
    m_out.str("");
    m_err.str("");
    return RunNewDb(arguments, m_out, m_err);
  }
  std::string Path(const std::string& name) { return (m_dir / name).string(); }

  std::ostringstream m_out;
  std::ostringstream m_err;
};

TEST_F(NewDbSchemaOptionTest, MakesAFileOfAnOlderVersionThatTheUpgradeTakes) {
  ASSERT_EQ(Run({"--schema", "1.0", Path("old.fdb")}), 0) << m_err.str();
  EXPECT_NE(m_out.str().find("schema 1.0"), std::string::npos) << m_out.str();
  ConnectDatabaseFile(Path("old.fdb"));
  EXPECT_EQ(StoredVersion(), L"1");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'ADDRESSES'"), L"0");
  EXPECT_EQ(CheckDatabaseVersion(), kDatabaseVersionOlder);
  UpgradeDatabase();
  EXPECT_EQ(CheckDatabaseVersion(), kDatabaseVersionCurrent);
}

TEST_F(NewDbSchemaOptionTest, CurrentVersionIsTheUsualNewFile) {
  ASSERT_EQ(Run({"--schema", "1.206", Path("new.fdb")}), 0) << m_err.str();
  ConnectDatabaseFile(Path("new.fdb"));
  EXPECT_EQ(StoredVersion(), L"1.206");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'PAYMENTS'"), L"1");
}

TEST_F(NewDbSchemaOptionTest, RefusesWhatItCannotMake) {
  const std::vector<std::vector<std::string>> wrong = {
      {"--schema", "1.3", Path("a.fdb")},
      {"--schema", "1", Path("a.fdb")},
      {"--schema"},
      {Path("a.fdb"), "--schema"},
      {"--schema", "1.0", "--schema", "1.1", Path("a.fdb")},
      {"--register-existing", "--schema", "1.0", Path("a.fdb")},
  };
  for (const auto& arguments : wrong) {
    EXPECT_EQ(Run(arguments), 2) << arguments.size();
    EXPECT_NE(m_err.str().find("Usage:"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(Path("a.fdb")));
}

}  // namespace
