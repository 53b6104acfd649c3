// A template made in code here, saved, and printed by the preview library
// through its entry point PrintInvoice into a PDF file
// (CORVANE_PRINT_TO_FILE), then read back as text.
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "platform/MessageBox.h"
#include "preview/ui/PreviewExports.h"
#include "template/CInvoiceRepeatField.h"
#include "template/CPlandelDoc.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportEntityLine.h"
#include "template/CReportInvoiceField.h"
#include "tests/preview_lib/PreviewLibFixtures.h"

namespace {

template <typename Entity>
Entity* Place(CPlandelDoc& doc, int32_t left, int32_t top, int32_t right, int32_t bottom,
              std::unique_ptr<Entity> entity) {
  entity->SetRectPixels(left, top, right, bottom);
  Entity* placed = entity.get();
  doc.AddObject(std::move(entity));
  return placed;
}

TEST(TemplatePrint, ATemplateMadeHerePrintsThroughThePreviewLibrary) {
  corvane::test::TempDir dir;
  const std::filesystem::path zlt = dir / "made.zlt";
  const std::filesystem::path pdf = dir / "made.pdf";

  CPlandelDoc doc;
  Place(doc, 72, 48, 400, 100, std::make_unique<CReportEntityBox>());
  auto* title = Place(doc, 96, 58, 380, 90, std::make_unique<CReportEntityLabel>());
  title->SetTitle(L"DESIGNED INVOICE");
  title->SetFontFace(L"DejaVu Sans");
  title->SetBold(true);
  Place(doc, 480, 58, 720, 90, std::make_unique<CReportInvoiceField>(100));
  Place(doc, 96, 110, 720, 110, std::make_unique<CReportEntityLine>());
  Place(doc, 96, 130, 480, 160, std::make_unique<CReportInvoiceField>(111));
  // Item rows: 24-pixel rows, room for 4.
  Place(doc, 96, 200, 400, 296, std::make_unique<CInvoiceRepeatField>(1))->GetHeader()->SetRect(96, 200, 400, 224);
  Place(doc, 420, 200, 520, 296, std::make_unique<CInvoiceRepeatField>(3))->GetHeader()->SetRect(420, 200, 520, 224);
  Place(doc, 540, 200, 720, 296, std::make_unique<CInvoiceRepeatField>(10))
      ->GetHeader()
      ->SetRect(540, 200, 720, 224);
  Place(doc, 420, 320, 520, 344, std::make_unique<CReportEntityLabel>())->SetTitle(L"Sum due:");
  Place(doc, 540, 320, 720, 344, std::make_unique<CReportInvoiceField>(103));
  doc.Save(zlt);

  platform::MessageBoxRecorder boxes;
  corvane::test::PrintToFile destination(pdf);
  const FieldMap data = corvane::test::InvoiceData();
  EXPECT_EQ(PrintInvoice(u"Outcome Invoice 0042/24", zlt.u16string().c_str(), &data), 0);
  EXPECT_TRUE(boxes.Shown().empty());

  const std::string text = corvane::test::PdfText(pdf);
  for (const char* expected : {"DESIGNED INVOICE", "0042/24", "Mountain Bakery Ltd", "Rye flour 25kg",
                               "Sunflower seeds", "Baking paper roll", "142.50", "38.40", "20.93", "Sum due:",
                               "201.83"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;
  }
  // Bound fields show their values, not the designer's captions.
  EXPECT_EQ(text.find("Invoice Number"), std::string::npos) << text;
  EXPECT_EQ(text.find("Item's Name"), std::string::npos) << text;
}

TEST(TemplatePrint, TheRowLimitIsTheRowsDrawn) {
  corvane::test::TempDir dir;
  const std::filesystem::path zlt = dir / "rows.zlt";
  const std::filesystem::path pdf = dir / "rows.pdf";
  CPlandelDoc doc;
  // Two rows of 24 pixels: the third invoice line is not printed.
  Place(doc, 96, 200, 400, 248, std::make_unique<CInvoiceRepeatField>(1))->GetHeader()->SetRect(96, 200, 400, 224);
  doc.Save(zlt);

  platform::MessageBoxRecorder boxes;
  corvane::test::PrintToFile destination(pdf);
  const FieldMap data = corvane::test::InvoiceData();
  PrintInvoice(u"Invoice", zlt.u16string().c_str(), &data);
  const std::string text = corvane::test::PdfText(pdf);
  EXPECT_NE(text.find("Rye flour 25kg"), std::string::npos) << text;
  EXPECT_NE(text.find("Sunflower seeds"), std::string::npos) << text;
  EXPECT_EQ(text.find("Baking paper roll"), std::string::npos) << text;
}

}  // namespace
