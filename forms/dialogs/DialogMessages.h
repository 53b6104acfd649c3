#pragma once

// The message boxes the dialogs and their launchers share: a caught database
// failure and the delete question.

#include <cstdint>
#include <string>

#include "data/DbException.h"

class wxWindow;

namespace dialogs {

inline constexpr wchar_t kDeleteQuestion[] = L"Are you sure you want to delete the selected item?";

// The failure's own text, caption "Corvane", error icon; over the window
// that asks, when it is given.
void ShowDbError(const Invoice::DbException& error, wxWindow* owner = nullptr);

// The delete question: Yes and No, warning icon, No as the default button,
// over the window that asks, when it is given. True only for Yes.
bool ConfirmDelete(wxWindow* owner = nullptr);

// The leading whole number of a text as the C runtime reads it (blanks, a
// sign, digits); 0 when it has none, clamped to the 32-bit range.
int32_t ParseLeadingInt(const std::wstring& text);

}  // namespace dialogs
