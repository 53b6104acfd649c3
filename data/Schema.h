#pragma once

// The database schema of the program's own version, as the statements that
// build an empty database of it. New files are made from these; the upgrade
// of older files brings them to the same tables.

#include <string>
#include <vector>

namespace ibase {
class ibDatabase;
}

namespace schema {

// The program's schema version and the text stored for it in SETTINGS "version".
inline constexpr double kCurrentVersion = 1.206;
inline constexpr wchar_t kCurrentVersionText[] = L"1.206";

// The generator and trigger that fill OBJECTS.OBJECT_ID on insert: a new id is
// larger than every id handed out before; the insert returns it.
inline constexpr wchar_t kObjectIdGenerator[] = L"GEN_OBJECTS_ID";

// CREATE statements for every table, key, constraint, generator and trigger of
// the current version, in the order they run (in one transaction).
const std::vector<std::wstring>& CurrentSchemaStatements();

// The statements that add the SETTINGS row "version" with the given text,
// under a new OBJECTS row.
std::vector<std::wstring> VersionRowStatements(const std::wstring& versionText);

// Run statements on an attached database, all in one transaction or each in
// a transaction of its own; throw ibase::ibException at the first that fails
// (rolling back what the failed transaction did).
void RunInOneTransaction(ibase::ibDatabase& database, const std::vector<std::wstring>& statements);
void RunEachCommitted(ibase::ibDatabase& database, const std::vector<std::wstring>& statements);

// Creates an empty database of the current version, with its "version" row.
// Refuses an existing file; a file left half-made by a failure is removed.
// Throws Invoice::DbException.
void CreateEmptyDatabase(const std::string& path);

}  // namespace schema
