#pragma once

// The program's one database attachment and its one application transaction.
// The path comes from the per-user setting "DatabaseFile" under
// "Software\Corvane\Settings"; while that is missing, an open-file dialog asks
// for the file and the answer is stored. Every failure leaves as
// Invoice::DbException carrying the client library's own text.

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "data/DbException.h"
#include "data/ibase/ibDatabase.h"
#include "data/ibase/ibException.h"
#include "platform/FileDialogs.h"

// The connected database; connects on the first call.
ibase::ibDatabase* GetDatabase();

// Asked when the database file cannot be opened, with its path and the
// client library's text: another file to try (then stored as "DatabaseFile"),
// or nullopt to give up. The program sets one at start-up; without one the
// failure leaves as it is.
using DatabaseRecovery =
    std::function<std::optional<std::wstring>(const std::wstring& path, const std::wstring& error)>;
void SetDatabaseRecovery(DatabaseRecovery recovery);

// The open-file dialog that asks for the database file: Firebird's .fdb
// and the older .gdb files.
platform::OpenFileRequest DatabaseFileRequest();

// Runs one statement on GetDatabase in the current transaction, as SQL
// dialect 1 unless another is given (dialect 3 knows delimited identifiers).
void ExecuteSql(const std::wstring& sql, unsigned short dialect = ibase::kDialect1);

// Begins the application transaction, rolling back one that is still open.
void BeginDbTransaction();
// Commits the open application transaction; does nothing when none is open.
// A failed commit leaves it open (the next begin or drop rolls it back).
void CommitDbTransaction();
// Rolls back the open application transaction, if any.
void DropDbTransaction();
bool IsDbTransactionOpen();

// The conversion every data-layer operation applies to a client failure: the
// client library's own text, except for what several users working on one
// server database run into, which is told in plain words:
// - another transaction changed or locked the same rows (the whole unit of
//   work was rolled back; saving again reads the other user's change);
// - the invoice number was taken by another invoice of the same kind.
Invoice::DbException MakeDbException(const ibase::ibException& error);
inline constexpr wchar_t kConcurrentChangeText[] =
    L"Another user changed the same data at the same time, so nothing was saved. Please save again.";
inline constexpr wchar_t kInvoiceNumberTakenText[] =
    L"Another invoice of the same kind already has this number (another user may have just saved it), "
    L"so this invoice was not saved.";

// Runs work and turns an ibase::ibException leaving it into Invoice::DbException.
template <typename Work>
decltype(auto) TranslateDbErrors(Work&& work) {
  try {
    return std::forward<Work>(work)();
  } catch (const ibase::ibException& error) {
    throw MakeDbException(error);
  }
}

// For tests and tools: attaches the one connection to the given file instead
// of the stored path (disconnecting first), and drops the connection again.
void ConnectDatabaseFile(const std::string& path);
// Rolls back the application transaction and detaches; never throws. The next
// GetDatabase connects afresh.
void DisconnectDatabase();

// What a database file that another program holds open in-process is
// refused with: the path, the programs that hold it where they can be seen
// ("Corvane, process 4711"), and what to do.
std::wstring DatabaseInUseText(const std::string& path);
inline constexpr wchar_t kDatabaseInUseAdvice[] =
    L". A database file opened directly serves one program at a time: close the other program, or share the "
    L"database through a Firebird server, and try again.";

// What a server's refusal of the login says: the database, the user that
// was refused, and how the login is given. A refused login is never met
// with the offer of another database file, which would not help.
std::wstring LoginRefusedText(const std::string& path, const std::string& user);
inline constexpr wchar_t kLoginAdvice[] =
    L"Give the server's login to the program in the variables ISC_USER and ISC_PASSWORD: keep them in a file "
    L"that only you can read, such as ~/.config/corvane/login, load that file in the shell that starts the "
    L"program (the README shows how), and start the program again.";

// For a program that handles SIGTERM and SIGINT itself (and detaches when
// it ends): the database client's own handlers of these signals would shut
// the engine down under the program; that shutdown is refused from now on.
// The client still calls the handlers that were in place before its first
// attach. Registers once per process.
void KeepDatabaseOnTerminateSignals();

// The login the program uses; the embedded engine does not check passwords.
inline constexpr char kDatabaseUser[] = "SYSDBA";
inline constexpr char kDatabasePassword[] = "pondcrest";

// True for a database reached through a Firebird server ("host:path",
// "host/port:path", "inet://host/path", "[::1]:path"); false for a file
// opened in-process (an absolute or "./" path, or one without a host).
bool IsServerPath(const std::string& path);

struct DatabaseLogin {
  std::string user;
  std::string password;
};
// The login for a database: through a server, the Firebird client's own
// ISC_USER and ISC_PASSWORD where they are set, else the built-in pair; the
// built-in password goes only with the built-in user, so another ISC_USER
// without ISC_PASSWORD logs in without a password (and the server refuses
// it). An in-process file always gets the built-in pair.
DatabaseLogin LoginFor(const std::string& path);
