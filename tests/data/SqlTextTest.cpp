#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/SqlText.h"
#include "platform/OleDateTime.h"
#include "platform/TextCodec.h"

namespace {

TEST(EscapeSqlQuotes, DoublesEverySingleQuote) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"O'Brien", L"O''Brien"},      {L"''", L"''''"},        {L"", L""},
      {L"plain text", L"plain text"}, {L"'a'b'", L"''a''b''"}, {L"\"double\"", L"\"double\""},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(EscapeSqlQuotes(text), expected) << platform::ToUtf8(text);
}

TEST(Utf8ToWide, ConvertsTextOfAnyLength) {
  // 1023, 1024 and far more UTF-16 units all convert: a long value never comes back empty.
  for (size_t units : {1023u, 1024u, 5000u}) {
    const std::wstring text(units, L'ж');
    EXPECT_EQ(Utf8ToWide(platform::ToUtf8(text)), text) << units;
  }
  const std::wstring beyondBmp(600, U'\U0001D11E');  // 1200 UTF-16 units
  EXPECT_EQ(Utf8ToWide(platform::ToUtf8(beyondBmp)), beyondBmp);
}

TEST(Utf8ToWide, KeepsWhatItCanOfInvalidBytes) {
  EXPECT_EQ(Utf8ToWide(std::string("ab\xff"
                                   "cd")),
            L"ab\uFFFDcd");
  EXPECT_EQ(Utf8ToWide(static_cast<const char*>(nullptr)), L"");
  EXPECT_EQ(Utf8ToWide("\xc5\xbe"
                       "ena"),
            L"žena");
}

tm MakeTm(int year, int month, int day, int hour, int minute, int second) {
  tm time;
  std::memset(&time, 0, sizeof time);
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = minute;
  time.tm_sec = second;
  return time;
}

TEST(TimestampLiteral, FromStructTm) {
  EXPECT_EQ(TimestampLiteral(MakeTm(2006, 3, 9, 14, 5, 7)), L"CAST ('2006-03-09 14:05:07' AS TIMESTAMP)");
  EXPECT_EQ(TimestampLiteral(MakeTm(999, 12, 31, 0, 0, 0)), L"CAST (' 999-12-31 00:00:00' AS TIMESTAMP)");
}

platform::CivilTime MakeCivil(int year, int month, int day, int hour, int minute, int second) {
  platform::CivilTime time;
  time.year = year;
  time.month = month;
  time.day = day;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return time;
}

TEST(TimestampLiteral, FromCalendarFields) {
  EXPECT_EQ(TimestampLiteral(MakeCivil(2024, 2, 29, 23, 59, 58)),
            L"CAST ('2024-02-29 23:59:58' AS TIMESTAMP)");
}

TEST(TimestampLiteral, FromOleDate) {
  EXPECT_EQ(TimestampLiteral(0.0), L"CAST ('1899-12-30 00:00:00' AS TIMESTAMP)");
  EXPECT_EQ(TimestampLiteral(38785.5), L"CAST ('2006-03-09 12:00:00' AS TIMESTAMP)");
  EXPECT_EQ(TimestampLiteral(1e12), L"");  // outside the OLE range
}

TEST(CurrentTimestampLiteral, UsesTheClock) {
  platform::SetNowOverride(MakeCivil(2031, 7, 4, 8, 9, 10));
  EXPECT_EQ(CurrentTimestampLiteral(), L"CAST ('2031-07-04 08:09:10' AS TIMESTAMP)");
  platform::SetNowOverride(std::nullopt);
  EXPECT_EQ(CurrentTimestampLiteral().rfind(L"CAST ('", 0), 0u);
}

}  // namespace
