#pragma once

// The file side of the designer's one document: New, Open, Save, Save As,
// the close question and the recent-file list, on whatever keeps the
// template (TemplateStorage). No window of its own: questions go through the
// message-box seam and the file dialogs through theirs.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class wxWindow;

namespace designer {

// What the document manager needs of the document.
class TemplateStorage {
public:
  virtual ~TemplateStorage() = default;
  // Empties the template (a new document).
  virtual void NewTemplate() = 0;
  // Replaces the template with the file's; throws with the reason on failure.
  virtual void LoadTemplate(const std::wstring& path) = 0;
  // Writes the template; throws with the reason on failure.
  virtual void SaveTemplate(const std::wstring& path) = 0;
  virtual bool IsTemplateModified() const = 0;
};

inline constexpr wchar_t kAppTitle[] = L"CorvanDesigner";
inline constexpr wchar_t kWindowTitle[] = L"Corvan Designer";
inline constexpr wchar_t kUntitled[] = L"Untitled";
inline constexpr wchar_t kFileFilter[] = L"CorvanDesigner Files (*.zlt)|*.zlt|";
inline constexpr wchar_t kFileExtension[] = L".zlt";
inline constexpr size_t kRecentFileCount = 4;
inline constexpr wchar_t kRecentFileSection[] = L"Recent File List";

class TemplateFiles {
public:
  // The recent-file list is kept under profileKey\"Recent File List".
  TemplateFiles(TemplateStorage& storage, std::wstring profileKey);

  // Each returns true when it did what was asked. A failed Open or New
  // leaves an empty, untitled document and has told the user why.
  bool New();
  bool Open(const std::wstring& path);
  // Asks for a file, then Open.
  bool OpenWithDialog(wxWindow* parent);
  // Save without a path goes to SaveAs with the dialog.
  bool Save(wxWindow* parent);
  bool SaveAs(const std::wstring& path);
  bool SaveAsWithDialog(wxWindow* parent);
  // The close question, "Save changes to %1?": true when closing may go on
  // (Yes and saved, No, or nothing to save).
  bool SaveModified(wxWindow* parent);

  const std::wstring& GetPath() const { return m_path; }
  // The file's name, or "Untitled".
  std::wstring GetTitle() const;
  // "<title> - Corvan Designer", with a "*" after the title while the
  // template has changes that are not saved.
  std::wstring GetCaption() const;

  // Most recent first, at most kRecentFileCount, read from the profile.
  std::vector<std::wstring> RecentFiles() const;
  // Opens the recent file at that index; a file that fails to open leaves the list.
  bool OpenRecent(size_t index);

  // Called after the document changed file or content (New, Open, Save As).
  void SetChangedHandler(std::function<void()> handler) { m_changed = std::move(handler); }

private:
  void AddRecent(const std::wstring& path);
  void RemoveRecent(const std::wstring& path);
  void WriteRecent(const std::vector<std::wstring>& files) const;
  void Changed();
  void ShowError(const std::wstring& text) const;

  TemplateStorage& m_storage;
  std::wstring m_profileKey;
  std::wstring m_path;
  std::function<void()> m_changed;
};

}  // namespace designer
