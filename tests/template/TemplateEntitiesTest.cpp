// The template entities: defaults, template items at the model's fixed
// resolution, text records, copies and drawing on a recording canvas.
#include <gtest/gtest.h>

#include <array>
#include <typeinfo>

#include "TestEnvironment.h"
#include "Locales.h"
#include "tests/gdi/BmpFiles.h"
#include "common/UnitConversions.h"
#include "platform/gdi/PageRecorder.h"
#include "platform/TextCodec.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityField.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportEntityLine.h"
#include "template/CReportEntityPicture.h"
#include "template/CReportEntitySettings.h"
#include "template/CReportInvoiceField.h"
#include "template/diagram/CDiagramEntityContainer.h"

using namespace platform::gdi;
using namespace template_props;

namespace {

// A rectangle of whole inches at the model's 96 pixels per inch.
void PlaceInches(CDiagramEntity& entity, double left, double top, double right, double bottom) {
  entity.SetRectPixels(static_cast<int32_t>(left * 96), static_cast<int32_t>(top * 96),
                       static_cast<int32_t>(right * 96), static_cast<int32_t>(bottom * 96));
}

std::vector<std::pair<int32_t, Value>> Properties(const TemplateItem& item) {
  return {item.GetProperties().begin(), item.GetProperties().end()};
}

TEST(TemplateEntities, DefaultsOfNewEntities) {
  CReportEntityLabel label;
  EXPECT_EQ(label.GetType(), L"report_label");
  EXPECT_EQ(label.GetTitle(), L"Label");
  EXPECT_EQ(label.GetFontFace(), L"Times New Roman");
  EXPECT_EQ(label.GetFontSize(), 120);
  EXPECT_FALSE(label.GetBold());
  EXPECT_EQ(label.GetTextColor(), 0u);
  EXPECT_EQ(label.GetAlignment(), 0);
  EXPECT_EQ(label.GetPopulator(), PopulatorKind::Label);

  CReportEntityField field;
  EXPECT_EQ(field.GetType(), L"report_field");
  EXPECT_EQ(field.GetName(), L"Fieldname");
  EXPECT_EQ(field.GetPopulator(), PopulatorKind::None);

  CReportInvoiceField invoice;
  EXPECT_EQ(invoice.GetType(), L"invoice_field");
  EXPECT_EQ(invoice.GetName(), L"FLD_100_000");
  EXPECT_EQ(invoice.GetFieldId().GetField(), 100);

  CReportEntityBox box;
  EXPECT_EQ(box.GetType(), L"report_box");
  EXPECT_TRUE(box.GetBorder());
  EXPECT_EQ(box.GetBorderWidth(), 0);
  EXPECT_EQ(box.GetBorderStyle(), PS_SOLID);
  EXPECT_FALSE(box.GetFilled());
  EXPECT_EQ(box.GetFillColor(), RGB(255, 255, 255));

  CReportEntityLine line;
  EXPECT_EQ(line.GetType(), L"report_line");
  EXPECT_EQ(line.GetPenWidth(), 0);
  EXPECT_EQ(line.GetMinimumSize(), (Size{-1, -1}));

  CReportEntityPicture picture;
  EXPECT_EQ(picture.GetType(), L"report_picture");
  EXPECT_TRUE(picture.GetBorder());
  EXPECT_FALSE(picture.HasBitmap());
  EXPECT_EQ(CReportEntitySettings::Instance().GetUnits(), 0);
}

TEST(TemplateEntities, LabelItemAndBack) {
  CReportEntityLabel label;
  PlaceInches(label, 1, 0.5, 3, 1);
  label.SetTitle(L"Invoice");
  label.SetName(L"head");
  label.SetGroup(3);
  label.SetFontFace(L"Arial");
  label.SetFontSize(140);
  label.SetBold(true);
  label.SetUnderline(true);
  label.SetTextColor(RGB(1, 2, 3));
  label.SetAlignment(2);
  const TemplateItem item = *label.MakeTemplateItem();
  EXPECT_EQ(item.GetType(), 1);
  const std::vector<std::pair<int32_t, Value>> expected = {
      {kText, Value(L"Invoice")},      {kTitle, Value(L"Invoice")},          {kName, Value(L"head")},
      {kGroup, Value(int32_t{3})},     {kFontFace, Value(L"Arial")},         {kFontSize, Value(int32_t{140})},
      {kBold, Value::Boolean(true)},   {kItalic, Value::Boolean(false)},     {kUnderline, Value::Boolean(true)},
      {kStrikeOut, Value::Boolean(false)}, {kTextColor, Value(int32_t{0x030201})}, {kAlignment, Value(int32_t{2})},
      {kLeft, Value(1.0)},             {kTop, Value(0.5)},                   {kRight, Value(3.0)},
      {kBottom, Value(1.0)}};
  EXPECT_EQ(Properties(item), expected);

  CReportEntityLabel prototype;
  std::unique_ptr<CDiagramEntity> read = prototype.LoadTemplateItem(item);
  ASSERT_NE(dynamic_cast<CReportEntityLabel*>(read.get()), nullptr);
  EXPECT_EQ(read->GetRect(), (Rect{96, 48, 288, 96}));
  EXPECT_EQ(read->MakeTemplateItem(), item);
  EXPECT_EQ(prototype.LoadTemplateItem(TemplateItem(TemplateItemType::Box)), nullptr);
}

TEST(TemplateEntities, ItemsOfEachKindRoundTrip) {
  std::vector<std::unique_ptr<CDiagramEntity>> entities;
  auto box = std::make_unique<CReportEntityBox>();
  PlaceInches(*box, 0.5, 0.5, 2, 1.5);
  box->SetBorderWidth(3);
  box->SetBorderStyle(PS_DASH);
  box->SetBorderColor(RGB(9, 9, 9));
  box->SetFilled(true);
  box->SetFillColor(RGB(200, 100, 50));
  entities.push_back(std::move(box));
  auto line = std::make_unique<CReportEntityLine>();
  line->SetRectPixels(300, 200, 100, 50);  // drawn leftwards and upwards
  line->SetPenWidth(2);
  line->SetPenStyle(PS_DOT);
  line->SetPenColor(RGB(0, 0, 255));
  entities.push_back(std::move(line));
  auto field = std::make_unique<CReportEntityField>();
  PlaceInches(*field, 1, 1, 2, 2);
  field->SetName(L"Total");
  entities.push_back(std::move(field));
  auto invoice = std::make_unique<CReportInvoiceField>(104);
  PlaceInches(*invoice, 1, 2, 4, 2.5);
  invoice->SetItalic(true);
  entities.push_back(std::move(invoice));
  auto picture = std::make_unique<CReportEntityPicture>();
  PlaceInches(*picture, 0, 0, 1, 1);
  picture->SetBorder(false);
  picture->SetPath(L"/no/such/logo.bmp");
  entities.push_back(std::move(picture));

  for (const auto& entity : entities) {
    const TemplateItem item = *entity->MakeTemplateItem();
    std::unique_ptr<CDiagramEntity> prototype = entity->Clone();
    std::unique_ptr<CDiagramEntity> read = prototype->LoadTemplateItem(item);
    ASSERT_NE(read, nullptr) << entity->GetType();
    EXPECT_EQ(typeid(*read), typeid(*entity));
    EXPECT_EQ(read->GetRect(), entity->GetRect()) << entity->GetType();
    EXPECT_EQ(read->MakeTemplateItem(), item) << entity->GetType();
    EXPECT_EQ(read->GetString(), entity->GetString()) << entity->GetType();
  }
  const TemplateItem boxItem = *entities[0]->MakeTemplateItem();
  EXPECT_EQ(boxItem.GetType(), 4);
  EXPECT_EQ(boxItem.GetProperty(kPenWidth), Value(3.0 / 96));
  EXPECT_EQ(boxItem.GetProperty(kTransparent), Value::Boolean(false));
  EXPECT_EQ(boxItem.GetProperty(kFillColor), Value(int32_t{RGB(200, 100, 50)}));
  const TemplateItem lineItem = *entities[1]->MakeTemplateItem();
  EXPECT_EQ(lineItem.GetType(), 3);
  EXPECT_EQ(lineItem.GetProperty(kLeft), Value(300.0 / 96));  // the first point stays first
  EXPECT_EQ(lineItem.GetProperty(kBottom), Value(50.0 / 96));
  EXPECT_EQ(lineItem.GetPropertyCount(), 10u);
  EXPECT_EQ(entities[2]->MakeTemplateItem()->GetType(), 5);
  const TemplateItem invoiceItem = *entities[3]->MakeTemplateItem();
  EXPECT_EQ(invoiceItem.GetType(), 6);
  EXPECT_EQ(invoiceItem.GetProperty(kFieldKey), Value(L"FLD_104_000"));
  const TemplateItem pictureItem = *entities[4]->MakeTemplateItem();
  EXPECT_EQ(pictureItem.GetType(), 2);
  EXPECT_EQ(pictureItem.GetProperty(kBitmapPath), Value(L"/no/such/logo.bmp"));
  EXPECT_EQ(pictureItem.GetProperty(kBorder), Value::Boolean(false));
  EXPECT_EQ(pictureItem.GetProperty(kTitle), Value(L"logo.bmp"));
}

TEST(TemplateEntities, AnUnfilledBoxIsTransparentAndABorderOffSurvivesLoadCopyAndPaste) {
  CReportEntityBox box;
  box.SetBorder(false);
  const TemplateItem item = *box.MakeTemplateItem();
  EXPECT_EQ(item.GetProperty(kTransparent), Value::Boolean(true));

  CReportEntityBox prototype;
  std::unique_ptr<CDiagramEntity> loaded = prototype.LoadTemplateItem(item);
  auto* read = dynamic_cast<CReportEntityBox*>(loaded.get());
  ASSERT_NE(read, nullptr);
  EXPECT_FALSE(read->GetFilled());
  EXPECT_FALSE(read->GetBorder());

  CDiagramEntityContainer container;
  container.Add(std::move(loaded));
  container.GetAt(0)->Select(true);
  container.CopyAllSelected();
  container.Paste();
  auto* pasted = dynamic_cast<CReportEntityBox*>(container.GetAt(1));
  ASSERT_NE(pasted, nullptr);
  EXPECT_FALSE(pasted->GetBorder());
  EXPECT_FALSE(pasted->GetFilled());
}

TEST(TemplateEntities, MistypedPropertiesReadAsZero) {
  TemplateItem item(TemplateItemType::Box);
  item.SetProperty(kPenWidth, Value(int32_t{5}));  // not a double
  item.SetProperty(kBorder, Value(L"yes"));
  item.SetProperty(kPenStyle, Value(2.5));
  CReportEntityBox prototype;
  std::unique_ptr<CDiagramEntity> loaded = prototype.LoadTemplateItem(item);
  auto* box = dynamic_cast<CReportEntityBox*>(loaded.get());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetBorderWidth(), 0);
  EXPECT_FALSE(box->GetBorder());
  EXPECT_EQ(box->GetBorderStyle(), 0);
  EXPECT_TRUE(box->GetFilled());  // no "transparent" property
}

TEST(TemplateEntities, TextRecordsOfEachKind) {
  CReportEntityLabel label;
  PlaceInches(label, 1, 0.5, 3, 1);
  label.SetTitle(L"Net: 1,2");
  label.SetFontFace(L"Arial");
  EXPECT_EQ(label.GetString(),
            L"report_label:1.000000,0.500000,3.000000,1.000000,Net\\colon 1\\comma2,,0,Arial,120,0,0,0,0,0,0;");
  CReportEntityBox box;
  PlaceInches(box, 0, 0, 1, 2);
  box.SetBorderWidth(48);
  box.SetFilled(true);
  box.SetFillColor(255);
  EXPECT_EQ(box.GetString(), L"report_box:0.000000,0.000000,1.000000,2.000000,,,0,1,0.500000,0,0,1,255;");
  CReportEntityLine line;
  line.SetRectPixels(96, 96, 0, 0);
  EXPECT_EQ(line.GetString(), L"report_line:1.000000,1.000000,0.000000,0.000000,,,0,0.000000,0,0;");
  CReportEntityPicture picture;
  PlaceInches(picture, 0, 0, 1, 1);
  picture.SetPath(L"C:\\logos\\a;b.bmp");
  EXPECT_EQ(picture.GetString(),
            L"report_picture:0.000000,0.000000,1.000000,1.000000,a\\semicolonb.bmp,,0,1,0.000000,0,0,"
            L"C\\colon\\logos\\a\\semicolonb.bmp;");
  CReportInvoiceField invoice(3);
  PlaceInches(invoice, 1, 1, 2, 1.25);
  EXPECT_EQ(invoice.GetString(),
            L"invoice_field:1.000000,1.000000,2.000000,1.250000,,FLD_003_000,0,Times New Roman,120,0,0,0,0,0,0;");

  // Each reads its own record back, and no other.
  std::vector<std::unique_ptr<CDiagramEntity>> kinds;
  kinds.push_back(std::make_unique<CReportEntityLabel>());
  kinds.push_back(std::make_unique<CReportEntityBox>());
  kinds.push_back(std::make_unique<CReportEntityLine>());
  kinds.push_back(std::make_unique<CReportEntityPicture>());
  kinds.push_back(std::make_unique<CReportInvoiceField>());
  const std::wstring records[] = {label.GetString(), box.GetString(), line.GetString(), picture.GetString(),
                                  invoice.GetString()};
  for (size_t kind = 0; kind < kinds.size(); ++kind) {
    for (size_t record = 0; record < std::size(records); ++record) {
      EXPECT_EQ(kinds[kind]->FromString(records[record]), kind == record) << kind << " " << record;
    }
    EXPECT_EQ(kinds[kind]->GetString(), records[kind]);
  }
  auto* readPicture = dynamic_cast<CReportEntityPicture*>(kinds[3].get());
  EXPECT_EQ(readPicture->GetPath(), L"C:\\logos\\a;b.bmp");
  EXPECT_EQ(dynamic_cast<CReportInvoiceField*>(kinds[4].get())->GetFieldId().GetField(), 3);
  EXPECT_EQ(kinds[2]->GetRect(), (Rect{96, 96, 0, 0}));
}

TEST(TemplateEntities, SizeLimitsApplyAfterInchesBecomePixels) {
  // Half an inch wide: in inches the width would be below the 1-pixel minimum.
  CReportEntityLabel label;
  ASSERT_TRUE(label.FromString(L"report_label:1.0,1.0,1.5,1.25,x,,0,Arial,120,0,0,0,0,0,0;"));
  EXPECT_EQ(label.GetRect(), (Rect{96, 96, 144, 120}));
}

TEST(TemplateEntities, ABadFieldKeyFailsTheRecordAndTheItem) {
  CReportInvoiceField invoice;
  EXPECT_THROW(invoice.FromString(L"invoice_field:0,0,1,1,,FLD_113_000,0,A,1,0,0,0,0,0,0;"), std::runtime_error);
  TemplateItem item(TemplateItemType::InvoiceField);
  item.SetProperty(kFieldKey, Value(L"XYZ_001_000"));
  EXPECT_THROW(invoice.LoadTemplateItem(item), std::runtime_error);
}

struct DrawnText {
  int32_t field;
  int32_t row;
  const wchar_t* text;
};

TEST(TemplateEntities, InvoiceFieldsDrawTheirCaption) {
  const DrawnText cases[] = {{3, 4, L"Quantity 5"},
                             {103, 0, L"Invoice Total"},
                             {11, 0, L"Code 1"},
                             {50, 0, L"FLD_050_000"}};  // no caption: the key
  for (const DrawnText& c : cases) {
    CReportInvoiceField field;
    field.SetFieldId(FieldId(c.field, c.row));
    field.SetRect(0, 0, 400, 40);
    FixedTextMeasurer measurer;
    PageRecorder page(DeviceMetrics{}, measurer);
    field.DrawObject(page, 1.0);
    const auto texts = page.Page().Texts();
    ASSERT_EQ(texts.size(), 1u) << c.text;
    EXPECT_EQ(texts[0]->text, c.text);
  }
}

TEST(TemplateEntities, LabelDrawsWithItsFontAtTheZoom) {
  CReportEntityLabel label;
  label.SetRect(10, 10, 210, 60);
  label.SetTitle(L"Hello");
  label.SetFontFace(L"Arial");
  label.SetBold(true);
  label.SetItalic(true);
  label.SetTextColor(RGB(255, 0, 0));
  label.SetAlignment(1);
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  const COLORREF before = page.GetTextColor();
  label.DrawObject(page, 2.0);
  const auto texts = page.Page().Texts();
  ASSERT_EQ(texts.size(), 1u);
  const TextOp& text = *texts[0];
  EXPECT_EQ(text.text, L"Hello");
  EXPECT_EQ(text.font.faceName, L"Arial");
  EXPECT_EQ(text.font.height, 32);  // 12 pt at 96 ppi is 16 px, zoomed twice
  EXPECT_EQ(text.font.weight, FW_BOLD);
  EXPECT_TRUE(text.font.italic);
  EXPECT_EQ(text.color, RGB(255, 0, 0));
  EXPECT_EQ(text.bkMode, TRANSPARENT);
  // Centred in (20, 20, 420, 120): five 16-pixel characters.
  EXPECT_EQ(text.x, 20 + (400 - 80) / 2);
  EXPECT_EQ(page.GetTextColor(), before);
  EXPECT_EQ(page.GetBkMode(), OPAQUE);
}

TEST(TemplateEntities, BoxLineAndPictureDrawing) {
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  CReportEntityBox box;
  box.SetBorderWidth(2);
  box.SetBorderColor(RGB(0, 128, 0));
  box.SetFilled(true);
  box.SetFillColor(RGB(255, 255, 0));
  box.Draw(page, Rect{1, 2, 30, 40});
  CReportEntityBox hollow;
  hollow.SetBorder(false);
  hollow.Draw(page, Rect{1, 2, 30, 40});
  CReportEntityLine line;
  line.SetPenStyle(PS_DASH);
  line.SetPenWidth(3);
  line.Draw(page, Rect{50, 60, 10, 20});
  CReportEntityPicture picture;
  picture.Draw(page, Rect{0, 0, 10, 10});
  const auto& ops = page.Page().ops;
  ASSERT_EQ(ops.size(), 4u);
  const auto& filled = std::get<RectangleOp>(ops[0]);
  EXPECT_EQ(filled.pen, (Pen{PS_SOLID, 2, RGB(0, 128, 0)}));
  EXPECT_EQ(filled.brush, Brush::Solid(RGB(255, 255, 0)));
  const auto& empty = std::get<RectangleOp>(ops[1]);
  EXPECT_TRUE(empty.pen.IsNull());
  EXPECT_TRUE(empty.brush.hollow);
  const auto& drawn = std::get<LineOp>(ops[2]);
  EXPECT_EQ((std::array{drawn.x1, drawn.y1, drawn.x2, drawn.y2}), (std::array{50, 60, 10, 20}));
  EXPECT_EQ(drawn.pen, (Pen{PS_DASH, 3, 0}));
  EXPECT_EQ(std::get<RectangleOp>(ops[3]).brush, Brush::StockWhite());
  EXPECT_EQ(page.GetPen(), Pen::StockBlack());
}

TEST(TemplateEntities, APictureDrawsItsBitmapInsideTheBorder) {
  corvane::test::TempDir dir;
  const std::filesystem::path bmp = dir / "logo.bmp";
  corvane::test::WriteBmp(bmp, 4, 2, 24, 255, 0, 0);
  CReportEntityPicture picture;
  picture.SetPath(bmp.wstring());
  EXPECT_TRUE(picture.HasBitmap());
  EXPECT_EQ(picture.GetTitle(), L"logo.bmp");
  std::unique_ptr<CDiagramEntity> copy = picture.Clone();
  FixedTextMeasurer measurer;
  PageRecorder page(DeviceMetrics{}, measurer);
  copy->Draw(page, Rect{10, 10, 50, 30});
  const auto& ops = page.Page().ops;
  ASSERT_EQ(ops.size(), 2u);
  const auto& image_op = std::get<ImageOp>(ops[1]);
  EXPECT_EQ(image_op.rect, (Rect{11, 11, 49, 29}));
  EXPECT_EQ(image_op.dib.GetWidth(), 4);

  picture.SetPath(L"");
  EXPECT_FALSE(picture.HasBitmap());
}

TEST(TemplateEntities, APictureWithANonAsciiFileNameLoadsUnderEveryLocale) {
  corvane::test::TempDir dir;
  corvane::test::WriteBmp(dir / "L\xc3\xb6go.bmp", 4, 2, 24, 255, 0, 0);
  const std::wstring path = platform::WideFromPath(dir.Path()) + L"/L\u00f6go.bmp";
  corvane::test::UnderEachLocale([&] {
    CReportEntityPicture picture;
    ASSERT_NO_THROW(picture.SetPath(path));
    EXPECT_TRUE(picture.HasBitmap());
    EXPECT_EQ(picture.GetTitle(), L"L\u00f6go.bmp");
  });
}

}  // namespace
