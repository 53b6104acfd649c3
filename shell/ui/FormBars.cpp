#include "shell/ui/FormBars.h"

#include <wx/dataview.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "common/ui/BaseFrameWnd.h"

namespace {

// A list keeps the focus in an inner window of its own on some ports.
bool IsInList(wxWindow* window) {
  for (int depth = 0; window && depth < 3 && !window->IsTopLevel(); ++depth, window = window->GetParent())
    if (dynamic_cast<wxDataViewCtrl*>(window) || dynamic_cast<wxListCtrl*>(window)) return true;
  return false;
}

}  // namespace

void BindDeleteKeyToLists(BaseFrameWnd& frame, int commandId) {
  frame.Bind(wxEVT_CHAR_HOOK, [&frame, commandId](wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_DELETE || event.GetModifiers() != wxMOD_NONE) {
      event.Skip();
      return;
    }
    wxWindow* focus = wxWindow::FindFocus();
    if (dynamic_cast<wxTextEntry*>(focus)) {
      event.Skip();  // the field deletes text
      return;
    }
    if (!IsInList(focus)) return;
    wxUpdateUIEvent update(commandId);
    update.SetEventObject(&frame);
    frame.ProcessWindowEvent(update);
    if (update.GetSetEnabled() && !update.GetEnabled()) return;
    wxCommandEvent command(wxEVT_MENU, commandId);
    command.SetEventObject(&frame);
    frame.ProcessWindowEvent(command);
  });
}

wxToolBar* CreateFormBars(BaseFrameWnd& frame, std::span<const FormCommand> commands, FormCloseCommand close,
                          int toolbarId) {
  auto* file = new wxMenu;
  for (const FormCommand& command : commands) {
    if (command.id == 0)
      file->AppendSeparator();
    else
      file->Append(command.id, command.menuText, command.status);
  }
  file->AppendSeparator();
  file->Append(close.id, close.menuText);
  auto* bar = new wxMenuBar;
  bar->Append(file, L"File");
  frame.SetMenuBar(bar);
  frame.Bind(
      wxEVT_MENU, [&frame](wxCommandEvent&) { frame.Close(); }, close.id);

  wxToolBar* tools = frame.CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP, toolbarId);
  if (!tools) return nullptr;
  const wxSize pictureSize(16, 16);
  tools->SetToolBitmapSize(pictureSize);
  for (const FormCommand& command : commands) {
    if (command.id == 0) {
      tools->AddSeparator();
      continue;
    }
    tools->AddTool(command.id, command.tooltip, wxArtProvider::GetBitmap(command.art, wxART_TOOLBAR, pictureSize),
                   command.tooltip, wxITEM_NORMAL);
    tools->SetToolLongHelp(command.id, command.status);
  }
  tools->Realize();
  if (!frame.CreateStatusBar(1)) return nullptr;
  return tools;
}
