#include "forms/dialogs/RefDataTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogsFixture.h"
#include "data/objects/DaysCondition.h"
#include "data/objects/Measurement.h"
#include "data/objects/PhoneCode.h"
#include "data/objects/Tax.h"
#include "data/objects/Template.h"
#include "platform/TextCodec.h"
#include "common/ui/EditInputRules.h"

namespace {

using corvane::test::FailingOperation;
using corvane::test::FailureText;

struct Shown {
  int id;
  std::wstring first;
  std::wstring second;
  ValueType secondType;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& row) {
  return out << row.id << " " << platform::ToUtf8(row.first) << " " << platform::ToUtf8(row.second);
}

class RefDataTableTest : public corvane::test::DialogsTest {
protected:
  void SetUp() override {
    DialogsTest::SetUp();
    UseCommaDecimalLocale();
  }

  std::vector<Shown> Rows(int kind) {
    std::vector<ListRow> rows;
    RefDataTable(kind).AppendRows(rows);
    std::vector<Shown> shown;
    for (const ListRow& row : rows)
      shown.push_back(
          {row.GetObjectId(), row.GetCell(0).GetText(), row.GetCell(1).GetText(), row.GetCell(1).GetType()});
    return shown;
  }

  int Save(int kind, const std::wstring& first, const std::wstring& second, int id = 0) {
    const RefDataTable table(kind);
    RefDataFields fields = table.Load(id);
    fields.first = first;
    table.ReadSecond(second, fields);
    return table.Save(id, fields);
  }
};

TEST(RefDataTableTexts, EveryKindHasItsListAndEditTexts) {
  struct Case {
    int kind;
    const wchar_t* caption;
    const wchar_t* listName;
    const wchar_t* label;
    const wchar_t* secondColumn;
    int secondAlignment;
    const wchar_t* closeText;
    const wchar_t* captionNew;
    const wchar_t* secondLabel;
    const wchar_t* cancelText;
    uint32_t secondInput;
  };
  const Case cases[] = {
      {kRefMeasurements, L"Measurements", L"RefMeasurements", L"&List of Measurement:", L"Shortcut", 0,
       L"&Close", L"New Measurement", L"&Shortcut:", L"Cancel", kInputText},
      {kRefTaxes, L"Taxes", L"RefTaxes", L"&List of Taxes:", L"Percent", 1, L"Close", L"New Tax",
       L"&Percent:", L"Cancel", kInputDecimal},
      {kRefDaysConditions, L"Payment conditions", L"RefDaysCondition", L"&List of Payment conditions:",
       L"Allowed Delay in days", 1, L"Close", L"New Payment condition",
       L"&Allowed Days to delay the Payment:", L"Close", kInputInteger},
      {kRefTemplates, L"Templates", L"RefTemplates", L"&List of Templates:", L"File Name", 0, L"Close",
       L"New Template", L"&File Name:", L"Cancel", kInputText},
      {kRefPhoneCodes, L"Phone Codes", L"RefPhoneCodes", L"&List of Phone Codes:", L"Code", 0, L"&Close",
       L"New Phone Code", L"&Code:", L"Cancel", kInputText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    const RefDataTable table(c.kind);
    EXPECT_TRUE(table.IsKnown());
    const RefDataListTexts list = table.ListTexts();
    EXPECT_EQ(list.caption, c.caption);
    EXPECT_EQ(list.listName, c.listName);
    EXPECT_EQ(list.label, c.label);
    EXPECT_EQ(list.columns[1].caption, c.secondColumn);
    EXPECT_EQ(list.columns[1].alignment, c.secondAlignment);
    EXPECT_EQ(list.columns[0].width, 200);
    EXPECT_EQ(list.closeText, c.closeText);
    const RefDataEditTexts edit = table.EditTexts();
    EXPECT_EQ(edit.captionNew, c.captionNew);
    EXPECT_EQ(edit.secondLabel, c.secondLabel);
    EXPECT_EQ(edit.okText, L"Save");
    EXPECT_EQ(edit.cancelText, c.cancelText);
    EXPECT_EQ(table.SecondInputType(), c.secondInput);
    EXPECT_EQ(table.BrowsesForFile(), c.kind == kRefTemplates);
  }
  // The tax's name is labelled as its shortcut.
  EXPECT_EQ(RefDataTable(kRefTaxes).EditTexts().firstLabel, L"&Shortcut:");
  EXPECT_EQ(RefDataTable(kRefTaxes).EditTexts().captionEdit, L"Edit the Tax");
}

TEST_F(RefDataTableTest, KindTwoAndUnknownKindsShowAndDoNothing) {
  const int objects = CountRows(L"OBJECTS");
  for (int kind : {2, 6, -1}) {
    const RefDataTable table(kind);
    EXPECT_FALSE(table.IsKnown());
    EXPECT_EQ(table.ListTexts().caption, L"");
    EXPECT_TRUE(Rows(kind).empty());
    EXPECT_EQ(table.Save(0, {L"x", L"y"}), 0);
    EXPECT_NO_THROW(table.Delete(1));
  }
  EXPECT_EQ(CountRows(L"OBJECTS"), objects);
}

TEST_F(RefDataTableTest, SavedRowsAreListedInTheTablesOrderWithTheirSecondValue) {
  const int kg = Save(kRefMeasurements, L"Kilogram", L"kg");
  const int box = Save(kRefMeasurements, L"Box", L"bx");
  EXPECT_EQ(Rows(kRefMeasurements),
            (std::vector<Shown>{{box, L"Box", L"bx", VT_TEXT}, {kg, L"Kilogram", L"kg", VT_TEXT}}));

  const int vat = Save(kRefTaxes, L"VAT", L"1.018,5");
  EXPECT_EQ(Rows(kRefTaxes), (std::vector<Shown>{{vat, L"VAT", L"1.018,50", VT_DOUBLE}}));
  EXPECT_DOUBLE_EQ(Invoice::Tax(vat).GetPercent(), 1018.5);

  const int month = Save(kRefDaysConditions, L"Month", L"30 days");
  EXPECT_EQ(Rows(kRefDaysConditions), (std::vector<Shown>{{month, L"Month", L"30", VT_INTEGER}}));

  const int plain = Save(kRefTemplates, L"Plain", L"/home/user/plain.zlt");
  EXPECT_EQ(Rows(kRefTemplates), (std::vector<Shown>{{plain, L"Plain", L"/home/user/plain.zlt", VT_TEXT}}));

  // Phone codes go by country, whatever order they were saved in.
  const int mk = Save(kRefPhoneCodes, L"Macedonia", L"+389");
  const int at = Save(kRefPhoneCodes, L"Austria", L"+43");
  EXPECT_EQ(Rows(kRefPhoneCodes),
            (std::vector<Shown>{{at, L"Austria", L"+43", VT_TEXT}, {mk, L"Macedonia", L"+389", VT_TEXT}}));
  EXPECT_EQ(Invoice::PhoneCode(mk).GetCountry(), L"Macedonia");
}

TEST_F(RefDataTableTest, EditingARowKeepsItsIdAndLoadsItsFields) {
  const int vat = Save(kRefTaxes, L"VAT", L"18");
  const RefDataTable taxes(kRefTaxes);
  RefDataFields fields = taxes.Load(vat);
  EXPECT_EQ(fields.first, L"VAT");
  EXPECT_DOUBLE_EQ(fields.percent, 18.0);
  EXPECT_EQ(taxes.FormatSecond(fields), L"18,00");
  fields.first = L"VAT reduced";
  taxes.ReadSecond(L"5,5", fields);
  EXPECT_EQ(taxes.Save(vat, fields), vat);
  EXPECT_EQ(Rows(kRefTaxes), (std::vector<Shown>{{vat, L"VAT reduced", L"5,50", VT_DOUBLE}}));

  const RefDataTable templates(kRefTemplates);
  const int plain = Save(kRefTemplates, L"Plain", L"/tmp/a.zlt");
  EXPECT_EQ(templates.Load(plain).second, L"/tmp/a.zlt");
  EXPECT_EQ(templates.Load(0).first, L"");  // a new row
}

TEST_F(RefDataTableTest, TheSecondTextReadsAsTheKindsNumber) {
  struct Case {
    int kind;
    const wchar_t* typed;
    double percent;
    int32_t days;
  };
  const Case cases[] = {
      {kRefTaxes, L"12,5", 12.5, 0},
      {kRefTaxes, L"1.234,56", 1234.56, 0},
      {kRefTaxes, L"abc", 0.0, 0},
      {kRefDaysConditions, L"45", 0.0, 45},
      {kRefDaysConditions, L"15 days", 0.0, 15},
      {kRefDaysConditions, L"days", 0.0, 0},
      {kRefMeasurements, L"12", 0.0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(platform::ToUtf8(c.typed));
    RefDataFields fields;
    RefDataTable(c.kind).ReadSecond(c.typed, fields);
    EXPECT_EQ(fields.second, c.typed);
    EXPECT_DOUBLE_EQ(fields.percent, c.percent);
    EXPECT_EQ(fields.days, c.days);
  }
  RefDataFields days;
  days.days = 7;
  days.second = L"typed";
  EXPECT_EQ(RefDataTable(kRefDaysConditions).FormatSecond(days), L"7");
  EXPECT_EQ(RefDataTable(kRefPhoneCodes).FormatSecond(days), L"typed");
}

TEST_F(RefDataTableTest, ARowInUseIsNotDeletedAndTheRefusalNamesWhy) {
  const int kg = Save(kRefMeasurements, L"Kilogram", L"kg");
  const int vat = Save(kRefTaxes, L"VAT", L"18");
  const int month = Save(kRefDaysConditions, L"Month", L"30");
  const int plain = Save(kRefTemplates, L"Plain", L"/tmp/plain.zlt");
  Invoice::Item item;
  item.SetName(L"Bolt");
  item.SetMeasurementId(kg);
  item.SetTaxId(vat);
  StoreObject(item);
  StoreInvoice(L"1", StoreCompany(L"Acme"), 0, plain, 30);

  struct Case {
    int kind;
    int id;
    const wchar_t* refusal;
    const wchar_t* table;
  };
  const Case cases[] = {
      {kRefMeasurements, kg, L"Measurement is used in one (or more) Item(s) and can not be deleted!",
       L"MEASUREMENTS"},
      {kRefTaxes, vat, L"Tax is used in one (or more) Item(s) and can not be deleted!", L"TAXES"},
      {kRefDaysConditions, month,
       L"Days Condition is used in one (or more) Invoice(s) and can not be deleted!", L"DAYS_CONDITION"},
      {kRefTemplates, plain, L"Template layout is used in one (or more) Invoice(s) and can not be deleted!",
       L"TEMPLATES"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(FailureText([&] { RefDataTable(c.kind).Delete(c.id); }), c.refusal);
    EXPECT_EQ(CountRows(c.table), 1);
  }
}

TEST_F(RefDataTableTest, RowsNotInUseAndPhoneCodesAreDeleted) {
  const int box = Save(kRefMeasurements, L"Box", L"bx");
  const int mk = Save(kRefPhoneCodes, L"Macedonia", L"+389");
  const int month = Save(kRefDaysConditions, L"Month", L"30");
  StoreInvoice(L"1", StoreCompany(L"Acme"), 0, 0, 15);  // another number of days
  RefDataTable(kRefMeasurements).Delete(box);
  RefDataTable(kRefPhoneCodes).Delete(mk);
  RefDataTable(kRefDaysConditions).Delete(month);
  EXPECT_EQ(CountRows(L"MEASUREMENTS"), 0);
  EXPECT_EQ(CountRows(L"PHONE_CODES"), 0);
  EXPECT_EQ(CountRows(L"DAYS_CONDITION"), 0);
  EXPECT_EQ(Count(L"OBJECTS", L"OBJECT_ID IN (" + std::to_wstring(box) + L", " + std::to_wstring(mk) + L")"),
            0);
}

TEST_F(RefDataTableTest, AFailedSaveLeavesNothingWritten) {
  const RefDataTable taxes(kRefTaxes);
  const int objects = CountRows(L"OBJECTS");
  {
    FailingOperation failing(ibase::ibOperation::Commit);
    EXPECT_NE(FailureText([&] { taxes.Save(0, {L"VAT", L"18", 18.0, 0}); }), L"");
  }
  EXPECT_EQ(CountRows(L"TAXES"), 0);
  EXPECT_EQ(CountRows(L"OBJECTS"), objects);
}

}  // namespace
