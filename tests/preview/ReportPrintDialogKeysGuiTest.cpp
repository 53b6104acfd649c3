// The report's print through the print dialog, answered with real keys. The
// dialog printer prints a confirmed job into a PDF file that the test reads
// back, so no job ever reaches a real printer.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <wx/checkbox.h>
#include <wx/cmndata.h>
#include <wx/generic/prntdlgg.h>
#include <wx/radiobox.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

#include "GuiEvents.h"
#include "PreviewFixtures.h"
#include "platform/MessageBox.h"
#include "TestEnvironment.h"
#include "platform/gdi/PdfWriter.h"
#include "platform/gdi/PrintDialog.h"
#include "preview/ReportGenerator.h"

namespace {

using corvane::test::WaitFor;
using platform::gdi::PdfWriter;
using platform::gdi::PrintTarget;

// What the shown dialog offered, and whether the key ended it.
struct DialogSeen {
  bool printToFileShown = true;
  bool pageRangeEnabled = true;
  bool endedByKey = false;
};

// Waits for the print dialog to be shown modally, then presses one key in it
// from the dialog's own event loop.
class PressInPrintDialog : public wxTimer {
public:
  PressInPrintDialog(int key, DialogSeen& seen) : m_key(key), m_seen(seen) { Start(30); }
  ~PressInPrintDialog() override { Stop(); }

  bool Pressed() const { return m_pressed; }

  void Notify() override {
    if (m_acting) return;
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<wxGenericPrintDialog*>(window);
      if (!dialog || !dialog->IsModal() || !dialog->IsShown()) continue;
      m_acting = true;
      Stop();
      dialog->CallAfter([this, dialog] { Act(*dialog); });
      return;
    }
  }

private:
  void Act(wxGenericPrintDialog& dialog) {
    m_seen.printToFileShown = dialog.m_printToFileCheckBox && dialog.m_printToFileCheckBox->IsShown();
    // "All pages" stays; the page range is greyed out.
    m_seen.pageRangeEnabled = !dialog.m_rangeRadioBox || dialog.m_rangeRadioBox->IsItemEnabled(1) ||
                              dialog.m_fromText->IsEnabled() || dialog.m_toText->IsEnabled();
    dialog.Raise();
    wxWindow* field = dialog.m_noCopiesText;
    field->SetFocus();
    WaitFor([&] { return wxWindow::FindFocus() == field; });
    wxUIActionSimulator keys;
    keys.Char(m_key);
    m_pressed = true;
    m_seen.endedByKey = WaitFor([&] { return !dialog.IsShown(); });
    if (dialog.IsShown()) dialog.EndModal(wxID_CANCEL);  // the key did nothing
  }

  int m_key;
  DialogSeen& m_seen;
  bool m_acting = false;
  bool m_pressed = false;
};

class ReportPrintDialog : public ::testing::Test {
protected:
  void SetUp() override {
    m_previous = platform::gdi::SetDialogPrinter([this](const wxPrintData&) -> std::unique_ptr<PrintTarget> {
      ++m_targetsMade;
      if (m_printerFails) return nullptr;
      return std::make_unique<PdfWriter>(m_pdf, 8.27, 11.69, 600);
    });
    m_report.SetDocumentName(L"Invoice 42");
    ASSERT_TRUE(m_report.LoadFromString(
        L"report_label:0.5,0.5,4,1,First page label,,0,DejaVu Sans,120,0,0,0,0,0,0;", kMiddlePage));
    ASSERT_TRUE(m_report.LoadFromString(
        L"report_label:0.5,0.5,4,1,Second page label,,0,DejaVu Sans,120,0,0,0,0,0,0;", kMiddlePage));
  }
  void TearDown() override { platform::gdi::SetDialogPrinter(m_previous); }

  // Prints through the dialog, answered with the key.
  DialogSeen PrintAnswering(int key) {
    DialogSeen seen;
    PressInPrintDialog answer(key, seen);
    EXPECT_EQ(m_report.PrintWithDialog(), 0);
    EXPECT_TRUE(answer.Pressed()) << "the print dialog was not shown";
    EXPECT_TRUE(seen.endedByKey);
    return seen;
  }

  corvane::test::TempDir m_dir;
  std::filesystem::path m_pdf = m_dir / "printed.pdf";
  CReportGenerator m_report;
  int m_targetsMade = 0;
  bool m_printerFails = false;
  platform::gdi::DialogPrinter m_previous;
};

TEST_F(ReportPrintDialog, ReturnPrintsEveryPageOnTheChosenPrinter) {
  const DialogSeen seen = PrintAnswering(WXK_RETURN);
  EXPECT_FALSE(seen.printToFileShown);
  EXPECT_FALSE(seen.pageRangeEnabled);
  EXPECT_EQ(m_targetsMade, 1);
  ASSERT_TRUE(std::filesystem::exists(m_pdf));
  const std::string text = corvane::test::PdfText(m_pdf);
  EXPECT_NE(text.find("First page label"), std::string::npos) << text;
  EXPECT_NE(text.find("Second page label"), std::string::npos) << text;
  const std::string info = corvane::test::PdfInfo(m_pdf);
  EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
  EXPECT_NE(info.find("Invoice 42"), std::string::npos) << info;
}

TEST_F(ReportPrintDialog, EscapePrintsNothing) {
  platform::MessageBoxRecorder boxes;
  PrintAnswering(WXK_ESCAPE);
  EXPECT_EQ(m_targetsMade, 0);
  EXPECT_FALSE(std::filesystem::exists(m_pdf));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(ReportPrintDialog, APrinterThatFailsIsReported) {
  m_printerFails = true;
  platform::MessageBoxRecorder boxes;
  PrintAnswering(WXK_RETURN);
  EXPECT_EQ(m_targetsMade, 1);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, L"The invoice could not be printed.");
  EXPECT_EQ(boxes.Shown()[0].caption, L"Corvane Preview");
  EXPECT_EQ(boxes.Shown()[0].style, platform::MB_OK | platform::MB_ICONERROR);
}

// The settings the dialog starts from: no page range, no selection, no
// print-to-file, every page.
TEST(ReportPrintDialogData, OffersNeitherPagesNorSelectionNorFile) {
  const wxPrintDialogData data = platform::gdi::PrintDialogDataFor(platform::gdi::PrintDialogChoices{}, 3);
  EXPECT_FALSE(data.GetEnablePageNumbers());
  EXPECT_FALSE(data.GetEnableSelection());
  EXPECT_FALSE(data.GetEnablePrintToFile());
  EXPECT_FALSE(data.GetPrintToFile());
  EXPECT_TRUE(data.GetAllPages());
  EXPECT_EQ(data.GetMinPage(), 1);
  EXPECT_EQ(data.GetMaxPage(), 3);
}

}  // namespace
