// The property tree on screen, driven with the real pointer and keys from
// the X server (XTest under Xvfb): what a click does on a label, a value, an
// expand box, a check box and the splitter; double clicks; the keys; the
// owner's answers that cancel; and the description pane.
#include <gtest/gtest.h>

#include <map>

#include <wx/frame.h>
#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "GuiEvents.h"
#include "designer/proptree/CPropTreeWnd.h"
#include "designer/proptree/PropTreeItems.h"

using namespace designer;
using corvane::test::PumpFor;
using corvane::test::WaitFor;

namespace {

// "General" (expanded) with the edit "Name", the read-only "Locked", the
// check box item "Flag" and "Group" (collapsed) holding "Inner"; then a
// second top-level item "More" (collapsed) holding "Last".
class CPropTreeKeysGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    frame = new wxFrame(nullptr, wxID_ANY, "tree", wxPoint(40, 40), wxSize(360, 420));
    window = new CPropTreeWnd(frame, tree);
    tree.SetListener([this](int32_t code, CPropTreeItem* item) -> int64_t {
      seen.emplace_back(code, item);
      const auto answer = answers.find(code);
      return answer == answers.end() ? 0 : answer->second;
    });
    general = Add<CPropTreeItem>(L"General", nullptr);
    general->Expand();
    name = Add<CPropTreeItemEdit>(L"Name", general);
    name->SetText(L"old");
    name->SetInfoText(L"The name of the thing");
    locked = Add<CPropTreeItemEdit>(L"Locked", general);
    locked->SetReadOnly();
    flag = Add<CPropTreeItem>(L"Flag", general);
    flag->SetCheckBox();
    group = Add<CPropTreeItem>(L"Group", general);
    inner = Add<CPropTreeItemEdit>(L"Inner", group);
    more = Add<CPropTreeItem>(L"More", nullptr);
    last = Add<CPropTreeItemEdit>(L"Last", more);
    window->Rebuild();
    frame->Show();
    frame->Raise();
    list = window->GetList();
    ASSERT_TRUE(WaitFor([&] { return list->IsShownOnScreen() && list->GetClientSize().x > 300; }));
    PumpFor(200);
    seen.clear();
  }
  void TearDown() override {
    tree.SetListener({});
    frame->Destroy();
    PumpFor(50);
  }

  template <class Item>
  Item* Add(const wchar_t* label, CPropTreeItem* parent) {
    auto item = std::make_unique<Item>();
    item->SetLabelText(label);
    return tree.Insert(std::move(item), parent);
  }

  // A point of the item's row: x in the list's client area, the row's
  // middle.
  wxPoint At(CPropTreeItem* item, int x) {
    const auto place = tree.PlaceOf(item);
    EXPECT_TRUE(place.has_value());
    return place ? wxPoint(x, place->y + place->height / 2) : wxPoint();
  }
  wxPoint Label(CPropTreeItem* item) { return At(item, 60); }
  wxPoint Value(CPropTreeItem* item) { return At(item, tree.GetColumn() + 40); }

  void Click(wxPoint point) {
    input.MouseMove(list->ClientToScreen(point));
    PumpFor(50);
    input.MouseClick();
    PumpFor(100);
  }
  void DoubleClick(wxPoint point) {
    // Past twice the double-click time, so that the clicks before do not
    // make a triple click of this one.
    PumpFor(2 * wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC) + 100);
    input.MouseMove(list->ClientToScreen(point));
    PumpFor(50);
    input.MouseDblClick();
    PumpFor(150);
  }
  void Key(int key) {
    input.Char(key);
    PumpFor(60);
  }
  int Count(int32_t code) const {
    int n = 0;
    for (const auto& each : seen) n += each.first == code;
    return n;
  }

  CPropTree tree;
  wxFrame* frame = nullptr;
  CPropTreeWnd* window = nullptr;
  wxWindow* list = nullptr;
  CPropTreeItem* general = nullptr;
  CPropTreeItemEdit* name = nullptr;
  CPropTreeItemEdit* locked = nullptr;
  CPropTreeItem* flag = nullptr;
  CPropTreeItem* group = nullptr;
  CPropTreeItemEdit* inner = nullptr;
  CPropTreeItem* more = nullptr;
  CPropTreeItemEdit* last = nullptr;
  std::vector<std::pair<int32_t, CPropTreeItem*>> seen;
  std::map<int32_t, int64_t> answers;
  wxUIActionSimulator input;
};

TEST_F(CPropTreeKeysGuiTest, TheDescriptionPaneAsksForAnItemUntilOneIsFocused) {
  EXPECT_EQ(window->GetInfo()->GetTitle(), "No Item Selected");
  EXPECT_EQ(window->GetInfo()->GetText(), "Select an item to see its description");
  // The pane holds its title and two lines of text, whatever the font.
  EXPECT_GE(window->GetInfo()->GetClientSize().y, 8 + 3 * window->GetInfo()->GetCharHeight());
  EXPECT_GE(window->GetInfo()->GetClientSize().y, CPropTreeWnd::kDescriptionHeight);
  Click(Label(name));
  EXPECT_EQ(tree.GetFocusedItem(), name);
  EXPECT_EQ(window->GetInfo()->GetTitle(), "Name");
  EXPECT_EQ(window->GetInfo()->GetText(), "The name of the thing");
  // A click below the items drops the focus.
  Click(wxPoint(60, list->GetClientSize().y - 10));
  EXPECT_EQ(tree.GetFocusedItem(), nullptr);
  EXPECT_EQ(window->GetInfo()->GetTitle(), "No Item Selected");
}

TEST_F(CPropTreeKeysGuiTest, ALabelClickSelectsAndAValueClickEditsOnce) {
  Click(Label(name));
  EXPECT_EQ(tree.GetFocusedItem(), name);
  EXPECT_TRUE(name->IsSelected());
  EXPECT_EQ(window->GetActiveItem(), nullptr) << "a label click opens no editor";
  EXPECT_EQ(Count(CPropTree::kClick), 1);
  EXPECT_EQ(Count(CPropTree::kSelChanged), 1);

  seen.clear();
  Click(Value(name));
  EXPECT_EQ(Count(CPropTree::kPropClick), 1);
  ASSERT_EQ(window->GetActiveItem(), name);
  wxTextCtrl* edit = window->GetEditControl();
  ASSERT_TRUE(edit && edit->IsShown());
  EXPECT_EQ(edit->GetValue(), "old");
  ASSERT_TRUE(WaitFor([&] { return edit->HasFocus(); }));
  input.Text("new");
  ASSERT_TRUE(WaitFor([&] { return edit->GetValue() == "new"; }));
  Key(WXK_RETURN);
  EXPECT_EQ(name->GetText(), L"new");
  EXPECT_FALSE(edit->IsShown());
  // The click elsewhere afterwards commits nothing more.
  Click(Label(flag));
  EXPECT_EQ(Count(CPropTree::kItemChanged), 1);
}

TEST_F(CPropTreeKeysGuiTest, WhatIsTypedGoesToTheItemBeforeTheTreeIsEmptied) {
  Click(Value(name));
  wxTextCtrl* edit = window->GetEditControl();
  ASSERT_TRUE(edit && edit->IsShown());
  ASSERT_TRUE(WaitFor([&] { return edit->HasFocus(); }));
  input.Text("typed");
  ASSERT_TRUE(WaitFor([&] { return edit->GetValue() == "typed"; }));
  seen.clear();
  std::wstring committed;
  tree.SetListener([&](int32_t code, CPropTreeItem* item) -> int64_t {
    if (code == CPropTree::kItemChanged && item == name) committed = name->GetText();
    return 0;
  });
  // As the property bar does when another entity is shown.
  tree.DeleteAllItems();
  EXPECT_EQ(committed, L"typed");
  EXPECT_EQ(window->GetActiveItem(), nullptr);
  EXPECT_FALSE(edit->IsShown());
}

TEST_F(CPropTreeKeysGuiTest, TopLevelAndReadOnlyValuesAndACancellingOwnerOnlySelect) {
  Click(Value(general));
  EXPECT_EQ(tree.GetFocusedItem(), general);
  EXPECT_EQ(window->GetActiveItem(), nullptr);
  EXPECT_EQ(Count(CPropTree::kPropClick), 0);
  Click(Value(locked));
  EXPECT_EQ(tree.GetFocusedItem(), locked);
  EXPECT_EQ(window->GetActiveItem(), nullptr);
  answers[CPropTree::kPropClick] = 1;
  Click(Value(name));
  EXPECT_EQ(tree.GetFocusedItem(), name);
  EXPECT_EQ(Count(CPropTree::kPropClick), 1);
  EXPECT_EQ(window->GetActiveItem(), nullptr) << "the owner cancelled the editor";
}

TEST_F(CPropTreeKeysGuiTest, TheExpandBoxAndTheCheckBoxActAndTheOwnerMayCancelTheExpand) {
  const auto box = [&](CPropTreeItem* item) {
    const auto place = tree.PlaceOf(item);
    return wxPoint(place->expandBox.left + 4, place->expandBox.top + 4);
  };
  answers[CPropTree::kItemExpanding] = 1;
  Click(box(group));
  EXPECT_FALSE(group->IsExpanded()) << "cancelled";
  EXPECT_EQ(Count(CPropTree::kItemExpanding), 1);
  answers.clear();
  Click(box(group));
  EXPECT_TRUE(group->IsExpanded());
  EXPECT_TRUE(tree.PlaceOf(inner));

  // Collapsing "General" while "Inner" has the focus hands it to "General".
  Click(Label(inner));
  ASSERT_EQ(tree.GetFocusedItem(), inner);
  Click(box(general));
  EXPECT_FALSE(general->IsExpanded());
  EXPECT_EQ(tree.GetFocusedItem(), general);
  Click(box(general));

  seen.clear();
  const auto place = tree.PlaceOf(flag);
  Click(wxPoint(place->checkBox.left + 5, place->checkBox.top + 5));
  EXPECT_TRUE(flag->IsChecked());
  EXPECT_EQ(Count(CPropTree::kCheckClick), 1);
  EXPECT_EQ(tree.GetFocusedItem(), general) << "the check box leaves the focus";
}

TEST_F(CPropTreeKeysGuiTest, TheSplitterDragsToSixteenPixelsFromEitherEdge) {
  const int width = list->GetClientSize().x;
  ASSERT_EQ(tree.GetColumn(), 100);
  ASSERT_TRUE(corvane::test::DragWithMouse(list, At(name, 100), At(name, 3)));
  EXPECT_EQ(tree.GetColumn(), 16);
  ASSERT_TRUE(corvane::test::DragWithMouse(list, At(name, 16), At(name, width + 30)));
  EXPECT_EQ(tree.GetColumn(), width - 16);
  ASSERT_TRUE(corvane::test::DragWithMouse(list, At(name, width - 16), At(name, 120)));
  EXPECT_EQ(tree.GetColumn(), 120);
  EXPECT_EQ(Count(CPropTree::kColumnClick), 3);

  // The owner cancels: no drag starts.
  answers[CPropTree::kColumnClick] = 1;
  input.MouseMove(list->ClientToScreen(At(name, 120)));
  PumpFor(50);
  input.MouseDown();
  PumpFor(100);
  EXPECT_FALSE(list->HasCapture());
  input.MouseMove(list->ClientToScreen(At(name, 200)));
  PumpFor(50);
  input.MouseUp();
  PumpFor(100);
  EXPECT_EQ(tree.GetColumn(), 120);
}

TEST_F(CPropTreeKeysGuiTest, DoubleClicksToggleOnlyItemsWithChildren) {
  DoubleClick(Label(more));
  EXPECT_TRUE(more->IsExpanded());
  EXPECT_EQ(tree.GetFocusedItem(), more);
  EXPECT_EQ(Count(CPropTree::kDblClick), 1);
  DoubleClick(Label(more));
  EXPECT_FALSE(more->IsExpanded());
  answers[CPropTree::kItemExpanding] = 1;
  DoubleClick(Label(group));
  EXPECT_FALSE(group->IsExpanded()) << "cancelled";
  EXPECT_EQ(tree.GetFocusedItem(), group);
  answers.clear();
  // A leaf only takes the focus from the first click.
  DoubleClick(Label(flag));
  EXPECT_EQ(tree.GetFocusedItem(), flag);
  EXPECT_FALSE(flag->IsChecked());
  EXPECT_FALSE(flag->IsExpanded());
}

TEST_F(CPropTreeKeysGuiTest, KeysMoveTheFocusExpandCollapseAndActivate) {
  Click(Label(general));
  ASSERT_EQ(tree.GetFocusedItem(), general);
  ASSERT_TRUE(WaitFor([&] { return list->HasFocus(); }));
  Key(WXK_END);
  EXPECT_EQ(tree.GetFocusedItem(), more);
  Key(WXK_RIGHT);  // expands "More"
  EXPECT_TRUE(more->IsExpanded());
  EXPECT_EQ(tree.GetFocusedItem(), more);
  Key(WXK_RIGHT);  // expanded: moves down
  EXPECT_EQ(tree.GetFocusedItem(), last);
  Key(WXK_RIGHT);  // the last stays
  EXPECT_EQ(tree.GetFocusedItem(), last);
  Key(WXK_LEFT);  // no children: moves up
  EXPECT_EQ(tree.GetFocusedItem(), more);
  Key(WXK_LEFT);  // collapses
  EXPECT_FALSE(more->IsExpanded());
  EXPECT_EQ(tree.GetFocusedItem(), more);
  Key(WXK_UP);
  EXPECT_EQ(tree.GetFocusedItem(), group);
  answers[CPropTree::kItemExpanding] = 1;
  Key(WXK_RIGHT);
  EXPECT_FALSE(group->IsExpanded()) << "cancelled";
  answers.clear();
  Key(WXK_HOME);
  EXPECT_EQ(tree.GetFocusedItem(), general);
  Key(WXK_RETURN);
  EXPECT_EQ(window->GetActiveItem(), nullptr) << "a top-level item has no editor";
  Key(WXK_DOWN);
  Key(WXK_DOWN);
  EXPECT_EQ(tree.GetFocusedItem(), locked);
  Key(WXK_RETURN);
  EXPECT_EQ(window->GetActiveItem(), nullptr) << "read-only";
  Key(WXK_UP);
  EXPECT_EQ(tree.GetFocusedItem(), name);
  Key(WXK_RETURN);
  EXPECT_EQ(window->GetActiveItem(), name);
  ASSERT_TRUE(window->GetEditControl() && window->GetEditControl()->IsShown());
}

TEST_F(CPropTreeKeysGuiTest, WhileInputIsDisabledNeitherKeysNorClicksDoAnything) {
  Click(Label(name));
  ASSERT_TRUE(WaitFor([&] { return list->HasFocus(); }));
  tree.DisableInput(true);
  EXPECT_FALSE(frame->IsEnabled()) << "the owner is disabled with it";
  frame->Enable();  // so that the clicks reach the list
  seen.clear();
  list->SetFocus();
  PumpFor(50);
  Key(WXK_DOWN);
  Click(Value(name));
  Click(Label(more));
  EXPECT_EQ(tree.GetFocusedItem(), name);
  EXPECT_EQ(window->GetActiveItem(), nullptr);
  EXPECT_TRUE(seen.empty());
  tree.DisableInput(false);
  EXPECT_TRUE(frame->IsEnabled());
  Key(WXK_DOWN);
  EXPECT_EQ(tree.GetFocusedItem(), locked);
}

}  // namespace
