#pragma once

// Declarations of the older schema versions the upgrade starts from (1.0 up
// to 1.205). The program never creates such files; these build them for the
// upgrade's tests and for tools. Each version is what the program's own
// upgrade makes of the version before it, except that the version 1.0 file
// names the constraints the upgrade later replaces (INTEG_71, INTEG_232,
// INTEG_302, INTEG_326) and files of 1.01 and later name the cascading key of
// ADDRESSES.COMPANY_OBJECT_ID INTEG_405, as the files the upgrade was written
// for do.

#include <optional>
#include <string>
#include <vector>

namespace legacy {

// The versions that can be built, oldest first: "1.0", "1.01", "1.1", "1.2",
// "1.201", "1.202", "1.203", "1.204", "1.205".
const std::vector<std::wstring>& KnownVersions();

// The text a file of that version keeps in SETTINGS "version": the version
// itself, and "1" for version 1.0 (whose file the upgrade reads with that default).
std::wstring StoredVersionText(const std::wstring& version);

// CREATE statements for every table, key, constraint, index, generator and
// trigger of the version, in an order that runs with each one committed on
// its own. Throws std::invalid_argument for a version not in KnownVersions.
std::vector<std::wstring> SchemaStatements(const std::wstring& version);

// Creates an empty database file of the version. versionText is stored as
// SETTINGS "version" under an OBJECTS row of its own; std::nullopt leaves the
// file without a version row. Refuses an existing file; a half-made file is
// removed. Throws Invoice::DbException (std::invalid_argument for an unknown version).
void CreateDatabase(const std::string& path, const std::wstring& version,
                    const std::optional<std::wstring>& versionText);

}  // namespace legacy
