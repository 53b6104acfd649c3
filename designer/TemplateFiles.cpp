#include "designer/TemplateFiles.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include <wx/string.h>

#include "common/RegistryHelpers.h"
#include "common/TemplateFileError.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/RegistryStore.h"
#include "platform/TextCodec.h"

namespace designer {
namespace {

std::wstring DescribeFailure(const std::exception& error) {
  if (auto* templateError = dynamic_cast<const TemplateFileError*>(&error)) return templateError->GetMessage();
  return wxString::FromUTF8(error.what()).ToStdWstring();
}

}  // namespace

TemplateFiles::TemplateFiles(TemplateStorage& storage, std::wstring profileKey)
    : m_storage(storage), m_profileKey(std::move(profileKey)) {}

void TemplateFiles::Changed() {
  if (m_changed) m_changed();
}

void TemplateFiles::ShowError(const std::wstring& text) const {
  platform::ShowMessageBox(text, kAppTitle, platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

std::wstring TemplateFiles::GetTitle() const {
  if (m_path.empty()) return kUntitled;
  return platform::WideFromPath(platform::PathFromWide(m_path).filename());
}

std::wstring TemplateFiles::GetCaption() const {
  return GetTitle() + (m_storage.IsTemplateModified() ? L"*" : L"") + L" - " + kWindowTitle;
}

bool TemplateFiles::New() {
  m_storage.NewTemplate();
  m_path.clear();
  Changed();
  return true;
}

bool TemplateFiles::Open(const std::wstring& path) {
  try {
    m_storage.LoadTemplate(path);
  } catch (const std::exception& error) {
    // What was read before the failure must not pass for the file.
    m_storage.NewTemplate();
    m_path.clear();
    Changed();
    ShowError(L"Cannot open " + path + L":\n" + DescribeFailure(error));
    RemoveRecent(path);
    return false;
  } catch (const std::wstring& text) {
    m_storage.NewTemplate();
    m_path.clear();
    Changed();
    ShowError(L"Cannot open " + path + L":\n" + text);
    RemoveRecent(path);
    return false;
  }
  m_path = path;
  AddRecent(path);
  Changed();
  return true;
}

bool TemplateFiles::OpenWithDialog(wxWindow* parent) {
  platform::OpenFileRequest request;
  request.defaultExtension = L"zlt";
  request.filter = kFileFilter;
  request.parent = parent;
  const std::optional<std::wstring> path = platform::AskOpenFile(request);
  if (!path || !SaveModified(parent)) return false;
  return Open(*path);
}

bool TemplateFiles::SaveAs(const std::wstring& path) {
  try {
    m_storage.SaveTemplate(path);
  } catch (const std::exception& error) {
    ShowError(L"Cannot save " + path + L":\n" + DescribeFailure(error));
    return false;
  } catch (const std::wstring& text) {
    ShowError(L"Cannot save " + path + L":\n" + text);
    return false;
  }
  const bool renamed = path != m_path;
  m_path = path;
  AddRecent(path);
  if (renamed) Changed();
  return true;
}

bool TemplateFiles::SaveAsWithDialog(wxWindow* parent) {
  platform::OpenFileRequest request;
  request.defaultExtension = L"zlt";
  request.filter = kFileFilter;
  request.initialFile = m_path.empty() ? std::wstring(kUntitled) + kFileExtension : m_path;
  request.save = true;
  request.parent = parent;
  const std::optional<std::wstring> path = platform::AskOpenFile(request);
  return path && SaveAs(*path);
}

bool TemplateFiles::Save(wxWindow* parent) {
  return m_path.empty() ? SaveAsWithDialog(parent) : SaveAs(m_path);
}

bool TemplateFiles::SaveModified(wxWindow* parent) {
  if (!m_storage.IsTemplateModified()) return true;
  const int answer = platform::ShowMessageBox(L"Save changes to " + GetTitle() + L"?", kAppTitle,
                                              platform::MB_YESNOCANCEL | platform::MB_ICONEXCLAMATION, parent);
  if (answer == platform::IDYES) return Save(parent);
  return answer == platform::IDNO;
}

std::vector<std::wstring> TemplateFiles::RecentFiles() const {
  std::vector<std::wstring> files;
  const std::wstring key = m_profileKey + L"\\" + kRecentFileSection;
  for (size_t i = 1; i <= kRecentFileCount; ++i) {
    std::optional<std::wstring> file = RegReadString(key, L"File" + std::to_wstring(i));
    if (file && !file->empty()) files.push_back(*file);
  }
  return files;
}

void TemplateFiles::WriteRecent(const std::vector<std::wstring>& files) const {
  const std::wstring key = m_profileKey + L"\\" + kRecentFileSection;
  for (size_t i = 0; i < kRecentFileCount; ++i) {
    const std::wstring name = L"File" + std::to_wstring(i + 1);
    if (i < files.size())
      RegWriteString(key, name, files[i]);
    else
      platform::RegistryStore::User().DeleteValue(key, name);
  }
}

void TemplateFiles::AddRecent(const std::wstring& path) {
  std::vector<std::wstring> files = RecentFiles();
  files.erase(std::remove(files.begin(), files.end(), path), files.end());
  files.insert(files.begin(), path);
  if (files.size() > kRecentFileCount) files.resize(kRecentFileCount);
  WriteRecent(files);
}

void TemplateFiles::RemoveRecent(const std::wstring& path) {
  std::vector<std::wstring> files = RecentFiles();
  const auto end = std::remove(files.begin(), files.end(), path);
  if (end == files.end()) return;
  files.erase(end, files.end());
  WriteRecent(files);
}

bool TemplateFiles::OpenRecent(size_t index) {
  const std::vector<std::wstring> files = RecentFiles();
  if (index >= files.size() || !SaveModified(nullptr)) return false;
  return Open(files[index]);
}

}  // namespace designer
