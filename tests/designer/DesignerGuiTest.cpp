// The designer under Xvfb: start-up with and without a file, save and
// reopen, the close question, the placement kept between runs, the rulers
// following the canvas's messages, "Page Setup ..." and printing to PDF.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/notebook.h>
#include <wx/statusbr.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "DesignerTestSupport.h"
#include "TestEnvironment.h"
#include "common/TemplateFile.h"
#include "common/ui/CBaseEdit.h"
#include "designer/CMainFrame.h"
#include "designer/COptionsDlg.h"
#include "designer/CPlandelApp.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerMessages.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "designer/bars/CDrawBar.h"
#include "designer/bars/CRuler.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/WindowMessages.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportInvoiceField.h"
#include "template/ui/CReportEditor.h"
#include "tests/preview/PreviewFixtures.h"

using namespace designer;
using corvane::test::TempDir;
using designer::test::CloseAndWait;
using designer::test::Pump;
using designer::test::Command;
using designer::test::ReadBytes;

namespace {

template <typename Entity>
Entity* Place(CPlandelApp& app, int32_t left, int32_t top, int32_t right, int32_t bottom,
              std::unique_ptr<Entity> entity) {
  entity->SetRectPixels(left, top, right, bottom);
  Entity* placed = entity.get();
  app.GetDocument()->GetDoc().AddObject(std::move(entity));
  return placed;
}

bool Enabled(CMainFrame* frame, int id) {
  wxUpdateUIEvent event(id);
  event.SetEventObject(frame);
  frame->GetEventHandler()->ProcessEvent(event);
  return event.GetSetEnabled() ? event.GetEnabled() : true;
}


class DesignerGuiTest : public ::testing::Test {
protected:
  platform::MessageBoxRecorder m_boxes;
  TempDir m_dir;
};

TEST_F(DesignerGuiTest, StartsWithANewTemplateFramedByRulers) {
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  CMainFrame* frame = app.GetMainFrame();
  ASSERT_TRUE(frame);
  Pump();
  EXPECT_TRUE(frame->IsShown());
  EXPECT_EQ(frame->GetTitle(), L"Untitled - Corvan Designer");
  EXPECT_EQ(frame->GetFrameName(), L"DesignerFrameWnd");
  ASSERT_TRUE(frame->GetToolBoxBar());
  EXPECT_EQ(frame->GetToolBoxBar()->GetId(), kToolboxBarId);
  EXPECT_EQ(frame->GetPropertyBar()->GetId(), kPropertyBarId);

  CPlandelView* view = app.GetView();
  ASSERT_TRUE(view);
  EXPECT_EQ(frame->GetActiveView(), view);
  const wxSize client = view->GetClientSize();
  EXPECT_EQ(view->GetCornerBox()->GetRect(), wxRect(0, 0, 24, 24));
  EXPECT_EQ(view->GetHorzRuler()->GetRect(), wxRect(24, 0, client.x, 24));
  EXPECT_EQ(view->GetVertRuler()->GetRect(), wxRect(0, 24, 24, client.y));
  EXPECT_EQ(view->GetCanvas()->GetRect(), wxRect(24, 24, client.x - 24, client.y - 24));
  EXPECT_EQ(view->GetHorzRuler()->GetMeasurement(), 0) << "an empty profile counts pixels";
  EXPECT_GT(view->GetPaperSize().x, 0);
  EXPECT_GT(view->GetPaperSize().y, view->GetPaperSize().x);
  // The key indicators have room for their texts.
  wxStatusBar* status = frame->GetStatusBar();
  ASSERT_TRUE(status);
  for (int pane = 1; pane < status->GetFieldsCount(); ++pane) {
    wxRect field;
    ASSERT_TRUE(status->GetFieldRect(pane, field));
    EXPECT_GT(field.width, status->GetTextExtent(status->GetStatusText(pane)).x + 8)
        << platform::ToUtf8(status->GetStatusText(pane).ToStdWstring());
  }

  // The canvas's messages move the rulers.
  platform::SendMessage(view, WM_REPORT_EDITOR_ZOOM, 150);
  EXPECT_DOUBLE_EQ(view->GetHorzRuler()->GetZoom(), 1.5);
  EXPECT_DOUBLE_EQ(view->GetVertRuler()->GetZoom(), 1.5);
  wxPoint mouse(40, 70);
  platform::SendMessage(view, WM_REPORT_EDITOR_MOUSE, reinterpret_cast<platform::WPARAM>(&mouse));
  EXPECT_EQ(view->GetHorzRuler()->GetMouseMark(), 40);
  EXPECT_EQ(view->GetVertRuler()->GetMouseMark(), 70);
  platform::SendMessage(view, WM_REPORT_EDITOR_HSCROLL, 30);
  EXPECT_EQ(view->GetHorzRuler()->GetScrollPos(), 30);
  EXPECT_EQ(view->GetHorzRuler()->GetMouseMark(), -1) << "scrolling removes the mark";
  EXPECT_EQ(view->GetVertRuler()->GetMouseMark(), 70);
  platform::SendMessage(view, WM_REPORT_EDITOR_MOUSE, 0);
  EXPECT_EQ(view->GetVertRuler()->GetMouseMark(), -1);
  EXPECT_EQ(platform::SendMessage(view, WM_CORVANE_START_DRAWING, 0), -1) << "tool code 0 starts nothing";

  // Zoom commands through the frame reach the view and keep within the limits.
  Command(frame, ID_ZOOM_400);
  Command(frame, ID_ZOOM_IN);
  EXPECT_DOUBLE_EQ(view->GetZoom(), 4.0);
  Command(frame, ID_GRID);
  EXPECT_TRUE(view->GetSettings().grid);
  CloseAndWait(app);
  EXPECT_TRUE(m_boxes.Shown().empty());
  EXPECT_EQ(DesignerSettings::Load(96).zoomLevel, 400u) << "the settings are kept on closing";
  EXPECT_TRUE(DesignerSettings::Load(96).grid);
}

TEST_F(DesignerGuiTest, OpensTheFileOfTheCommandLineSavesAndReopensIt) {
  const std::filesystem::path original = m_dir / "invoice.zlt";
  TemplateFile().Save(original);
  {
    CPlandelApp app;
    ASSERT_TRUE(app.InitInstance(original.wstring()));
    Pump();
    EXPECT_EQ(app.GetMainFrame()->GetTitle(), L"invoice.zlt - Corvan Designer");
    EXPECT_EQ(app.GetFiles()->RecentFiles().front(), original.wstring());

    const std::filesystem::path copy = m_dir / "copy.zlt";
    platform::SetOpenFileHandler([&](const platform::OpenFileRequest& request) -> std::optional<std::wstring> {
      EXPECT_TRUE(request.save);
      return copy.wstring();
    });
    Command(app.GetMainFrame(), ID_FILE_SAVE_AS);
    platform::SetOpenFileHandler({});
    EXPECT_EQ(app.GetMainFrame()->GetTitle(), L"copy.zlt - Corvan Designer");
    EXPECT_EQ(ReadBytes(copy), ReadBytes(original));
    EXPECT_EQ(ReadBytes(copy).size(), 110u);
    EXPECT_EQ(app.GetFiles()->RecentFiles(), (std::vector<std::wstring>{copy.wstring(), original.wstring()}));
    CloseAndWait(app);
  }
  // A damaged file: the reason is shown and the designer goes on with an empty template.
  const std::filesystem::path broken = m_dir / "broken.zlt";
  std::ofstream(broken, std::ios::binary) << "not a template";
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(broken.wstring()));
  Pump();
  ASSERT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_NE(m_boxes.Shown()[0].text.find(L"Invalid file structure"), std::wstring::npos) << m_boxes.Shown()[0].text;
  EXPECT_EQ(app.GetMainFrame()->GetTitle(), L"Untitled - Corvan Designer");
  EXPECT_EQ(app.GetDocument()->GetDoc().GetContainer().GetSize(), 0);
  // The recent list offers the files that opened.
  EXPECT_TRUE(app.GetFiles()->OpenRecent(0));
  EXPECT_EQ(app.GetMainFrame()->GetTitle(), L"copy.zlt - Corvan Designer");
  CloseAndWait(app);
}

TEST_F(DesignerGuiTest, ClosingWithUnsavedChangesAsksFirst) {
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  Pump();
  app.GetView()->SetPaperSize(500, 600);  // as "Page Setup ..." does
  wxWeakRef<CMainFrame> frame(app.GetMainFrame());

  m_boxes.QueueAnswer(platform::IDCANCEL);
  frame->Close();
  Pump();
  ASSERT_TRUE(frame) << "Cancel keeps the designer open";
  ASSERT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_EQ(m_boxes.Shown()[0].text, L"Save changes to Untitled?");
  EXPECT_EQ(m_boxes.Shown()[0].style & 0xF, platform::MB_YESNOCANCEL);

  // Yes with the save dialog cancelled: nothing saved, still open.
  platform::SetOpenFileHandler([](const platform::OpenFileRequest&) { return std::optional<std::wstring>(); });
  m_boxes.QueueAnswer(platform::IDYES);
  frame->Close();
  Pump();
  platform::SetOpenFileHandler({});
  ASSERT_TRUE(frame);

  m_boxes.QueueAnswer(platform::IDNO);
  frame->Close();
  Pump();
  EXPECT_FALSE(frame);
}

TEST_F(DesignerGuiTest, OpensWhereItWasClosed) {
  wxRect closedAt;
  {
    CPlandelApp app;
    ASSERT_TRUE(app.InitInstance(L""));
    app.GetMainFrame()->SetSize(140, 90, 700, 520);
    Command(app.GetMainFrame(), ID_VIEW_TOOLBOX);  // the tool box hidden
    Command(app.GetMainFrame(), ID_ZOOM_200);
    Pump();
    closedAt = app.GetMainFrame()->GetRect();
    EXPECT_FALSE(app.GetMainFrame()->GetToolBoxBar()->IsShown());
    CloseAndWait(app);
  }
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  Pump();
  EXPECT_EQ(app.GetMainFrame()->GetRect(), closedAt);
  EXPECT_FALSE(app.GetMainFrame()->GetToolBoxBar()->IsShown());
  EXPECT_TRUE(app.GetMainFrame()->GetPropertyBar()->IsShown());
  EXPECT_DOUBLE_EQ(app.GetView()->GetZoom(), 2.0) << "the zoom of the last run";
  EXPECT_DOUBLE_EQ(app.GetView()->GetHorzRuler()->GetZoom(), 2.0);
  Command(app.GetMainFrame(), ID_VIEW_TOOLBOX);
  CloseAndWait(app);
}

TEST_F(DesignerGuiTest, PrintsThePaperToAPdfWithoutADialog) {
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  Pump();
  CPlandelView* view = app.GetView();
  const int ppi = view->GetPaperPixelsPerInch();
  view->SetPaperSize(ppi * 17 / 2, ppi * 11);  // letter
  const std::filesystem::path pdf = m_dir / "template.pdf";
  setenv("CORVANE_PRINT_TO_FILE", pdf.c_str(), 1);
  Command(app.GetMainFrame(), ID_FILE_PRINT);
  unsetenv("CORVANE_PRINT_TO_FILE");
  const std::string bytes = ReadBytes(pdf);
  ASSERT_EQ(bytes.rfind("%PDF", 0), 0u);
  EXPECT_NE(bytes.find("/MediaBox [ 0 0 612 792 ]"), std::string::npos) << "one letter page";
  EXPECT_TRUE(m_boxes.Shown().empty());

  // A folder that does not exist: the reason is shown, nothing is written.
  setenv("CORVANE_PRINT_TO_FILE", (m_dir / "missing" / "x.pdf").c_str(), 1);
  Command(app.GetMainFrame(), ID_FILE_PRINT);
  unsetenv("CORVANE_PRINT_TO_FILE");
  EXPECT_EQ(m_boxes.Shown().size(), 1u);
  m_boxes.QueueAnswer(platform::IDNO);  // the paper changed
  CloseAndWait(app);
}

TEST_F(DesignerGuiTest, ATemplateDrawnOnTheCanvasIsSavedReopenedAndPrintedToPdf) {
  const std::filesystem::path zlt = m_dir / "drawn.zlt";
  {
    CPlandelApp app;
    ASSERT_TRUE(app.InitInstance(L""));
    Pump();
    CPlandelView* view = app.GetView();
    CReportEditor* editor = view->GetEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(view->GetCanvas(), editor);
    EXPECT_EQ(editor->GetDiagramEntityContainer(), &app.GetDocument()->GetDoc().GetContainer())
        << "the canvas edits the document's entities";

    // A tool code arms the canvas to draw its entity; an unknown code arms nothing.
    EXPECT_EQ(platform::SendMessage(view, WM_CORVANE_START_DRAWING, 63), -1);
    EXPECT_FALSE(editor->GetDrawingObject());
    EXPECT_EQ(platform::SendMessage(view, WM_CORVANE_START_DRAWING, 1), -1);
    ASSERT_TRUE(editor->GetDrawingObject());
    EXPECT_EQ(editor->GetDrawingObject()->GetType(), L"report_label");
    Command(app.GetMainFrame(), ID_ADD_BOX);
    EXPECT_EQ(editor->GetDrawingObject()->GetType(), L"report_box");
    editor->Clear();

    auto* label = Place(app, 96, 96, 400, 130, std::make_unique<CReportEntityLabel>());
    label->SetTitle(L"Thank you for your order");
    Place(app, 96, 200, 400, 230, std::make_unique<CReportInvoiceField>(FieldId::kFirstInvoiceField));
    auto* box = Place(app, 60, 60, 500, 300, std::make_unique<CReportEntityBox>());
    editor->Redraw();
    EXPECT_FALSE(Enabled(app.GetMainFrame(), ID_EDIT_DELETE)) << "nothing selected";

    // The frame's menu commands reach the canvas.
    editor->SelectAll();
    EXPECT_TRUE(Enabled(app.GetMainFrame(), ID_ALIGN_LEFT));
    Command(app.GetMainFrame(), ID_ALIGN_LEFT);
    EXPECT_EQ(box->GetRect().left, 96) << "aligned with the label";
    EXPECT_TRUE(Enabled(app.GetMainFrame(), ID_EDIT_UNDO));
    Command(app.GetMainFrame(), ID_EDIT_UNDO);
    EXPECT_EQ(app.GetDocument()->GetDoc().GetContainer().GetAt(2)->GetRect().left, 60);
    editor->UnselectAll();
    box = dynamic_cast<CReportEntityBox*>(app.GetDocument()->GetDoc().GetContainer().GetAt(2));
    ASSERT_TRUE(box);
    box->Select(true);
    Command(app.GetMainFrame(), ID_EDIT_DELETE);
    EXPECT_EQ(app.GetDocument()->GetDoc().GetContainer().GetSize(), 2);
    Command(app.GetMainFrame(), ID_EDIT_UNDO);
    ASSERT_EQ(app.GetDocument()->GetDoc().GetContainer().GetSize(), 3);
    editor->UnselectAll();

    // The context menu offers what the selection allows.
    std::map<unsigned, bool> offered;
    popup_menu::SetTrackHandler([&](const popup_menu& menu, wxWindow*, bool) {
      for (unsigned id : {ID_EDIT_CUT, ID_EDIT_PASTE, ID_GROUP}) offered[id] = menu.IsItemEnabled(id);
      return 0;
    });
    app.GetDocument()->GetDoc().GetContainer().GetAt(0)->Select(true);
    Command(app.GetMainFrame(), ID_EDIT_COPY);
    wxContextMenuEvent menuEvent(wxEVT_CONTEXT_MENU, editor->GetId(), wxPoint(-1, -1));
    menuEvent.SetEventObject(editor);
    editor->GetEventHandler()->ProcessEvent(menuEvent);
    popup_menu::SetTrackHandler({});
    EXPECT_EQ(offered, (std::map<unsigned, bool>{{ID_EDIT_CUT, true}, {ID_EDIT_PASTE, true}, {ID_GROUP, false}}));
    editor->UnselectAll();

    ASSERT_TRUE(app.GetFiles()->SaveAs(zlt.wstring()));
    CloseAndWait(app);
    EXPECT_TRUE(m_boxes.Shown().empty()) << "saved: no question on closing";
  }
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(zlt.wstring()));
  Pump();
  const CDiagramEntityContainer& container = app.GetDocument()->GetDoc().GetContainer();
  ASSERT_EQ(container.GetSize(), 3);
  EXPECT_EQ(container.GetAt(0)->GetTitle(), L"Thank you for your order");
  EXPECT_EQ(container.GetAt(0)->GetRect(), (platform::gdi::Rect{96, 96, 400, 130}));
  EXPECT_EQ(container.GetAt(1)->GetType(), L"invoice_field");
  EXPECT_EQ(container.GetAt(2)->GetType(), L"report_box");
  EXPECT_FALSE(app.GetDocument()->IsTemplateModified());

  const std::filesystem::path pdf = m_dir / "drawn.pdf";
  setenv("CORVANE_PRINT_TO_FILE", pdf.c_str(), 1);
  Command(app.GetMainFrame(), ID_FILE_PRINT);
  unsetenv("CORVANE_PRINT_TO_FILE");
  const std::string text = corvane::test::PdfText(pdf);
  EXPECT_NE(text.find("Thank you for your order"), std::string::npos) << text;
  EXPECT_TRUE(m_boxes.Shown().empty());
  CloseAndWait(app);
}

class FakeTarget : public PageSetupTarget {
public:
  wxSize GetPaperSize() const override { return paper; }
  void SetPaperSize(int width, int height) override { paper = {width, height}; }
  int32_t GetUnit() const override { return unit; }
  void ApplyUnits(int32_t newUnit) override {
    unit = newUnit;
    ++applied;
  }
  wxSize paper{816, 1056};
  int32_t unit = 1;
  int applied = 0;
};

TEST_F(DesignerGuiTest, PageSetupRefusesAPaperOfNoSizeAndReadsTheOldUnitFirst) {
  FakeTarget target;
  COptionsDlg dialog(target, nullptr);
  auto* page = dynamic_cast<COptionsPage1*>(dialog.GetCreatedPage(COptionsPage1::IDD));
  ASSERT_TRUE(page);
  dialog.Layout();
  wxWindow* ok = dialog.FindWindow(platform::IDOK);
  wxWindow* cancel = dialog.FindWindow(platform::IDCANCEL);
  ASSERT_TRUE(ok && cancel);
  EXPECT_GE(ok->GetPosition().y, dialog.GetTabControl()->GetRect().GetBottom()) << "the buttons lie below the tabs";
  EXPECT_LT(ok->GetPosition().x, cancel->GetPosition().x);
  const double ppi = page->GetValues().ScaleX();  // inches first
  EXPECT_EQ(page->GetUnitCombo()->GetStringSelection(), "Inches");
  EXPECT_EQ(page->GetWidthEdit()->GetValue(), wxString::Format("%.02f", 816 / ppi));

  page->GetWidthEdit()->ChangeValue("0");
  dialog.OnOK();
  EXPECT_NE(dialog.GetReturnCode(), platform::IDOK) << "the dialog stays open";
  ASSERT_EQ(m_boxes.Shown().size(), 1u);
  EXPECT_EQ(m_boxes.Shown()[0].text, kBadPaperSizeMessage);
  EXPECT_EQ(target.applied, 0);
  EXPECT_EQ(target.paper, wxSize(816, 1056));

  page->GetWidthEdit()->ChangeValue("5");  // inches, then centimetres chosen
  page->GetUnitCombo()->SetSelection(0);
  page->OnUnitChanged();
  EXPECT_EQ(page->GetWidthEdit()->GetValue(), "12.70");
  dialog.OnOK();
  EXPECT_EQ(dialog.GetReturnCode(), platform::IDOK);
  EXPECT_EQ(target.unit, 2);
  EXPECT_EQ(target.paper.x, static_cast<int>(5 * ppi));
  EXPECT_EQ(target.paper.y, 1056);
}

}  // namespace
