#include "shell/TemplatePathRelocation.h"

#include <algorithm>
#include <cwctype>
#include <string_view>
#include <vector>

#include "data/TransactionScope.h"
#include "data/objects/Template.h"
#include "shell/ui/InstallSettings.h"

namespace {

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

bool SameChar(wchar_t a, wchar_t b) {
  if (IsSeparator(a) && IsSeparator(b)) return true;
  return std::towlower(a) == std::towlower(b);
}

}  // namespace

std::wstring TemplatePathRelocation::InstallFolder(const std::wstring& installPath) {
  std::wstring folder = installPath;
  if (!folder.empty() && IsSeparator(folder.back())) folder.pop_back();
  return folder;
}

std::optional<std::wstring> TemplatePathRelocation::RelocatedPath(const std::wstring& storedPath,
                                                                  const std::wstring& folder) {
  const std::wstring_view prefix = kBuildTimePrefix;
  if (storedPath.size() < prefix.size() ||
      !std::equal(prefix.begin(), prefix.end(), storedPath.begin(), SameChar))
    return std::nullopt;
  std::wstring rest = storedPath.substr(prefix.size());
  // "...\CorvaneOld\A.zlt" shares the letters but is another folder.
  if (!rest.empty() && !IsSeparator(rest.front())) return std::nullopt;
  const bool posixFolder = !folder.empty() && folder.front() == L'/';
  if (posixFolder) std::replace(rest.begin(), rest.end(), L'\\', L'/');
  return folder + rest;
}

TemplatePathRelocation::Outcome TemplatePathRelocation::Run() {
  if (!IsFsFlagSet()) return Outcome::NotRequested;
  const std::wstring folder = InstallFolder(ReadInstallPath());
  if (folder.empty()) return Outcome::NoInstallPath;

  TransactionScope scope;
  std::vector<Invoice::Template> templates;
  Invoice::GetAllTemplates(templates);
  for (Invoice::Template& stored : templates) {
    if (auto moved = RelocatedPath(stored.GetFileName(), folder)) {
      stored.SetFileName(*moved);
      stored.Save();
    }
  }
  scope.Commit();
  ClearFsFlag();
  return Outcome::Relocated;
}
