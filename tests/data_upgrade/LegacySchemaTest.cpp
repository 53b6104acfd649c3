#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "UpgradeFixture.h"
#include "data/DbException.h"
#include "data/LegacySchema.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::Rows;
using corvane::test::StoredVersion;
using corvane::test::UpgradeTest;
using corvane::test::Value;

// System-named constraints the upgrade replaces, with the versions that hold them.
struct NamedCase {
  const wchar_t* version;
  std::vector<std::wstring> present;  // "TABLE NAME TYPE"
};

void PrintTo(const NamedCase& c, std::ostream* out) {
  *out << platform::ToUtf8(c.version);
}

class LegacySchemaTest : public UpgradeTest, public ::testing::WithParamInterface<NamedCase> {};
class LegacySchemaFileTest : public UpgradeTest {};

TEST_P(LegacySchemaTest, NamesTheConstraintsTheUpgradeReplaces) {
  const NamedCase& c = GetParam();
  OpenLegacy(c.version);
  EXPECT_EQ(StoredVersion(), legacy::StoredVersionText(c.version));
  std::vector<std::wstring> found;
  for (const auto& row :
       Rows(L"SELECT RDB$RELATION_NAME, RDB$CONSTRAINT_NAME, RDB$CONSTRAINT_TYPE FROM "
            L"RDB$RELATION_CONSTRAINTS "
            L"WHERE RDB$CONSTRAINT_NAME IN ('INTEG_71', 'INTEG_232', 'INTEG_302', 'INTEG_326', 'INTEG_405')"))
    found.push_back(row[0] + L" " + row[1] + L" " + row[2]);
  for (const std::wstring& name : c.present)
    EXPECT_NE(std::find(found.begin(), found.end(), name), found.end()) << platform::ToUtf8(name);
  EXPECT_EQ(found.size(), c.present.size());
}

const std::vector<std::wstring> kVersion10Names = {
    L"INVOICES INTEG_71 UNIQUE", L"ITEM_INPUT INTEG_232 FOREIGN KEY", L"ITEM_OUTPUT INTEG_302 CHECK",
    L"ITEM_INPUT INTEG_326 CHECK"};

std::vector<std::wstring> With405(std::vector<std::wstring> names, bool checks = true) {
  if (!checks) names.resize(2);
  names.push_back(L"ADDRESSES INTEG_405 FOREIGN KEY");
  return names;
}

INSTANTIATE_TEST_SUITE_P(Versions, LegacySchemaTest,
                         ::testing::Values(
                             NamedCase{
                                 L"1.0",
                                 kVersion10Names,
                             },
                             NamedCase{
                                 L"1.01",
                                 With405(kVersion10Names),
                             },
                             NamedCase{
                                 L"1.203",
                                 With405(kVersion10Names),
                             },
                             NamedCase{
                                 L"1.204",
                                 With405(kVersion10Names, false),
                             },
                             NamedCase{
                                 L"1.205",
                                 With405(kVersion10Names, false),
                             }));

TEST(LegacySchemaStatements, KnowsTheVersionsOfTheUpgradeOnly) {
  EXPECT_EQ(legacy::KnownVersions(), (std::vector<std::wstring>{L"1.0", L"1.01", L"1.1", L"1.2", L"1.201",
                                                                L"1.202", L"1.203", L"1.204", L"1.205"}));
  EXPECT_EQ(legacy::StoredVersionText(L"1.0"), L"1");
  EXPECT_EQ(legacy::StoredVersionText(L"1.201"), L"1.201");
  EXPECT_THROW(legacy::SchemaStatements(L"1.206"), std::invalid_argument);
  EXPECT_THROW(legacy::SchemaStatements(L"1.00"), std::invalid_argument);
}

TEST(LegacySchemaStatements, TablesAppearWithTheirVersion) {
  auto creates = [](const std::wstring& version, const std::wstring& table) {
    for (const std::wstring& statement : legacy::SchemaStatements(version))
      if (statement.rfind(L"CREATE TABLE " + table + L" ", 0) == 0) return true;
    return false;
  };
  EXPECT_FALSE(creates(L"1.0", L"ADDRESSES"));
  EXPECT_TRUE(creates(L"1.01", L"ADDRESSES"));
  EXPECT_FALSE(creates(L"1.2", L"COUNTRIES"));
  EXPECT_TRUE(creates(L"1.201", L"COUNTRIES"));
  EXPECT_FALSE(creates(L"1.204", L"PAYMENTS"));
  EXPECT_TRUE(creates(L"1.205", L"PAYMENTS"));
  EXPECT_EQ(legacy::SchemaStatements(L"1.0").size(), 18u);  // OBJECTS, its generator and trigger, 15 tables
}

TEST_F(LegacySchemaFileTest, LegacyFileIsRefusedWhereAFileExists) {
  const std::string path = (m_dir / "taken.fdb").string();
  { std::ofstream(path) << "keep"; }
  EXPECT_THROW(legacy::CreateDatabase(path, L"1.0", L"1"), Invoice::DbException);
  std::ifstream kept(path);
  std::string text;
  kept >> text;
  EXPECT_EQ(text, "keep");
}

TEST_F(LegacySchemaFileTest, LegacyFileWithoutVersionRow) {
  OpenLegacy(L"1.1", {}, false);
  EXPECT_EQ(StoredVersion(), L"(none)");
  EXPECT_EQ(Value(L"SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = 'COMPANIES' AND "
                  L"RDB$FIELD_NAME = 'DISPLAY_BOX'"),
            L"0");
}

}  // namespace
