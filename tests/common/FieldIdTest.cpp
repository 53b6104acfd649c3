#include "common/FieldId.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

TEST(FieldIdTest, FormatsTheKeyFromTheNumbers) {
  EXPECT_EQ(L"FLD_111_000", FieldId(111, 0).GetKey());
  EXPECT_EQ(L"FLD_003_012", FieldId(3, 12).GetKey());
  const FieldId id(7, 345);
  EXPECT_EQ(7, id.GetField());
  EXPECT_EQ(345, id.GetRow());
}

struct GoodKey {
  const wchar_t* key;
  int32_t field;
  int32_t row;
};

void PrintTo(const GoodKey& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.key));
}

class FieldIdGoodKeyTest : public ::testing::TestWithParam<GoodKey> {};

TEST_P(FieldIdGoodKeyTest, ParsesAndKeepsTheTextUnchanged) {
  const GoodKey& c = GetParam();
  const FieldId id{std::wstring(c.key)};
  EXPECT_EQ(c.field, id.GetField());
  EXPECT_EQ(c.row, id.GetRow());
  EXPECT_EQ(c.key, id.GetKey());
}

INSTANTIATE_TEST_SUITE_P(Keys, FieldIdGoodKeyTest,
                         ::testing::Values(GoodKey{L"FLD_001_000", 1, 0}, GoodKey{L"FLD_011_041", 11, 41},
                                           GoodKey{L"FLD_099_999", 99, 999}, GoodKey{L"FLD_100_000", 100, 0},
                                           GoodKey{L"FLD_112_000", 112, 0},
                                           // the prefix in any case; the text keeps its case
                                           GoodKey{L"fld_002_005", 2, 5}, GoodKey{L"Fld_104_000", 104, 0},
                                           // a row part without digits reads as row 0
                                           GoodKey{L"FLD_005_abc", 5, 0}, GoodKey{L"FLD_005_", 5, 0},
                                           GoodKey{L"FLD_005", 5, 0},
                                           // the character between the numbers is not examined
                                           GoodKey{L"FLD_003x004", 3, 4},
                                           // only three characters of each number count
                                           GoodKey{L"FLD_001_0021", 1, 2}));

class FieldIdBadKeyTest : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(FieldIdBadKeyTest, FailsWithFieldParseError) {
  try {
    FieldId id{std::wstring(GetParam())};
    FAIL() << "accepted";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ("Field parse error", e.what());
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, FieldIdBadKeyTest,
                         ::testing::Values(L"", L"FLD", L"FLD_", L"FLX_001_000", L"XFLD_001_000",
                                           L"FLD_000_000", L"FLD_113_000", L"FLD_abc_000", L"FLD_-01_000",
                                           // fields above 99 have row 0 only
                                           L"FLD_100_001", L"FLD_112_999",
                                           // a negative row
                                           L"FLD_001_-01"));

}  // namespace
