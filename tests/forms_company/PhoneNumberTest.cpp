#include "forms/company/PhoneNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(PhoneNumberTest, PartsJoinAndSplitBack) {
  struct Case {
    PhoneParts parts;
    StoredPhone stored;
  };
  const Case cases[] = {
      {{L"386", L"1", L"4567890"}, {L"38614567890", L"386 1 4567890", 3, 1}},
      {{L"", L"", L"4567890"}, {L"4567890", L"4567890", 0, 0}},
      {{L"", L"01", L"4567890"}, {L"014567890", L"01 4567890", 0, 2}},
      {{L"44", L"", L"20 7946"}, {L"4420 7946", L"44 20 7946", 2, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JoinPhoneParts(c.parts), c.stored) << c.stored.number;
    EXPECT_EQ(SplitPhoneNumber(c.stored.number, c.stored.countryPart, c.stored.regionPart), c.parts)
        << c.stored.number;
  }
}

TEST(PhoneNumberTest, LengthsThatDoNotFitTheNumberGiveWhatFits) {
  EXPECT_EQ(SplitPhoneNumber(L"12", 3, 1), (PhoneParts{L"12", L"", L""}));
  EXPECT_EQ(SplitPhoneNumber(L"12345", 2, 9), (PhoneParts{L"12", L"345", L""}));
  EXPECT_EQ(SplitPhoneNumber(L"12345", -1, 0), (PhoneParts{L"", L"", L"12345"}));
}

}  // namespace
