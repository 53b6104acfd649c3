// The invoice preview frame under Xvfb: opened through the entry point as
// the main program opens it, its pages in wx's print preview, its commands,
// and its end. Printing goes to a PDF file (CORVANE_PRINT_TO_FILE): GTK's own
// print operation must never run here.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/infobar.h>
#include <wx/menu.h>
#include <wx/print.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include "PreviewLibFixtures.h"
#include "TestEnvironment.h"
#include "platform/MessageBox.h"
#include "preview/InvoiceDoc.h"
#include "preview/ui/CCorvanPreviewApp.h"
#include "preview/ui/InvoiceFrame.h"
#include "preview/ui/InvoiceView.h"
#include "preview/ui/PreviewExports.h"

namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();  // deletes what was destroyed
  }
}

template <class T>
T* FindChild(wxWindow* parent) {
  for (wxWindow* child : parent->GetChildren()) {
    if (auto* found = dynamic_cast<T*>(child)) return found;
  }
  return nullptr;
}

const std::vector<InvoiceFrame*>& OpenFrames() {
  return CCorvanPreviewApp::Get().GetDocTemplate()->GetFrames();
}

class InvoicePreview : public ::testing::Test {
protected:
  void SetUp() override { corvane::test::SaveInvoiceTemplate(m_template); }
  void TearDown() override {
    for (InvoiceFrame* frame : std::vector<InvoiceFrame*>(OpenFrames())) frame->Destroy();
    Pump();
  }

  // Opens a preview through the entry point with data that is freed as soon
  // as the call returns.
  InvoiceFrame* Show(const std::u16string& title, const std::filesystem::path& templatePath,
                     size_t lines = std::size(corvane::test::kInvoiceLines)) {
    auto data = std::make_unique<FieldMap>(corvane::test::InvoiceData(lines));
    const int32_t id = ShowInvoicePreview(title.c_str(), templatePath.u16string().c_str(), data.get());
    data.reset();
    Pump();
    if (id == 0) return nullptr;
    return dynamic_cast<InvoiceFrame*>(wxWindow::FindWindowById(id));
  }

  static wxPrintPreviewBase* PreviewOf(InvoiceFrame* frame) {
    auto* bar = FindChild<wxPreviewControlBar>(frame);
    return bar ? bar->GetPrintPreview() : nullptr;
  }

  static void CloseAndWait(wxFrame* frame) {
    wxWeakRef<wxFrame> alive(frame);
    frame->Close();
    Pump();
    EXPECT_FALSE(alive) << "closing the frame did not destroy it";
  }

  corvane::test::TempDir m_dir;
  std::filesystem::path m_template = m_dir / "invoice.zlt";
  platform::MessageBoxRecorder m_boxes;
};

TEST_F(InvoicePreview, ShowsTheInvoicePagesInAFrameTitledForThePreview) {
  InvoiceFrame* frame = Show(u"Outcome Invoice 0042/24", m_template);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->GetTitle(), L"Outcome Invoice 0042/24 - Preview");
  EXPECT_TRUE(frame->IsShown());
  wxPrintPreviewBase* preview = PreviewOf(frame);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->GetMinPage(), 1);
  EXPECT_EQ(preview->GetMaxPage(), 1);
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), L"Page 1 of 1");
  EXPECT_TRUE(m_boxes.Shown().empty());

  // The menu of the frame.
  wxMenuBar* menus = frame->GetMenuBar();
  ASSERT_TRUE(menus);
  EXPECT_EQ(menus->GetMenuLabelText(0), L"File");
  EXPECT_EQ(menus->GetLabel(InvoiceFrame::kPrintCommand), L"Print ...");
  EXPECT_EQ(menus->GetLabel(InvoiceFrame::kCloseCommand), L"Close");
}

TEST_F(InvoicePreview, PrintsItsOwnCopyOfTheDataFromTheMenuAndThePreviewBar) {
  InvoiceFrame* frame = Show(u"Outcome Invoice 0042/24", m_template);  // the caller's map is gone
  ASSERT_TRUE(frame);
  const std::filesystem::path fromMenu = m_dir / "menu.pdf";
  {
    corvane::test::PrintToFile destination(fromMenu);
    wxCommandEvent print(wxEVT_MENU, InvoiceFrame::kPrintCommand);
    print.SetEventObject(frame);
    frame->ProcessWindowEvent(print);
  }
  const std::string text = corvane::test::PdfText(fromMenu);
  for (const char* expected : {"0042/24", "Mountain Bakery Ltd", "Rye flour 25kg", "142.50", "201.83"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;
  }

  const std::filesystem::path fromBar = m_dir / "bar.pdf";
  {
    corvane::test::PrintToFile destination(fromBar);
    PreviewOf(frame)->Print(true);  // the preview bar's "Print..." button
  }
  EXPECT_EQ(corvane::test::PdfText(fromBar), text);
  EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(InvoicePreview, ClosingTheFrameDestroysItWithItsDocumentAndKeepsItsPlace) {
  InvoiceFrame* frame = Show(u"Invoice 1", m_template);
  ASSERT_TRUE(frame);
  ASSERT_EQ(OpenFrames().size(), 1u);
  const wxRect place(120, 70, 640, 700);
  frame->SetSize(place);
  Pump();
  CloseAndWait(frame);
  EXPECT_TRUE(OpenFrames().empty());
  EXPECT_TRUE(common::WindowPlacement::Load(L"Software\\Corvane\\WinPos", L"InvoicePreviewFrameWnd"));

  // The next preview opens where the last one was closed.
  InvoiceFrame* next = Show(u"Invoice 2", m_template);
  ASSERT_TRUE(next);
  EXPECT_EQ(next->GetRect(), place);

  // "Close" in the menu and on the preview bar close it as well.
  wxCommandEvent close(wxEVT_MENU, InvoiceFrame::kCloseCommand);
  close.SetEventObject(next);
  wxWeakRef<wxFrame> alive(next);
  next->ProcessWindowEvent(close);
  Pump();
  EXPECT_FALSE(alive);

  InvoiceFrame* third = Show(u"Invoice 3", m_template);
  ASSERT_TRUE(third);
  wxCommandEvent barClose(wxEVT_BUTTON, wxID_PREVIEW_CLOSE);
  auto* bar = FindChild<wxPreviewControlBar>(third);
  barClose.SetEventObject(bar);
  alive = third;
  bar->ProcessWindowEvent(barClose);
  Pump();
  EXPECT_FALSE(alive);
  EXPECT_TRUE(OpenFrames().empty());
}

TEST_F(InvoicePreview, TwoPreviewsAreIndependent) {
  InvoiceFrame* first = Show(u"Invoice A", m_template, 1);
  InvoiceFrame* second = Show(u"Invoice B", m_template, 3);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_NE(&first->GetDocument(), &second->GetDocument());
  EXPECT_EQ(first->GetDocument().GetData().Size(), 2u + 3 * 1 + 1);
  EXPECT_EQ(second->GetDocument().GetData().Size(), 2u + 3 * 3 + 1);
  CloseAndWait(first);
  EXPECT_EQ(OpenFrames(), std::vector<InvoiceFrame*>{second});
  EXPECT_TRUE(PreviewOf(second));
}

TEST_F(InvoicePreview, AnUnreadableTemplateIsReportedAndOpensAnEmptyPreview) {
  InvoiceFrame* frame = Show(u"Invoice", m_dir / "missing.zlt");
  ASSERT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_EQ(m_boxes.Shown()[0].caption, L"Corvane Preview");
  ASSERT_TRUE(frame);
  ASSERT_TRUE(PreviewOf(frame));
  EXPECT_EQ(PreviewOf(frame)->GetMaxPage(), 1) << "one blank sheet";
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), L"") << "no page to tell of";
  // Printing it prints nothing.
  const std::filesystem::path pdf = m_dir / "empty.pdf";
  {
    corvane::test::PrintToFile destination(pdf);
    frame->GetActiveView()->OnFilePrint();
  }
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_EQ(m_boxes.Shown().size(), 1u);
  CloseAndWait(frame);
}

TEST_F(InvoicePreview, TellsAboveThePagesHowManyLinesTheTemplateCouldNotShow) {
  corvane::test::SaveInvoiceTemplate(m_template, 2);
  InvoiceFrame* frame = Show(u"Invoice", m_template, 3);
  ASSERT_TRUE(frame);
  EXPECT_TRUE(m_boxes.Shown().empty()) << "the preview waits for a click";
  InvoiceView* view = frame->GetInvoiceView();
  EXPECT_EQ(view->GetNotice(), L"1 invoice line is not shown: the template has room for 2 lines only.");
  ASSERT_TRUE(view->GetNoticeBar());
  EXPECT_TRUE(view->GetNoticeBar()->IsShown());
  EXPECT_LT(view->GetNoticeBar()->GetPosition().y, view->GetCanvas()->GetPosition().y);

  // All lines shown: no bar.
  InvoiceFrame* whole = Show(u"Invoice", m_template, 2);
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->GetInvoiceView()->GetNoticeBar(), nullptr);
  EXPECT_TRUE(m_boxes.Shown().empty());
}

// A report of three page templates: first, middle and last page.
std::unique_ptr<InvoiceDoc> ThreePageDocument() {
  auto doc = std::make_unique<InvoiceDoc>();
  CReportGenerator& report = doc->GetGenerator();
  report.SetDocumentName(L"Three pages");
  report.LoadFromString(L"report_label:1,1,4,1.5,First [%page%],,0,DejaVu Sans,120,0,0,0,0,0,0;", kFirstPage);
  report.LoadFromString(L"report_label:1,1,4,1.5,Middle [%page%],,0,DejaVu Sans,120,0,0,0,0,0,0;",
                        kMiddlePage);
  report.LoadFromString(L"report_label:1,1,4,1.5,Last [%page%],,0,DejaVu Sans,120,0,0,0,0,0,0;", kLastPage);
  return doc;
}

TEST_F(InvoicePreview, PagesThroughAReportOfThreePages) {
  InvoiceFrame* frame =
      CCorvanPreviewApp::Get().GetDocTemplate()->CreateFrame(ThreePageDocument(), L"Report");
  ASSERT_TRUE(frame);
  frame->ShowFrame();
  Pump();
  wxPrintPreviewBase* preview = PreviewOf(frame);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->GetMaxPage(), 3);
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), L"Page 1 of 3");

  auto* bar = FindChild<wxPreviewControlBar>(frame);
  bar->OnNext();
  EXPECT_EQ(preview->GetCurrentPage(), 2);
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), L"Page 2 of 3");

  // Keys on the pages: End goes to the last page, Escape closes the frame.
  auto* canvas = FindChild<wxPreviewCanvas>(frame);
  ASSERT_TRUE(canvas);
  auto press = [&](int key) {
    wxKeyEvent event(wxEVT_CHAR);
    event.m_keyCode = key;
    event.SetEventObject(canvas);
    canvas->ProcessWindowEvent(event);
    Pump();
  };
  press(WXK_END);
  EXPECT_EQ(preview->GetCurrentPage(), 3);
  wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
  wheel.m_wheelRotation = -120;
  wheel.m_wheelDelta = 120;
  wheel.m_linesPerAction = 3;
  canvas->ProcessWindowEvent(wheel);  // scrolls, and must not take the frame for a wxPreviewFrame
  wxWeakRef<wxFrame> alive(frame);
  press(WXK_ESCAPE);
  EXPECT_FALSE(alive);
}

TEST_F(InvoicePreview, PrintingAThreePageReportToAFileGivesThreePages) {
  InvoiceFrame* frame =
      CCorvanPreviewApp::Get().GetDocTemplate()->CreateFrame(ThreePageDocument(), L"Report");
  ASSERT_TRUE(frame);
  const std::filesystem::path pdf = m_dir / "three.pdf";
  {
    corvane::test::PrintToFile destination(pdf);
    frame->GetActiveView()->OnFilePrint();
  }
  EXPECT_NE(corvane::test::PdfInfo(pdf).find("Pages:           3"), std::string::npos);
  const std::string text = corvane::test::PdfText(pdf);
  for (const char* expected : {"First 1", "Middle 2", "Last 3"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;
  }
}

TEST_F(InvoicePreview, AFrameWhosePreviewNeverStartedClosesItself) {
  auto* frame = new InvoiceFrame(std::make_unique<InvoiceDoc>(), CCorvanPreviewApp::Get().GetDocTemplate());
  ASSERT_TRUE(frame->LoadFrame(L"no preview"));
  frame->ShowFrame();
  Pump();
  EXPECT_FALSE(frame->GetActiveView());
  CloseAndWait(frame);
  EXPECT_TRUE(OpenFrames().empty());
}

}  // namespace
