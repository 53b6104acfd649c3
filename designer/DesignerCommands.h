#pragma once

// The designer's commands: their ids, and when each is enabled and checked
// for a given state of the editor and the bars. The frame builds its menus
// from these ids; the view answers the update-UI events from CommandState.

#include <cstdint>
#include <memory>
#include <optional>

class CDiagramEntity;

namespace designer {

// wx takes menu ids below 0x7FFF only: each command keeps the low 15 bits of
// its system id (none of them collide).
constexpr int Cmd(int systemId) {
  return systemId & 0x7FFF;
}

enum CommandId : int {
  ID_FILE_NEW = Cmd(57600),
  ID_FILE_OPEN = Cmd(57601),
  ID_FILE_CLOSE = Cmd(57602),
  ID_FILE_SAVE = Cmd(57603),
  ID_FILE_SAVE_AS = Cmd(57604),
  ID_FILE_PRINT_SETUP = Cmd(57606),
  ID_FILE_PRINT = Cmd(57607),
  ID_FILE_PRINT_DIRECT = Cmd(57608),
  ID_FILE_PRINT_PREVIEW = Cmd(57609),
  ID_FILE_MRU_FILE1 = Cmd(57616),  // to ID_FILE_MRU_FILE1 + 3
  ID_APP_ABOUT = Cmd(57664),
  ID_APP_EXIT = Cmd(57665),
  ID_EDIT_COPY = Cmd(57634),
  ID_EDIT_CUT = Cmd(57635),
  ID_EDIT_PASTE = Cmd(57637),
  ID_EDIT_UNDO = Cmd(57643),
  ID_VIEW_TOOLBAR = Cmd(59392),
  ID_VIEW_STATUS_BAR = Cmd(59393),
  ID_SNAP_TO_GRID = Cmd(32772),
  ID_GRID = Cmd(32774),
  ID_MARGINS = Cmd(32775),
  ID_ADD_LABEL = Cmd(32776),
  ID_ADD_LINE = Cmd(32780),
  ID_ADD_BOX = Cmd(32781),
  ID_ADD_FIELD = Cmd(32783),
  ID_ZOOM_IN = Cmd(32784),
  ID_ZOOM_OUT = Cmd(32785),
  ID_ALIGN_LEFT = Cmd(32786),
  ID_ALIGN_RIGHT = Cmd(32787),
  ID_ALIGN_TOP = Cmd(32789),
  ID_ALIGN_BOTTOM = Cmd(32790),
  ID_ZOOM_TO_FIT = Cmd(32792),
  ID_PROPERTIES = Cmd(32793),
  ID_ADD_PICTURE = Cmd(32795),
  ID_ADD_REPEAT_FIELD = Cmd(32798),
  ID_ZOOM_100 = Cmd(32808),
  ID_ZOOM_75 = Cmd(32809),
  ID_ZOOM_50 = Cmd(32810),
  ID_ZOOM_150 = Cmd(32811),
  ID_ZOOM_200 = Cmd(32812),
  ID_ZOOM_400 = Cmd(32813),
  ID_MOVE_LEFT = Cmd(32817),
  ID_MOVE_UP = Cmd(32818),
  ID_MOVE_RIGHT = Cmd(32819),
  ID_MOVE_DOWN = Cmd(32820),
  ID_VIEW_TOOLBOX = Cmd(32821),
  ID_VIEW_PROPERTIES = Cmd(32822),
  ID_PAGE_SETUP = Cmd(32836),
  ID_EDIT_DELETE = Cmd(32840),
  ID_BRING_TO_FRONT = Cmd(32842),
  ID_SEND_TO_BACK = Cmd(32843),
  ID_BRING_FORWARD = Cmd(32844),
  ID_SEND_BACKWARD = Cmd(32845),
  ID_GROUP = Cmd(32847),
  ID_UNGROUP = Cmd(32849),
  ID_SAME_WIDTH = Cmd(32851),
  ID_SAME_HEIGHT = Cmd(32852),
  ID_SAME_SIZE = Cmd(32853),
};

// Control ids of the frame's bars.
inline constexpr int kToolboxBarId = 127;
inline constexpr int kPropertyBarId = Cmd(32833);

// What the enabling and checking of commands depends on.
struct EditorState {
  int32_t selected = 0;  // entities selected
  bool canPaste = false;
  bool canUndo = false;
  bool grid = false, margins = false, snap = false;
  bool toolboxVisible = false, propertiesVisible = false;
};

struct CommandState {
  bool enabled = true;
  std::optional<bool> checked;  // set for the commands that carry a check mark
  bool operator==(const CommandState&) const = default;
};

// The state of a command the view handles; nullopt for ids it does not.
std::optional<CommandState> GetCommandState(int id, const EditorState& state);

// The zoom a fixed-zoom command sets (ID_ZOOM_400 .. ID_ZOOM_50); nullopt otherwise.
std::optional<double> FixedZoom(int id);

// What a tool code of "CorvaneStartDrawing" starts drawing.
enum class NewEntityKind { Label, Box, Line, Picture, InvoiceField, RepeatField };
struct NewEntity {
  NewEntityKind kind = NewEntityKind::Label;
  int32_t field = 0;  // the invoice field number or the repeat field's row field
  bool operator==(const NewEntity&) const = default;
};
// nullopt for a code that starts nothing.
std::optional<NewEntity> EntityForToolCode(int64_t code);
// What an "add" command of the menus starts drawing; nullopt for other ids.
// A repeat field of field 0 is the repeat field's own default.
std::optional<NewEntity> EntityForCommand(int id);
// The entity to draw: label, box, line, picture, invoice field or repeat field.
std::unique_ptr<CDiagramEntity> CreateNewEntity(const NewEntity& entity);

}  // namespace designer
