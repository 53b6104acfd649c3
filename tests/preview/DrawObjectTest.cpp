#include "preview/DrawObject.h"

#include <gtest/gtest.h>

#include "../gdi/BmpFiles.h"
#include "PreviewFixtures.h"
#include "TestEnvironment.h"
#include "Locales.h"
#include "platform/OleDateTime.h"
#include "platform/TextCodec.h"
#include "preview/DrawBox.h"
#include "preview/DrawField.h"
#include "preview/DrawLabel.h"
#include "preview/DrawObjectFactory.h"
#include "preview/DrawPicture.h"
#include "preview/DrawRepeatField.h"

using namespace platform::gdi;
using corvane::test::InchRect;

namespace {

RecordedPage DrawOn(const CDrawObject& object, int32_t page, const DeviceMetrics& metrics) {
  FixedTextMeasurer measurer;
  PageRecorder recorder(metrics, measurer);
  object.Draw(page, recorder);
  return recorder.Take();
}

struct ItemKind {
  int32_t itemType;
  int32_t kind;  // 0: no object
};

class FactoryByItemType : public ::testing::TestWithParam<ItemKind> {};

TEST_P(FactoryByItemType, MakesTheKindThatAcceptsTheItem) {
  TemplateItem item(GetParam().itemType);
  corvane::test::SetCommon(item, L"t", L"n", InchRect{0, 0, 1, 1});
  std::unique_ptr<CDrawObject> object = preview::CreateDrawObject(item);
  if (GetParam().kind == 0) {
    EXPECT_EQ(object, nullptr);
  } else {
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetKind(), GetParam().kind);
  }
}

INSTANTIATE_TEST_SUITE_P(ItemTypes, FactoryByItemType,
                         ::testing::Values(ItemKind{1, kDrawLabel}, ItemKind{2, kDrawPicture},
                                           ItemKind{3, kDrawLine}, ItemKind{4, kDrawBox},
                                           ItemKind{5, kDrawField}, ItemKind{6, kDrawField},
                                           ItemKind{7, kDrawRepeatField}, ItemKind{0, 0}, ItemKind{8, 0},
                                           ItemKind{-3, 0}));

TEST(DrawObject, ItemTextAndNameAndRectangleAreRead) {
  auto object = preview::CreateDrawObject(
      corvane::test::FieldItem(L"FLD_100_000", L"Invoice no.", InchRect{1.5, 2, 3.5, 2.25}));
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->GetName(), L"FLD_100_000");
  EXPECT_EQ(object->GetText(), L"Invoice no.");
  EXPECT_DOUBLE_EQ(object->GetLeft(), 1.5);
  EXPECT_DOUBLE_EQ(object->GetBottom(), 2.25);
  EXPECT_EQ(object->GetFontSize(), 100);
  EXPECT_EQ(object->GetFontFace(), L"DejaVu Sans");
}

TEST(DrawObject, PropertiesOfAnotherValueTypeReadAsMissing) {
  TemplateItem item = corvane::test::LabelItem(L"x", InchRect{0, 0, 1, 1});
  item.SetProperty(template_props::kFontSize, Value(L"120"));
  item.SetProperty(template_props::kBold, Value(int32_t{1}));
  item.SetProperty(template_props::kLeft, Value(int32_t{3}));
  item.SetProperty(template_props::kText, Value(int32_t{7}));
  const uint8_t red[4] = {0xFF, 0, 0, 0};  // a value type this program does not know
  item.SetProperty(template_props::kTextColor, Value::FromRaw(static_cast<ValueType>(9), red, 4));
  auto object = preview::CreateDrawObject(item);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->GetFontSize(), 0);
  EXPECT_EQ(object->GetBold(), 0);
  EXPECT_DOUBLE_EQ(object->GetLeft(), 0.0);
  EXPECT_EQ(object->GetText(), L"");
  EXPECT_EQ(object->GetTextColor(), 0u);
}

TEST(DrawObject, TransparentBoxIsDrawnWithTheHollowBrush) {
  auto box = preview::CreateDrawObject(corvane::test::BoxItem(InchRect{1, 1, 2, 2}, true, true));
  RecordedPage page = DrawOn(*box, 1, corvane::test::Metrics(600));
  ASSERT_EQ(page.ops.size(), 1u);
  const auto& rectangle = std::get<RectangleOp>(page.ops[0]);
  EXPECT_TRUE(rectangle.brush.hollow);
  EXPECT_EQ(rectangle.pen, (Pen{PS_SOLID, 6, 0}));  // 0.01 inch at 600 ppi
  EXPECT_EQ(rectangle.rect, (Rect{600, 600, 1200, 1200}));
}

TEST(DrawObject, BoxWithoutBorderUsesTheNullPen) {
  auto box = preview::CreateDrawObject(corvane::test::BoxItem(InchRect{1, 1, 2, 2}, false, false, 0x00FF00));
  RecordedPage page = DrawOn(*box, 1, corvane::test::Metrics(96));
  const auto& rectangle = std::get<RectangleOp>(page.ops.at(0));
  EXPECT_TRUE(rectangle.pen.IsNull());
  EXPECT_EQ(rectangle.brush, Brush::Solid(0x00FF00));
}

TEST(DrawObject, BoxRecordGivesBorderAndFill) {
  auto box = preview::CreateDrawObject(
      std::wstring(L"report_box:1.000000,1.000000,2.000000,2.000000,Box,,0,1,0.010000,0,0,1,255;"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetKind(), kDrawBox);
  EXPECT_EQ(box->GetBorderLine().GetOn(), 1);
  EXPECT_DOUBLE_EQ(box->GetBorderLine().GetWidth(), 0.01);
  EXPECT_EQ(box->GetBorderLine().GetPenStyle(), PS_SOLID);
  EXPECT_EQ(box->GetBorderLine().GetColor(), 0u);
  EXPECT_EQ(box->GetFillOn(), 1);
  EXPECT_EQ(box->GetFillColor(), RGB(255, 0, 0));
}

TEST(DrawObject, RecordsOfEveryKind) {
  struct Case {
    std::wstring record;
    int32_t kind;
  };
  const Case cases[] = {
      {L"report_line:0.5,1,4.5,1,,,0,0.02,1,255;", kDrawLine},
      {L"report_picture:0,0,1,1,logo,,0,1,0.01,0,0,missing.bmp;", kDrawPicture},
      {L"report_label:0,0,1,1,Total,,0,Arial,100,1,0,0,0,0,2;", kDrawLabel},
      {L"report_field:0,0,1,1,Fieldname,FLD_100_000,0,Arial,100,0,0,0,0,0,0;", kDrawField},
      {L"invoice_field:0,0,1,1,Number,FLD_100_000,0,Arial,100,0,0,0,0,0,0;", kDrawField},
      {L"inv_repeat_fld:0,0,1,0.25,Price,FLD_002_000,0,Arial,100,0,0,0,0,0,0;", kDrawField},
      {L"inv_repeat_fld:0,0,1,0.25,Price,FLD_002_000,0,Arial,100,0,0,0,0,0,0;<inv_repeat_bgn>5,300;",
       kDrawRepeatField},
      // An unescaped ":" in a title makes a record no factory takes.
      {L"report_label:0,0,1,1,Total: now,,0,Arial,100,0,0,0,0,0,0;", 0},
      {L"report_box:0,0,1,1:x,,0,1,0,0,0,0,0;", 0},
      {L"report_labels:0,0,1,1,x,,0,Arial,100,0,0,0,0,0,0;", 0},
      {L"", 0},
  };
  for (const Case& c : cases) {
    auto object = preview::CreateDrawObject(c.record);
    EXPECT_EQ(object ? object->GetKind() : 0, c.kind) << c.record;
  }
}

TEST(DrawObject, RecordTextsAreUnescapedAndAttributesRead) {
  auto label = preview::CreateDrawObject(std::wstring(
      L"report_label:0.5,1,2.5,1.5,Total\\colon\\comma\\newline2,My\\semicolonName,3,Arial,120,1,1,1,1,"
      L"16711680,1;"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetText(), L"Total:,\r\n2");
  EXPECT_EQ(label->GetName(), L"My;Name");
  EXPECT_DOUBLE_EQ(label->GetRight(), 2.5);
  EXPECT_EQ(label->GetFontFace(), L"Arial");
  EXPECT_EQ(label->GetFontSize(), 120);
  EXPECT_EQ(label->GetBold(), 1);
  EXPECT_EQ(label->GetStrikeOut(), 1);
  EXPECT_EQ(label->GetTextColor(), RGB(0, 0, 255));
  EXPECT_EQ(label->GetAlignment(), 1);
}

TEST(DrawObject, RepeatRecordTakesTheRowLimit) {
  auto object = CDrawRepeatField::FromString(
      L"report_field:0,0,1,0.2,Price,FLD_002_000,0,Arial,100,0,0,0,0,0,0;<inv_repeat_bgn>5,300;");
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->GetRowLimit(), 5);
  EXPECT_EQ(object->GetName(), L"FLD_002_000");
  EXPECT_EQ(CDrawRepeatField::FromString(L"<inv_repeat_bgn>report_field:0,0,1,1,,,0,A,1,0,0,0,0,0,0;"),
            nullptr);
}

TEST(DrawObject, LabelFontHeightFollowsTheResolution) {
  CDrawLabel label;
  label.SetRect(0, 0, 2, 1);
  label.SetFontSize(100);
  label.SetText(L"Ten points");
  RecordedPage page = DrawOn(label, 1, corvane::test::Metrics(600));
  ASSERT_EQ(page.Texts().size(), 1u);
  EXPECT_EQ(page.Texts()[0]->font.height, 83);  // round(600 / 72 * 10)
  EXPECT_EQ(page.Texts()[0]->font.weight, FW_NORMAL);
  EXPECT_EQ(page.Texts()[0]->bkMode, TRANSPARENT);
}

TEST(DrawObject, StyleMarkersWorkInDataFieldsOnly) {
  CDrawField field;
  field.SetRect(0, 0, 4, 1);
  field.SetFontSize(100);
  field.SetText(L"[%bold%]Total[%italic%] due");
  RecordedPage fieldPage = DrawOn(field, 1, corvane::test::Metrics(96));
  ASSERT_EQ(fieldPage.Texts().size(), 1u);
  EXPECT_EQ(fieldPage.Texts()[0]->text, L"Total due");
  EXPECT_EQ(fieldPage.Texts()[0]->font.weight, FW_BOLD);
  EXPECT_TRUE(fieldPage.Texts()[0]->font.italic);
  EXPECT_EQ(field.GetText(), L"[%bold%]Total[%italic%] due");  // the stored text stays

  CDrawLabel label;
  label.SetRect(0, 0, 4, 1);
  label.SetText(L"[%bold%]Total");
  RecordedPage labelPage = DrawOn(label, 1, corvane::test::Metrics(96));
  EXPECT_EQ(corvane::test::TextsOf(labelPage), std::vector<std::wstring>{L"[%bold%]Total"});
  EXPECT_EQ(labelPage.Texts()[0]->font.weight, FW_NORMAL);
}

TEST(DrawObject, MacrosAreReplacedForEachPage) {
  platform::SetNowOverride(platform::CivilTime{2024, 3, 7, 14, 5, 9});
  CDrawField field;
  field.SetRect(0, 0, 6, 1);
  field.SetText(L"Page [%page%]");
  EXPECT_EQ(corvane::test::TextsOf(DrawOn(field, 1, corvane::test::Metrics(96))),
            std::vector<std::wstring>{L"Page 1"});
  EXPECT_EQ(corvane::test::TextsOf(DrawOn(field, 2, corvane::test::Metrics(96))),
            std::vector<std::wstring>{L"Page 2"});
  CDrawLabel label;
  label.SetRect(0, 0, 6, 1);
  label.SetText(L"[%date%] [%time%]");
  EXPECT_EQ(corvane::test::TextsOf(DrawOn(label, 1, corvane::test::Metrics(96))),
            std::vector<std::wstring>{L"03/07/24 14:05:09"});  // the C library's "%x %X"
  platform::SetNowOverride(std::nullopt);
}

TEST(DrawObject, XUsesTheHorizontalAndYTheVerticalResolution) {
  DeviceMetrics device = corvane::test::Metrics(300, 600);
  device.physicalOffsetX = 10;
  device.physicalOffsetY = 20;
  CDrawBox box;
  box.SetRect(1, 1, 2, 1.5);
  RecordedPage page = DrawOn(box, 1, device);
  EXPECT_EQ(std::get<RectangleOp>(page.ops.at(0)).rect, (Rect{290, 580, 590, 880}));
}

TEST(DrawObject, PictureWithoutItsFileDrawsOnlyItsBorder) {
  auto bordered = CDrawPicture::FromString(L"report_picture:0,0,1,1,logo,,0,1,0.01,0,0,/no/such/logo.bmp;");
  ASSERT_NE(bordered, nullptr);
  EXPECT_FALSE(bordered->GetDib().has_value());
  RecordedPage page = DrawOn(*bordered, 1, corvane::test::Metrics(100));
  ASSERT_EQ(page.ops.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<RectangleOp>(page.ops[0]));

  auto plain = CDrawPicture::FromString(L"report_picture:0,0,1,1,logo,,0,0,0.01,0,0,/no/such/logo.bmp;");
  EXPECT_TRUE(DrawOn(*plain, 1, corvane::test::Metrics(100)).ops.empty());
}

TEST(DrawObject, PictureStretchesItsBitmapInsideTheBorder) {
  corvane::test::TempDir dir;
  corvane::test::WriteBmp(dir / "logo.bmp", 4, 4, 24, 0, 0, 255);
  TemplateItem item(TemplateItemType::Picture);
  corvane::test::SetCommon(item, L"logo", L"", InchRect{1, 1, 2, 2});
  item.SetProperty(template_props::kBorder, Value::Boolean(false));
  item.SetProperty(template_props::kBitmapPath, Value((dir / "logo.bmp").wstring()));
  auto picture = preview::CreateDrawObject(item);
  RecordedPage page = DrawOn(*picture, 1, corvane::test::Metrics(100));
  ASSERT_EQ(page.ops.size(), 1u);
  EXPECT_EQ(std::get<ImageOp>(page.ops[0]).rect, (Rect{101, 101, 199, 199}));
}

TEST(DrawObject, ClearTextEmptiesFieldsOnly) {
  CDrawField field;
  field.SetText(L"x");
  field.ClearText();
  EXPECT_EQ(field.GetText(), L"");
  CDrawLabel label;
  label.SetText(L"x");
  label.ClearText();
  EXPECT_EQ(label.GetText(), L"x");
}

// Repeat fields.

class RepeatField : public ::testing::Test {
protected:
  void SetUp() override {
    m_field.SetRect(1, 2, 3, 2.25);
    for (const wchar_t* row : {L"one", L"two", L"three", L"four", L"five"}) m_rows.push_back(row);
  }
  RecordedPage Draw(int32_t limit, size_t rows, int32_t page = 1) {
    m_field.SetRowLimit(limit);
    for (size_t i = 0; i < rows; ++i) m_field.AddRow(m_rows[i]);
    return DrawOn(m_field, page, corvane::test::Metrics(100));
  }

  CDrawRepeatField m_field;
  std::vector<std::wstring> m_rows;
};

TEST_F(RepeatField, PrintsNoMoreRowsThanTheLimit) {
  RecordedPage page = Draw(3, 5);
  EXPECT_EQ(corvane::test::TextsOf(page), (std::vector<std::wstring>{L"one", L"two", L"three"}));
  // The third row starts at top + 2 row heights: 2 + 2 * 0.25 inches.
  EXPECT_EQ(page.Texts()[2]->y, 250);
  EXPECT_EQ(page.Texts()[0]->y, 200);
  EXPECT_EQ(page.Texts()[2]->x, 100);
}

TEST_F(RepeatField, PrintsTheRowsItHas) {
  EXPECT_EQ(corvane::test::TextsOf(Draw(10, 2)), (std::vector<std::wstring>{L"one", L"two"}));
}

TEST_F(RepeatField, LimitZeroOrNoRowsPrintNothing) {
  m_field.SetText(L"template text");
  EXPECT_TRUE(Draw(0, 5).ops.empty());
  m_field.ClearText();
  EXPECT_TRUE(m_field.GetRows().empty());
  EXPECT_TRUE(Draw(5, 0).ops.empty());
}

TEST_F(RepeatField, RowMacrosTakeThePage) {
  m_rows[0] = L"row on page [%page%]";
  EXPECT_EQ(corvane::test::TextsOf(Draw(1, 1, 4)), std::vector<std::wstring>{L"row on page 4"});
}

TEST_F(RepeatField, ItemGivesTheRowLimitOnlyWhenItIsAnInteger) {
  TemplateItem item = corvane::test::RepeatItem(L"FLD_002_000", 30, InchRect{0, 0, 1, 0.2});
  auto made = preview::CreateDrawObject(item);
  ASSERT_EQ(made->GetKind(), kDrawRepeatField);
  EXPECT_EQ(static_cast<CDrawRepeatField&>(*made).GetRowLimit(), 30);
  item.SetProperty(template_props::kRepeatRows, Value(30.0));
  EXPECT_EQ(static_cast<CDrawRepeatField&>(*preview::CreateDrawObject(item)).GetRowLimit(), 0);
}

// A template whose picture is L\u00f6go.bmp prints its picture.
TEST(DrawObject, APictureWithANonAsciiFileNameLoadsUnderEveryLocale) {
  corvane::test::TempDir dir;
  corvane::test::WriteBmp(dir / "L\xc3\xb6go.bmp", 4, 2, 24, 255, 0, 0);
  corvane::test::UnderEachLocale([&] {
    CDrawPicture picture;
    ASSERT_NO_THROW(picture.SetBitmapPath(platform::WideFromPath(dir.Path()) + L"/L\u00f6go.bmp"));
    EXPECT_TRUE(picture.GetDib().has_value());
    ASSERT_NO_THROW(picture.SetBitmapPath(platform::WideFromPath(dir.Path()) + L"\\L\u00f6go.bmp"));
    EXPECT_TRUE(picture.GetDib().has_value()) << "a Windows path with backslashes";
  });
}

}  // namespace
