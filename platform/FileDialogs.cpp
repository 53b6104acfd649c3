#include "platform/FileDialogs.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <vector>

#include "platform/TextCodec.h"

namespace platform {
namespace {

OpenFileHandler g_openFileHandler;

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (size_t at; (at = text.find(separator, start)) != std::wstring::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

std::wstring WithCaseVariants(const std::wstring& patterns) {
  std::vector<std::wstring> all;
  for (const std::wstring& pattern : Split(patterns, L';')) {
    std::wstring lower = pattern, upper = pattern;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
    std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return std::towupper(c); });
    for (const std::wstring& variant : {pattern, lower, upper})
      if (!variant.empty() && std::find(all.begin(), all.end(), variant) == all.end()) all.push_back(variant);
  }
  std::wstring joined;
  for (const std::wstring& pattern : all) joined += (joined.empty() ? L"" : L";") + pattern;
  return joined;
}

std::optional<std::wstring> ShowFileDialog(const OpenFileRequest& request) {
  const wxFileName initial(request.initialFile);
  const long style = request.save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN;
  wxFileDialog dialog(request.parent, request.save ? L"Save As" : L"Open", initial.GetPath(),
                      initial.GetFullName(), ToWxWildcard(request.filter), style);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return ApplyDefaultExtension(dialog.GetPath().ToStdWstring(), request.defaultExtension);
}

}  // namespace

std::wstring ToWxWildcard(const std::wstring& windowsFilter) {
  const std::vector<std::wstring> parts = Split(windowsFilter, L'|');
  std::wstring wildcard;
  // Pairs until the first empty description: the "||" that ends the list.
  for (size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
    const std::wstring patterns = WithCaseVariants(parts[i + 1]);
    if (patterns.empty()) continue;
    if (!wildcard.empty()) wildcard += L'|';
    wildcard += parts[i] + L'|' + patterns;
  }
  return wildcard;
}

std::wstring ApplyDefaultExtension(const std::wstring& path, const std::wstring& defaultExtension) {
  if (defaultExtension.empty() || path.empty()) return path;
  const std::filesystem::path file = PathFromWide(path);
  std::error_code ec;
  if (file.has_extension() || std::filesystem::exists(file, ec)) return path;
  return path + L'.' + defaultExtension;
}

std::optional<std::wstring> AskOpenFile(const OpenFileRequest& request) {
  if (g_openFileHandler) return g_openFileHandler(request);
  return ShowFileDialog(request);
}

void SetOpenFileHandler(OpenFileHandler handler) {
  g_openFileHandler = std::move(handler);
}

}  // namespace platform
