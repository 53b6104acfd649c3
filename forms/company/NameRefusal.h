#pragma once

// OK's refusal of a name another record already holds (the database keeps
// each name of a company once): the dialog stays open with what was typed.

#include <functional>
#include <string>

#include <wx/window.h>

#include "data/DbException.h"
#include "forms/dialogs/DialogMessages.h"
#include "platform/MessageBox.h"

// True when OK must stop: `isTaken` found the name held, and the message is
// shown over the dialog with the field's text selected for typing over; or
// the names could not be read, and the failure is shown. Field is a text
// control or a combo box.
template <class Field>
bool RefuseTakenName(wxWindow* dialog, Field* field, const std::function<bool()>& isTaken,
                     const std::wstring& message) {
  try {
    if (!isTaken()) return false;
    platform::ShowMessageBox(message, L"Corvane", platform::MB_ICONINFORMATION, dialog);
    field->SetFocus();
    field->SelectAll();
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, dialog);
  }
  return true;
}
