#include "forms/dialogs/VersionInfo.h"

#include <iomanip>
#include <locale>
#include <sstream>

#include "data/Schema.h"

std::optional<FileVersion> VersionInfo::ProgramFileVersion() {
  return FileVersion{(1u << 16) | 0u, (0u << 16) | 8u};
}

std::wstring VersionInfo::FormatFileVersion(const std::optional<FileVersion>& version) {
  if (!version) return {};
  return std::to_wstring(version->mostSignificant >> 16) + L'.' +
         std::to_wstring(version->mostSignificant & 0xFFFF) + L'.' +
         std::to_wstring(version->leastSignificant >> 16) + L'.' +
         std::to_wstring(version->leastSignificant & 0xFFFF);
}

std::wstring VersionInfo::FormatDatabaseVersion(double version) {
  std::wostringstream text;
  text.imbue(std::locale::classic());
  text << std::fixed << std::setprecision(3) << version;
  return text.str();
}

std::wstring VersionInfo::DatabaseVersionText() {
  return FormatDatabaseVersion(schema::kCurrentVersion);
}
