// The whole printing road of a stored invoice: database -> BuildFieldMap ->
// the preview manager loads the real libCorvanPreview.so from "InstallPath"
// -> PrintInvoice writes a PDF (CORVANE_PRINT_TO_FILE) -> its text.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "PrintDataFixture.h"
#include "common/FieldId.h"
#include "common/RegistryHelpers.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "shell/InvoicePrintData.h"
#include "shell/PreviewManager.h"
#include "tests/preview_lib/PreviewLibFixtures.h"

#ifndef CORVANE_PREVIEW_DIR
#error "CORVANE_PREVIEW_DIR names the folder of libCorvanPreview.so"
#endif

namespace {

using corvane::test::FieldItem;
using corvane::test::InchRect;
using corvane::test::RepeatItem;

// A plain template: number, date, client and vendor at the top, one column
// per line field (ten rows), the totals below the lines. Every field shows
// its key when it gets no data.
void WriteTemplate(const std::filesystem::path& path) {
  std::vector<TemplateItem> items;
  auto header = [&items](int32_t field, const InchRect& at) {
    const std::wstring key = FieldId(field, 0).GetKey();
    items.push_back(FieldItem(key, key, at));
  };
  header(100, {0.5, 0.5, 4.0, 0.8});
  header(101, {4.5, 0.5, 8.0, 0.8});
  header(111, {0.5, 1.0, 4.0, 1.3});
  header(106, {0.5, 1.3, 4.0, 2.2});
  header(112, {4.5, 1.0, 8.0, 1.3});
  header(110, {4.5, 1.3, 8.0, 2.2});
  struct Column {
    int32_t field;
    double left, right;
  };
  const Column columns[] = {{1, 0.3, 1.9}, {11, 1.9, 2.5}, {3, 2.5, 3.1}, {4, 3.1, 3.5},
                            {2, 3.5, 4.1}, {5, 4.1, 4.8},  {6, 4.8, 5.4}, {7, 5.4, 6.0},
                            {8, 6.0, 6.6}, {9, 6.6, 7.2},  {10, 7.2, 8.0}};
  for (const Column& column : columns)
    items.push_back(RepeatItem(FieldId(column.field, 0).GetKey(), 10, {column.left, 2.5, column.right, 2.8}));
  header(109, {5.0, 6.0, 8.0, 6.3});
  header(102, {5.0, 6.3, 8.0, 6.6});
  header(103, {5.0, 6.6, 8.0, 6.9});
  corvane::test::SaveTemplate(items, path);
}

// The PDF's text, one printed line per entry, laid out as on the page.
std::vector<std::string> PdfLines(const std::filesystem::path& pdf) {
  std::istringstream in(corvane::test::PdfText(pdf));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The printed line that holds `needle`; empty when none does.
std::string LineWith(const std::vector<std::string>& lines, const std::string& needle) {
  for (const std::string& line : lines)
    if (line.find(needle) != std::string::npos) return line;
  return std::string();
}

class InvoicePrintDataGuiTest : public corvane::test::PrintDataTest {
protected:
  void SetUp() override {
    PrintDataTest::SetUp();
    m_files = std::make_unique<corvane::test::TempDir>();
    ASSERT_EQ(RegWriteString(PreviewManager::kSettingsKey, PreviewManager::kInstallPathValue,
                             platform::FromUtf8(CORVANE_PREVIEW_DIR)),
              kRegSuccess);
  }
  void TearDown() override {
    DeletePreviewManager();
    m_files.reset();
    PrintDataTest::TearDown();
  }

  std::unique_ptr<corvane::test::TempDir> m_files;
};

TEST_F(InvoicePrintDataGuiTest, PrintingAStoredInvoiceWritesItsNumberClientLinesAndTotals) {
  const std::filesystem::path layout = *m_files / "invoice.zlt";
  const std::filesystem::path pdf = *m_files / "invoice.pdf";
  WriteTemplate(layout);
  const corvane::test::PrintToFile destination(pdf);

  FieldMap map;
  std::wstring title;
  {
    TransactionScope scope;
    const Invoice::Invoice sale(m_saleId);
    map = BuildFieldMap(sale);
    title = FormatInvoiceTitle(sale);
  }
  platform::MessageBoxRecorder messages;
  ASSERT_TRUE(CallPrintInvoice(title, layout.wstring(), map));
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_TRUE(GetPreviewManager().IsLoaded());
  ASSERT_TRUE(std::filesystem::exists(pdf));

  const std::vector<std::string> lines = PdfLines(pdf);
  ASSERT_FALSE(lines.empty()) << "no text in " << pdf;
  // The displayed text of a key, as the library formats it (same locale).
  auto text = [&map](const wchar_t* key) { return platform::ToUtf8(map.Find(key)->GetText()); };

  // A field without data would show its key.
  EXPECT_EQ(LineWith(lines, "FLD_"), "");
  EXPECT_NE(LineWith(lines, "0007/06"), "");
  EXPECT_NE(LineWith(lines, text(L"FLD_101_000")), "");
  EXPECT_NE(LineWith(lines, "O'Hara & Sons"), "");
  EXPECT_NE(LineWith(lines, "Main Street 1"), "");
  EXPECT_NE(LineWith(lines, "Corvane Trading"), "");
  EXPECT_NE(LineWith(lines, "Port Road 7"), "");

  // Each invoice line prints on one line of the page, every column in it.
  for (int row = 0; row < 3; ++row) {
    const std::string code = platform::ToUtf8(map.Find(FieldId(11, row).GetKey())->GetText());
    const std::string printed = LineWith(lines, code);
    ASSERT_NE(printed, "") << "line " << row << " (" << code << ") not printed";
    size_t from = 0;
    for (int32_t field : {1, 11, 3, 4, 2, 5, 6, 7, 8, 9, 10}) {
      const std::string value = platform::ToUtf8(map.Find(FieldId(field, row).GetKey())->GetText());
      const size_t at = printed.find(value, from);
      EXPECT_NE(at, std::string::npos)
          << "field " << field << " of line " << row << ": \"" << value << "\" not in \"" << printed << "\"";
      if (at != std::string::npos) from = at + value.size();
    }
  }
  EXPECT_NE(LineWith(lines, text(L"FLD_109_000")), "");  // 33.68
  EXPECT_NE(LineWith(lines, text(L"FLD_102_000")), "");  // 3.68
  EXPECT_NE(LineWith(lines, text(L"FLD_103_000")), "");  // 40.04
}

}  // namespace
