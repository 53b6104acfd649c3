// The invoice templates the build writes and the programs ship: an invoice
// laid out on each prints its header, its lines and its totals on A4.
#include <gtest/gtest.h>

#include "PreviewFixtures.h"
#include "TestEnvironment.h"
#include "platform/LocaleFormat.h"
#include "preview/InvoiceDoc.h"
#include "preview/ReportRendering.h"
#include "tools/ShippedTemplates.h"

namespace {

using corvane::test::PdfText;

class ShippedTemplatesTest : public ::testing::Test {
protected:
  void SetUp() override {
    platform::LocaleInfo locale;
    locale.grouping.clear();
    platform::SetUserLocaleOverride(locale);
  }
  void TearDown() override { platform::SetUserLocaleOverride(std::nullopt); }

  static FieldMap Invoice() {
    FieldMap data;
    data.Insert(FieldId(100, 0), Value(L"0007/26"));
    data.Insert(FieldId(111, 0), Value(L"Mountain Bakery Ltd"));
    data.Insert(FieldId(112, 0), Value(L"Corvane Traders"));
    data.Insert(FieldId(103, 0), Value(1234.5));
    for (int line = 0; line < 3; ++line) {
      data.Insert(FieldId(1, line), Value(L"Flour type " + std::to_wstring(line + 1)));
      data.Insert(FieldId(3, line), Value(int32_t(line + 2)));
      data.Insert(FieldId(10, line), Value(10.25 * (line + 1)));
    }
    return data;
  }

  std::string Print(const ShippedTemplate& shipped) {
    const std::filesystem::path file = ShippedTemplateFolder() / shipped.fileName;
    EXPECT_TRUE(std::filesystem::exists(file)) << file;
    InvoiceDoc doc;
    doc.SetTemplatePath(file.wstring());
    doc.SetData(Invoice());
    EXPECT_TRUE(doc.LoadAndBind());
    const preview::PaperSize paper = preview::ReportPaperSize(doc.GetGenerator());
    EXPECT_EQ(paper, (preview::PaperSize{8.27, 11.69}));  // fits A4
    preview::WriteReportPdf(doc.GetGenerator(), m_dir / "invoice.pdf", paper);
    return PdfText(m_dir / "invoice.pdf");
  }

  corvane::test::TempDir m_dir;
};

TEST_F(ShippedTemplatesTest, AnOutgoingAndAnIncomingTemplateShipWithTheOutgoingOneTheDefault) {
  const auto& shipped = ShippedTemplates();
  ASSERT_EQ(shipped.size(), 2u);
  EXPECT_TRUE(shipped[0].isDefault);
  EXPECT_FALSE(shipped[1].isDefault);
}

TEST_F(ShippedTemplatesTest, EachPrintsTheInvoiceItsLinesAndItsTotal) {
  const struct {
    const char* title;
    const char* from;
  } expected[] = {{"INVOICE", "From"}, {"INCOMING INVOICE", "Supplier"}};
  for (size_t i = 0; i < ShippedTemplates().size(); ++i) {
    const std::string text = Print(ShippedTemplates()[i]);
    for (const char* part : {expected[i].title, expected[i].from, "0007/26", "Mountain Bakery Ltd",
                             "Corvane Traders", "Flour type 1", "Flour type 3", "30.75", "Total:", "1234.50",
                             "Page 1"})
      EXPECT_NE(text.find(part), std::string::npos) << part << " missing in:\n" << text;
  }
}

}  // namespace
