#include "common/ui/ChosenTextBox.h"

#include <wx/settings.h>
#include <wx/textctrl.h>

void MakeChosenTextBox(wxTextCtrl* box, wxWindow* chooser, const wxString& hint) {
  box->SetEditable(false);
  box->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  box->SetHint(hint);
  box->DisableFocusFromKeyboard();
  // GTK focuses an entry on a click whatever wx is told; the focus moves on
  // once the click is done, so no caret is left blinking in the box.
  box->Bind(wxEVT_SET_FOCUS, [box, chooser](wxFocusEvent& event) {
    event.Skip();
    box->CallAfter([chooser] {
      if (chooser->IsShownOnScreen() && chooser->IsEnabled()) chooser->SetFocus();
    });
  });
}
