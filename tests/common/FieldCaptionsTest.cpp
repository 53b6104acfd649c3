#include "common/FieldCaptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct Caption {
  int32_t field;
  const wchar_t* text;
};

void PrintTo(const Caption& c, std::ostream* os) {
  *os << "field " << c.field;
}

class FieldCaptionsTableTest : public ::testing::TestWithParam<Caption> {};

TEST_P(FieldCaptionsTableTest, GivesTheCaptionOfEachField) {
  EXPECT_EQ(GetParam().text, FieldCaptions::Instance().GetCaption(GetParam().field));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldCaptionsTableTest,
    ::testing::Values(Caption{100, L"Invoice Number"}, Caption{101, L"Date"}, Caption{102, L"Total Tax"},
                      Caption{103, L"Invoice Total"}, Caption{104, L"Invoice Discount %"},
                      Caption{105, L"Invoice Discount"}, Caption{106, L"To (Client Address)"},
                      Caption{107, L"Paid date"}, Caption{108, L"Allowed Delay"},
                      Caption{109, L"Total without Tax"}, Caption{110, L"From (Vendor Address)"},
                      Caption{111, L"To (Client Name)"}, Caption{112, L"From (Vendor Name)"},
                      Caption{1, L"Item's Name"}, Caption{2, L"Price"}, Caption{3, L"Quantity"},
                      Caption{4, L"Base Unit"}, Caption{5, L"Sum"}, Caption{6, L"Discount %"},
                      Caption{7, L"Discount"}, Caption{8, L"Tax %"}, Caption{9, L"Tax"},
                      Caption{10, L"Total"}, Caption{11, L"Code"}));

TEST(FieldCaptionsTest, HoldsExactlyTheInvoiceAndRowFields) {
  const FieldCaptions& captions = FieldCaptions::Instance();
  EXPECT_EQ(13u, captions.GetInvoiceFields().size());
  EXPECT_EQ(11u, captions.GetRowFields().size());
  EXPECT_EQ(100, captions.GetInvoiceFields().begin()->first);
  EXPECT_EQ(11, captions.GetRowFields().rbegin()->first);
  EXPECT_EQ(&captions, &FieldCaptions::Instance());
}

TEST(FieldCaptionsTest, UnknownNumbersFailWithCaptionNotFound) {
  for (int32_t field : {0, 12, 99, 113, -1}) {
    try {
      FieldCaptions::Instance().GetCaption(field);
      ADD_FAILURE() << "field " << field << " has a caption";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ("Field Caption not found", e.what());
    }
  }
}

}  // namespace
