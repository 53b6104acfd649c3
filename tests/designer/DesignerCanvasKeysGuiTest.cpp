// The designer's canvas with the real pointer and keys: scroll bars right
// after a template larger than the window is opened, the property bar
// showing each newly drawn field where it was drawn, and a repeat column of
// the shipped invoice template deleted by the Delete key and menu.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <utility>

#include <wx/uiaction.h>

#include "DesignerInputFixture.h"
#include "DesignerTestSupport.h"
#include "GuiEvents.h"
#include "TestEnvironment.h"
#include "designer/CMainFrame.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerMessages.h"
#include "designer/TemplateFiles.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "designer/proptree/CPropTreeWnd.h"
#include "platform/ScrollBars.h"
#include "platform/WindowMessages.h"
#include "template/CInvoiceRepeatField.h"
#include "template/CInvoiceRepeatHeaderField.h"
#include "template/CPlandelDoc.h"
#include "template/CReportEntityBox.h"
#include "template/ui/CReportEditor.h"
#include "tools/ShippedTemplates.h"

using namespace designer;
using corvane::test::PumpFor;
using corvane::test::WaitFor;

namespace {

class DesignerCanvasKeysGuiTest : public designer::test::DesignerInputTest {
protected:
  // The value a row of the property bar shows, "" without that row.
  wxString Shown(const std::wstring& label) {
    CDiagramPropertyBar* bar = frame->GetPropertyBar();
    for (CPropTreeItem* item : bar->GetTree().GetVisibleItems()) {
      if (item->GetLabelText() == label) return item->GetDisplayText();
    }
    return {};
  }

  // The repeat fields of the template, in list order.
  std::vector<CInvoiceRepeatField*> Columns() {
    std::vector<CInvoiceRepeatField*> columns;
    for (int i = 0; CDiagramEntity* entity = Container().GetAt(i); ++i) {
      if (auto* column = dynamic_cast<CInvoiceRepeatField*>(entity)) columns.push_back(column);
    }
    return columns;
  }

  void Click(wxPoint client) {
    wxUIActionSimulator input;
    input.MouseMove(Screen(client.x, client.y) + wxPoint(0, 15));
    PumpFor(50);
    input.MouseMove(Screen(client.x, client.y));
    PumpFor(50);
    input.MouseClick();
    PumpFor(100);
  }

  // Opens the shipped invoice template.
  void OpenShippedInvoice() {
    const std::filesystem::path file = dir / "invoice-a4.zlt";
    BuildShippedTemplate(ShippedTemplates().front()).Save(file);
    ASSERT_TRUE(app.GetFiles()->Open(file.wstring()));
    PumpFor(200);
  }

  corvane::test::TempDir dir;
};

TEST_F(DesignerCanvasKeysGuiTest, ARepeatColumnOfTheShippedInvoiceIsDeletedByKeyAndMenu) {
  OpenShippedInvoice();
  const size_t columns = Columns().size();
  ASSERT_EQ(columns, 7u);
  const int entities = Container().GetSize();

  // A click on a column's first row, then the Delete key.
  auto clickColumn = [&](CInvoiceRepeatField* column) {
    const platform::gdi::Rect header = column->GetHeader()->GetRect();
    editor->SetZoom(1.0);
    editor->SetVScroll(std::max(0, header.top - 100));
    editor->SetHScroll(0);
    editor->Redraw();
    const int y = header.top + 6 - editor->Core().View().GetVScroll();
    Click(wxPoint((header.left + header.right) / 2, y));
  };
  clickColumn(Columns()[1]);
  ASSERT_EQ(editor->GetSelectCount(), 1);
  wxUIActionSimulator input;
  input.Char(WXK_DELETE);
  ASSERT_TRUE(WaitFor([&] { return Columns().size() == columns - 1; })) << "the Delete key deletes the column";
  EXPECT_EQ(Container().GetSize(), entities - 2) << "the field and its header";

  // Edit > Delete on another one.
  clickColumn(Columns()[2]);
  ASSERT_EQ(editor->GetSelectCount(), 1);
  designer::test::Command(frame, ID_EDIT_DELETE);
  PumpFor(100);
  EXPECT_EQ(Columns().size(), columns - 2) << "Edit > Delete deletes the column";
  EXPECT_EQ(Container().GetSize(), entities - 4);

  // Undo brings both back.
  designer::test::Command(frame, ID_EDIT_UNDO);
  designer::test::Command(frame, ID_EDIT_UNDO);
  EXPECT_EQ(Columns().size(), columns);
  EXPECT_EQ(Container().GetSize(), entities);
}

// Two boxes drawn one after the other with the real pointer: each time the
// property bar shows the place of the box just drawn, not of the one before.
TEST_F(DesignerCanvasKeysGuiTest, ThePropertyBarShowsTheFieldJustDrawnWhereItWasDrawn) {
  const std::pair<wxPoint, wxPoint> drags[] = {{{100, 100}, {220, 170}}, {{300, 240}, {430, 330}}};
  for (size_t i = 0; i < std::size(drags); ++i) {
    SCOPED_TRACE("box " + std::to_string(i + 1));
    editor->StartDrawingObject(std::make_unique<CReportEntityBox>());
    Drag(drags[i].first, drags[i].second);
    ASSERT_TRUE(WaitFor([&] { return Container().GetSize() == static_cast<int>(i + 1); }));
    const platform::gdi::Rect drawn = Container().GetAt(static_cast<int>(i))->GetRect();
    const struct {
      const wchar_t* label;
      int value;
    } rows[] = {{L"X1", drawn.left}, {L"Y1", drawn.top}, {L"X2", drawn.right}, {L"Y2", drawn.bottom}};
    for (const auto& row : rows) {
      EXPECT_TRUE(WaitFor([&] { return Shown(row.label) == wxString(std::to_wstring(row.value)); }))
          << wxString(row.label) << " shows " << Shown(row.label) << ", the box lies at " << row.value;
    }
  }
  EXPECT_NE(Container().GetAt(0)->GetRect(), Container().GetAt(1)->GetRect());
}

}  // namespace

// Started with a template larger than the window, as from the command line:
// the canvas shows its scroll bars at once.
TEST(DesignerCanvasScrollKeysGuiTest, ATemplateLargerThanTheWindowOpensWithScrollBars) {
  platform::MessageBoxRecorder boxes;
  corvane::test::TempDir dir;
  const std::filesystem::path file = dir / "invoice-a4.zlt";
  BuildShippedTemplate(ShippedTemplates().front()).Save(file);
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(file.wstring()));
  CMainFrame* frame = app.GetMainFrame();
  frame->SetSize(20, 20, 1000, 720);
  CReportEditor* editor = app.GetView()->GetEditor();
  ASSERT_TRUE(WaitFor([&] { return editor->IsShownOnScreen() && editor->GetClientSize().x > 300; }));
  PumpFor(300);
  const platform::gdi::Size paper = editor->GetVirtualSize();
  ASSERT_GT(paper.cy, editor->GetSize().y) << "the paper is taller than the canvas";
  EXPECT_TRUE(WaitFor([&] { return editor->GetClientSize().x < editor->GetSize().x - 4; }))
      << "a vertical scroll bar takes its room: client " << editor->GetClientSize().x << " of " << editor->GetSize().x;
  EXPECT_GT(editor->GetScrollRange(wxVERTICAL), editor->GetScrollThumb(wxVERTICAL));
  EXPECT_FALSE(platform::HasOverlayScrollBars(editor)) << "bars, not indicators that show only on a scroll";
  boxes.QueueAnswer(platform::IDNO);
  designer::test::CloseAndWait(app);
}
