#include "forms/company/CompanyDetails.h"

#include <gtest/gtest.h>

#include "data/objects/Company.h"
#include "forms/company/AddressDisplay.h"

namespace {

AmountFormat Format(const wchar_t* decimal, const wchar_t* thousands) {
  AmountFormat format;
  format.decimalSeparator = decimal;
  format.thousandsSeparator = thousands;
  return format;
}

TEST(CompanyDetailsTest, ANewCompanyHasOnlyTheDetailsTabAStoredOneAllFour) {
  using Tabs = std::vector<std::pair<uint32_t, std::wstring>>;
  EXPECT_EQ(CompanyDetails::Tabs(0), (Tabs{{119, L"Details"}}));
  EXPECT_EQ(CompanyDetails::Tabs(42),
            (Tabs{{119, L"Details"}, {10000, L"Contact Info"}, {143, L"Invoices"}, {158, L"Finance Info"}}));
}

TEST(CompanyDetailsTest, CaptionNamesTheClient) {
  EXPECT_EQ(CompanyDetails::Caption(L"Brenner & Co"), L"Client - Brenner & Co");
  EXPECT_EQ(CompanyDetails::Caption(L""), L"Client");
}

TEST(CompanyDetailsTest, DiscountTextsInTheUsersFormat) {
  struct Case {
    const wchar_t* text;
    AmountFormat format;
    bool accepted;
    double value;
  };
  const Case cases[] = {
      {L"12.5", Format(L".", L","), true, 12.5},
      {L"1,234.50", Format(L".", L","), true, 1234.5},
      {L"1.234,50", Format(L",", L"."), true, 1234.5},
      {L"  7 ", Format(L".", L","), true, 7.0},
      {L"", Format(L".", L","), true, 0.0},
      {L"-3", Format(L".", L","), true, -3.0},
      {L"abc", Format(L".", L","), false, 0.0},
      {L"12abc", Format(L".", L","), false, 0.0},
      {L"5%", Format(L".", L","), false, 0.0},
      {L".", Format(L".", L","), false, 0.0},
      {L"1-2", Format(L".", L","), false, 0.0},
  };
  for (const Case& c : cases) {
    double value = -99.0;
    EXPECT_EQ(CompanyDetails::ParseDiscount(c.format, c.text, value), c.accepted) << c.text;
    if (c.accepted) {
      EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
  }
}

TEST(CompanyDetailsTest, ApplyTrimsTheNameAndSetsBothFlags) {
  Invoice::Company company;
  const CompanyDetailsInput input{L"  Brenner & Co \t", 7, L"2.50"};
  ASSERT_EQ(CompanyDetails::Apply(input, Format(L".", L","), company), CompanyDetails::Result::Saved);
  EXPECT_EQ(company.GetName(), L"Brenner & Co");
  EXPECT_EQ(company.GetPriceGroupId(), 7);
  EXPECT_DOUBLE_EQ(company.GetDefaultDiscount(), 2.5);
  EXPECT_TRUE(company.GetSellToThisOne());
  EXPECT_TRUE(company.GetBuyFromThisOne());
  EXPECT_TRUE(company.IsModified());
}

TEST(CompanyDetailsTest, BlankNameOrBadDiscountIsRefusedAndChangesNothing) {
  struct Case {
    const wchar_t* name;
    const wchar_t* discount;
    CompanyDetails::Result result;
  };
  const Case cases[] = {
      {L"", L"1", CompanyDetails::Result::NameMissing},
      {L"   \t ", L"1", CompanyDetails::Result::NameMissing},
      {L"Brenner", L"ten", CompanyDetails::Result::BadDiscount},
      {L"Brenner", L"150", CompanyDetails::Result::DiscountOutOfRange},
      {L"Brenner", L"100.01", CompanyDetails::Result::DiscountOutOfRange},
      {L"Brenner", L"-3", CompanyDetails::Result::DiscountOutOfRange},
      {L"Brenner", L"1,000,000", CompanyDetails::Result::DiscountOutOfRange},
  };
  for (const Case& c : cases) {
    Invoice::Company company;
    EXPECT_EQ(CompanyDetails::Apply({c.name, 3, c.discount}, Format(L".", L","), company), c.result) << c.name;
    EXPECT_FALSE(company.IsModified());
    EXPECT_EQ(company.GetName(), L"");
    EXPECT_DOUBLE_EQ(company.GetDefaultDiscount(), 0.0);
  }
}

TEST(CompanyDetailsTest, DiscountsAtEitherEndOfTheRangeAreSaved) {
  for (const wchar_t* text : {L"0", L"100", L"100.00"}) {
    Invoice::Company company;
    EXPECT_EQ(CompanyDetails::Apply({L"Brenner", 0, text}, Format(L".", L","), company),
              CompanyDetails::Result::Saved)
        << text;
  }
}

TEST(CompanyDetailsTest, UnchangedDetailsLeaveTheCompanyUnmodified) {
  Invoice::Company company;
  const CompanyDetailsInput input{L"Brenner", 0, L"4"};
  ASSERT_EQ(CompanyDetails::Apply(input, Format(L".", L","), company), CompanyDetails::Result::Saved);
  company.SetModified(false);  // as after loading it
  ASSERT_EQ(CompanyDetails::Apply({L" Brenner ", 0, L"4.00"}, Format(L".", L","), company),
            CompanyDetails::Result::Saved);
  EXPECT_FALSE(company.IsModified());
  ASSERT_EQ(CompanyDetails::Apply({L"Brenner", 0, L"5"}, Format(L".", L","), company),
            CompanyDetails::Result::Saved);
  EXPECT_TRUE(company.IsModified());
}

TEST(AddressDisplayTest, ComposesTheAddressBlock) {
  struct Case {
    AddressFields fields;
    const wchar_t* display;
  };
  const Case cases[] = {
      {{L"Main Street 1", L"", L"", L"1000", L"Ljubljana", L"", L"Slovenia"},
       L"Main Street 1\r\n1000 Ljubljana\r\nSlovenia"},
      {{L"A", L"B", L"C", L"", L"", L"", L""}, L"A\r\nB\r\nC"},
      {{L"", L"", L"", L"1000", L"", L"Kansas", L""}, L"1000\r\nKansas"},
      {{L"A", L"", L"", L"1000", L"", L"", L"Slovenia"}, L"A\r\n1000\r\nSlovenia"},
      {{L"A", L"", L"", L"", L"Ljubljana", L"Kansas", L"USA"}, L"A\r\nLjubljana\r\nKansas\r\nUSA"},
      {{L"", L"", L"", L"", L"", L"", L""}, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(ComposeAddressDisplay(c.fields), c.display);
}

TEST(AddressDisplayTest, LineBreaksBetweenStoredAndEdited) {
  EXPECT_EQ(ToEditLineBreaks(L"A\r\nB\rC\nD"), L"A\nB\nC\nD");
  EXPECT_EQ(ToStoredLineBreaks(L"A\nB\r\nC"), L"A\r\nB\r\nC");
}

}  // namespace
