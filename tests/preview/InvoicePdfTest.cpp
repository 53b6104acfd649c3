// An invoice laid out on a template written by the common writer, printed
// into a PDF file and read back with pdftotext.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "PreviewFixtures.h"
#include "TestEnvironment.h"
#include "platform/LocaleFormat.h"
#include "platform/TextCodec.h"
#include "preview/InvoiceDoc.h"
#include "preview/ReportRendering.h"

using corvane::test::InchRect;

namespace {

using corvane::test::PdfText;

std::string Two(int number) {
  return (number < 10 ? "0" : "") + std::to_string(number);
}

// The columns of one printed invoice line, as they should read in order.
std::vector<std::string> LineValues(int line) {
  return {"Item " + Two(line + 1), std::to_string(100 + line) + ".50", std::to_string(line + 2),
          std::to_string((100 + line) * (line + 2) + (line + 2) / 2) + (line % 2 ? ".50" : ".00")};
}

class InvoicePdf : public ::testing::Test {
protected:
  void SetUp() override {
    platform::LocaleInfo locale;  // "." and no grouping, so that the numbers read plainly
    locale.grouping.clear();
    platform::SetUserLocaleOverride(locale);
    corvane::test::SaveTemplate(
        {
            corvane::test::LabelItem(L"INVOICE", InchRect{0.8, 0.6, 4, 0.9}),
            corvane::test::FieldItem(L"FLD_100_000", L"Invoice Number", InchRect{4.5, 0.6, 7.5, 0.9}),
            corvane::test::FieldItem(L"FLD_111_000", L"To (Client Name)", InchRect{0.8, 1.1, 4, 1.4}),
            corvane::test::LabelItem(L"Page [%page%]", InchRect{6.5, 10.8, 7.8, 11.1}),
            corvane::test::RepeatItem(L"FLD_001_000", 30, InchRect{0.8, 2.0, 3.0, 2.2}),
            corvane::test::RepeatItem(L"FLD_002_000", 30, InchRect{3.2, 2.0, 4.4, 2.2}),
            corvane::test::RepeatItem(L"FLD_003_000", 30, InchRect{4.6, 2.0, 5.4, 2.2}),
            corvane::test::RepeatItem(L"FLD_010_000", 30, InchRect{5.6, 2.0, 7.4, 2.2}),
        },
        m_dir / "invoice.zlt");
  }
  void TearDown() override { platform::SetUserLocaleOverride(std::nullopt); }

  FieldMap Invoice(int lines) {
    FieldMap data;
    data.Insert(FieldId(100, 0), Value(L"INV-2024-0042"));
    data.Insert(FieldId(111, 0), Value(L"Mountain Bakery Ltd"));
    for (int line = 0; line < lines; ++line) {
      const std::vector<std::string> values = LineValues(line);
      data.Insert(FieldId(1, line), Value(platform::FromUtf8(values[0])));
      data.Insert(FieldId(2, line), Value(100 + line + 0.5));
      data.Insert(FieldId(3, line), Value(int32_t(line + 2)));
      data.Insert(FieldId(10, line), Value((100 + line + 0.5) * (line + 2)));
    }
    return data;
  }

  // Binds the invoice and prints it; the PDF's text.
  std::string Print(InvoiceDoc& doc, int lines) {
    doc.SetTemplatePath((m_dir / "invoice.zlt").wstring());
    doc.SetData(Invoice(lines));
    EXPECT_TRUE(doc.LoadAndBind());
    preview::WriteReportPdf(doc.GetGenerator(), m_dir / "invoice.pdf",
                            preview::ReportPaperSize(doc.GetGenerator()));
    return PdfText(m_dir / "invoice.pdf");
  }

  corvane::test::TempDir m_dir;
};

TEST_F(InvoicePdf, PrintsHeaderEveryLineInOrderAndThePageNumber) {
  InvoiceDoc doc;
  const std::string text = Print(doc, 30);
  EXPECT_NE(text.find("INV-2024-0042"), std::string::npos) << text;
  EXPECT_NE(text.find("Mountain Bakery Ltd"), std::string::npos) << text;
  EXPECT_NE(text.find("Page 1"), std::string::npos) << text;
  EXPECT_EQ(text.find("Page 2"), std::string::npos) << text;

  // Each invoice line is one row of text with its values left to right, and
  // the rows follow one another.
  std::istringstream rows(text);
  std::string row;
  int line = 0;
  while (std::getline(rows, row) && line < 30) {
    const std::vector<std::string> values = LineValues(line);
    size_t at = 0;
    bool all = true;
    for (const std::string& value : values) {
      at = row.find(value, at);
      if (at == std::string::npos) {
        all = false;
        break;
      }
      at += value.size();
    }
    if (all) ++line;
  }
  EXPECT_EQ(line, 30) << "line " << line + 1 << " missing or out of order in:\n" << text;
  EXPECT_EQ(doc.HiddenLineCount(), 0);
  EXPECT_EQ(doc.HiddenLinesWarning(), L"");
}

TEST_F(InvoicePdf, LinesBeyondTheRowLimitAreReported) {
  InvoiceDoc doc;
  const std::string text = Print(doc, 35);
  EXPECT_NE(text.find("Item 30"), std::string::npos) << text;
  EXPECT_EQ(text.find("Item 31"), std::string::npos) << text;
  EXPECT_EQ(doc.HiddenLineCount(), 5);
  EXPECT_EQ(doc.HiddenLinesWarning(),
            L"5 invoice lines are not shown: the template has room for 30 lines only.");
}

TEST_F(InvoicePdf, APageTallerThanAPdfAllowsKeepsItsLargestSizeAndReportsTheRest) {
  // Rows of an eighth of an inch from one inch down: 1,592 of them end on
  // the largest page (200 inches), 2,000 lines would need 251 inches.
  corvane::test::SaveTemplate(
      {corvane::test::RepeatItem(L"FLD_001_000", 5000, InchRect{0.8, 1.0, 3.0, 1.125})}, m_dir / "long.zlt");
  InvoiceDoc doc;
  doc.SetTemplatePath((m_dir / "long.zlt").wstring());
  doc.SetData(Invoice(2000));
  ASSERT_TRUE(doc.LoadAndBind());
  preview::WriteReportPdf(doc.GetGenerator(), m_dir / "long.pdf",
                          preview::ReportPaperSize(doc.GetGenerator()));
  std::unique_ptr<FILE, int (*)(FILE*)> info(
      popen(("pdfinfo '" + (m_dir / "long.pdf").string() + "'").c_str(), "r"), pclose);
  std::array<char, 4096> buffer{};
  const std::string pages(buffer.data(), fread(buffer.data(), 1, buffer.size(), info.get()));
  EXPECT_NE(pages.find("x 14400 pts"), std::string::npos) << "not the largest page:\n" << pages;
  const std::string text = PdfText(m_dir / "long.pdf");
  EXPECT_NE(text.find("Item 1592"), std::string::npos);
  EXPECT_EQ(text.find("Item 1593"), std::string::npos);
  EXPECT_EQ(doc.HiddenLinesWarning(),
            L"408 invoice lines are not shown: the largest page has room for 1592 lines only.");
}

TEST_F(InvoicePdf, ALineEndingOnTheEdgeOfTheLargestPageIsPrintedAndNotReported) {
  // Rows from half an inch down to 0.65: the 1,330th ends at 200 inches, on
  // the largest page's last pixel; a 1,331st would start there.
  corvane::test::SaveTemplate(
      {corvane::test::RepeatItem(L"FLD_001_000", 5000, InchRect{0.8, 0.5, 3.0, 0.65})}, m_dir / "edge.zlt");
  for (const int32_t lines : {1330, 1331}) {
    InvoiceDoc doc;
    doc.SetTemplatePath((m_dir / "edge.zlt").wstring());
    doc.SetData(Invoice(lines));
    ASSERT_TRUE(doc.LoadAndBind());
    preview::WriteReportPdf(doc.GetGenerator(), m_dir / "edge.pdf", preview::ReportPaperSize(doc.GetGenerator()));
    const std::string text = PdfText(m_dir / "edge.pdf");
    EXPECT_NE(text.find("Item 1330"), std::string::npos) << lines << " lines";
    EXPECT_EQ(text.find("Item 1331"), std::string::npos) << lines << " lines";
    EXPECT_EQ(doc.HiddenLinesWarning(),
              lines == 1330 ? L""
                            : L"1 invoice line is not shown: the largest page has room for 1330 lines only.");
  }
}

TEST_F(InvoicePdf, UnwritableDestinationThrowsWithTheReason) {
  InvoiceDoc doc;
  doc.SetTemplatePath((m_dir / "invoice.zlt").wstring());
  doc.SetData(Invoice(1));
  ASSERT_TRUE(doc.LoadAndBind());
  try {
    preview::WriteReportPdf(doc.GetGenerator(), m_dir / "missing" / "folder" / "x.pdf", preview::PaperSize{});
    FAIL() << "no exception";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("x.pdf"), std::string::npos) << error.what();
  }
}

}  // namespace
