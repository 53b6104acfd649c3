#include "designer/PageSetupValues.h"

#include <gtest/gtest.h>

#include "designer/bars/RulerScale.h"

using designer::kUnitCentimetres;
using designer::kUnitInches;
using designer::PageSetupValues;

TEST(PageSetupValuesTest, LetterAt96DpiShowsInInchesAndCentimetres) {
  PageSetupValues inches(96, 96, 816, 1056, kUnitInches);
  EXPECT_EQ(inches.WidthText(), L"8.50");
  EXPECT_EQ(inches.HeightText(), L"11.00");
  PageSetupValues cm(96, 96, 816, 1056, kUnitCentimetres);
  EXPECT_EQ(cm.WidthText(), L"21.59");
  EXPECT_EQ(cm.HeightText(), L"27.94");
}

TEST(PageSetupValuesTest, TogglingTheUnitWithoutEditingDoesNotDrift) {
  PageSetupValues values(96, 96, 816, 1056, kUnitInches);
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(values.ChangeUnit(kUnitCentimetres, values.WidthText(), values.HeightText()));
    EXPECT_EQ(values.WidthText(), L"21.59");
    ASSERT_TRUE(values.ChangeUnit(kUnitInches, values.WidthText(), values.HeightText()));
    EXPECT_EQ(values.WidthText(), L"8.50");
  }
  EXPECT_DOUBLE_EQ(values.GetWidth(), 816);
  EXPECT_DOUBLE_EQ(values.GetHeight(), 1056);
}

TEST(PageSetupValuesTest, AChangeOfUnitFirstReadsWhatWasTypedInTheOldUnit) {
  PageSetupValues values(96, 96, 816, 1056, kUnitInches);
  ASSERT_TRUE(values.ChangeUnit(kUnitCentimetres, L"10", values.HeightText()));
  EXPECT_DOUBLE_EQ(values.GetWidth(), 960);
  EXPECT_EQ(values.WidthText(), L"25.40");
  EXPECT_DOUBLE_EQ(values.GetHeight(), 1056);
  ASSERT_TRUE(values.Read(L"2.54", L"27.94"));
  EXPECT_NEAR(values.GetWidth(), 96, 1e-9);
  EXPECT_DOUBLE_EQ(values.GetHeight(), 1056) << "an unchanged text keeps its pixels";
}

TEST(PageSetupValuesTest, SizesThatAreNotPositiveNumbersAreRefused) {
  for (const wchar_t* text : {L"0", L"-3", L"", L"abc", L"3x", L"nan", L"inf", L"0.001"}) {
    PageSetupValues values(96, 96, 816, 1056, kUnitInches);
    EXPECT_FALSE(values.Read(text, L"11.00")) << text;
    EXPECT_FALSE(values.Read(L"8.50", text)) << text;
    EXPECT_FALSE(values.ChangeUnit(kUnitCentimetres, text, L"11.00")) << text;
    EXPECT_EQ(values.GetUnit(), kUnitInches) << "a refused change keeps the unit";
    EXPECT_DOUBLE_EQ(values.GetWidth(), 816);
  }
}
