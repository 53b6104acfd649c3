#include "platform/gdi/TextLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform::gdi;

namespace {

// Fixed pitch: every character 5 pixels wide, every line 10 pixels tall.
LogFont TenPixelFont() {
  LogFont font;
  font.height = 10;
  return font;
}

struct LayoutCase {
  const char* name;
  std::wstring text;
  int32_t width;
  unsigned format;
  std::vector<std::wstring> lines;
  std::vector<int32_t> xs;  // left edges, for alignment cases
};

void PrintTo(const LayoutCase& layoutCase, std::ostream* out) {
  *out << layoutCase.name;
}

class LayoutTextCases : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTextCases, BreaksAndPlacesLines) {
  const LayoutCase& c = GetParam();
  FixedTextMeasurer measurer;
  TextLayout layout =
      LayoutText(c.text, Rect{100, 200, 100 + c.width, 400}, c.format, TenPixelFont(), measurer);
  std::vector<std::wstring> lines;
  for (const TextLine& line : layout.lines) lines.push_back(line.text);
  EXPECT_EQ(lines, c.lines);
  for (size_t i = 0; i < c.xs.size() && i < layout.lines.size(); ++i)
    EXPECT_EQ(layout.lines[i].x, c.xs[i]) << i;
  for (size_t i = 0; i < layout.lines.size(); ++i) EXPECT_EQ(layout.lines[i].y, 200 + 10 * int32_t(i));
  EXPECT_EQ(layout.height, 10 * int32_t(lines.size()));
}

INSTANTIATE_TEST_SUITE_P(
    DrawTextFlags, LayoutTextCases,
    ::testing::Values(
        // 10 characters fit in 50 pixels.
        LayoutCase{"NoWordBreakKeepsOneLine", L"alpha beta gamma", 50, DT_LEFT, {L"alpha beta gamma"}, {100}},
        LayoutCase{"WordBreakAtBlanks",
                   L"alpha beta gamma",
                   50,
                   DT_WORDBREAK,
                   {L"alpha beta", L"gamma"},
                   {100, 100}},
        LayoutCase{"BlanksAtBreakDropped", L"alpha      beta", 30, DT_WORDBREAK, {L"alpha", L"beta"}, {}},
        LayoutCase{"HardBreaksOfEveryKind",
                   L"one\r\ntwo\nthree\rfour",
                   500,
                   DT_LEFT,
                   {L"one", L"two", L"three", L"four"},
                   {}},
        LayoutCase{"EmptyLineBetweenKept", L"one\r\n\r\ntwo", 500, DT_WORDBREAK, {L"one", L"", L"two"}, {}},
        LayoutCase{"TrailingBreakOpensNoLine", L"one\r\n", 500, DT_WORDBREAK, {L"one"}, {}},
        LayoutCase{"LongWordBrokenBetweenCharacters",
                   L"abcdefghijklmnop xy",
                   25,
                   DT_WORDBREAK,
                   {L"abcde", L"fghij", L"klmno", L"p xy"},
                   {}},
        LayoutCase{"CentredLines", L"ab abcd", 30, DT_WORDBREAK | DT_CENTER, {L"ab", L"abcd"}, {110, 105}},
        LayoutCase{
            "RightAlignedLines", L"ab abcd", 30, DT_WORDBREAK | DT_RIGHT, {L"ab", L"abcd"}, {120, 110}},
        LayoutCase{"PrefixesRemoved", L"&Save && close", 500, DT_LEFT, {L"Save & close"}, {}},
        LayoutCase{"NoPrefixKeepsAmpersands", L"&Save && close", 500, DT_NOPREFIX, {L"&Save && close"}, {}},
        LayoutCase{
            "SingleLineIgnoresBreaks", L"one\r\ntwo", 500, DT_SINGLELINE | DT_WORDBREAK, {L"one  two"}, {}},
        LayoutCase{
            "EndEllipsis", L"Invoice number 2024", 50, DT_SINGLELINE | DT_END_ELLIPSIS, {L"Invoice..."}, {}},
        LayoutCase{"EmptyTextHasNoLines", L"", 50, DT_WORDBREAK, {}, {}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST(LayoutText, SingleLineCentresAndBottomsVertically) {
  FixedTextMeasurer measurer;
  const Rect rect{0, 0, 100, 50};
  EXPECT_EQ(LayoutText(L"x", rect, DT_SINGLELINE | DT_VCENTER, TenPixelFont(), measurer).lines.at(0).y, 20);
  EXPECT_EQ(LayoutText(L"x", rect, DT_SINGLELINE | DT_BOTTOM, TenPixelFont(), measurer).lines.at(0).y, 40);
  // Without DT_SINGLELINE the vertical flags do nothing, as in DrawText.
  EXPECT_EQ(LayoutText(L"x", rect, DT_VCENTER, TenPixelFont(), measurer).lines.at(0).y, 0);
}

TEST(LayoutText, CalcRectIsWidestLineAndTextHeight) {
  FixedTextMeasurer measurer;
  TextLayout layout = LayoutText(L"ab abcdef", Rect{10, 20, 50, 30}, DT_WORDBREAK, TenPixelFont(), measurer);
  EXPECT_EQ(layout.bounds, (Rect{10, 20, 40, 40}));
}

}  // namespace
