#include "forms/dialogs/DialogMessages.h"

#include <climits>
#include <cstdint>
#include <cwchar>

#include "platform/MessageBox.h"
#include "shell/ui/BaseSaveFrame.h"

namespace dialogs {

void ShowDbError(const Invoice::DbException& error, wxWindow* owner) {
  platform::ShowMessageBox(error.GetText(), kAppCaption, platform::MB_ICONERROR, owner);
}

bool ConfirmDelete(wxWindow* owner) {
  return platform::ShowMessageBox(kDeleteQuestion, kAppCaption,
                                  platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2,
                                  owner) == platform::IDYES;
}

int32_t ParseLeadingInt(const std::wstring& text) {
  // wcstol clamps to long (64-bit here); the stored numbers are 32-bit.
  const long value = std::wcstol(text.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

}  // namespace dialogs
