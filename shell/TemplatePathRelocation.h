#pragma once

// Moves the stored template file paths under the install folder, once, when
// the per-user DWORD "FS" asks for it (an installer sets it after copying the
// templates). Paths that were stored under the folder the templates were
// built in are rewritten; any other path is the user's own choice and stays.

#include <optional>
#include <string>

class TemplatePathRelocation {
public:
  // The folder the shipped templates were stored under at build time.
  static constexpr wchar_t kBuildTimePrefix[] = L"F:\\Program Files\\Corvane\\Corvane";

  enum class Outcome {
    NotRequested,   // "FS" missing or 0: nothing touched
    NoInstallPath,  // "InstallPath" missing or empty: nothing touched, "FS" kept for a later run
    Relocated,      // committed and "FS" cleared
  };

  // The install folder as it is put in front of a path: without one
  // trailing separator.
  static std::wstring InstallFolder(const std::wstring& installPath);

  // The stored path under the install folder; nullopt when it does not lie
  // under the build-time prefix (compared without case, either separator).
  // On an install folder of this platform ("/..."), the backslashes of the
  // moved part become slashes.
  static std::optional<std::wstring> RelocatedPath(const std::wstring& storedPath,
                                                   const std::wstring& folder);

  // Reads "FS" and "InstallPath"; when asked to and possible, rewrites the
  // paths of every template inside one TransactionScope, commits, then
  // writes "FS" = 0. Throws Invoice::DbException (rolled back, "FS" kept).
  static Outcome Run();
};
