#pragma once

// The main program's side of the preview library: the one manager of
// libCorvanPreview.so and the wrappers through which the program calls the
// library's entry points (bound by ordinal on every call).
//
// The library is loaded from the folder in the string value "InstallPath"
// under "Software\Corvane\Settings"; without that value, or with an empty
// one, it is found by the bare file name through the library search path.
// The wrappers of previewing and printing load it on first use; those of the
// message loop and idle time only reach a library that is already loaded.

#include <cstdint>
#include <optional>
#include <string>

#include "preview/CorvanPreviewApi.h"
#include "shell/CDllManager.h"

class FieldMap;

class PreviewManager : public CDllManager<PreviewManager> {
public:
  static constexpr wchar_t kSettingsKey[] = L"Software\\Corvane\\Settings";
  static constexpr wchar_t kInstallPathValue[] = L"InstallPath";

  std::string GetDllPath() const override;

  // The file to load for an install folder (nullopt: none stored): the
  // folder, a "/" unless it ends with one, and the library's file name; the
  // bare file name when there is no folder or it is empty.
  static std::string DllPathFor(const std::optional<std::wstring>& installPath);
};

// The process's manager, created (not loaded) on the first call.
PreviewManager& GetPreviewManager();
bool PreviewManagerExists();
// Releases the library and deletes the manager; the program's exit calls
// it while wx still runs, so that previews left open close cleanly.
void DeletePreviewManager();

// Ordinal 1, for every event the main loop dispatches while the library is
// loaded; the entry point's answer, 0 when not loaded.
int32_t CallPreviewPreTranslateMsg(const PreviewMsg* message);
// Ordinal 2, on every idle pass while the library is loaded.
void CallPreviewProcessDllIdle();
// Ordinals 3 and 4 with (title, template path, data). The data stays the
// caller's; the library copies it before returning. False when the library
// or the entry point could not be reached (the command is then cancelled).
bool CallShowInvoicePreview(const std::wstring& title, const std::wstring& templatePath,
                            const FieldMap& data);
bool CallPrintInvoice(const std::wstring& title, const std::wstring& templatePath, const FieldMap& data);
