#pragma once

// The texts of the About box: the program's file version and the database
// schema version the program works with.

#include <cstdint>
#include <optional>
#include <string>

// A file version as two 32-bit words: major.minor in the most significant,
// build.revision in the least significant, each part a 16-bit half.
struct FileVersion {
  uint32_t mostSignificant = 0;
  uint32_t leastSignificant = 0;
};

class VersionInfo {
public:
  // The version this program file carries (1.0.0.8).
  static std::optional<FileVersion> ProgramFileVersion();
  // "%d.%d.%d.%d" of the four halves; empty without a version.
  static std::wstring FormatFileVersion(const std::optional<FileVersion>& version);
  // "%.3f" with a point whatever the user's locale: 1.206.
  static std::wstring FormatDatabaseVersion(double version);
  // The program's database version, formatted.
  static std::wstring DatabaseVersionText();
};
