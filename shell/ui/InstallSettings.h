#pragma once

// The program's own settings kept beside the frames' under
// "Software\Corvane\Settings": the install folder and the one-time flag
// "FS" that asks start-up to move the stored template paths under it.

#include <string>

inline constexpr wchar_t kSettingsKey[] = L"Software\\Corvane\\Settings";

// True only when the DWORD "FS" exists and is not 0.
bool IsFsFlagSet();
// Writes "FS" = 0, creating the key when needed.
void ClearFsFlag();
// The string "InstallPath"; empty when it is missing.
std::wstring ReadInstallPath();
