#include "shell/ui/InstallSettings.h"

#include "common/RegistryHelpers.h"

bool IsFsFlagSet() {
  uint32_t value = 0;
  return RegReadDword(kSettingsKey, L"FS", &value) == kRegSuccess && value != 0;
}

void ClearFsFlag() {
  RegWriteDword(kSettingsKey, L"FS", 0);
}

std::wstring ReadInstallPath() {
  return RegReadString(kSettingsKey, L"InstallPath").value_or(std::wstring());
}
