// The library's entry points as the main program calls them, linked here
// with the library's objects; printing goes to a PDF file
// (CORVANE_PRINT_TO_FILE), so no window and no print dialog opens.
#include "preview/ui/PreviewExports.h"

#include <gtest/gtest.h>

#include <fstream>

#include "PreviewLibFixtures.h"
#include "TestEnvironment.h"
#include "platform/MessageBox.h"
#include "preview/ui/CCorvanPreviewApp.h"
#include "preview/ui/PrintDestination.h"

using corvane::test::InchRect;

namespace {

class PreviewExports : public ::testing::Test {
protected:
  void SetUp() override { corvane::test::SaveInvoiceTemplate(m_template); }

  // PrintInvoice into the PDF file; its result.
  int32_t Print(const std::filesystem::path& templatePath, const FieldMap* data,
                const char16_t* title = u"Invoice") {
    return PrintInvoice(title, templatePath.u16string().c_str(), data);
  }

  std::vector<std::wstring> ShownTexts() const {
    std::vector<std::wstring> texts;
    for (const platform::ShownMessage& shown : m_boxes.Shown()) texts.push_back(shown.text);
    return texts;
  }

  corvane::test::TempDir m_dir;
  std::filesystem::path m_template = m_dir / "invoice.zlt";
  std::filesystem::path m_pdf = m_dir / "out" / "invoice.pdf";
  platform::MessageBoxRecorder m_boxes;
  corvane::test::PrintToFile m_destination{m_pdf};

  void SetUpOutFolder() { std::filesystem::create_directories(m_pdf.parent_path()); }
};

TEST_F(PreviewExports, PrintInvoiceWritesTheInvoiceIntoThePrintToFilePdf) {
  SetUpOutFolder();
  const FieldMap data = corvane::test::InvoiceData();
  EXPECT_EQ(Print(m_template, &data, u"Outcome Invoice 0042/24"), 0);

  const std::string text = corvane::test::PdfText(m_pdf);
  for (const char* expected :
       {"INVOICE", "0042/24", "Mountain Bakery Ltd", "Rye flour 25kg", "Sunflower seeds", "Baking paper roll",
        "142.50", "38.40", "20.93", "12", "Total:", "201.83"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;
  }
  EXPECT_EQ(text.find("Invoice Number"), std::string::npos)
      << "the template text of a bound field is replaced";
  EXPECT_TRUE(m_boxes.Shown().empty());
  EXPECT_TRUE(CCorvanPreviewApp::Get().GetDocTemplate()->GetFrames().empty())
      << "printing to a file opens no frame";
}

TEST_F(PreviewExports, TheTitleCrossesAsUtf16AndNamesThePrintJob) {
  SetUpOutFolder();
  const FieldMap data = corvane::test::InvoiceData();
  Print(m_template, &data, u"Income Invoice \u0424-12 \U0001D11E");  // the clef takes a surrogate pair
  EXPECT_TRUE(m_boxes.Shown().empty());
  const std::string info = corvane::test::PdfInfo(m_pdf);
  EXPECT_NE(info.find("Income Invoice \u0424-12 \U0001D11E"), std::string::npos) << info;
}

TEST_F(PreviewExports, AnUnreadableTemplateIsReportedAndNothingIsPrinted) {
  SetUpOutFolder();
  const std::filesystem::path broken = m_dir / "broken.zlt";
  std::ofstream(broken) << "not a template";
  const FieldMap data = corvane::test::InvoiceData();
  struct Case {
    std::filesystem::path path;
    const char* why;
  };
  for (const Case& test : {Case{broken, "damaged file"}, Case{m_dir / "missing.zlt", "missing file"},
                           Case{std::filesystem::path(), "no path"}}) {
    platform::MessageBoxRecorder boxes;
    EXPECT_EQ(Print(test.path, &data), 0) << test.why;
    ASSERT_EQ(boxes.Shown().size(), 1u) << test.why;
    EXPECT_EQ(boxes.Shown()[0].caption, L"Corvane Preview");
    EXPECT_EQ(boxes.Shown()[0].style, platform::MB_OK | platform::MB_ICONERROR);
    EXPECT_FALSE(std::filesystem::exists(m_pdf)) << test.why << ": an empty report was printed";
  }
  platform::MessageBoxRecorder boxes;
  Print(broken, &data);
  EXPECT_EQ(boxes.Shown().at(0).text, L"Invalid file structure");
}

TEST_F(PreviewExports, ARepeatFieldThatIsNoFieldKeyStopsThePrint) {
  SetUpOutFolder();
  corvane::test::SaveTemplate({corvane::test::LabelItem(L"INVOICE", InchRect{1, 1, 3, 1.3}),
                               corvane::test::RepeatItem(L"Lines", 5, InchRect{1, 2, 4, 2.2})},
                              m_template);
  const FieldMap data = corvane::test::InvoiceData();
  EXPECT_EQ(Print(m_template, &data), 0);
  EXPECT_EQ(ShownTexts(), std::vector<std::wstring>{L"Field parse error"});
  EXPECT_FALSE(std::filesystem::exists(m_pdf));
}

TEST_F(PreviewExports, TellsOnStandardErrorHowManyLinesTheTemplateCouldNotShow) {
  SetUpOutFolder();
  corvane::test::SaveInvoiceTemplate(m_template, 2);
  const FieldMap data = corvane::test::InvoiceData(5);
  testing::internal::CaptureStderr();
  Print(m_template, &data);
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(m_boxes.Shown().empty()) << "an unattended print waits for a click";
  EXPECT_NE(told.find("3 invoice lines are not shown: the template has room for 2 lines only."),
            std::string::npos)
      << told;
  // The lines that fit are printed all the same.
  const std::string text = corvane::test::PdfText(m_pdf);
  EXPECT_NE(text.find("Sunflower seeds"), std::string::npos);
  EXPECT_EQ(text.find("Baking paper roll"), std::string::npos);
}

TEST_F(PreviewExports, ARowLimitOfNoneLeavesOutNothing) {
  SetUpOutFolder();
  corvane::test::SaveInvoiceTemplate(m_template, 0);
  const FieldMap data = corvane::test::InvoiceData(3);
  testing::internal::CaptureStderr();
  Print(m_template, &data);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(m_boxes.Shown().empty());
  EXPECT_NE(corvane::test::PdfText(m_pdf).find("Mountain Bakery Ltd"), std::string::npos);
}

TEST_F(PreviewExports, AFileThatCannotBeWrittenIsReportedNotThrown) {
  // No out folder: the PDF cannot be created.
  const FieldMap data = corvane::test::InvoiceData();
  EXPECT_EQ(Print(m_template, &data), 0);
  ASSERT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_EQ(m_boxes.Shown()[0].text.rfind(L"The invoice could not be printed to " + m_pdf.wstring(), 0), 0u)
      << m_boxes.Shown()[0].text;
  EXPECT_FALSE(std::filesystem::exists(m_pdf));
}

TEST_F(PreviewExports, NullArgumentsAreEmptyTextsAndNoData) {
  SetUpOutFolder();
  // No data: every field shows its template text, the repeat fields nothing.
  EXPECT_EQ(Print(m_template, nullptr, nullptr), 0);
  const std::string text = corvane::test::PdfText(m_pdf);
  EXPECT_NE(text.find("Invoice Number"), std::string::npos) << text;
  EXPECT_EQ(text.find("Rye flour"), std::string::npos);
  EXPECT_EQ(PrintInvoice(nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(m_boxes.Shown().size(), 1u) << "the missing template path is reported";
}

TEST_F(PreviewExports, TheMessageEntryPointsAreThin) {
  EXPECT_EQ(Preview_PreTranslateMsg(nullptr), 0);
  PreviewMsg message{nullptr, 10004, 0, 1, 2};
  EXPECT_EQ(Preview_PreTranslateMsg(&message), 0);
  Preview_ProcessDllIdle();  // returns: no idle work is left over
  EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST(PreviewOrdinals, MapOneToFourToTheEntryPoints) {
  struct Expected {
    int32_t ordinal;
    const char* name;
    PreviewProc entry;
  };
  const Expected expected[] = {
      {1, "Preview_PreTranslateMsg", reinterpret_cast<PreviewProc>(&Preview_PreTranslateMsg)},
      {2, "Preview_ProcessDllIdle", reinterpret_cast<PreviewProc>(&Preview_ProcessDllIdle)},
      {3, "ShowInvoicePreview", reinterpret_cast<PreviewProc>(&ShowInvoicePreview)},
      {4, "PrintInvoice", reinterpret_cast<PreviewProc>(&PrintInvoice)},
  };
  for (const Expected& entry : expected) {
    EXPECT_EQ(preview::FindOrdinal(CorvanPreview_Ordinals, entry.ordinal), entry.entry) << entry.ordinal;
    EXPECT_STREQ(CorvanPreview_Ordinals[entry.ordinal - 1].name, entry.name);
  }
  EXPECT_EQ(CorvanPreview_Ordinals[4].ordinal, 0) << "the table ends after ordinal 4";
  EXPECT_EQ(preview::FindOrdinal(CorvanPreview_Ordinals, 5), nullptr);
  EXPECT_EQ(preview::FindOrdinal(CorvanPreview_Ordinals, 0), nullptr);
}

TEST(PrintDestination, IsTheFileNamedByTheEnvironment) {
  unsetenv("CORVANE_PRINT_TO_FILE");
  EXPECT_FALSE(preview::PrintToFileDestination());
  setenv("CORVANE_PRINT_TO_FILE", "", 1);
  EXPECT_FALSE(preview::PrintToFileDestination()) << "an empty name prints through the dialog";
  setenv("CORVANE_PRINT_TO_FILE", "/tmp/x/invoice.pdf", 1);
  EXPECT_EQ(preview::PrintToFileDestination(), std::filesystem::path("/tmp/x/invoice.pdf"));
  unsetenv("CORVANE_PRINT_TO_FILE");
}

}  // namespace
