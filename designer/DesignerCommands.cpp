#include "designer/DesignerCommands.h"

#include "template/CInvoiceRepeatField.h"
#include "template/CReportEntityBox.h"
#include "template/CReportEntityLabel.h"
#include "template/CReportEntityLine.h"
#include "template/CReportEntityPicture.h"
#include "template/CReportInvoiceField.h"

namespace designer {

std::optional<CommandState> GetCommandState(int id, const EditorState& s) {
  const bool some = s.selected > 0;
  const bool several = s.selected > 1;
  switch (id) {
    case ID_GRID: return CommandState{true, s.grid};
    case ID_MARGINS: return CommandState{true, s.margins};
    case ID_SNAP_TO_GRID: return CommandState{true, s.snap};
    case ID_VIEW_TOOLBOX: return CommandState{true, s.toolboxVisible};
    case ID_VIEW_PROPERTIES: return CommandState{true, s.propertiesVisible};
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
    case ID_EDIT_DELETE:
    case ID_BRING_TO_FRONT:
    case ID_SEND_TO_BACK:
    case ID_BRING_FORWARD:
    case ID_SEND_BACKWARD: return CommandState{some, std::nullopt};
    case ID_EDIT_PASTE: return CommandState{s.canPaste, std::nullopt};
    case ID_EDIT_UNDO: return CommandState{s.canUndo, std::nullopt};
    case ID_ALIGN_LEFT:
    case ID_ALIGN_RIGHT:
    case ID_ALIGN_TOP:
    case ID_ALIGN_BOTTOM:
    case ID_SAME_WIDTH:
    case ID_SAME_HEIGHT:
    case ID_SAME_SIZE:
    case ID_GROUP:
    case ID_UNGROUP: return CommandState{several, std::nullopt};
    case ID_ZOOM_IN:
    case ID_ZOOM_OUT:
    case ID_ZOOM_400:
    case ID_ZOOM_200:
    case ID_ZOOM_150:
    case ID_ZOOM_100:
    case ID_ZOOM_75:
    case ID_ZOOM_50:
    case ID_ZOOM_TO_FIT:
    case ID_MOVE_LEFT:
    case ID_MOVE_UP:
    case ID_MOVE_RIGHT:
    case ID_MOVE_DOWN:
    case ID_PROPERTIES:
    case ID_ADD_BOX:
    case ID_ADD_FIELD:
    case ID_ADD_REPEAT_FIELD:
    case ID_ADD_LABEL:
    case ID_ADD_LINE:
    case ID_ADD_PICTURE:
    case ID_PAGE_SETUP:
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
    case ID_FILE_PRINT_PREVIEW: return CommandState{true, std::nullopt};
    default: return std::nullopt;
  }
}

std::optional<double> FixedZoom(int id) {
  switch (id) {
    case ID_ZOOM_400: return 4.0;
    case ID_ZOOM_200: return 2.0;
    case ID_ZOOM_150: return 1.5;
    case ID_ZOOM_100: return 1.0;
    case ID_ZOOM_75: return 0.75;
    case ID_ZOOM_50: return 0.5;
    default: return std::nullopt;
  }
}

std::optional<NewEntity> EntityForToolCode(int64_t code) {
  switch (code) {
    case 1: return NewEntity{NewEntityKind::Label, 0};
    case 2: return NewEntity{NewEntityKind::Box, 0};
    case 3: return NewEntity{NewEntityKind::Line, 0};
    case 4: return NewEntity{NewEntityKind::Picture, 0};
    case 100: return NewEntity{NewEntityKind::RepeatField, 1};
    case 101: return NewEntity{NewEntityKind::RepeatField, 11};
    default: break;
  }
  if (code >= 50 && code <= 62) return NewEntity{NewEntityKind::InvoiceField, static_cast<int32_t>(code + 50)};
  if (code >= 102 && code <= 110) return NewEntity{NewEntityKind::RepeatField, static_cast<int32_t>(code - 100)};
  return std::nullopt;
}

std::optional<NewEntity> EntityForCommand(int id) {
  switch (id) {
    case ID_ADD_LABEL: return NewEntity{NewEntityKind::Label, 0};
    case ID_ADD_BOX: return NewEntity{NewEntityKind::Box, 0};
    case ID_ADD_LINE: return NewEntity{NewEntityKind::Line, 0};
    case ID_ADD_PICTURE: return NewEntity{NewEntityKind::Picture, 0};
    case ID_ADD_FIELD: return NewEntity{NewEntityKind::InvoiceField, 1};
    case ID_ADD_REPEAT_FIELD: return NewEntity{NewEntityKind::RepeatField, 0};
    default: return std::nullopt;
  }
}

std::unique_ptr<CDiagramEntity> CreateNewEntity(const NewEntity& entity) {
  switch (entity.kind) {
    case NewEntityKind::Label: return std::make_unique<CReportEntityLabel>();
    case NewEntityKind::Box: return std::make_unique<CReportEntityBox>();
    case NewEntityKind::Line: return std::make_unique<CReportEntityLine>();
    case NewEntityKind::Picture: return std::make_unique<CReportEntityPicture>();
    case NewEntityKind::InvoiceField: return std::make_unique<CReportInvoiceField>(entity.field);
    case NewEntityKind::RepeatField:
      return entity.field == 0 ? std::make_unique<CInvoiceRepeatField>()
                               : std::make_unique<CInvoiceRepeatField>(entity.field);
  }
  return nullptr;
}

}  // namespace designer
