#include "data/Connection.h"

#include <ibase.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <vector>

#include "common/RegistryHelpers.h"
#include "data/SqlText.h"
#include "data/ibase/ibAutoTransaction.h"
#include "platform/FileDialogs.h"
#include "platform/ProcessFiles.h"
#include "platform/TextCodec.h"

namespace {

const std::wstring kSettingsKey = L"Software\\Corvane\\Settings";
const std::wstring kDatabaseFileValue = L"DatabaseFile";

DatabaseRecovery& Recovery() {
  static DatabaseRecovery recovery;
  return recovery;
}

struct ConnectionState {
  ibase::ibDatabase database;
  ibase::ibDatabase* connection = nullptr;  // set once connected
  // Declared after the database so that it is destroyed (rolled back) first.
  std::unique_ptr<ibase::ibAutoTransaction> transaction;
};

ConnectionState& State() {
  static ConnectionState state;
  return state;
}

std::wstring AskDatabasePath() {
  if (auto stored = RegReadString(kSettingsKey, kDatabaseFileValue); stored && !stored->empty())
    return *stored;
  auto chosen = platform::AskOpenFile(DatabaseFileRequest());
  if (!chosen || chosen->empty()) throw Invoice::DbException(L"Path to the database is not specified.");
  RegWriteString(kSettingsKey, kDatabaseFileValue, *chosen);
  return *chosen;
}

// The server refused the login: another database file there would meet the
// same refusal.
class LoginRefused : public Invoice::DbException {
public:
  using DbException::DbException;
};

void Connect(const std::string& path) {
  auto& state = State();
  const DatabaseLogin login = LoginFor(path);
  try {
    state.database.Connect(path, login.user, login.password);
  } catch (const ibase::ibException& error) {
    if (error.HasCode(isc_already_opened)) throw Invoice::DbException(DatabaseInUseText(path));
    if (error.HasCode(isc_login)) throw LoginRefused(LoginRefusedText(path, login.user));
    throw MakeDbException(error);
  }
  state.connection = &state.database;
}

// Firebird folds unquoted user names to upper case: "sysdba" is SYSDBA.
bool IsBuiltInUser(const std::string& user) {
  const std::string builtIn = kDatabaseUser;
  return user.size() == builtIn.size() &&
         std::equal(user.begin(), user.end(), builtIn.begin(),
                    [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

Invoice::DbException MakeDbException(const ibase::ibException& error) {
  if (error.HasCode(isc_update_conflict) || error.HasCode(isc_deadlock) || error.HasCode(isc_lock_conflict) ||
      error.HasCode(isc_lock_timeout)) {
    return Invoice::DbException(kConcurrentChangeText);
  }
  if ((error.HasCode(isc_unique_key_violation) || error.HasCode(isc_no_dup)) &&
      error.GetText().find("UQ_ITEM_INVOICES_NUM_TYPE") != std::string::npos) {
    return Invoice::DbException(kInvoiceNumberTakenText);
  }
  return Invoice::DbException(Utf8ToWide(error.GetText()));
}

std::wstring LoginRefusedText(const std::string& path, const std::string& user) {
  return L"The server of the database " + platform::FromUtf8(path) + L" refused the login of the user " +
         platform::FromUtf8(user) + L" (a missing or wrong password).\n\n" + kLoginAdvice;
}

std::wstring DatabaseInUseText(const std::string& path) {
  std::wstring text = L"The database " + platform::FromUtf8(path) + L" is open in another program";
  const std::vector<platform::FileHolder> holders = platform::OtherProcessesWithFileOpen(path);
  for (size_t i = 0; i < holders.size(); ++i)
    text += (i == 0 ? L" (" : L", ") + holders[i].name + L", process " + std::to_wstring(holders[i].pid);
  if (!holders.empty()) text += L")";
  return text + kDatabaseInUseAdvice;
}

void KeepDatabaseOnTerminateSignals() {
  static const bool registered = [] {
    ISC_STATUS_ARRAY status{};
    auto refuseOnSignal = [](const int reason, const int, void*) { return reason == fb_shutrsn_signal ? 1 : 0; };
    return fb_shutdown_callback(status, refuseOnSignal, fb_shut_confirmation, nullptr) == 0;
  }();
  (void)registered;
}

bool IsServerPath(const std::string& path) {
  for (const char* protocol : {"inet://", "inet4://", "inet6://", "xnet://", "wnet://"})
    if (path.rfind(protocol, 0) == 0) return true;
  if (path.empty() || path[0] == '/' || path[0] == '.') return false;
  // A single letter before the colon is a drive, not a host.
  const size_t colon = path.find(':');
  return path[0] == '[' || (colon != std::string::npos && colon > 1);
}

DatabaseLogin LoginFor(const std::string& path) {
  DatabaseLogin login{kDatabaseUser, kDatabasePassword};
  if (!IsServerPath(path)) return login;
  if (const char* user = std::getenv("ISC_USER"); user && *user) login.user = user;
  if (const char* password = std::getenv("ISC_PASSWORD"); password && *password)
    login.password = password;
  else if (!IsBuiltInUser(login.user))
    login.password.clear();  // the built-in password is never offered for another user
  return login;
}

platform::OpenFileRequest DatabaseFileRequest() {
  platform::OpenFileRequest request;
  request.defaultExtension = L"fdb";
  request.filter = L"Corvane database (*.fdb, *.gdb)|*.fdb;*.gdb;*.FDB;*.GDB|All files|*|";
  request.hideReadOnly = true;
  return request;
}

void SetDatabaseRecovery(DatabaseRecovery recovery) {
  Recovery() = std::move(recovery);
}

ibase::ibDatabase* GetDatabase() {
  auto& state = State();
  if (state.connection) return state.connection;
  std::wstring path = AskDatabasePath();
  for (;;) {
    try {
      Connect(platform::ToUtf8(path));
      return state.connection;
    } catch (const LoginRefused&) {
      throw;
    } catch (const Invoice::DbException& error) {
      if (!Recovery()) throw;
      std::optional<std::wstring> other = Recovery()(path, error.GetText());
      if (!other || other->empty()) throw;
      path = *other;
      RegWriteString(kSettingsKey, kDatabaseFileValue, path);
    }
  }
}

void ExecuteSql(const std::wstring& sql, unsigned short dialect) {
  ibase::ibDatabase* database = GetDatabase();
  TranslateDbErrors([&] { database->ExecuteImmediate(sql, dialect); });
}

void BeginDbTransaction() {
  auto& state = State();
  state.transaction.reset();
  ibase::ibDatabase* database = GetDatabase();
  TranslateDbErrors(
      [&] { state.transaction = std::make_unique<ibase::ibAutoTransaction>(database->GetTransaction()); });
}

void CommitDbTransaction() {
  auto& state = State();
  if (!state.transaction) return;
  TranslateDbErrors([&] { state.transaction->Commit(); });
  state.transaction.reset();
}

void DropDbTransaction() {
  State().transaction.reset();
}

bool IsDbTransactionOpen() {
  return State().transaction != nullptr;
}

void ConnectDatabaseFile(const std::string& path) {
  DisconnectDatabase();
  Connect(path);
}

void DisconnectDatabase() {
  auto& state = State();
  state.transaction.reset();
  state.connection = nullptr;
  state.database.GetTransaction()->Rollback();
  try {
    state.database.Disconnect();
  } catch (const ibase::ibException&) {
  }
}
