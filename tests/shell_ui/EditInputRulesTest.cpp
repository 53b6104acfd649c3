#include "common/ui/EditInputRules.h"

#include <gtest/gtest.h>

#include <wx/defs.h>

namespace {
struct KeyCase {
  uint32_t type;
  int key;
  const wchar_t* text;
  long from, to;
  bool passes;
  int modifiers = 0;
};
}  // namespace

TEST(EditInputRulesTest, KeyFilterByInputType) {
  const KeyCase cases[] = {
      {kInputText, 'A', L"", 0, 0, true},
      {kInputText, WXK_NUMPAD_DECIMAL, L"", 0, 0, true},
      {kInputInteger, 'A', L"", 0, 0, false},
      {kInputInteger, '5', L"", 0, 0, true},
      {kInputInteger, WXK_NUMPAD7, L"", 0, 0, true},
      {kInputInteger, WXK_NUMPAD_DECIMAL, L"", 0, 0, false},
      {kInputInteger, '-', L"", 0, 0, false},
      {kInputInteger, '.', L"", 0, 0, false},
      {kInputInteger, ',', L"", 0, 0, false},
      {kInputInteger, WXK_BACK, L"12", 2, 2, true},
      {kInputInteger, WXK_DELETE, L"12", 0, 0, true},
      {kInputInteger, WXK_TAB, L"", 0, 0, true},
      {kInputInteger, WXK_LEFT, L"", 0, 0, true},
      {kInputInteger, WXK_HOME, L"", 0, 0, true},
      {kInputInteger, WXK_F1, L"", 0, 0, false},
      {kInputDecimal, 'A', L"", 0, 0, false},
      {kInputInteger, 'V', L"", 0, 0, false},
      {kInputInteger, 'V', L"12", 2, 2, true, wxMOD_CONTROL},  // paste
      {kInputInteger, 'A', L"12", 2, 2, true, wxMOD_CONTROL},  // select all
      {kInputInteger, 'C', L"12", 0, 2, true, wxMOD_CONTROL},  // copy
      {kInputInteger, 'B', L"12", 0, 2, false, wxMOD_CONTROL},
      {kInputDecimal, 'A', L"", 0, 0, false},
      {kInputDecimal, '-', L"", 0, 0, true},                     // minus at the start
      {kInputDecimal, WXK_NUMPAD_SUBTRACT, L"5", 0, 0, true},
      {kInputDecimal, '-', L"5", 1, 1, false},                   // not after a digit
      {kInputDecimal, '-', L"-5", 0, 0, false},                  // not twice
      {kInputDecimal, '-', L"-5", 0, 1, true},                   // typed over the one there
      {kInputDecimal, WXK_NUMPAD_DECIMAL, L"", 0, 0, true},      // empty text
      {kInputDecimal, WXK_NUMPAD_DECIMAL, L"15", 2, 2, true},    // no separator yet
      {kInputDecimal, '.', L"15", 2, 2, true},                   // the main keyboard's point
      {kInputDecimal, ',', L"15", 1, 1, true},                   // and comma
      {kInputDecimal, WXK_NUMPAD_DECIMAL, L"1,5", 3, 3, false},  // already has one
      {kInputDecimal, '.', L"1,5", 3, 3, false},
      {kInputDecimal, ',', L"1,5", 0, 0, false},
      {kInputDecimal, WXK_NUMPAD_DECIMAL, L"1,5", 0, 3, true},   // all selected
      {kInputDecimal, WXK_NUMPAD_DECIMAL, L"12,5", 1, 3, true},  // the separator is selected
      {kInputDecimal, WXK_NUMPAD_DECIMAL, L"12,5", 0, 1, false}, // another part selected
  };
  for (const auto& c : cases) {
    EditInputRules rules(c.type);
    EXPECT_EQ(rules.AcceptsKey(c.key, c.text, c.from, c.to, L",", c.modifiers), c.passes)
        << "type " << c.type << " key " << c.key << " text " << c.text;
  }
}

TEST(EditInputRulesTest, LeadingZerosGoFromWholeNumbers) {
  EditInputRules integer(kInputInteger);
  auto edited = integer.StripLeadingZeros(L"05", 2, 2);  // typed 0 then 5
  ASSERT_TRUE(edited);
  EXPECT_EQ(edited->text, L"5");
  EXPECT_EQ(edited->selectionStart, 1);
  EXPECT_EQ(edited->selectionEnd, 1);

  EXPECT_EQ(integer.StripLeadingZeros(L"007", 0, 3)->text, L"7");
  EXPECT_EQ(integer.StripLeadingZeros(L"000", 3, 3)->text, L"0");
  EXPECT_FALSE(integer.StripLeadingZeros(L"0", 1, 1));
  EXPECT_FALSE(integer.StripLeadingZeros(L"70", 1, 1));
  EXPECT_FALSE(EditInputRules(kInputDecimal).StripLeadingZeros(L"007", 0, 0));
  EXPECT_FALSE(EditInputRules(kInputText).StripLeadingZeros(L"007", 0, 0));
}

namespace {
struct CheckCase {
  uint32_t kind;
  double first, second;
  const wchar_t* text;
  const wchar_t* message;  // null: passes
  bool parentCaption;
};
}  // namespace

TEST(EditInputRulesTest, ValueChecksAndTheirMessages) {
  const CheckCase cases[] = {
      {kCheckNone, 0, 0, L"", nullptr, true},
      {kCheckRange, 1, 10, L"0.5", L"The value should be between 1.000000 and 10.000000", true},
      {kCheckRange, 1, 10, L"10.5", L"The value should be between 1.000000 and 10.000000", true},
      {kCheckRange, 1, 10, L"1", nullptr, true},
      {kCheckRange, 1, 10, L"10", nullptr, true},
      {kCheckGreater, 0, 0, L"0", L"Vrednosta mora da bide pogolema od 0.00", true},
      {kCheckGreater, 0, 0, L"0.01", nullptr, true},
      {kCheckSmaller, 100, 0, L"100", L"The value should be smaller then 100.000000", false},
      {kCheckSmaller, 100, 0, L"99.99", nullptr, true},
      {kCheckRange, 1, 10, L"", L"Popolnuvaweto na poleto e zadol`itelno", true},
      {kCheckGreater, 0, 0, L"", L"Popolnuvaweto na poleto e zadol`itelno", true},
      {3, 0, 0, L"", L"Popolnuvaweto na poleto e zadol`itelno", true},
      {3, 0, 0, L"anything", nullptr, true},
      {kCheckRange, 1, 10, L"abc", L"The value should be between 1.000000 and 10.000000", true},  // reads 0
  };
  AmountFormat c = AmountFormat::Of(platform::LocaleInfo{});
  for (const auto& k : cases) {
    EditInputRules rules(kInputDecimal, k.kind);
    rules.SetBounds(k.first, k.second);
    auto refusal = rules.Check(k.text, c);
    if (!k.message) {
      EXPECT_FALSE(refusal) << "kind " << k.kind << " text " << k.text;
      continue;
    }
    ASSERT_TRUE(refusal) << "kind " << k.kind << " text " << k.text;
    EXPECT_EQ(refusal->message, k.message);
    EXPECT_EQ(refusal->parentCaption, k.parentCaption);
  }
}

TEST(EditInputRulesTest, ChecksReadTheNumberWithTheLocalesSeparators) {
  platform::LocaleInfo german;
  german.decimalSeparator = L",";
  german.thousandsSeparator = L".";
  EditInputRules rules(kInputDecimal, kCheckRange);
  rules.SetBounds(1, 10);
  // 9,5 is nine and a half, not 9; 1.500 is fifteen hundred, not 1.5.
  EXPECT_FALSE(rules.Check(L"9,5", AmountFormat::Of(german)));
  EXPECT_TRUE(rules.Check(L"10,5", AmountFormat::Of(german)));
  EXPECT_TRUE(rules.Check(L"1.500", AmountFormat::Of(german)));
}

TEST(EditInputRulesTest, PointCommaAndThePadsKeyStandForTheSeparatorInDecimalsOnly) {
  EditInputRules decimal(kInputDecimal);
  for (int key : {int{'.'}, int{','}, int{WXK_NUMPAD_DECIMAL}, int{WXK_NUMPAD_SEPARATOR}})
    EXPECT_TRUE(decimal.TypesSeparator(key)) << key;
  EXPECT_FALSE(decimal.TypesSeparator('-'));
  EXPECT_FALSE(EditInputRules(kInputText).TypesSeparator('.'));
  EXPECT_FALSE(EditInputRules(kInputInteger).TypesSeparator(','));
}

namespace {
struct LimitCase {
  FieldLimits limits;
  const wchar_t* text;
  const wchar_t* refusal;  // null: fits
};
}  // namespace

TEST(EditInputRulesTest, FieldLimitsRefuseWhatDoesNotFitNamingTheField) {
  AmountFormat comma;
  comma.decimalSeparator = L",";
  comma.thousandsSeparator = L".";
  const FieldLimits quantity = FieldLimits::Decimal(L"Quantity", -kAmountLimit, kAmountLimit);
  const FieldLimits discount = FieldLimits::Decimal(L"Discount %", 0, 100);
  const FieldLimits days = FieldLimits::Whole(L"Days", kIntegerColumnMin, kIntegerColumnMax);
  const std::wstring beyondADouble(400, L'9');
  const LimitCase cases[] = {
      {quantity, L"12,5", nullptr},
      {quantity, L"-1.234,50", nullptr},  // as the field shows a number
      {quantity, L"", nullptr},           // empty reads as 0
      {quantity, L" 7 ", nullptr},
      {quantity, L"1.000.000.000.000", nullptr},
      {quantity, L"999999999999999999999999", L"\"Quantity\" should be between -1000000000000 and 1000000000000."},
      {quantity, L"-1.000.000.000.001", L"\"Quantity\" should be between -1000000000000 and 1000000000000."},
      {quantity, L"1e40", L"\"Quantity\" is not a number."},
      {quantity, L"ten", L"\"Quantity\" is not a number."},
      {quantity, L"12abc", L"\"Quantity\" is not a number."},
      {quantity, L"1,2,3", L"\"Quantity\" is not a number."},
      {quantity, L"-", L"\"Quantity\" is not a number."},
      {quantity, L"5-", L"\"Quantity\" is not a number."},
      {quantity, beyondADouble.c_str(), L"\"Quantity\" is not a number."},  // beyond a double
      {discount, L"100", nullptr},
      {discount, L"0", nullptr},
      {discount, L"100,01", L"\"Discount %\" should be between 0 and 100."},
      {discount, L"-1", L"\"Discount %\" should be between 0 and 100."},
      {days, L"2147483647", nullptr},
      {days, L"2147483648", L"\"Days\" should be between -2147483648 and 2147483647."},
      {days, L"1,5", L"\"Days\" takes a whole number."},
      {FieldLimits::Text(L"Code", 5), L"12345", nullptr},
      {FieldLimits::Text(L"Code", 5), L"123456", L"\"Code\" takes at most 5 characters."},
      {FieldLimits::RequiredText(L"Name", 5), L"x", nullptr},
      {FieldLimits::RequiredText(L"Name", 5), L"", L"\"Name\" must not be empty."},
      {FieldLimits::RequiredText(L"Name", 5), L" \t ", L"\"Name\" must not be empty."},
      {FieldLimits::RequiredText(L"Name", 5), L"123456", L"\"Name\" takes at most 5 characters."},
      {FieldLimits::Text(L"Code", 5), L"", nullptr},
      {FieldLimits(), L"anything", nullptr},
  };
  for (const auto& c : cases) {
    const auto refusal = CheckFieldText(c.limits, c.text, comma);
    if (c.refusal) {
      ASSERT_TRUE(refusal) << c.text;
      EXPECT_EQ(*refusal, c.refusal);
    } else {
      EXPECT_FALSE(refusal) << c.text << ": " << (refusal ? *refusal : L"");
    }
  }
}

TEST(EditInputRulesTest, AFieldIsNamedByItsLabel) {
  EXPECT_EQ(FieldNameOfLabel(L"&Quantity:"), L"Quantity");
  EXPECT_EQ(FieldNameOfLabel(L"Ta&x %"), L"Tax %");
  EXPECT_EQ(FieldNameOfLabel(L"Save && Close:"), L"Save & Close");
}
