#include "forms/dialogs/OptionsValues.h"

#include <gtest/gtest.h>

#include "DialogsFixture.h"
#include "data/objects/Template.h"

namespace {

using corvane::test::FailingOperation;
using corvane::test::FailureText;

class OptionsValuesTest : public corvane::test::DialogsTest {
protected:
  int StoreTemplate(const std::wstring& name) {
    Invoice::Template layout;
    layout.SetName(name);
    layout.SetFileName(L"/tmp/" + name + L".zlt");
    return StoreObject(layout);
  }
  std::wstring Stored(const std::wstring& key) {
    return Value(L"SELECT SETT_VALUE FROM SETTINGS WHERE SETT_FIELD = '" + key + L"'");
  }
};

TEST_F(OptionsValuesTest, ADatabaseWithoutTheSettingsOpensWithTheDefaults) {
  OptionsValues values;
  values.Load();
  EXPECT_EQ(values.myCompanyId, 0);
  EXPECT_EQ(values.myCompanyName, L"");
  EXPECT_EQ(values.nextInvoiceNum, 1);
  EXPECT_EQ(values.nextIncomeInvoiceNum, 1);
  EXPECT_EQ(OptionsValues::IndexOf(values.incomePriceLists, values.incomePriceListId), -1);
  EXPECT_EQ(OptionsValues::IndexOf(values.outcomePriceLists, values.outcomePriceListId), -1);
  EXPECT_EQ(values.quantityMethods, (std::vector<OptionChoice>{{0, L"Pieces"}, {1, L"Defined Measurement"}}));
  EXPECT_EQ(OptionsValues::IndexOf(values.quantityMethods, values.quantityMethod), 0);
  EXPECT_EQ(OptionsValues::IndexOf(values.templates, values.defaultTemplateId), -1);
  // Reading created every key with its default.
  EXPECT_EQ(Stored(L"INVOICE_NUM"), L"1");
  EXPECT_EQ(Stored(L"DEF_TEMPLATE"), L"0");
}

TEST_F(OptionsValuesTest, EachPriceListIsOfferedOnlyInTheListOfItsDirection) {
  const int buying = StorePriceGroup(L"Buying", 1);
  const int retail = StorePriceGroup(L"Retail", 2);
  const int bulk = StorePriceGroup(L"Bulk buying", 1);
  OptionsValues values;
  values.Load();
  EXPECT_EQ(values.incomePriceLists,
            (std::vector<OptionChoice>{{bulk, L"Bulk buying"}, {buying, L"Buying"}}));
  EXPECT_EQ(values.outcomePriceLists, (std::vector<OptionChoice>{{retail, L"Retail"}}));
}

TEST_F(OptionsValuesTest, OptionsMakeTheRoundTripThroughTheSettings) {
  const int own = StoreCompany(L"Own Company");
  const int buying = StorePriceGroup(L"Buying", 1);
  const int retail = StorePriceGroup(L"Retail", 2);
  const int plain = StoreTemplate(L"Plain");
  const int fancy = StoreTemplate(L"Fancy");

  OptionsValues edited;
  edited.Load();
  edited.ChooseMyCompany(own);
  EXPECT_EQ(edited.myCompanyName, L"Own Company");
  edited.nextInvoiceNum = OptionsValues::ParseNumber(L"120");
  edited.nextIncomeInvoiceNum = OptionsValues::ParseNumber(L"abc");  // letters save 0
  edited.incomePriceListId = buying;
  edited.outcomePriceListId = retail;
  edited.quantityMethod = 1;
  edited.defaultTemplateId = plain;
  edited.Save();

  EXPECT_EQ(Stored(L"MY_COMPANY_ID"), std::to_wstring(own));
  EXPECT_EQ(Stored(L"INVOICE_NUM"), L"120");
  EXPECT_EQ(Stored(L"INCOME_INVOICE_NUM"), L"0");
  OptionsValues read;
  read.Load();
  EXPECT_EQ(read.myCompanyId, own);
  EXPECT_EQ(read.myCompanyName, L"Own Company");
  EXPECT_EQ(read.nextInvoiceNum, 120);
  EXPECT_EQ(read.nextIncomeInvoiceNum, 0);
  EXPECT_EQ(read.incomePriceListId, buying);
  EXPECT_EQ(read.outcomePriceListId, retail);
  EXPECT_EQ(read.quantityMethod, 1);
  EXPECT_EQ(read.defaultTemplateId, plain);
  EXPECT_EQ(read.templates, (std::vector<OptionChoice>{{fancy, L"Fancy"}, {plain, L"Plain"}}));
  EXPECT_EQ(OptionsValues::IndexOf(read.templates, read.defaultTemplateId), 1);
}

TEST_F(OptionsValuesTest, NoSelectionWritesZero) {
  OptionsValues values;
  values.Load();
  values.incomePriceListId = StorePriceGroup(L"Buying", 1);
  values.Save();
  values.incomePriceListId = 0;
  values.Save();
  EXPECT_EQ(Stored(L"INPUT_DEFAULT_PRICE_GROUP"), L"0");
}

TEST_F(OptionsValuesTest, AFailedSaveWritesNothing) {
  OptionsValues values;
  values.Load();
  values.nextInvoiceNum = 77;
  values.quantityMethod = 1;
  {
    FailingOperation failing(ibase::ibOperation::Commit);
    EXPECT_NE(FailureText([&] { values.Save(); }), L"");
  }
  EXPECT_EQ(Stored(L"INVOICE_NUM"), L"1");
  EXPECT_EQ(Stored(L"QUANTITY_METHOD"), L"0");
}

TEST(OptionsNumbers, NumberEditsReadAsPlainDecimalNumbers) {
  struct Case {
    const wchar_t* text;
    int32_t number;
  };
  const Case cases[] = {{L"42", 42},
                        {L"  7", 7},
                        {L"12abc", 12},
                        {L"abc", 0},
                        {L"", 0},
                        {L"-3", -3},
                        {L"99999999999", INT32_MAX}};
  for (const Case& c : cases) EXPECT_EQ(OptionsValues::ParseNumber(c.text), c.number);
  EXPECT_EQ(OptionsValues::FormatNumber(1001), L"1001");
}

}  // namespace
