#include "common/TextEscapes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Applied(void (*change)(std::wstring&), std::wstring text) {
  change(text);
  return text;
}
std::wstring Escaped(const std::wstring& text) {
  return Applied(EscapeText, text);
}
std::wstring Unescaped(const std::wstring& text) {
  return Applied(UnescapeText, text);
}
std::wstring RecordEscaped(const std::wstring& text) {
  return Applied(EscapeRecordText, text);
}
std::wstring RecordUnescaped(const std::wstring& text) {
  return Applied(UnescapeRecordText, text);
}

TEST(TextEscapesTest, EscapesEverySeparator) {
  EXPECT_EQ(L"a\\colonb\\semicolonc\\commad\\bare\\hashf\\newlineg", Escaped(L"a:b;c,d|e#f\r\ng"));
  // A lone line feed or carriage return is not a line break of the record form.
  EXPECT_EQ(L"a\nb\rc", Escaped(L"a\nb\rc"));
}

TEST(TextEscapesTest, RecordSetLeavesBarAndHash) {
  EXPECT_EQ(L"Total\\colon \\comma|#\\semicolon\\newline", RecordEscaped(L"Total: ,|#;\r\n"));
  EXPECT_EQ(L"a:b;c,d|e#f\r\n", RecordUnescaped(L"a\\colonb\\semicolonc\\commad|e#f\\newline"));
}

class TextEscapesRoundTripTest : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(TextEscapesRoundTripTest, ReadsBackUnchanged) {
  const std::wstring text = GetParam();
  EXPECT_EQ(text, Unescaped(Escaped(text)));
  EXPECT_EQ(text, RecordUnescaped(RecordEscaped(text)));
  // The escaped form holds no separator of the record form.
  EXPECT_EQ(std::wstring::npos, RecordEscaped(text).find_first_of(L":;,"));
}

INSTANTIATE_TEST_SUITE_P(Texts, TextEscapesRoundTripTest,
                         ::testing::Values(L"", L"plain", L"Invoice: No. 5; paid", L"a,b,,c", L"|#|#",
                                           L"line 1\r\nline 2\r\n", L"\u0416\u00e9: \U0001F600,", L"::;;,,"));

TEST(TextEscapesTest, EscapesThemselvesAreNotEscaped) {
  // A text holding the literal characters of an escape reads back changed.
  EXPECT_EQ(L",", Unescaped(Escaped(L"\\comma")));
  EXPECT_EQ(L"\r\n", RecordUnescaped(RecordEscaped(L"\\newline")));
}

}  // namespace
