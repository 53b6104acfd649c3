#pragma once

// The File menu and the flat toolbar of an editing form's frame, made from
// one table of commands. The menu lists the commands in the table's order
// and ends with a separator and Close; the toolbar has a button for each
// command, with the same separators.
//
//   const FormCommand kCommands[] = {
//       {ID_NEW, L"New\tCtrl+N", L"New Item Input", L"New Item Input (Ctrl+N)", wxART_NEW},
//       {},  // a separator
//       {ID_SAVE, L"Save\tCtrl+S", L"Save", L"Save (Ctrl+S)", wxART_FILE_SAVE},
//   };
//   wxToolBar* tools = CreateFormBars(*this, kCommands, {ID_CLOSE, L"Close"}, kResourceId);

#include <span>

#include <wx/artprov.h>

class BaseFrameWnd;
class wxToolBar;

struct FormCommand {
  int id = 0;  // 0: a separator
  const wchar_t* menuText = L"";  // the key, if any, after a tab
  const wchar_t* status = L"";    // the status bar's prompt
  const wchar_t* tooltip = L"";   // the toolbar button's
  wxArtID art;
};

// The menu's last entry; choosing it closes the frame.
struct FormCloseCommand {
  int id;
  const wchar_t* menuText;
};

// Gives the frame its menu bar, its toolbar (window id toolbarId, 16 x 16
// pictures) and a status bar with one field. The toolbar, realised, so that
// the caller may add controls to it; null when a bar could not be made.
wxToolBar* CreateFormBars(BaseFrameWnd& frame, std::span<const FormCommand> commands, FormCloseCommand close,
                          int toolbarId);

// The Delete key of a frame whose menu runs a command with it: where a list
// has the focus the key runs the command (when it is enabled); in a text
// field it deletes text as it always does; anywhere else it does nothing.
// Takes the place of a Delete accelerator, which would take the key from
// the text fields too.
void BindDeleteKeyToLists(BaseFrameWnd& frame, int commandId);
