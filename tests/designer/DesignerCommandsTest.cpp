#include "designer/DesignerCommands.h"

#include <gtest/gtest.h>

#include <set>

#include "template/CInvoiceRepeatField.h"
#include "template/CReportInvoiceField.h"

using namespace designer;

TEST(DesignerCommandsTest, SelectionCommandsNeedOneAndArrangingNeedsTwo) {
  struct Case {
    int id;
    bool withNone, withOne, withTwo;
  } cases[] = {
      {ID_EDIT_COPY, false, true, true},     {ID_EDIT_CUT, false, true, true},
      {ID_EDIT_DELETE, false, true, true},   {ID_BRING_TO_FRONT, false, true, true},
      {ID_SEND_BACKWARD, false, true, true}, {ID_ALIGN_LEFT, false, false, true},
      {ID_ALIGN_BOTTOM, false, false, true}, {ID_SAME_SIZE, false, false, true},
      {ID_GROUP, false, false, true},        {ID_UNGROUP, false, false, true},
      {ID_ZOOM_IN, true, true, true},        {ID_MOVE_LEFT, true, true, true},
      {ID_PAGE_SETUP, true, true, true},     {ID_ADD_REPEAT_FIELD, true, true, true},
  };
  for (const Case& c : cases) {
    for (auto [selected, expected] : {std::pair{0, c.withNone}, {1, c.withOne}, {2, c.withTwo}}) {
      EditorState state;
      state.selected = selected;
      auto command = GetCommandState(c.id, state);
      ASSERT_TRUE(command) << c.id;
      EXPECT_EQ(command->enabled, expected) << c.id << " with " << selected;
      EXPECT_FALSE(command->checked) << c.id;
    }
  }
}

TEST(DesignerCommandsTest, ToggleCommandsCarryTheirCheckMark) {
  EditorState state;
  state.grid = true;
  state.snap = true;
  state.propertiesVisible = true;
  EXPECT_EQ(GetCommandState(ID_GRID, state), (CommandState{true, true}));
  EXPECT_EQ(GetCommandState(ID_MARGINS, state), (CommandState{true, false}));
  EXPECT_EQ(GetCommandState(ID_SNAP_TO_GRID, state), (CommandState{true, true}));
  EXPECT_EQ(GetCommandState(ID_VIEW_TOOLBOX, state), (CommandState{true, false}));
  EXPECT_EQ(GetCommandState(ID_VIEW_PROPERTIES, state), (CommandState{true, true}));
  EXPECT_EQ(GetCommandState(ID_EDIT_PASTE, state)->enabled, false);
  EXPECT_EQ(GetCommandState(ID_EDIT_UNDO, state)->enabled, false);
  state.canPaste = state.canUndo = true;
  EXPECT_EQ(GetCommandState(ID_EDIT_PASTE, state)->enabled, true);
  EXPECT_EQ(GetCommandState(ID_EDIT_UNDO, state)->enabled, true);
  EXPECT_FALSE(GetCommandState(ID_FILE_SAVE, state)) << "the application's, not the view's";
}

TEST(DesignerCommandsTest, FixedZoomsAndToolCodes) {
  EXPECT_EQ(FixedZoom(ID_ZOOM_400), 4.0);
  EXPECT_EQ(FixedZoom(ID_ZOOM_150), 1.5);
  EXPECT_EQ(FixedZoom(ID_ZOOM_50), 0.5);
  EXPECT_FALSE(FixedZoom(ID_ZOOM_IN));

  struct Case {
    int64_t code;
    std::optional<NewEntity> entity;
  } cases[] = {
      {0, std::nullopt},
      {1, NewEntity{NewEntityKind::Label, 0}},
      {4, NewEntity{NewEntityKind::Picture, 0}},
      {5, std::nullopt},
      {49, std::nullopt},
      {50, NewEntity{NewEntityKind::InvoiceField, 100}},
      {62, NewEntity{NewEntityKind::InvoiceField, 112}},
      {63, std::nullopt},
      {100, NewEntity{NewEntityKind::RepeatField, 1}},
      {101, NewEntity{NewEntityKind::RepeatField, 11}},
      {102, NewEntity{NewEntityKind::RepeatField, 2}},
      {110, NewEntity{NewEntityKind::RepeatField, 10}},
      {111, std::nullopt},
      {-1, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(EntityForToolCode(c.code), c.entity) << c.code;
}

TEST(DesignerCommandsTest, EveryCommandHasAMenuIdOfItsOwn) {
  const int ids[] = {ID_FILE_NEW,      ID_FILE_OPEN,      ID_FILE_CLOSE,     ID_FILE_SAVE,       ID_FILE_SAVE_AS,
                     ID_FILE_PRINT_SETUP, ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW,
                     ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + 1, ID_FILE_MRU_FILE1 + 2, ID_FILE_MRU_FILE1 + 3,
                     ID_APP_ABOUT,     ID_APP_EXIT,       ID_EDIT_COPY,      ID_EDIT_CUT,        ID_EDIT_PASTE,
                     ID_EDIT_UNDO,     ID_VIEW_TOOLBAR,   ID_VIEW_STATUS_BAR, ID_SNAP_TO_GRID,   ID_GRID,
                     ID_MARGINS,       ID_ADD_LABEL,      ID_ADD_LINE,       ID_ADD_BOX,         ID_ADD_FIELD,
                     ID_ZOOM_IN,       ID_ZOOM_OUT,       ID_ALIGN_LEFT,     ID_ALIGN_RIGHT,     ID_ALIGN_TOP,
                     ID_ALIGN_BOTTOM,  ID_ZOOM_TO_FIT,    ID_PROPERTIES,     ID_ADD_PICTURE,     ID_ADD_REPEAT_FIELD,
                     ID_ZOOM_100,      ID_ZOOM_75,        ID_ZOOM_50,        ID_ZOOM_150,        ID_ZOOM_200,
                     ID_ZOOM_400,      ID_MOVE_LEFT,      ID_MOVE_UP,        ID_MOVE_RIGHT,      ID_MOVE_DOWN,
                     ID_VIEW_TOOLBOX,  ID_VIEW_PROPERTIES, ID_PAGE_SETUP,    ID_EDIT_DELETE,     ID_BRING_TO_FRONT,
                     ID_SEND_TO_BACK,  ID_BRING_FORWARD,  ID_SEND_BACKWARD,  ID_GROUP,           ID_UNGROUP,
                     ID_SAME_WIDTH,    ID_SAME_HEIGHT,    ID_SAME_SIZE};
  std::set<int> seen;
  for (int id : ids) {
    EXPECT_GT(id, 0);
    EXPECT_LT(id, 0x7FFF) << "wx refuses larger menu ids";
    EXPECT_TRUE(seen.insert(id).second) << id << " twice";
  }
  EXPECT_EQ(ID_GRID, Cmd(32774));
  EXPECT_EQ(ID_FILE_NEW, Cmd(57600));
}

TEST(DesignerCommandsTest, AddCommandsStartTheirEntities) {
  struct Case {
    int id;
    NewEntity entity;
    const wchar_t* type;
  } cases[] = {
      {ID_ADD_LABEL, {NewEntityKind::Label, 0}, L"report_label"},
      {ID_ADD_BOX, {NewEntityKind::Box, 0}, L"report_box"},
      {ID_ADD_LINE, {NewEntityKind::Line, 0}, L"report_line"},
      {ID_ADD_PICTURE, {NewEntityKind::Picture, 0}, L"report_picture"},
      {ID_ADD_FIELD, {NewEntityKind::InvoiceField, 1}, L"invoice_field"},
      {ID_ADD_REPEAT_FIELD, {NewEntityKind::RepeatField, 0}, L"inv_repeat_fld"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(EntityForCommand(c.id), c.entity) << c.id;
    std::unique_ptr<CDiagramEntity> made = CreateNewEntity(c.entity);
    ASSERT_TRUE(made) << c.id;
    EXPECT_EQ(made->GetType(), c.type);
  }
  EXPECT_FALSE(EntityForCommand(ID_ZOOM_IN));

  // The field numbers of tool codes reach the entities.
  auto field = CreateNewEntity(*EntityForToolCode(62));
  EXPECT_EQ(dynamic_cast<CReportInvoiceField&>(*field).GetFieldId().GetField(), 112);
  auto repeat = CreateNewEntity(*EntityForToolCode(101));
  EXPECT_EQ(dynamic_cast<CInvoiceRepeatField&>(*repeat).GetHeader()->GetFieldId().GetField(), 11);
}
