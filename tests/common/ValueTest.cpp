#include "common/Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/LocaleFormat.h"

namespace {

platform::LocaleInfo EnglishUs() {
  platform::LocaleInfo locale;
  locale.decimalSeparator = L".";
  locale.thousandsSeparator = L",";
  locale.grouping = {3};
  locale.decimals = 2;
  locale.shortDatePattern = L"%m/%d/%Y";
  return locale;
}

platform::LocaleInfo German() {
  platform::LocaleInfo locale = EnglishUs();
  locale.decimalSeparator = L",";
  locale.thousandsSeparator = L".";
  locale.shortDatePattern = L"%d.%m.%Y";
  return locale;
}

// Sets the user's locale for one test.
class ValueTest : public ::testing::Test {
protected:
  void UseLocale(const platform::LocaleInfo& locale) { platform::SetUserLocaleOverride(locale); }
  void SetUp() override { UseLocale(EnglishUs()); }
  void TearDown() override { platform::SetUserLocaleOverride(std::nullopt); }
};

std::vector<uint8_t> Bytes(const Value& value) {
  return std::vector<uint8_t>(value.GetBuffer(), value.GetBuffer() + value.GetSize());
}

}  // namespace

TEST_F(ValueTest, DefaultValueIsEmptyWithoutBuffer) {
  const Value value;
  EXPECT_EQ(value.GetType(), VT_EMPTY);
  EXPECT_EQ(value.GetBuffer(), nullptr);
  EXPECT_EQ(value.GetSize(), 0u);
  EXPECT_EQ(value.GetText(), L"");
}

TEST_F(ValueTest, TextIsStoredAsUtf16LeWithTerminator) {
  const Value value(L"A\u0416\U0001F600");
  EXPECT_EQ(value.GetType(), VT_TEXT);
  EXPECT_EQ(Bytes(value), (std::vector<uint8_t>{0x41, 0, 0x16, 0x04, 0x3D, 0xD8, 0x00, 0xDE, 0, 0}));
  EXPECT_EQ(value.GetText(), L"A\u0416\U0001F600");
  EXPECT_EQ(value.AsString(), L"A\u0416\U0001F600");

  const Value empty(std::wstring{});
  EXPECT_EQ(empty.GetType(), VT_TEXT);
  EXPECT_EQ(empty.GetSize(), 2u);
  EXPECT_EQ(empty.GetText(), L"");
  EXPECT_EQ(Value(static_cast<const wchar_t*>(nullptr)).GetSize(), 2u);
}

TEST_F(ValueTest, IntegersAreFourBytesAndShowWithoutGrouping) {
  const Value seven(int32_t{-7});
  EXPECT_EQ(seven.GetType(), VT_INTEGER);
  EXPECT_EQ(seven.GetSize(), 4u);
  EXPECT_EQ(seven.GetText(), L"-7");
  EXPECT_EQ(Value(1000000L).GetText(), L"1000000");
  EXPECT_EQ(Value(INT32_MIN).GetText(), L"-2147483648");
  // A long is kept in 32 bits, as a 32-bit long was.
  EXPECT_EQ(Value((5L << 32) | 3L).AsInt(), 3);
  EXPECT_EQ(Value(5L).GetSize(), 4u);
}

TEST_F(ValueTest, DoublesFollowTheUsersNumberFormat) {
  struct Case {
    platform::LocaleInfo locale;
    double number;
    std::wstring text;
  };
  platform::LocaleInfo threeDecimals = EnglishUs();
  threeDecimals.decimals = 3;
  const Case cases[] = {
      {EnglishUs(), 1234.5, L"1,234.50"},
      {German(), 1234.5, L"1.234,50"},
      {threeDecimals, 1234.5678, L"1,234.570"},  // "%.2f" first: the third decimal is always 0
      {EnglishUs(), -1234567.891, L"-1,234,567.89"},
      {German(), -0.5, L"-0,50"},
      {EnglishUs(), 0.0, L"0.00"},
  };
  for (const auto& c : cases) {
    UseLocale(c.locale);
    const Value value(c.number);
    EXPECT_EQ(value.GetType(), VT_DOUBLE);
    EXPECT_EQ(value.GetSize(), 8u);
    EXPECT_EQ(value.GetText(), c.text) << c.number;
  }
  EXPECT_EQ(Value(std::nan("")).GetText(), L"");
  EXPECT_EQ(Value(HUGE_VAL).GetText(), L"");
}

TEST_F(ValueTest, DatesShowTheShortDateWithoutTime) {
  UseLocale(German());
  EXPECT_EQ(Value(platform::OleDateTime(0.0)).GetText(), L"30.12.1899");
  const Value afternoon(platform::OleDateTime(2006, 3, 9, 14, 5, 7));
  EXPECT_EQ(afternoon.GetType(), VT_DATE);
  EXPECT_EQ(afternoon.GetText(), L"09.03.2006");
  UseLocale(EnglishUs());
  EXPECT_EQ(afternoon.GetText(), L"03/09/2006");
  // Only the double is kept; a date outside the OLE range shows as nothing.
  EXPECT_EQ(Value(platform::OleDateTime(1e9)).GetText(), L"");
}

TEST_F(ValueTest, BooleansShowAsOneOrZero) {
  const uint8_t two = 2;
  EXPECT_EQ(Value::FromRaw(VT_BOOLEAN, &two, 1).GetText(), L"1");
  EXPECT_TRUE(Value::FromRaw(VT_BOOLEAN, &two, 1).AsBool());
  EXPECT_EQ(Value::Boolean(true).GetText(), L"1");
  EXPECT_EQ(Value::Boolean(false).GetText(), L"0");
  EXPECT_EQ(Value::Boolean(false).GetSize(), 1u);
}

TEST_F(ValueTest, ValuesWithoutEnoughBytesShowAsNothing) {
  const uint8_t two[2] = {1, 2};
  for (ValueType type : {VT_TEXT, VT_INTEGER, VT_DOUBLE, VT_DATE, VT_BOOLEAN, VT_EMPTY}) {
    EXPECT_EQ(Value::FromRaw(type, nullptr, 0).GetText(), L"") << type;
    if (type != VT_TEXT && type != VT_BOOLEAN) {
      EXPECT_EQ(Value::FromRaw(type, two, 2).GetText(), L"") << type;
    }
  }
  EXPECT_EQ(Value::FromRaw(static_cast<ValueType>(9), two, 2).GetText(), L"");
}

TEST_F(ValueTest, CopiesOwnTheirBytes) {
  Value original(L"first");
  Value copy(original);
  EXPECT_EQ(copy, original);
  EXPECT_NE(copy.GetBuffer(), original.GetBuffer());
  copy = Value(3.5);
  EXPECT_EQ(original.GetText(), L"first");
  EXPECT_EQ(copy.GetType(), VT_DOUBLE);
  EXPECT_EQ(copy.GetSize(), 8u);

  const Value empty;
  const Value emptyCopy(empty);
  EXPECT_EQ(emptyCopy.GetType(), VT_EMPTY);
  EXPECT_EQ(emptyCopy.GetBuffer(), nullptr);
}

TEST_F(ValueTest, SelfAssignmentKeepsTheContents) {
  Value value(L"keep");
  Value& alias = value;
  value = alias;
  EXPECT_EQ(value.GetText(), L"keep");
  value = std::move(alias);
  EXPECT_EQ(value.GetText(), L"keep");
}

TEST_F(ValueTest, MovingLeavesTheSourceEmpty) {
  Value source(int32_t{42});
  Value target(std::move(source));
  EXPECT_EQ(target.AsInt(), 42);
  EXPECT_EQ(source.GetType(), VT_EMPTY);  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(source.GetBuffer(), nullptr);
  Value other(L"x");
  other = std::move(target);
  EXPECT_EQ(other.AsInt(), 42);
  EXPECT_EQ(target.GetSize(), 0u);  // NOLINT(bugprone-use-after-move)
}

TEST_F(ValueTest, ClearLeavesAnEmptyValue) {
  Value value(L"text");
  value.Clear();
  EXPECT_EQ(value.GetType(), VT_EMPTY);
  EXPECT_EQ(value.GetBuffer(), nullptr);
  EXPECT_EQ(value.GetSize(), 0u);
  EXPECT_EQ(value, Value());
}

TEST_F(ValueTest, TypedReadsGiveZeroForOtherTypes) {
  EXPECT_EQ(Value(L"12").AsInt(), 0);
  EXPECT_EQ(Value(int32_t{12}).AsString(), L"");
  EXPECT_EQ(Value(int32_t{12}).AsDouble(), 0.0);
  EXPECT_EQ(Value(platform::OleDateTime(2.5)).AsDouble(), 2.5);
  EXPECT_FALSE(Value(int32_t{1}).AsBool());
}

TEST_F(ValueTest, RawBytesRoundTrip) {
  const Value text(L"Invoice");
  const Value copy = Value::FromRaw(text.GetType(), text.GetBuffer(), text.GetSize());
  EXPECT_EQ(copy, text);
  EXPECT_FALSE(Value(int32_t{1}) == Value(1.0));
}

TEST(ValueDateTest, TmConversionsMatchTheOleDate) {
  std::tm fields{};
  fields.tm_year = 106;
  fields.tm_mon = 2;
  fields.tm_mday = 9;
  fields.tm_hour = 14;
  fields.tm_min = 5;
  fields.tm_sec = 7;
  const double ole = TmToOleDate(fields);
  EXPECT_NEAR(ole, 38785.0 + (14 * 3600 + 5 * 60 + 7) / 86400.0, 1e-9);
  const std::tm back = OleDateToTm(ole);
  EXPECT_EQ(std::memcmp(&back, &fields, sizeof fields), 0);

  fields.tm_mon = 12;
  EXPECT_EQ(TmToOleDate(fields), -1.0);
  fields.tm_mon = 1;
  fields.tm_mday = 29;  // 2006 is no leap year
  EXPECT_EQ(TmToOleDate(fields), -1.0);
  fields.tm_year = INT32_MAX;
  EXPECT_EQ(TmToOleDate(fields), -1.0);

  const std::tm zero{};
  const std::tm bad = OleDateToTm(1e9);
  EXPECT_EQ(std::memcmp(&bad, &zero, sizeof zero), 0);
}
