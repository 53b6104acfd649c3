#include "common/TextSplitter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Parts = std::vector<std::wstring>;

struct SplitCase {
  const wchar_t* text;
  wchar_t separator;
  Parts parts;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(std::wstring(c.text));
}

class TextSplitterSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TextSplitterSplitTest, SplitsAtEveryOccurrence) {
  const TextSplitter splitter(GetParam().text, GetParam().separator);
  EXPECT_EQ(GetParam().parts, splitter.GetParts());
  EXPECT_EQ(static_cast<int32_t>(GetParam().parts.size()), splitter.GetSize());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextSplitterSplitTest,
    ::testing::Values(SplitCase{L"a,,b,", L',', Parts{L"a", L"", L"b", L""}},
                      SplitCase{L"abc", L',', Parts{L"abc"}}, SplitCase{L"", L',', Parts{L""}},
                      SplitCase{L",", L',', Parts{L"", L""}},
                      SplitCase{L"report_box:1.0,2.0;", L':', Parts{L"report_box", L"1.0,2.0;"}},
                      SplitCase{L"a:b:c", L':', Parts{L"a", L"b", L"c"}}));

TEST(TextSplitterTest, ReadsNumbersAndTextsByIndex) {
  const TextSplitter splitter(L"0.500000, 12,-3,text,7;,x1", L',');
  EXPECT_DOUBLE_EQ(0.5, splitter.GetDouble(0));
  EXPECT_EQ(12, splitter.GetInt(1));
  EXPECT_EQ(-3, splitter.GetInt(2));
  EXPECT_EQ(L"text", splitter.GetString(3));
  EXPECT_EQ(0, splitter.GetInt(3));
  EXPECT_EQ(0.0, splitter.GetDouble(3));
  // trailing characters are ignored, leading ones make the number 0
  EXPECT_EQ(7, splitter.GetInt(4));
  EXPECT_DOUBLE_EQ(7.0, splitter.GetDouble(4));
  EXPECT_EQ(0, splitter.GetInt(5));
}

TEST(TextSplitterTest, IndexPastTheEndGivesEmptyValues) {
  const TextSplitter splitter(L"1,2", L',');
  EXPECT_EQ(L"", splitter.GetString(2));
  EXPECT_EQ(0, splitter.GetInt(100));
  EXPECT_EQ(0.0, splitter.GetDouble(2));
}

TEST(TextSplitterTest, NegativeIndexThrowsInvalidArgument) {
  const TextSplitter splitter(L"1,2", L',');
  EXPECT_THROW(splitter.GetString(-1), std::invalid_argument);
  EXPECT_THROW(splitter.GetInt(-1), std::invalid_argument);
  EXPECT_THROW(splitter.GetDouble(-5), std::invalid_argument);
}

}  // namespace
