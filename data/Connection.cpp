#include "data/Connection.h"

#include <memory>

#include "common/RegistryHelpers.h"
#include "data/SqlText.h"
#include "data/ibase/ibAutoTransaction.h"
#include "platform/FileDialogs.h"
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

void Connect(const std::string& path) {
  auto& state = State();
  TranslateDbErrors([&] { state.database.Connect(path, kDatabaseUser, kDatabasePassword); });
  state.connection = &state.database;
}

}  // namespace

Invoice::DbException MakeDbException(const ibase::ibException& error) {
  return Invoice::DbException(Utf8ToWide(error.GetText()));
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
    } catch (const Invoice::DbException& error) {
      if (!Recovery()) throw;
      std::optional<std::wstring> other = Recovery()(path, error.GetText());
      if (!other || other->empty()) throw;
      path = *other;
      RegWriteString(kSettingsKey, kDatabaseFileValue, path);
    }
  }
}

void ExecuteSql(const std::wstring& sql) {
  ibase::ibDatabase* database = GetDatabase();
  TranslateDbErrors([&] { database->ExecuteImmediate(sql); });
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
