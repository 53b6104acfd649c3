// Real list windows under Xvfb: rows shown on demand, and the column layout
// kept across a restart, including an order the user made by dragging.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include "common/RegistryHelpers.h"
#include "shell/ui/BaseListCtrl.h"
#include "shell/ui/ColumnLayout.h"

namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxMilliSleep(10);
  }
}

// A frame holding one list with three columns, as an owner builds it.
struct ListWindow {
  explicit ListWindow(const std::wstring& name, int columns = 3) {
    frame = new wxFrame(nullptr, wxID_ANY, "list", wxPoint(0, 0), wxSize(600, 400));
    list = new BaseListCtrl(frame, 1000, name);
    const wchar_t* captions[] = {L"Name", L"Code", L"Price", L"Tax"};
    for (int i = 0; i < columns; ++i) list->AddColumn(captions[i], i == 2 ? 1 : 0, 100);
    list->LoadColumnState();
    frame->Show();
    Pump();
  }
  ~ListWindow() {
    if (frame) Close();
  }
  void Close() {
    frame->Destroy();
    frame = nullptr;
    Pump();
  }
  std::wstring Cell(unsigned row, unsigned column) {
    wxVariant value;
    auto* model = static_cast<wxDataViewVirtualListModel*>(list->GetModel());
    model->GetValue(value, model->GetItem(row), column);
    return value.GetString().ToStdWstring();
  }

  wxFrame* frame;
  BaseListCtrl* list;
};

// What a user's drag of a header does in GTK: the tree view moves the column.
bool MoveColumnFirst(BaseListCtrl& list, int displayPosition) {
  using MoveAfter = void (*)(void*, void*, void*);
  auto move = reinterpret_cast<MoveAfter>(dlsym(RTLD_DEFAULT, "gtk_tree_view_move_column_after"));
  if (!move) return false;
  move(list.GtkGetTreeView(), list.GetColumn(static_cast<unsigned>(displayPosition))->GetGtkHandle(),
       nullptr);
  return true;
}

}  // namespace

TEST(ListCtrlGuiTest, ShowsTheRowsCellsOnDemand) {
  ListWindow window(L"RowsList");
  window.list->AddRow(ListRow(11, {Value(L"Bolt"), Value(L"B-1"), Value(2.5)}));
  window.list->AddRow(ListRow(12, {Value(L"Nut")}));  // fewer cells than columns
  window.list->SetItemCount(window.list->GetRowCount());
  Pump();

  EXPECT_EQ(window.list->GetItemCount(), 2u);
  EXPECT_EQ(window.Cell(0, 0), L"Bolt");
  EXPECT_EQ(window.Cell(0, 1), L"B-1");
  EXPECT_EQ(window.Cell(1, 0), L"Nut");
  EXPECT_EQ(window.Cell(1, 2), L"");

  // A refill: count 0, rows emptied, new rows, new count.
  window.list->SetItemCount(0);
  window.list->ClearRows();
  EXPECT_EQ(window.list->GetItemCount(), 0u);
  window.list->AddRow(ListRow(13, {Value(L"Washer"), Value(L"W"), Value(0.1)}));
  window.list->SetItemCount(1);
  EXPECT_EQ(window.Cell(0, 0), L"Washer");
}

TEST(ListCtrlGuiTest, SelectedItemIsTheFirstSelectedRow) {
  ListWindow window(L"SelectionList");
  EXPECT_EQ(GetSelectedListItem(*window.list), -1);
  for (int i = 0; i < 5; ++i) window.list->AddRow(ListRow(100 + i, {Value(std::to_wstring(i))}));
  window.list->SetItemCount(5);
  EXPECT_EQ(GetSelectedListItem(*window.list), -1);

  window.list->SelectRow(3);
  EXPECT_EQ(GetSelectedListItem(*window.list), 3);
  auto* model = static_cast<wxDataViewVirtualListModel*>(window.list->GetModel());
  window.list->Select(model->GetItem(1));
  EXPECT_EQ(window.list->GetSelectedRows(), (std::vector<long>{1, 3}));
  EXPECT_EQ(GetSelectedListItem(*window.list), 1);
  EXPECT_EQ(window.list->GetRow(GetSelectedListItem(*window.list)).GetObjectId(), 101);
}

TEST(ListCtrlGuiTest, KeepsAnOrderDraggedByTheUserAndTheWidthsAcrossARestart) {
  {
    ListWindow window(L"LayoutList");
    ASSERT_TRUE(MoveColumnFirst(*window.list, 2));  // "Price" dragged to the front
    Pump();
    EXPECT_EQ(window.list->GetColumnOrder(), (std::vector<int>{2, 0, 1}));
    window.list->SetColumnWidth(1, 140);
    Pump();
    window.Close();  // the list saves its layout as it goes
  }
  EXPECT_EQ(RegReadString(kListColOrderKey, L"LayoutList"), std::wstring(L"2;0;1;"));
  auto widths = RegReadString(kListColWidthKey, L"LayoutList");
  ASSERT_TRUE(widths);
  EXPECT_EQ(ParseColumnWidths(*widths, 3)[1], 140);

  ListWindow reopened(L"LayoutList");
  EXPECT_EQ(reopened.list->GetColumnOrder(), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(reopened.list->GetColumnWidths()[1], 140);
  // The column shown first still shows the prices.
  EXPECT_EQ(reopened.list->GetColumn(0)->GetTitle(), "Price");
  reopened.list->AddRow(ListRow(1, {Value(L"Bolt"), Value(L"B-1"), Value(L"2.50")}));
  reopened.list->SetItemCount(1);
  EXPECT_EQ(reopened.Cell(0, reopened.list->GetColumn(0)->GetModelColumn()), L"2.50");
}

TEST(ListCtrlGuiTest, AColumnDraggedToTheEndKeepsItsOwnWidth) {
  ListWindow window(L"DraggedLastList");
  using MoveAfter = void (*)(void*, void*, void*);
  auto move = reinterpret_cast<MoveAfter>(dlsym(RTLD_DEFAULT, "gtk_tree_view_move_column_after"));
  ASSERT_TRUE(move);
  // Past the empty column that takes the spare room: GTK widens it instead.
  unsigned last = window.list->wxDataViewCtrl::GetColumnCount() - 1;
  move(window.list->GtkGetTreeView(), window.list->GetColumn(0)->GetGtkHandle(),
       window.list->GetColumn(last)->GetGtkHandle());
  Pump();
  EXPECT_EQ(window.list->GetColumnOrder(), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(window.list->GetColumnWidths(), (std::vector<int>{100, 100, 100}));
}

TEST(ListCtrlGuiTest, AStoredLayoutForFewerColumnsKeepsTheOrderAndDefaultsWidths) {
  RegWriteString(kListColOrderKey, L"GrownList", L"2;0;1;");
  RegWriteString(kListColWidthKey, L"GrownList", L"120 80 ");
  ListWindow window(L"GrownList", 4);
  EXPECT_EQ(window.list->GetColumnOrder(), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(window.list->GetColumnWidths(), (std::vector<int>{120, 80, 50, 50}));
}

namespace {

// A column given less room than its header's text starts as wide as the
// header; one given more keeps its width.
TEST(ListCtrlGuiTest, AColumnStartsWideEnoughForItsHeader) {
  auto* frame = new wxFrame(nullptr, wxID_ANY, "list", wxPoint(0, 0), wxSize(600, 400));
  auto* list = new BaseListCtrl(frame, 1000, L"NarrowHeaderList");
  list->AddColumn(L"Shortcut", 0, 200);
  list->AddColumn(L"Percent", 1, 20);
  list->LoadColumnState();
  frame->Show();
  Pump();
  const std::vector<int> widths = list->GetColumnWidths();
  ASSERT_EQ(widths.size(), 2u);
  EXPECT_EQ(widths[0], 200);
  EXPECT_GT(widths[1], list->GetTextExtent(L"Percent").x + 8);
  frame->Destroy();
  Pump();
}

}  // namespace
