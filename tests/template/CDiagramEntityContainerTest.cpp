#include "template/diagram/CDiagramEntityContainer.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "template/TemplateHelpers.h"

using namespace platform::gdi;

namespace {

CDiagramEntity* AddEntity(CDiagramEntityContainer& container, const std::wstring& title, Rect rect,
                          int32_t group = 0) {
  auto entity = std::make_unique<CDiagramEntity>();
  entity->SetTitle(title);
  entity->SetRect(rect.left, rect.top, rect.right, rect.bottom);
  entity->SetGroup(group);
  CDiagramEntity* added = entity.get();
  container.Add(std::move(entity));
  return added;
}

std::wstring Titles(const CDiagramEntityContainer& container) {
  std::wstring titles;
  for (int index = 0; CDiagramEntity* entity = container.GetAt(index); ++index) titles += entity->GetTitle();
  return titles;
}

class Undeletable : public CDiagramEntity {
public:
  bool CanDelete() const override { return false; }
};

TEST(CDiagramEntityContainer, AddGivesContainerAndRisingIdsAndSetsModified) {
  CDiagramEntityContainer container;
  EXPECT_FALSE(container.IsModified());
  CDiagramEntity* a = AddEntity(container, L"a", {0, 0, 10, 10});
  CDiagramEntity* b = AddEntity(container, L"b", {0, 0, 10, 10});
  EXPECT_EQ(a->GetContainer(), &container);
  EXPECT_GT(a->GetId(), 0);
  EXPECT_EQ(b->GetId(), a->GetId() + 1);
  EXPECT_TRUE(container.IsModified());
  EXPECT_EQ(container.GetAt(-1), nullptr);
  EXPECT_EQ(container.GetAt(2), nullptr);
  EXPECT_EQ(container.Find(b), 1);
  container.Clear();
  EXPECT_EQ(container.GetSize(), 0);
  EXPECT_FALSE(container.IsModified());
}

TEST(CDiagramEntityContainer, PaperRecords) {
  struct Case {
    const wchar_t* record;
    bool accepted;
    Size size;
  };
  const Case cases[] = {
      {L"paper:850,1100;", true, {850, 1100}},
      {L"paper:850,1100", true, {850, 1100}},  // no closing ";": every digit kept
      {L" paper : 850,1100; ", true, {850, 1100}},
      {L"paper:850;", false, {}},
      {L"paper:1,2,3;", false, {}},
      {L"basic:850,1100;", false, {}},
      {L"paper:850:1100;", false, {}},
      {L"paper:x,y;", true, {0, 0}},
  };
  for (const Case& c : cases) {
    CDiagramEntityContainer container;
    container.SetVirtualSize({7, 7});
    EXPECT_EQ(container.FromString(c.record), c.accepted) << c.record;
    EXPECT_EQ(container.GetVirtualSize(), (c.accepted ? c.size : Size{7, 7})) << c.record;
    EXPECT_FALSE(container.IsModified());
  }
  CDiagramEntityContainer container;
  container.SetVirtualSize({816, 1056});
  EXPECT_EQ(container.GetString(), L"paper:816,1056;");
}

TEST(CDiagramEntityContainer, UndoRebuildsEachSnapshotWithNewIds) {
  CDiagramEntityContainer container;
  container.Undo();  // nothing to undo
  EXPECT_EQ(container.GetSize(), 0);

  container.SetVirtualSize({100, 200});
  CDiagramEntity* a = AddEntity(container, L"a", {1, 2, 30, 40}, 6);
  a->Select(true);
  const int32_t firstId = a->GetId();
  container.Snapshot();
  AddEntity(container, L"b", {5, 5, 50, 50});
  container.SetVirtualSize({300, 400});
  container.Snapshot();
  container.RemoveAll();
  AddEntity(container, L"c", {0, 0, 5, 5});
  EXPECT_EQ(container.GetUndoCount(), 2);

  container.Undo();
  EXPECT_EQ(Titles(container), L"ab");
  EXPECT_EQ(container.GetVirtualSize(), (Size{300, 400}));
  container.Undo();
  EXPECT_EQ(Titles(container), L"a");
  EXPECT_EQ(container.GetVirtualSize(), (Size{100, 200}));
  EXPECT_EQ(container.GetUndoCount(), 0);
  CDiagramEntity* restored = container.GetAt(0);
  EXPECT_NE(restored->GetId(), firstId);
  EXPECT_EQ(restored->GetContainer(), &container);
  EXPECT_TRUE(restored->IsSelected());
  EXPECT_EQ(restored->GetGroup(), 6);  // groups survive undo
  EXPECT_EQ(restored->GetRect(), (Rect{1, 2, 30, 40}));

  container.Undo();
  EXPECT_EQ(Titles(container), L"a");
}

// What undo must bring back: order, titles, rectangles, groups, selection.
std::wstring State(const CDiagramEntityContainer& container) {
  std::wstring state;
  for (int index = 0; CDiagramEntity* entity = container.GetAt(index); ++index) {
    const Rect rect = entity->GetRect();
    state += entity->GetTitle() + L"(" + std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"," +
             std::to_wstring(rect.right) + L"," + std::to_wstring(rect.bottom) + L" g" +
             std::to_wstring(entity->GetGroup()) + (entity->IsSelected() ? L" s" : L"") + L")";
  }
  return state + L" paper " + std::to_wstring(container.GetVirtualSize().cx);
}

TEST(CDiagramEntityContainer, UndoOfEachCommand) {
  struct Case {
    const char* name;
    std::function<void(CDiagramEntityContainer&)> command;
  };
  const Case cases[] = {
      {"remove selected", [](auto& c) { c.RemoveAllSelected(); }},
      {"group", [](auto& c) { c.Group(); }},
      {"ungroup", [](auto& c) { c.Ungroup(); }},
      {"paste", [](auto& c) { c.CopyAllSelected(); c.Paste(); }},
      {"cut", [](auto& c) { c.Cut(c.GetAt(0)); }},
      {"duplicate", [](auto& c) { c.Duplicate(c.GetAt(1)); }},
      {"to front", [](auto& c) { c.FrontSelected(); }},
      {"to back", [](auto& c) { c.BottomSelected(); }},
      {"forward", [](auto& c) { c.UpSelected(); }},
      {"backward", [](auto& c) { c.DownSelected(); }},
      {"move", [](auto& c) { c.GetAt(0)->MoveRect(5, 5); }},
      {"paper", [](auto& c) { c.SetVirtualSize({900, 900}); }},
      {"unselect", [](auto& c) { c.UnselectAll(); }},
  };
  for (const Case& c : cases) {
    CDiagramEntityContainer container;
    container.SetVirtualSize({816, 1056});
    AddEntity(container, L"a", {0, 0, 10, 10}, 7);
    AddEntity(container, L"b", {20, 0, 30, 10}, 7);
    AddEntity(container, L"c", {40, 0, 50, 10});
    AddEntity(container, L"d", {60, 0, 70, 10})->Select(true);
    container.GetAt(0)->Select(true);
    const std::wstring before = State(container);
    container.Snapshot();
    c.command(container);
    EXPECT_NE(State(container), before) << c.name;
    container.Undo();
    EXPECT_EQ(State(container), before) << c.name;
  }
}

TEST(CDiagramEntityContainer, SnapshotClonesBelongToNoContainer) {
  CDiagramEntityContainer container;
  CDiagramEntity* a = AddEntity(container, L"a", {0, 0, 10, 10});
  CDiagramEntity* b = AddEntity(container, L"b", {0, 0, 10, 10});
  a->Select(true);
  b->Select(true);
  container.Snapshot();
  container.CopyAllSelected();
  // Selecting the kept clones again leaves the live order alone.
  for (const auto& kept : container.GetClipboardHandler()->GetData()) {
    EXPECT_EQ(kept->GetContainer(), nullptr);
    kept->Select(false);
    kept->Select(true);
  }
  EXPECT_EQ(container.GetSelectionOrder(), (std::deque<int32_t>{a->GetId(), b->GetId()}));
}

TEST(CDiagramEntityContainer, PasteGivesEachPasteNewGroups) {
  CDiagramEntityContainer container;
  CDiagramEntity* a = AddEntity(container, L"a", {0, 0, 10, 10}, 5);
  AddEntity(container, L"b", {20, 0, 30, 10}, 5);
  AddEntity(container, L"c", {40, 0, 50, 10}, 0)->Select(true);
  AddEntity(container, L"d", {60, 0, 70, 10}, 0);
  a->Select(true);  // b with it
  container.CopyAllSelected();
  EXPECT_EQ(container.ObjectsInPaste(), 3);
  container.UnselectAll();

  container.Paste();
  container.Paste();
  ASSERT_EQ(Titles(container), L"abcdabcabc");
  const int32_t first = container.GetAt(4)->GetGroup();
  const int32_t second = container.GetAt(7)->GetGroup();
  EXPECT_NE(first, 0);
  EXPECT_NE(second, 0);
  EXPECT_NE(first, second);
  EXPECT_NE(first, 5);
  EXPECT_NE(second, 5);
  EXPECT_EQ(container.GetAt(5)->GetGroup(), first);
  EXPECT_EQ(container.GetAt(8)->GetGroup(), second);
  EXPECT_EQ(container.GetAt(6)->GetGroup(), 0);
  EXPECT_EQ(container.GetAt(9)->GetGroup(), 0);
  // Both pastes at the copy's place plus (10, 10), selected.
  EXPECT_EQ(container.GetAt(5)->GetRect(), (Rect{30, 10, 40, 20}));
  EXPECT_EQ(container.GetAt(8)->GetRect(), (Rect{30, 10, 40, 20}));
  EXPECT_TRUE(container.GetAt(9)->IsSelected());
  EXPECT_EQ(container.ObjectsInPaste(), 3);
  // Every pasted entity has a fresh id.
  std::set<int32_t> ids;
  for (int index = 0; CDiagramEntity* entity = container.GetAt(index); ++index) ids.insert(entity->GetId());
  EXPECT_EQ(ids.size(), 10u);
}

TEST(CDiagramEntityContainer, NewGroupsNeverTakeAGroupIdAlreadyRead) {
  CDiagramEntity entity;
  const int32_t high = NewGroupId() + 1000;
  entity.SetGroup(high);  // as when a template is read
  EXPECT_GT(NewGroupId(), high);
}

TEST(CDiagramEntityContainer, GroupAndUngroupTheSelection) {
  CDiagramEntityContainer container;
  CDiagramEntity* a = AddEntity(container, L"a", {0, 0, 10, 10});
  CDiagramEntity* b = AddEntity(container, L"b", {0, 0, 10, 10});
  CDiagramEntity* c = AddEntity(container, L"c", {0, 0, 10, 10});
  a->Select(true);
  b->Select(true);
  container.Group();
  EXPECT_NE(a->GetGroup(), 0);
  EXPECT_EQ(a->GetGroup(), b->GetGroup());
  EXPECT_EQ(c->GetGroup(), 0);
  container.UnselectAll();
  EXPECT_TRUE(container.GetSelectionOrder().empty());
  b->Select(true);
  EXPECT_TRUE(a->IsSelected());
  container.Ungroup();
  EXPECT_EQ(a->GetGroup(), 0);
  EXPECT_EQ(b->GetGroup(), 0);
}

TEST(CDiagramEntityContainer, RemoveAllSelectedKeepsWhatCannotBeDeleted) {
  CDiagramEntityContainer container;
  AddEntity(container, L"a", {0, 0, 10, 10})->Select(true);
  auto kept = std::make_unique<Undeletable>();
  kept->SetTitle(L"k");
  CDiagramEntity* undeletable = kept.get();
  container.Add(std::move(kept));
  undeletable->Select(true);
  AddEntity(container, L"b", {0, 0, 10, 10});
  AddEntity(container, L"c", {0, 0, 10, 10})->Select(true);
  container.RemoveAllSelected();
  EXPECT_EQ(Titles(container), L"kb");
  EXPECT_EQ(container.GetSelectionOrder(), std::deque<int32_t>{undeletable->GetId()});
}

TEST(CDiagramEntityContainer, ZOrderOfOneEntity) {
  CDiagramEntityContainer container;
  CDiagramEntity* a = AddEntity(container, L"a", {});
  CDiagramEntity* b = AddEntity(container, L"b", {});
  CDiagramEntity* c = AddEntity(container, L"c", {});
  container.SetModified(false);
  container.Up(c);
  EXPECT_EQ(Titles(container), L"abc");
  EXPECT_FALSE(container.IsModified());
  container.Down(a);
  EXPECT_EQ(Titles(container), L"abc");
  container.Up(a);
  EXPECT_EQ(Titles(container), L"bac");
  EXPECT_TRUE(container.IsModified());
  container.Down(c);
  EXPECT_EQ(Titles(container), L"bca");
  container.Front(b);
  EXPECT_EQ(Titles(container), L"cab");
  container.Bottom(b);
  EXPECT_EQ(Titles(container), L"bca");
  CDiagramEntity stranger;
  container.Front(&stranger);
  container.Up(&stranger);
  EXPECT_EQ(Titles(container), L"bca");
}

TEST(CDiagramEntityContainer, ZOrderOfTheSelection) {
  struct Case {
    void (CDiagramEntityContainer::*command)();
    const wchar_t* expected;
  };
  // a and c selected in "abcd": each moves once, and a stays below c.
  const Case cases[] = {{&CDiagramEntityContainer::FrontSelected, L"bdac"},
                        {&CDiagramEntityContainer::BottomSelected, L"acbd"},
                        {&CDiagramEntityContainer::UpSelected, L"badc"},
                        {&CDiagramEntityContainer::DownSelected, L"acbd"}};
  for (const Case& c : cases) {
    CDiagramEntityContainer container;
    AddEntity(container, L"a", {})->Select(true);
    AddEntity(container, L"b", {});
    AddEntity(container, L"c", {})->Select(true);
    AddEntity(container, L"d", {});
    (container.*c.command)();
    EXPECT_EQ(Titles(container), c.expected);
  }
  // Bring forward moves one step, not to the top.
  CDiagramEntityContainer container;
  AddEntity(container, L"a", {})->Select(true);
  AddEntity(container, L"b", {});
  AddEntity(container, L"c", {});
  container.UpSelected();
  EXPECT_EQ(Titles(container), L"bac");
  container.DownSelected();
  EXPECT_EQ(Titles(container), L"abc");
}

TEST(CDiagramEntityContainer, DuplicateCutAndCopyOfOneEntity) {
  CDiagramEntityContainer container;
  CDiagramEntity* a = AddEntity(container, L"a", {10, 20, 30, 40}, 4);
  CDiagramEntity stranger;
  EXPECT_EQ(container.Duplicate(&stranger), -1);
  EXPECT_EQ(container.Duplicate(a), 1);
  EXPECT_EQ(container.GetAt(1)->GetRect(), (Rect{20, 30, 40, 50}));
  EXPECT_EQ(container.GetAt(1)->GetGroup(), 4);

  container.Cut(a);
  EXPECT_EQ(container.GetSize(), 1);
  ASSERT_EQ(container.ObjectsInPaste(), 1);
  container.Paste();
  EXPECT_EQ(container.GetAt(1)->GetRect(), (Rect{20, 30, 40, 50}));
  EXPECT_TRUE(container.GetAt(1)->IsSelected());
  container.ClearPaste();
  EXPECT_EQ(container.ObjectsInPaste(), 0);
}

TEST(CDiagramEntityContainer, ASharedClipboardHandlerServesBothContainers) {
  CDiagramClipboardHandler clipboard;
  CDiagramEntityContainer from(&clipboard);
  CDiagramEntityContainer to(&clipboard);
  AddEntity(from, L"a", {0, 0, 5, 5})->Select(true);
  from.CopyAllSelected();
  to.Paste();
  EXPECT_EQ(Titles(to), L"a");
  EXPECT_EQ(to.GetAt(0)->GetContainer(), &to);
}

TEST(CDiagramEntityContainer, StartPointAndTotalSize) {
  CDiagramEntityContainer container;
  EXPECT_EQ(container.GetStartPoint(), (Point{2000, 2000}));
  AddEntity(container, L"a", {10, 20, 100, 60});
  AddEntity(container, L"b", {50, 5, 300, 30});
  EXPECT_EQ(container.GetStartPoint(), (Point{10, 5}));
  EXPECT_EQ(container.GetTotalSize(), (Size{290, 55}));
}

TEST(CDiagramEntityContainer, TheReferenceEntityHeadsTheSelectionOrder) {
  CDiagramEntityContainer container;
  CDiagramEntity* a = AddEntity(container, L"a", {});
  CDiagramEntity* b = AddEntity(container, L"b", {});
  EXPECT_EQ(container.GetSelectedObject(), nullptr);
  b->Select(true);
  a->Select(true);
  EXPECT_EQ(container.GetSelectedObject(), b);
  container.RemoveAt(1);
  EXPECT_EQ(container.GetSelectedObject(), a);
  container.SelectAll();
  EXPECT_EQ(container.GetSelectCount(), 1);
}

TEST(CDiagramEntityContainer, SetAtReplacesAndDeletesTheOld) {
  CDiagramEntityContainer container;
  AddEntity(container, L"a", {});
  auto replacement = std::make_unique<CDiagramEntity>();
  replacement->SetTitle(L"z");
  container.SetModified(false);
  container.SetAt(0, std::move(replacement));
  EXPECT_EQ(Titles(container), L"z");
  EXPECT_EQ(container.GetAt(0)->GetContainer(), &container);
  EXPECT_TRUE(container.IsModified());
}

}  // namespace
