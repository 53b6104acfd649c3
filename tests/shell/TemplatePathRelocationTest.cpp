#include "shell/TemplatePathRelocation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "common/RegistryHelpers.h"
#include "data/TransactionScope.h"
#include "data/objects/Template.h"
#include "platform/RegistryStore.h"
#include "shell/ui/InstallSettings.h"
#include "tests/data/TestDatabase.h"

namespace {

constexpr wchar_t kShipped[] = L"F:\\Program Files\\Corvane\\Corvane\\Templates\\A.zlt";

struct PathCase {
  const char* name;
  const wchar_t* stored;
  const wchar_t* folder;
  std::optional<std::wstring> relocated;
};

class RelocatedPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(RelocatedPathTest, OnlyPathsUnderTheBuildTimeFolderMove) {
  const PathCase& c = GetParam();
  EXPECT_EQ(TemplatePathRelocation::RelocatedPath(c.stored, c.folder), c.relocated);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RelocatedPathTest,
    ::testing::Values(
        PathCase{"WindowsFolder", kShipped, L"C:\\Apps\\X", L"C:\\Apps\\X\\Templates\\A.zlt"},
        PathCase{"PosixFolderGetsSlashes", kShipped, L"/opt/corvane", L"/opt/corvane/Templates/A.zlt"},
        PathCase{"OtherCaseAndSeparators", L"f:/program files/CORVANE/corvane/B.zlt", L"/opt/corvane",
                 L"/opt/corvane/B.zlt"},
        PathCase{"ThePrefixItself", L"F:\\Program Files\\Corvane\\Corvane", L"/opt/corvane", L"/opt/corvane"},
        // Kept as they are: the user's own files and look-alike folders.
        PathCase{"UsersOwnFile", L"/home/ann/templates/mine.zlt", L"/opt/corvane", std::nullopt},
        PathCase{"ShorterThanThePrefix", L"C:\\A.zlt", L"/opt/corvane", std::nullopt},
        PathCase{"SiblingFolder", L"F:\\Program Files\\Corvane\\CorvaneOld\\A.zlt", L"/opt/corvane",
                 std::nullopt}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

TEST(TemplatePathRelocationTest, InstallFolderLosesOneTrailingSeparator) {
  EXPECT_EQ(TemplatePathRelocation::InstallFolder(L"C:\\Apps\\X\\"), L"C:\\Apps\\X");
  EXPECT_EQ(TemplatePathRelocation::InstallFolder(L"/opt/corvane/"), L"/opt/corvane");
  EXPECT_EQ(TemplatePathRelocation::InstallFolder(L"/opt/corvane"), L"/opt/corvane");
  EXPECT_EQ(TemplatePathRelocation::InstallFolder(L""), L"");
}

class RelocationRunTest : public corvane::test::SchemaDatabaseTest {
protected:
  void SetUp() override {
    SchemaDatabaseTest::SetUp();
    platform::RegistryStore::User().DeleteValue(kSettingsKey, L"FS");
    platform::RegistryStore::User().DeleteValue(kSettingsKey, L"InstallPath");
    TransactionScope scope;
    for (auto [name, path] : {std::pair{L"Shipped", kShipped}, std::pair{L"Own", L"/home/ann/mine.zlt"}}) {
      Invoice::Template stored;
      stored.SetName(name);
      stored.SetFileName(path);
      stored.Save();
    }
    scope.Commit();
  }

  std::vector<std::wstring> StoredPaths() {
    std::vector<Invoice::Template> templates;
    Invoice::GetAllTemplates(templates);
    std::vector<std::wstring> paths;
    for (const auto& stored : templates) paths.push_back(stored.GetFileName());
    return paths;  // by NAME: "Own", "Shipped"
  }
};

TEST_F(RelocationRunTest, WithoutTheFlagNothingIsTouchedAndNoTransactionStarts) {
  corvane::test::CallRecorder calls;
  EXPECT_EQ(TemplatePathRelocation::Run(), TemplatePathRelocation::Outcome::NotRequested);
  EXPECT_TRUE(calls.Calls().empty());
  RegWriteDword(kSettingsKey, L"FS", 0);
  EXPECT_EQ(TemplatePathRelocation::Run(), TemplatePathRelocation::Outcome::NotRequested);
  EXPECT_TRUE(calls.Calls().empty());
}

TEST_F(RelocationRunTest, MovesTheShippedTemplatesOnceAndClearsTheFlag) {
  RegWriteDword(kSettingsKey, L"FS", 1);
  RegWriteString(kSettingsKey, L"InstallPath", L"/opt/corvane/");
  EXPECT_EQ(TemplatePathRelocation::Run(), TemplatePathRelocation::Outcome::Relocated);
  EXPECT_EQ(StoredPaths(),
            (std::vector<std::wstring>{L"/home/ann/mine.zlt", L"/opt/corvane/Templates/A.zlt"}));
  EXPECT_FALSE(IsFsFlagSet());
  uint32_t flag = 7;
  EXPECT_EQ(RegReadDword(kSettingsKey, L"FS", &flag), kRegSuccess);
  EXPECT_EQ(flag, 0u);
  // A second run has nothing to do.
  EXPECT_EQ(TemplatePathRelocation::Run(), TemplatePathRelocation::Outcome::NotRequested);
}

TEST_F(RelocationRunTest, WithoutAnInstallFolderNothingMovesAndTheFlagStays) {
  RegWriteDword(kSettingsKey, L"FS", 1);
  EXPECT_EQ(TemplatePathRelocation::Run(), TemplatePathRelocation::Outcome::NoInstallPath);
  RegWriteString(kSettingsKey, L"InstallPath", L"");
  EXPECT_EQ(TemplatePathRelocation::Run(), TemplatePathRelocation::Outcome::NoInstallPath);
  EXPECT_EQ(StoredPaths(), (std::vector<std::wstring>{L"/home/ann/mine.zlt", kShipped}));
  EXPECT_TRUE(IsFsFlagSet());
}

TEST_F(RelocationRunTest, AFailureRollsBackAndKeepsTheFlag) {
  RegWriteDword(kSettingsKey, L"FS", 1);
  RegWriteString(kSettingsKey, L"InstallPath", L"/opt/corvane");
  {
    corvane::test::FailingOperation failing(ibase::ibOperation::Commit);
    EXPECT_THROW(TemplatePathRelocation::Run(), Invoice::DbException);
  }
  EXPECT_EQ(StoredPaths(), (std::vector<std::wstring>{L"/home/ann/mine.zlt", kShipped}));
  EXPECT_TRUE(IsFsFlagSet());
}

}  // namespace
