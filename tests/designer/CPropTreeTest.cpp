#include "designer/proptree/CPropTree.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>

#include "designer/proptree/PropTreeItems.h"
#include "platform/CommonDialogs.h"
#include "platform/FileDialogs.h"

using namespace designer;

namespace {

CPropTreeItem* Add(CPropTree& tree, const wchar_t* label, CPropTreeItem* parent = nullptr) {
  auto item = std::make_unique<CPropTreeItem>();
  item->SetLabelText(label);
  return tree.InsertItem(std::move(item), parent);
}

// Records the notifications and answers the delete question from a table.
struct Recorder {
  std::vector<std::pair<int32_t, std::wstring>> seen;
  std::map<std::wstring, int64_t> keep;
  CPropTree::Listener Listener() {
    return [this](int32_t code, CPropTreeItem* item) -> int64_t {
      const std::wstring label = item ? item->GetLabelText() : L"";
      seen.emplace_back(code, label);
      if (code == CPropTree::kDeleteItem && keep.count(label)) return keep[label];
      return 0;
    };
  }
  int Count(int32_t code) const {
    int n = 0;
    for (const auto& s : seen) n += s.first == code;
    return n;
  }
};

}  // namespace

TEST(CPropTreeTest, ItemsGetIdsFromOneAndDeletingAllStartsOver) {
  CPropTree tree;
  CPropTreeItem* a = Add(tree, L"a");
  CPropTreeItem* b = Add(tree, L"b", a);
  EXPECT_EQ(a->GetId(), 1);
  EXPECT_EQ(b->GetId(), 2);
  EXPECT_EQ(b->GetParent(), a);
  EXPECT_TRUE(a->IsRootLevel());
  EXPECT_FALSE(b->IsRootLevel());
  tree.DeleteAllItems();
  EXPECT_TRUE(tree.GetRootItem()->GetChildren().empty());
  EXPECT_EQ(Add(tree, L"c")->GetId(), 1);
}

TEST(CPropTreeTest, DeletingGoesChildrenFirstAndClearsTheFocus) {
  CPropTree tree;
  Recorder recorder;
  tree.SetStyle(CPropTree::kNotify);
  tree.SetListener(recorder.Listener());
  CPropTreeItem* a = Add(tree, L"a");
  CPropTreeItem* b = Add(tree, L"b", a);
  Add(tree, L"c");
  tree.SetFocusedItem(b);
  recorder.seen.clear();
  EXPECT_TRUE(tree.DeleteItem(a));
  ASSERT_EQ(recorder.seen.size(), 2u);
  EXPECT_EQ(recorder.seen[0], (std::pair<int32_t, std::wstring>{CPropTree::kDeleteItem, L"b"}));
  EXPECT_EQ(recorder.seen[1], (std::pair<int32_t, std::wstring>{CPropTree::kDeleteItem, L"a"}));
  EXPECT_EQ(tree.GetFocusedItem(), nullptr);
  ASSERT_EQ(tree.GetRootItem()->GetChildren().size(), 1u);
  EXPECT_EQ(tree.GetRootItem()->GetChildren()[0]->GetLabelText(), L"c");
}

TEST(CPropTreeTest, AnItemTheListenerKeepsKeepsItsParents) {
  CPropTree tree;
  Recorder recorder;
  tree.SetStyle(CPropTree::kNotify);
  tree.SetListener(recorder.Listener());
  CPropTreeItem* a = Add(tree, L"a");
  CPropTreeItem* b = Add(tree, L"b", a);
  Add(tree, L"kept", b);
  Add(tree, L"gone", b);
  recorder.keep[L"kept"] = 1;
  EXPECT_FALSE(tree.DeleteItem(a));
  // "kept" stays with the chain above it; its sibling went.
  ASSERT_EQ(tree.GetRootItem()->GetChildren().size(), 1u);
  EXPECT_EQ(tree.GetRootItem()->GetChildren()[0].get(), a);
  ASSERT_EQ(b->GetChildren().size(), 1u);
  EXPECT_EQ(b->GetChildren()[0]->GetLabelText(), L"kept");
  EXPECT_EQ(recorder.Count(CPropTree::kDeleteItem), 2) << "neither parent was even asked";
}

TEST(CPropTreeTest, FocusMovesAlongTheShownItemsAndNotifiesOnChange) {
  CPropTree tree;
  Recorder recorder;
  tree.SetStyle(CPropTree::kNotify);
  tree.SetListener(recorder.Listener());
  CPropTreeItem* general = Add(tree, L"General");
  CPropTreeItem* x = Add(tree, L"x", general);
  CPropTreeItem* y = Add(tree, L"y", general);
  EXPECT_EQ(tree.GetVisibleItems().size(), 1u) << "collapsed";
  general->Expand();
  ASSERT_EQ(tree.GetVisibleItems().size(), 3u);

  tree.FocusNext();  // no focus: the first
  EXPECT_EQ(tree.GetFocusedItem(), general);
  tree.FocusPrev();  // the first stays
  EXPECT_EQ(tree.GetFocusedItem(), general);
  tree.FocusLast();
  EXPECT_EQ(tree.GetFocusedItem(), y);
  EXPECT_TRUE(y->IsSelected());
  EXPECT_FALSE(general->IsSelected()) << "one selected item";
  recorder.seen.clear();
  tree.FocusNext();  // on the last
  EXPECT_EQ(tree.GetFocusedItem(), y);
  EXPECT_EQ(recorder.Count(CPropTree::kSelChanged), 0);
  tree.FocusPrev();
  EXPECT_EQ(tree.GetFocusedItem(), x);
  EXPECT_EQ(recorder.Count(CPropTree::kSelChanged), 1);

  general->Expand(false);
  tree.EnsureVisible(y);
  EXPECT_TRUE(general->IsExpanded());
}

TEST(CPropTreeTest, TheSplitterKeepsSixteenPixelsEitherSide) {
  CPropTree tree;
  EXPECT_EQ(tree.GetColumn(), 100);
  tree.SetColumn(3, 300);
  EXPECT_EQ(tree.GetColumn(), 16);
  tree.SetColumn(300, 300);
  EXPECT_EQ(tree.GetColumn(), 284);
  tree.SetColumn(900);
  EXPECT_EQ(tree.GetColumn(), 900) << "no width known";
}

TEST(CPropTreeTest, OnlyATreeWithTheNotifyStyleNotifies) {
  CPropTree tree;
  Recorder recorder;
  recorder.keep[L"a"] = 1;
  tree.SetListener(recorder.Listener());
  CPropTreeItem* a = Add(tree, L"a");
  EXPECT_TRUE(tree.DeleteItem(a)) << "no one was asked";
  EXPECT_TRUE(recorder.seen.empty());

  tree.SetStyle(CPropTree::kNotify);
  a = Add(tree, L"a");
  EXPECT_FALSE(tree.DeleteItem(a)) << "the owner keeps it";
  EXPECT_EQ(recorder.Count(CPropTree::kItemInserted), 1);
  EXPECT_EQ(recorder.Count(CPropTree::kDeleteItem), 1);
}

// A top-level item "General" (y 0-20) with "x" (21-41, a check box) and
// "y" (42-62, with a child, collapsed), splitter at 100, list 300 wide.
TEST(CPropTreeTest, HitTestNamesWhatLiesUnderAPoint) {
  CPropTree tree;
  tree.SetListSize(300, 200);
  CPropTreeItem* general = Add(tree, L"General");
  general->Expand();
  CPropTreeItem* x = Add(tree, L"x", general);
  x->SetCheckBox();
  CPropTreeItem* y = Add(tree, L"y", general);
  Add(tree, L"deep", y);
  struct Case {
    int32_t px, py;
    int32_t code;
    CPropTreeItem* item;
  };
  const Case cases[] = {
      {50, 5, CPropTree::kHitLabel, general},        {100, 5, CPropTree::kHitLabel, general},
      {150, 5, CPropTree::kHitAttribute, general},   {50, 25, CPropTree::kHitLabel, x},
      {22, 26, CPropTree::kHitCheckBox, x},          {95, 30, CPropTree::kHitSplitter, x},
      {105, 30, CPropTree::kHitSplitter, x},         {106, 30, CPropTree::kHitAttribute, x},
      {5, 47, CPropTree::kHitExpand, y},             {14, 47, CPropTree::kHitLabel, y},
      {50, 70, CPropTree::kHitNothing, nullptr},     {50, -1, CPropTree::kHitNothing, nullptr},
  };
  for (const Case& c : cases) {
    CPropTreeItem* hit = reinterpret_cast<CPropTreeItem*>(1);
    EXPECT_EQ(tree.HitTest({c.px, c.py}, &hit), c.code) << c.px << "," << c.py;
    EXPECT_EQ(hit, c.item) << c.px << "," << c.py;
  }
  // Expanded, "deep" (63-83) is indented by 16: its label starts at 37.
  y->Expand();
  const auto place = tree.PlaceOf(y->GetChildren()[0].get());
  ASSERT_TRUE(place);
  EXPECT_EQ(place->y, 63);
  EXPECT_EQ(place->labelLeft, 37);
  EXPECT_EQ(place->attribute, (platform::gdi::Rect{105, 63, 300, 83}));
  EXPECT_EQ(tree.HitTest({50, 70}), CPropTree::kHitLabel);
}

TEST(CPropTreeTest, FocusScrollsTheItemIntoTheList) {
  CPropTree tree;
  tree.SetListSize(200, 50);  // two rows and a bit
  CPropTreeItem* general = Add(tree, L"General");
  general->Expand();
  for (int i = 0; i < 5; ++i) Add(tree, L"row", general);
  EXPECT_EQ(tree.GetContentHeight(), 6 * 21);
  tree.FocusLast();
  EXPECT_EQ(tree.GetScrollOrigin(), 6 * 21 - 50) << "the last row wholly shown";
  EXPECT_EQ(tree.PlaceOf(tree.GetFocusedItem())->y, 50 - 21);
  tree.FocusFirst();
  EXPECT_EQ(tree.GetScrollOrigin(), 0);
  tree.SetScrollOrigin(1000);
  EXPECT_EQ(tree.GetScrollOrigin(), 6 * 21 - 50);
  general->Expand(false);
  tree.SetScrollOrigin(30);
  EXPECT_EQ(tree.GetScrollOrigin(), 0) << "the content fits";
}

TEST(CPropTreeItemTest, AnEditReadsItsLeadingNumber) {
  struct Case {
    const wchar_t* text;
    int32_t value;
  };
  const Case cases[] = {{L"42", 42}, {L"12abc", 12}, {L"abc", 0}, {L"", 0}, {L"-7", -7}, {L" 5", 5}};
  CPropTreeItemEdit item;
  item.SetValueFormat(CPropTreeItemEdit::Format::Integer);
  for (const Case& c : cases) {
    item.SetText(c.text);
    EXPECT_EQ(item.GetInt(), c.value) << c.text;
  }
  item.SetText(L"2.5cm");
  EXPECT_DOUBLE_EQ(item.GetReal(), 2.5);
  item.SetReal(1.25);
  EXPECT_EQ(item.GetText(), L"1.250000");
  item.SetAsPassword(true);
  item.SetText(L"abc");
  EXPECT_EQ(item.GetDisplayText(), L"***");
}

TEST(CPropTreeItemTest, AComboWithoutSelectionGivesZero) {
  CPropTreeItemCombo combo;
  combo.AddString(L"Left", 0);
  combo.AddString(L"Center", 1);
  combo.AddString(L"Right", 2);
  EXPECT_EQ(combo.GetItemValue(), 0);
  EXPECT_EQ(combo.GetDisplayText(), L"");
  combo.SetItemValue(2);
  EXPECT_EQ(combo.GetDisplayText(), L"Right");
  combo.SetItemValue(9);
  EXPECT_EQ(combo.GetItemValue(), 2) << "no entry of that data: unchanged";
  EXPECT_EQ(combo.FindCBData(1), 1);
  EXPECT_EQ(combo.FindCBData(5), -1);
}

TEST(CPropTreeItemTest, TheColourShowsItsBytesAndThePaletteHasFortyColours) {
  CPropTreeItemColor color;
  color.SetItemValue(platform::gdi::RGB(10, 20, 30));
  EXPECT_EQ(color.GetDisplayText(), L"R = 10, G = 20, B = 30");
  EXPECT_EQ(CPropTreeItemColor::kPalette.size(), 40u);
  EXPECT_EQ(CPropTreeItemColor::kPalette[0], 0x000000u);
  EXPECT_EQ(CPropTreeItemColor::kPalette[13], 0xFF0000u);
  EXPECT_EQ(CPropTreeItemColor::kPalette[39], 0xFFFFFFu);
  color.PickPalette(16);
  EXPECT_EQ(color.GetItemValue(), 0x0000FFu);
}

TEST(CPropTreeItemTest, CancellingMoreColorsCommitsTheUnchangedValueWithInputBackOn) {
  CPropTree tree;
  auto owned = std::make_unique<CPropTreeItemColor>();
  CPropTreeItemColor* color = tree.Insert(std::move(owned));
  color->SetItemValue(0x123456);
  int changes = 0;
  tree.SetStyle(CPropTree::kNotify);
  tree.SetListener([&](int32_t code, CPropTreeItem*) -> int64_t {
    changes += code == CPropTree::kItemChanged;
    return 0;
  });
  bool disabledDuringDialog = false;
  platform::SetColourHandler([&](const platform::ColourRequest& request) -> std::optional<platform::ColorRef> {
    disabledDuringDialog = tree.IsInputDisabled();
    EXPECT_EQ(request.initial, 0x123456u);
    return std::nullopt;
  });
  color->Activate();
  color->ChooseMoreColors(nullptr);
  platform::SetColourHandler({});
  EXPECT_TRUE(disabledDuringDialog);
  EXPECT_FALSE(tree.IsInputDisabled());
  EXPECT_EQ(color->GetItemValue(), 0x123456u);
  EXPECT_EQ(changes, 1);
}

TEST(CPropTreeItemTest, TheFontDialogOpensOnTheSizeAndStoresTenthsOfAPoint) {
  CPropTreeItemFont font;
  platform::gdi::LogFont initial;
  initial.height = 90;
  initial.faceName = L"Arial";
  font.SetFont(initial);
  EXPECT_EQ(font.GetDisplayText(), L"Arial");
  platform::FontRequest asked;
  platform::SetFontHandler([&](const platform::FontRequest& request) -> std::optional<platform::FontChoice> {
    asked = request;
    platform::FontChoice choice = request.initial;
    choice.pointSize = 12;
    choice.faceName = L"Serif";
    choice.underline = true;
    choice.strikeOut = true;
    return choice;
  });
  EXPECT_TRUE(font.Browse(nullptr));
  EXPECT_DOUBLE_EQ(asked.initial.pointSize, 9.0);
  EXPECT_EQ(font.GetFont().height, 120);
  EXPECT_EQ(font.GetFont().faceName, L"Serif");
  EXPECT_TRUE(font.GetFont().underline);
  EXPECT_TRUE(font.GetFont().strikeOut);
  EXPECT_EQ(font.GetDisplayText(), L"Serif");

  platform::SetFontHandler([](const platform::FontRequest&) { return std::optional<platform::FontChoice>(); });
  EXPECT_FALSE(font.Browse(nullptr));
  EXPECT_EQ(font.GetFont().height, 120) << "a cancel keeps the font";
  platform::SetFontHandler({});
}

TEST(CPropTreeItemTest, TheFileItemAsksForABitmapFromTheCurrentPath) {
  CPropTreeItemBrowseFile file(L"Bitmap (*.bmp)|*.bmp|", L"", nullptr);
  file.SetItemValue(L"/tmp/old.bmp");
  platform::OpenFileRequest asked;
  platform::SetOpenFileHandler([&](const platform::OpenFileRequest& request) -> std::optional<std::wstring> {
    asked = request;
    return L"/tmp/new.bmp";
  });
  EXPECT_TRUE(file.Browse(nullptr));
  platform::SetOpenFileHandler({});
  EXPECT_EQ(asked.filter, L"Bitmap (*.bmp)|*.bmp|");
  EXPECT_EQ(asked.initialFile, L"/tmp/old.bmp");
  EXPECT_FALSE(asked.save);
  EXPECT_EQ(file.GetItemValue(), L"/tmp/new.bmp");
}

// The list's keys, step by step, then a collapse that hides the focused item.
TEST(CPropTreeTest, KeysMoveTheFocusOrExpandAndCollapseAndACollapseTakesTheFocusUp) {
  CPropTree tree;
  Recorder recorder;
  tree.SetStyle(CPropTree::kNotify);
  tree.SetListener(recorder.Listener());
  CPropTreeItem* general = Add(tree, L"General");
  general->Expand();
  CPropTreeItem* x = Add(tree, L"x", general);
  CPropTreeItem* g = Add(tree, L"g", general);
  CPropTreeItem* inner = Add(tree, L"inner", g);
  const struct {
    CPropTree::Key key;
    CPropTreeItem* focused;
    bool gExpanded;
  } steps[] = {
      {CPropTree::Key::End, g, false},        {CPropTree::Key::Right, g, true},
      {CPropTree::Key::Right, inner, true},   {CPropTree::Key::Left, g, true},
      {CPropTree::Key::Left, g, false},       {CPropTree::Key::Up, x, false},
      {CPropTree::Key::Home, general, false},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE("step " + std::to_string(i + 1));
    tree.MoveByKey(steps[i].key);
    EXPECT_EQ(tree.GetFocusedItem(), steps[i].focused);
    EXPECT_EQ(g->IsExpanded(), steps[i].gExpanded);
  }

  g->Expand();
  tree.FocusLast();
  ASSERT_EQ(tree.GetFocusedItem(), inner);
  recorder.seen.clear();
  EXPECT_TRUE(tree.ToggleExpanded(general));
  EXPECT_EQ(tree.GetFocusedItem(), general) << "the hidden item hands the focus to its shown ancestor";
  EXPECT_TRUE(general->IsSelected());
  EXPECT_FALSE(inner->IsSelected());
  EXPECT_EQ(recorder.Count(CPropTree::kItemExpanding), 1);
  EXPECT_EQ(recorder.Count(CPropTree::kSelChanged), 1);
  EXPECT_FALSE(tree.ToggleExpanded(inner)) << "an item without children has nothing to toggle";

  EXPECT_TRUE(tree.HasItem(inner));
  EXPECT_FALSE(tree.HasItem(tree.GetRootItem()));
  EXPECT_FALSE(tree.HasItem(nullptr));
}
