#pragma once

// A read-only box whose text is chosen with the button beside it ("..."):
// it does not look like a field one types in (the dialog's own background),
// takes no caret (a click or Tab passes the focus on to the button), and
// while empty it shows a hint of how it is filled.
//
//   m_clientName = new wxTextCtrl(this, kClientName, "", pos, size, wxTE_READONLY);
//   m_chooseClient = new wxButton(this, kChooseClient, L"...", ...);
//   MakeChosenTextBox(m_clientName, m_chooseClient, L"Choose the client with \"...\"");

#include <wx/string.h>

class wxTextCtrl;
class wxWindow;

void MakeChosenTextBox(wxTextCtrl* box, wxWindow* chooser, const wxString& hint);
