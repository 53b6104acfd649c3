#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ObjectsFixture.h"
#include "data/objects/DaysCondition.h"
#include "data/objects/Invoice.h"
#include "data/objects/Measurement.h"
#include "data/objects/PhoneCode.h"
#include "data/objects/Tax.h"
#include "data/objects/Template.h"

namespace {

using corvane::test::CallRecorder;
using corvane::test::FailureText;

class ObjectTest : public corvane::test::ObjectsTest {};

TEST_F(ObjectTest, AnUnmodifiedObjectWritesNothingEvenWhenNew) {
  TransactionScope scope;
  CallRecorder recorder;
  Invoice::Tax tax(0);
  tax.Save();
  Invoice::Item item;
  item.Save();
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_FALSE(tax.IsStored());
  EXPECT_EQ(tax.GetObjectId(), 0);
}

TEST_F(ObjectTest, CopiesShareTheIdTheFirstSaveGivesAndARollbackTakesItBack) {
  Invoice::Tax tax(0);
  tax.SetName(L"VAT");
  Invoice::Tax copy = tax;
  {
    TransactionScope scope;
    tax.Save();
    EXPECT_GT(copy.GetId(), 0);
    EXPECT_EQ(copy.GetObjectId(), tax.GetObjectId());
    EXPECT_TRUE(copy.IsStored());
  }
  EXPECT_EQ(tax.GetId(), 0);
  EXPECT_EQ(copy.GetObjectId(), 0);
  Committed([&] {
    tax.Save();
    copy.SetPercent(18.0);
    copy.Save();  // updates the same rows
  });
  EXPECT_EQ(CountRows(L"TAXES"), 1);
  EXPECT_EQ(Invoice::Tax(tax.GetId()).GetPercent(), 18.0);
  EXPECT_NE(Invoice::Tax(tax.GetId()).GetModifiedOn(), -1.0);
}

TEST_F(ObjectTest, SavingKeepsTheModifiedFlagSoASecondSaveWritesAgain) {
  TransactionScope scope;
  Invoice::Measurement unit(0);
  unit.SetName(L"Kilogram");
  unit.SetShortcut(L"kg");
  unit.Save();
  EXPECT_TRUE(unit.IsModified());
  CallRecorder recorder;
  unit.Save();
  EXPECT_EQ(recorder.Of(ibase::ibOperation::ExecuteImmediate).size(), 2u);  // OBJECTS, MEASUREMENTS
  Invoice::Measurement loaded(unit.GetId());
  EXPECT_FALSE(loaded.IsModified());
  EXPECT_EQ(loaded.GetShortcut(), L"kg");
}

TEST_F(ObjectTest, AnIdWithoutAClassRowLoadsEmptyAndAnUnknownIdFails) {
  TransactionScope scope;
  const int taxId = [&] {
    Invoice::Tax tax(0);
    tax.SetName(L"VAT");
    tax.Save();
    return tax.GetId();
  }();
  Invoice::Measurement notAUnit(taxId);
  EXPECT_FALSE(notAUnit.IsStored());
  EXPECT_EQ(notAUnit.GetName(), L"");
  EXPECT_EQ(FailureText([] { Invoice::Tax missing(999999); }), L"Object not found!");
}

TEST_F(ObjectTest, ACloneRereadsItsObjectsRow) {
  TransactionScope scope;
  Invoice::Tax tax(0);
  tax.SetName(L"VAT");
  tax.Save();
  Invoice::Tax loaded(tax.GetId());
  EXPECT_FALSE(loaded.Clone()->IsModified());
  tax.Delete();
  EXPECT_EQ(FailureText([&] { loaded.Clone(); }), L"Object not found!");
}

// The reference rows refuse to go while something uses them.
TEST_F(ObjectTest, ReferenceRowsInUseAreNotDeleted) {
  TransactionScope scope;
  Invoice::Measurement unit(0);
  unit.SetName(L"Piece");
  unit.Save();
  Invoice::Tax tax(0);
  tax.SetName(L"VAT");
  tax.Save();
  Invoice::DaysCondition days(0);
  days.SetName(L"Month");
  days.SetDays(30);
  days.Save();
  Invoice::Template layout(0);
  layout.SetName(L"Plain");
  layout.SetFileName(L"/tmp/plain.zlt");
  layout.Save();
  Invoice::Item item = NewItem(L"Bolt");
  item.SetMeasurementId(unit.GetId());
  item.SetTaxId(tax.GetId());
  item.Save();
  Invoice::Invoice invoice;
  invoice.SetInvoiceNum(L"0001/06");
  invoice.SetDate(38785.0);
  invoice.SetDaysCondition(30);
  invoice.SetTemplateId(layout.GetId());
  invoice.Save();

  struct Case {
    Invoice::Object* object;
    const wchar_t* refusal;
  };
  const std::vector<Case> cases = {
      {&unit, L"Measurement is used in one (or more) Item(s) and can not be deleted!"},
      {&tax, L"Tax is used in one (or more) Item(s) and can not be deleted!"},
      {&days, L"Days Condition is used in one (or more) Invoice(s) and can not be deleted!"},
      {&layout, L"Template layout is used in one (or more) Invoice(s) and can not be deleted!"},
  };
  for (const Case& c : cases) EXPECT_EQ(FailureText([&] { c.object->Delete(); }), c.refusal);
  EXPECT_EQ(CountRows(L"MEASUREMENTS") + CountRows(L"TAXES") + CountRows(L"DAYS_CONDITION") +
                CountRows(L"TEMPLATES"),
            4);

  invoice.Delete();
  item.Delete();
  for (const Case& c : cases) EXPECT_EQ(FailureText([&] { c.object->Delete(); }), L"");
  EXPECT_EQ(CountRows(L"MEASUREMENTS") + CountRows(L"TAXES") + CountRows(L"DAYS_CONDITION") +
                CountRows(L"TEMPLATES"),
            0);
}

TEST_F(ObjectTest, ReferenceListsComeInNameOrder) {
  TransactionScope scope;
  for (const wchar_t* name : {L"VAT", L"Excise", L"None"}) {
    Invoice::Tax tax(0);
    tax.SetName(name);
    tax.Save();
  }
  for (const auto& [country, code] : {std::pair{L"Norway", L"47"}, std::pair{L"Austria", L"43"}}) {
    Invoice::PhoneCode phoneCode(0);
    phoneCode.SetCountry(country);
    phoneCode.SetCode(code);
    phoneCode.Save();
  }
  std::vector<Invoice::Tax> taxes;
  Invoice::GetAllTaxes(taxes);
  std::vector<std::wstring> names;
  for (const auto& tax : taxes) names.push_back(tax.GetName());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Excise", L"None", L"VAT"}));
  std::vector<Invoice::PhoneCode> codes;
  Invoice::GetAllPhoneCodes(codes);
  ASSERT_EQ(codes.size(), 2u);
  EXPECT_EQ(codes[0].GetCode(), L"43");
  codes[0].Delete();  // phone codes have no in-use rule
  EXPECT_EQ(CountRows(L"PHONE_CODES"), 1);
}

}  // namespace
