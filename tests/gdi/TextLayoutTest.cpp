#include "platform/gdi/TextLayout.h"

#include <gtest/gtest.h>

#include <limits>

#include <algorithm>
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

// A template may ask for an absurd font size: widths, heights and places
// stop at the ends of an int32 instead of wrapping round.
TEST(LayoutText, AbsurdFontsStopAtTheLimitsInsteadOfOverflowing) {
  FixedTextMeasurer measurer;
  LogFont huge;
  huge.height = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(measurer.LineHeight(huge), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(measurer.TextWidth(huge, L"fourteen chars"), std::numeric_limits<int32_t>::max());
  huge.height = 167772160;
  const Rect rect{100, 100, 2000, 600};
  const TextLayout wrapped = LayoutText(L"Invoice number 2024 of the month", rect, DT_WORDBREAK, huge, measurer);
  ASSERT_GE(wrapped.lines.size(), 2u);
  for (size_t i = 1; i < wrapped.lines.size(); ++i) EXPECT_GE(wrapped.lines[i].y, wrapped.lines[i - 1].y);
  EXPECT_EQ(wrapped.height, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(wrapped.bounds.bottom, std::numeric_limits<int32_t>::max());
  huge.height = std::numeric_limits<int32_t>::max();
  const TextLayout right = LayoutText(L"fourteen chars", rect, DT_SINGLELINE | DT_RIGHT, huge, measurer);
  EXPECT_EQ(right.lines.at(0).x, int64_t{rect.right} - std::numeric_limits<int32_t>::max());
}

TEST(LayoutText, CalcRectIsWidestLineAndTextHeight) {
  FixedTextMeasurer measurer;
  TextLayout layout = LayoutText(L"ab abcdef", Rect{10, 20, 50, 30}, DT_WORDBREAK, TenPixelFont(), measurer);
  EXPECT_EQ(layout.bounds, (Rect{10, 20, 40, 40}));
}

}  // namespace

namespace {

// Proportional widths that depend on the font's height, with a pair kerned
// tighter ("AV") and a pair set looser ("r "), so that the width of a line is
// not the sum of its words' widths. Counts the characters it is asked about.
class KerningMeasurer : public TextMeasurer {
public:
  int TextWidth(const LogFont& font, std::wstring_view text) override {
    measured += text.size();
    const int unit = std::max(1, (font.height < 0 ? -font.height : font.height) / 4);
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      const wchar_t c = text[i];
      width += c == L' ' ? unit : (c == L'i' || c == L'l' ? unit : (c == L'W' || c == L'm' ? 3 * unit : 2 * unit));
      if (i > 0 && text[i - 1] == L'A' && c == L'V') width -= unit;
      if (i > 0 && text[i - 1] == L'r' && c == L' ') width += 1;
    }
    return width;
  }
  int LineHeight(const LogFont& font) override { return font.height < 0 ? -font.height : font.height; }
  size_t measured = 0;
};

bool Blank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

// The straightforward greedy wrap: every prefix ending at a word end is
// measured whole. The layout must break every paragraph where this does.
std::vector<std::wstring> WrapByWholePrefixes(std::wstring_view paragraph, int width, const LogFont& font,
                                              TextMeasurer& measurer) {
  std::vector<std::wstring> out;
  const auto measure = [&](std::wstring_view text) { return measurer.TextWidth(font, text); };
  size_t start = 0;
  const size_t size = paragraph.size();
  if (size == 0) return {L""};
  while (start < size) {
    size_t end = start;
    size_t pos = start;
    while (pos < size) {
      size_t wordEnd = pos;
      while (wordEnd < size && Blank(paragraph[wordEnd])) ++wordEnd;
      while (wordEnd < size && !Blank(paragraph[wordEnd])) ++wordEnd;
      if (measure(paragraph.substr(start, wordEnd - start)) > width) break;
      end = wordEnd;
      pos = wordEnd;
    }
    if (end == start) {
      size_t wordEnd = start;
      while (wordEnd < size && Blank(paragraph[wordEnd])) ++wordEnd;
      while (wordEnd < size && !Blank(paragraph[wordEnd])) ++wordEnd;
      end = start + 1;
      while (end < wordEnd && measure(paragraph.substr(start, end + 1 - start)) <= width) ++end;
    }
    size_t lineEnd = end;
    while (lineEnd > start && Blank(paragraph[lineEnd - 1])) --lineEnd;
    out.emplace_back(paragraph.substr(start, lineEnd - start));
    start = end;
    while (start < size && Blank(paragraph[start])) ++start;
  }
  return out;
}

std::wstring Words(size_t count) {
  static const wchar_t* const kWords[] = {L"AVAST", L"invoice", L"r", L"Wimm", L"lil", L"total", L"AV",
                                          L"paper ", L"amount", L"i"};
  std::wstring text;
  for (size_t i = 0; i < count; ++i) {
    if (i) text += (i % 7 == 0) ? L"  " : L" ";
    text += kWords[(i * 7 + i / 3) % 10];
  }
  return text;
}

TEST(LayoutText, WrapsAsMeasuringEveryPrefixWould) {
  const std::wstring noSpaces(300, L'm');
  const std::wstring mixedRuns = L"  AVAVAVAVAVAVAVAV lil" + std::wstring(80, L'W') + L" r r r  tail";
  for (int32_t fontHeight : {12, -16, 40}) {
    LogFont font;
    font.height = fontHeight;
    for (int32_t width : {1, 7, 30, 61, 150, 400}) {
      for (const std::wstring& text : {Words(3), Words(40), Words(600), noSpaces, mixedRuns}) {
        KerningMeasurer measurer;
        const TextLayout layout = LayoutText(text, Rect{0, 0, width, 10000}, DT_WORDBREAK, font, measurer);
        std::vector<std::wstring> lines;
        for (const TextLine& line : layout.lines) lines.push_back(line.text);
        KerningMeasurer reference;
        EXPECT_EQ(lines, WrapByWholePrefixes(text, width, font, reference))
            << "height " << fontHeight << ", width " << width << ", " << text.size() << " characters";
      }
    }
  }
}

// A long paragraph is not measured prefix by prefix: the characters measured
// grow with its length, not with its length times the words on a line.
TEST(LayoutText, WrappingMeasuresInProportionToTheText) {
  LogFont font;
  font.height = 12;
  for (size_t words : {2000u, 8000u}) {
    const std::wstring text = Words(words);
    KerningMeasurer measurer;
    LayoutText(text, Rect{0, 0, 2000, 100000}, DT_WORDBREAK, font, measurer);
    EXPECT_LT(measurer.measured, 6 * text.size()) << words << " words";
  }
  const std::wstring noSpaces(20000, L'i');
  KerningMeasurer measurer;
  LayoutText(noSpaces, Rect{0, 0, 3000, 100000}, DT_WORDBREAK, font, measurer);
  EXPECT_LT(measurer.measured, 6 * noSpaces.size());
}

}  // namespace
