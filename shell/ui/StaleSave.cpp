#include "shell/ui/StaleSave.h"

#include <cwctype>

#include "platform/MessageBox.h"

std::wstring StaleSaveQuestion(const Invoice::StaleRowException& refusal) {
  std::wstring what = refusal.GetWhat();
  std::wstring happened;
  if (refusal.IsChangedByThisProgram()) {
    if (!what.empty()) what[0] = static_cast<wchar_t>(std::towupper(what[0]));
    happened = what + L" was saved in another window of Corvane after this window read it";
  } else {
    happened = L"Another user saved " + what + L" after this window read it";
  }
  return happened +
         L", so nothing was saved here: saving these edits again would undo that change.\n\n"
         L"Load what is stored now into this window? Your edits here are dropped; make them again on what "
         L"it then shows.\n"
         L"No keeps your edits on screen, but they cannot be saved until the window has loaded what is "
         L"stored.";
}

bool AskToLoadAfterStaleSave(const Invoice::StaleRowException& refusal, wxWindow* owner) {
  return platform::ShowMessageBox(StaleSaveQuestion(refusal), L"Corvane",
                                  platform::MB_YESNO | platform::MB_ICONEXCLAMATION,
                                  owner) == platform::IDYES;
}
