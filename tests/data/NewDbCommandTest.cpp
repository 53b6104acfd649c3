#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TestEnvironment.h"
#include "common/RegistryHelpers.h"
#include "platform/RegistryStore.h"
#include "platform/TextCodec.h"
#include "data/Connection.h"
#include "data/Settings.h"
#include "data/objects/Template.h"
#include "tools/NewDbCommand.h"
#include "tools/ShippedTemplates.h"

namespace {

const std::wstring kSettingsKey = L"Software\\Corvane\\Settings";

class NewDbCommandTest : public ::testing::Test {
protected:
  void SetUp() override { platform::RegistryStore::User().DeleteValue(kSettingsKey, L"DatabaseFile"); }

  int Run(const std::vector<std::string>& arguments) {
    m_out.str("");
    m_err.str("");
    return RunNewDb(arguments, m_out, m_err);
  }

  std::optional<std::wstring> Stored() { return RegReadString(kSettingsKey, L"DatabaseFile"); }

  corvane::test::TempDir m_dir;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

TEST_F(NewDbCommandTest, RefusesToOverwriteAnExistingFile) {
  const std::string path = (m_dir / "mine.fdb").string();
  std::ofstream(path) << "my own data";
  EXPECT_EQ(Run({path}), 1);
  EXPECT_NE(m_err.str().find(path + " already exists"), std::string::npos) << m_err.str();
  std::ifstream in(path);
  std::string content((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(content, "my own data");
  EXPECT_EQ(Run({"--register", path}), 1);
  EXPECT_FALSE(Stored().has_value());
}

TEST_F(NewDbCommandTest, CreatesTheDatabaseAndRegistersItWhenAsked) {
  const std::string path = (m_dir / "new.fdb").string();
  EXPECT_EQ(Run({"--register", path}), 0) << m_err.str();
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_NE(m_out.str().find("schema 1.206"), std::string::npos);
  EXPECT_EQ(Stored(), platform::FromUtf8(path));
  EXPECT_EQ(Run({"--registered"}), 0);
  EXPECT_EQ(m_out.str(), path + "\n");
}

TEST_F(NewDbCommandTest, ANewDatabaseListsTheShippedTemplatesWithTheOutgoingOneAsDefault) {
  const std::string path = (m_dir / "listed.fdb").string();
  ASSERT_EQ(Run({path}), 0) << m_err.str();
  ConnectDatabaseFile(path);
  std::vector<Invoice::Template> templates;
  Invoice::GetAllTemplates(templates);
  const int defaultId = GetDefaultTemplate();
  DisconnectDatabase();
  ASSERT_EQ(templates.size(), 2u);  // by NAME
  EXPECT_EQ(templates[0].GetName(), L"Incoming invoice (A4)");
  EXPECT_EQ(templates[1].GetName(), L"Invoice (A4)");
  EXPECT_EQ(defaultId, templates[1].GetId());
  for (const Invoice::Template& listed : templates) {
    const std::filesystem::path file = listed.GetFileName();
    EXPECT_TRUE(file.is_absolute()) << file;
    EXPECT_TRUE(std::filesystem::exists(file)) << file;
    EXPECT_EQ(file.parent_path(), ShippedTemplateFolder());
  }
  EXPECT_NE(m_out.str().find("Listed the template \"Invoice (A4)\""), std::string::npos) << m_out.str();
}

TEST_F(NewDbCommandTest, WithoutRegisterLeavesTheStoredPathAlone) {
  EXPECT_EQ(Run({"--registered"}), 1);
  EXPECT_EQ(Run({(m_dir / "plain.fdb").string()}), 0) << m_err.str();
  EXPECT_FALSE(Stored().has_value());
}

TEST_F(NewDbCommandTest, RegistersAnExistingFileOnlyWhenItExists) {
  const std::string path = (m_dir / "old.fdb").string();
  EXPECT_EQ(Run({"--register-existing", path}), 1);
  EXPECT_FALSE(Stored().has_value());
  std::ofstream(path) << "x";
  EXPECT_EQ(Run({"--register-existing", path}), 0);
  EXPECT_EQ(Stored(), platform::FromUtf8(path));
}

TEST_F(NewDbCommandTest, RelativePathsAreStoredAbsolute) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(m_dir.Path());
  const int code = Run({"--register", "rel.fdb"});
  std::filesystem::current_path(previous);
  EXPECT_EQ(code, 0) << m_err.str();
  EXPECT_EQ(Stored(), platform::FromUtf8((m_dir / "rel.fdb").string()));
}

// What was not understood is named before the usage.
TEST_F(NewDbCommandTest, WrongArgumentsAreNamed) {
  const struct {
    std::vector<std::string> arguments;
    std::string said;
  } cases[] = {
      {{"--bogus", "x.fdb"}, "corvane-newdb: unknown option --bogus.\n"},
      {{"x.fdb", "-r"}, "corvane-newdb: unknown option -r.\n"},
      {{"a.fdb", "b.fdb"}, "corvane-newdb: one PATH only; \"b.fdb\" is one too many.\n"},
      {{"--schema"}, "corvane-newdb: --schema needs a VERSION.\n"},
  };
  for (const auto& c : cases) {
    m_err.str("");
    EXPECT_EQ(Run(c.arguments), 2);
    EXPECT_EQ(m_err.str().rfind(c.said + "Usage: corvane-newdb", 0), 0u) << m_err.str();
  }
}

TEST_F(NewDbCommandTest, WrongUsageExitsWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {}, {"--bogus", "x.fdb"}, {"a.fdb", "b.fdb"}, {"--register"}};
  for (const auto& arguments : cases) {
    EXPECT_EQ(Run(arguments), 2);
    EXPECT_NE(m_err.str().find("Usage: corvane-newdb"), std::string::npos);
  }
}

}  // namespace
