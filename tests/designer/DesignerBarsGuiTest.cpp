// The designer's bars under Xvfb: the tool box's outlook bar turning a click
// into a tool code, the property bar editing an entity through the property
// tree with undo, floating and docking a bar, parking it on an auto-hide bar
// and finding the bars as they were after a restart.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "DesignerTestSupport.h"
#include "TestEnvironment.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerMessages.h"
#include "designer/bars/CAutoHideBar.h"
#include "designer/bars/CDiagramPropertyBar.h"
#include "designer/bars/CDrawBar.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/diagram/CDiagramEntityContainer.h"
#include "template/ui/CReportEditor.h"

using namespace designer;
using designer::test::CloseAndWait;
using designer::test::Pump;

namespace {

CPropTreeItem* ItemLabelled(CPropTree& tree, const std::wstring& label) {
  for (CPropTreeItem* item : tree.GetVisibleItems()) {
    if (item->GetLabelText() == label) return item;
  }
  return nullptr;
}

void Mouse(wxWindow* window, wxEventType type, wxPoint point) {
  wxMouseEvent event(type);
  event.SetPosition(point);
  event.SetEventObject(window);
  event.m_leftDown = type != wxEVT_LEFT_UP;
  window->GetEventHandler()->ProcessEvent(event);
}

void ClickItem(CGfxOutBarCtrl* outBar, int32_t index) {
  const auto rect = outBar->GetLayout().GetItemRect(index);
  outBar->PressAt({rect.left + 3, rect.top + 3});
  outBar->ReleaseAt({rect.left + 3, rect.top + 3});
}

void ClickFolder(CGfxOutBarCtrl* outBar, int32_t index) {
  const auto rect = outBar->GetLayout().GetFolderRect(index);
  outBar->PressAt({rect.left + 5, rect.top + 5});
  outBar->ReleaseAt({rect.left + 5, rect.top + 5});
}

class DesignerBarsGuiTest : public ::testing::Test {
protected:
  platform::MessageBoxRecorder m_boxes;
};

}  // namespace

TEST_F(DesignerBarsGuiTest, AToolClickSendsItsCodeToTheWindowsOfTheFrame) {
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  CMainFrame* frame = app.GetMainFrame();
  Pump();
  CDrawBar* toolBox = frame->GetToolBoxBar();
  ASSERT_TRUE(toolBox);
  CGfxOutBarCtrl* outBar = toolBox->GetOutBar();
  EXPECT_EQ(outBar->GetId(), CDrawBar::kOutBarId);
  EXPECT_EQ(outBar->GetLayout().GetFolderCount(), 3);
  EXPECT_EQ(outBar->GetSelFolder(), 0);

  // Whatever window listens hears the code; a plain child of the view will do.
  std::vector<platform::WPARAM> codes;
  auto* listener = new wxWindow(frame->GetViewParent(), wxID_ANY);
  listener->Bind(EVT_CORVANE_MESSAGE, [&](platform::WindowMessageEvent& event) {
    if (event.GetMessage() == WM_CORVANE_START_DRAWING) codes.push_back(event.GetWParam());
  });
  const wxRect second = [&] {
    const auto rect = outBar->GetLayout().GetItemRect(1);
    return wxRect(rect.left, rect.top, rect.Width(), rect.Height());
  }();
  outBar->PressAt(second.GetPosition() + wxPoint(3, 3));
  outBar->ReleaseAt(second.GetPosition() + wxPoint(3, 3));
  ASSERT_EQ(codes.size(), 1u);
  EXPECT_EQ(codes[0], 51u) << "\"Date\"";

  // A press on one item released on another drags (the folder allows it),
  // which clicks nothing.
  const auto first = outBar->GetLayout().GetItemRect(0);
  outBar->PressAt({first.left + 3, first.top + 3});
  outBar->DragTo({second.x + 3, second.GetBottom() + 4});
  outBar->ReleaseAt({second.x + 3, second.GetBottom() + 4});
  EXPECT_EQ(codes.size(), 1u);
  EXPECT_EQ(outBar->GetFolderItemData(1), 50) << "\"Invoice Number\" moved below \"Date\"";

  // The drawing folder.
  const auto drawing = outBar->GetLayout().GetFolderRect(2);
  outBar->PressAt({drawing.left + 5, drawing.top + 5});
  outBar->ReleaseAt({drawing.left + 5, drawing.top + 5});
  EXPECT_EQ(outBar->GetSelFolder(), 2);
  EXPECT_EQ(outBar->GetFolderItemData(3), 4) << "\"Picture\"";
  listener->Destroy();
  CloseAndWait(app);
}

// The road a user takes: a tool from the tool box, a rectangle drawn on the
// canvas, its border changed in the property bar, then Edit > Undo.
TEST_F(DesignerBarsGuiTest, DrawAToolEditItsPropertyAndUndo) {
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  CMainFrame* frame = app.GetMainFrame();
  Pump();
  CReportEditor* editor = app.GetView()->GetEditor();
  ASSERT_TRUE(editor);
  CGfxOutBarCtrl* outBar = frame->GetToolBoxBar()->GetOutBar();
  ClickFolder(outBar, 2);
  ClickItem(outBar, 1);  // "Rectangle"
  ASSERT_TRUE(editor->GetDrawingObject());
  EXPECT_EQ(editor->GetDrawingObject()->GetType(), L"report_box");

  Mouse(editor, wxEVT_LEFT_DOWN, {100, 100});
  Mouse(editor, wxEVT_MOTION, {220, 170});
  Mouse(editor, wxEVT_LEFT_UP, {220, 170});
  Pump();
  CDiagramEntityContainer& container = app.GetDocument()->GetDoc().GetContainer();
  ASSERT_EQ(container.GetSize(), 1);
  auto* box = dynamic_cast<CReportEntityBox*>(container.GetAt(0));
  ASSERT_TRUE(box);
  EXPECT_EQ(outBar->GetLayout().GetSelectedItem(), -1) << "the press on the canvas drops the tool's highlight";

  // The drawn box is selected and shown in the property bar.
  CDiagramPropertyBar* bar = frame->GetPropertyBar();
  ASSERT_TRUE(bar->GetPopulator());
  EXPECT_EQ(bar->GetPopulator()->GetEntity(), box);
  CPropTreeItem* thickness = ItemLabelled(bar->GetTree(), L"Thickness");
  ASSERT_TRUE(thickness);
  const int undo = container.GetUndoCount();
  const bool modifiedBefore = app.GetDocument()->IsTemplateModified();
  bar->GetTreeWindow()->EditText(thickness, L"3");
  Pump();
  EXPECT_EQ(box->GetBorderWidth(), 3);
  EXPECT_EQ(container.GetUndoCount(), undo + 1);
  EXPECT_TRUE(app.GetDocument()->IsTemplateModified());
  (void)modifiedBefore;

  // Undo while the colour row is focused: the rows go with the entity, and
  // painting the tree afterwards touches nothing of them.
  CPropTreeWnd* window = bar->GetTreeWindow();
  bar->GetTree().SetFocusedItem(ItemLabelled(bar->GetTree(), L"Border Color"));
  Pump();
  wxCommandEvent undoCommand(wxEVT_MENU, ID_EDIT_UNDO);
  undoCommand.SetEventObject(frame);
  frame->GetEventHandler()->ProcessEvent(undoCommand);
  Pump();
  window->Refresh();
  window->Update();
  ASSERT_EQ(container.GetSize(), 1);
  auto* restored = dynamic_cast<CReportEntityBox*>(container.GetAt(0));
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->GetBorderWidth(), 0);
  // The bar shows the restored box, never the one undo deleted.
  if (bar->GetPopulator()) EXPECT_EQ(bar->GetPopulator()->GetEntity(), restored);
  app.GetDocument()->GetDoc().SetModifiedFlag(false);
  container.SetModified(false);
  CloseAndWait(app);
}

TEST_F(DesignerBarsGuiTest, ThePropertyBarEditsAnEntityAsOneUndoStep) {
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  CMainFrame* frame = app.GetMainFrame();
  Pump();
  CDiagramEntityContainer container;
  auto made = std::make_unique<CReportEntityLabel>();
  made->SetRect(10, 20, 110, 60);
  CReportEntityLabel* label = made.get();
  container.Add(std::move(made));

  CDiagramPropertyBar* bar = frame->GetPropertyBar();
  bar->ShowEntity(*label, label->GetPopulator());
  Pump();
  CPropTreeWnd* window = bar->GetTreeWindow();
  CPropTreeItem* text = ItemLabelled(bar->GetTree(), L"Text");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->GetDisplayText(), L"Label");
  EXPECT_EQ(text->GetInfoText(), L"Text");

  // As the user types into the tree.
  window->EditText(text, L"Invoice \"A\"");
  Pump();
  EXPECT_EQ(label->GetTitle(), L"Invoice \"A\"");
  EXPECT_TRUE(container.IsModified());
  EXPECT_EQ(container.GetUndoCount(), 1);

  CPropTreeItem* align = ItemLabelled(bar->GetTree(), L"Align");
  window->ChooseEntry(align, 1);
  EXPECT_EQ(label->GetAlignment(), 1);
  EXPECT_EQ(container.GetUndoCount(), 2);

  // The font item's own check boxes: underline and strike-out.
  CPropTreeItem* fontRow = ItemLabelled(bar->GetTree(), L"Font");
  ASSERT_TRUE(fontRow);
  ASSERT_EQ(fontRow->GetChildren().size(), 2u);
  CPropTreeItem* strikeOut = fontRow->GetChildren()[1].get();
  EXPECT_EQ(strikeOut->GetLabelText(), L"Strike-out");
  bar->GetTree().ToggleCheck(strikeOut);
  EXPECT_TRUE(label->GetStrikeOut());
  EXPECT_FALSE(label->GetUnderline());
  EXPECT_EQ(container.GetUndoCount(), 3);

  container.Undo();
  container.Undo();
  container.Undo();
  EXPECT_EQ(container.GetAt(0)->GetTitle(), L"Label");
  bar->ClearProperties();
  EXPECT_TRUE(bar->GetTree().GetVisibleItems().empty());
  CloseAndWait(app);
}

TEST_F(DesignerBarsGuiTest, BarsFloatDockParkAndComeBackAsTheyWere) {
  {
    CPlandelApp app;
    ASSERT_TRUE(app.InitInstance(L""));
    CMainFrame* frame = app.GetMainFrame();
    Pump();
    wxAuiManager& aui = frame->GetAuiManager();
    CDrawBar* toolBox = frame->GetToolBoxBar();
    CDiagramPropertyBar* properties = frame->GetPropertyBar();
    EXPECT_EQ(aui.GetPane(properties).dock_direction, wxAUI_DOCK_LEFT);
    EXPECT_EQ(aui.GetPane(toolBox).dock_direction, wxAUI_DOCK_RIGHT);

    // Float the property bar and dock it again.
    aui.GetPane(properties).Float().FloatingPosition(200, 200);
    aui.Update();
    Pump();
    EXPECT_TRUE(aui.GetPane(properties).IsFloating());
    EXPECT_NE(wxGetTopLevelParent(properties), frame);
    aui.GetPane(properties).Dock().Left();
    aui.Update();
    Pump();
    EXPECT_TRUE(aui.GetPane(properties).IsDocked());
    EXPECT_EQ(wxGetTopLevelParent(properties), frame);

    // Park the tool box on the right auto-hide bar and slide it out.
    frame->PinBar(toolBox);
    Pump();
    CAutoHideBar* right = frame->GetAutoHideBar(AutoHideSide::Right);
    ASSERT_TRUE(right->HasTab(toolBox));
    EXPECT_TRUE(aui.GetPane(right).IsShown());
    EXPECT_FALSE(aui.GetPane(toolBox).IsShown());
    EXPECT_TRUE(frame->IsBarVisible(toolBox));
    ASSERT_EQ(right->GetTabs().size(), 1u);
    EXPECT_EQ(right->GetTabs()[0].text, L" OutlookBar ");
    const auto tab = right->GetTabs()[0].rect;
    right->HoverAt({tab.left + 3, tab.top + 3});
    CDrawFrame* sliding = right->GetFrame(toolBox);
    ASSERT_TRUE(sliding);
    EXPECT_TRUE(sliding->IsShown());
    EXPECT_EQ(toolBox->GetOutBar()->GetParent(), sliding);
    while (sliding->SlideStep()) {
    }
    EXPECT_EQ(sliding->GetSize().x, sliding->GetFullSize());

    // The property bar parks on the left with its own title.
    frame->PinBar(properties);
    CAutoHideBar* left = frame->GetAutoHideBar(AutoHideSide::Left);
    ASSERT_TRUE(left->HasTab(properties));
    EXPECT_EQ(left->GetTabs()[0].text, L"Properties");
    frame->UnpinBar(properties);
    EXPECT_FALSE(left->HasTab(properties));
    EXPECT_TRUE(aui.GetPane(properties).IsShown());
    EXPECT_EQ(properties->GetTreeWindow()->GetParent(), properties);
    EXPECT_FALSE(aui.GetPane(left).IsShown()) << "an empty auto-hide bar hides";
    CloseAndWait(app);
  }
  CPlandelApp app;
  ASSERT_TRUE(app.InitInstance(L""));
  CMainFrame* frame = app.GetMainFrame();
  Pump();
  EXPECT_TRUE(frame->GetAutoHideBar(AutoHideSide::Right)->HasTab(frame->GetToolBoxBar())) << "still parked";
  EXPECT_TRUE(frame->GetAuiManager().GetPane(frame->GetPropertyBar()).IsShown());
  frame->UnpinBar(frame->GetToolBoxBar());
  EXPECT_TRUE(frame->GetAuiManager().GetPane(frame->GetToolBoxBar()).IsShown());
  EXPECT_EQ(frame->GetAuiManager().GetPane(frame->GetToolBoxBar()).dock_direction, wxAUI_DOCK_RIGHT);
  CloseAndWait(app);
}
