#pragma once

// Common dialogs (open file, colour, font) behind a seam: tests install a
// handler that answers instead of a real dialog and records what was asked.

#include <functional>
#include <optional>
#include <string>

class wxWindow;

namespace platform {

struct OpenFileRequest {
  std::wstring defaultExtension;  // e.g. L"GDB"
  std::wstring filter;            // Windows form: L"Invoice.gdb|*.GDB|"
  std::wstring initialFile;
  bool hideReadOnly = true;
  bool save = false;  // a save-as dialog instead of an open dialog
  wxWindow* parent = nullptr;
};

// The chosen full path, or nullopt when the user cancelled.
std::optional<std::wstring> AskOpenFile(const OpenFileRequest& request);

using OpenFileHandler = std::function<std::optional<std::wstring>(const OpenFileRequest&)>;
// Replaces the real dialog (empty function restores it).
void SetOpenFileHandler(OpenFileHandler handler);

// The Windows filter form ("Text|*.txt;*.log|All|*.*||": description and
// pattern pairs, each ended by '|') in wx's form ("Text|*.txt;*.log|All|*.*").
// Each pattern is also given in lower and upper case, since GTK matches case
// exactly and the Windows dialog does not.
std::wstring ToWxWildcard(const std::wstring& windowsFilter);

// A typed name without an extension that does not exist as given gets the
// default extension, as the Windows dialog adds it.
std::wstring ApplyDefaultExtension(const std::wstring& path, const std::wstring& defaultExtension);

}  // namespace platform
