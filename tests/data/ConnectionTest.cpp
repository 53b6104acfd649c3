#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "TestDatabase.h"
#include "common/RegistryHelpers.h"
#include "data/Connection.h"
#include "data/DbException.h"
#include "data/ObjectHandle.h"
#include "data/TransactionScope.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"
#include "platform/FileDialogs.h"
#include "platform/ProcessFiles.h"
#include "platform/RegistryStore.h"
#include "platform/TextCodec.h"

extern char** environ;

namespace {

using corvane::test::CallRecorder;
using corvane::test::FailingOperation;
using ibase::ibOperation;

const std::wstring kSettingsKey = L"Software\\Corvane\\Settings";

std::optional<std::wstring> StoredPath() {
  return RegReadString(kSettingsKey, L"DatabaseFile");
}

// The connection as the program makes it: from the stored path or the dialog.
class ConnectionTest : public ::testing::Test {
protected:
  void SetUp() override {
    DisconnectDatabase();
    platform::RegistryStore::User().DeleteValue(kSettingsKey, L"DatabaseFile");
    m_path = (m_dir / "app.fdb").string();
    corvane::test::MakeSchemaDatabase(m_path);
  }
  void TearDown() override {
    platform::SetOpenFileHandler(nullptr);
    DisconnectDatabase();
  }

  // Answers the open-file dialog with the given path (nullopt: cancel) and counts the questions.
  void AnswerDialog(std::optional<std::wstring> answer) {
    platform::SetOpenFileHandler([this, answer](const platform::OpenFileRequest& request) {
      ++m_questions;
      m_lastRequest = request;
      return answer;
    });
  }

  corvane::test::TempDir m_dir;
  std::string m_path;
  int m_questions = 0;
  platform::OpenFileRequest m_lastRequest;
};

TEST_F(ConnectionTest, ConnectsToTheStoredPathOnceAsSysdba) {
  RegWriteString(kSettingsKey, L"DatabaseFile", platform::FromUtf8(m_path));
  AnswerDialog(std::nullopt);
  CallRecorder recorder;
  ibase::ibDatabase* first = GetDatabase();
  ibase::ibDatabase* second = GetDatabase();
  EXPECT_EQ(first, second);
  ASSERT_TRUE(first->IsConnected());
  EXPECT_EQ(m_questions, 0);
  const auto attaches = recorder.Of(ibOperation::Attach);
  ASSERT_EQ(attaches.size(), 1u);
  EXPECT_EQ(attaches[0].parameterBlock, ibase::ibDatabase::BuildParameterBlock("SYSDBA", "pondcrest"));
}

TEST_F(ConnectionTest, AsksForTheFileWhileNoPathIsStoredAndStoresTheAnswer) {
  AnswerDialog(platform::FromUtf8(m_path));
  ASSERT_TRUE(GetDatabase()->IsConnected());
  EXPECT_EQ(m_questions, 1);
  EXPECT_EQ(m_lastRequest.defaultExtension, L"fdb");
  EXPECT_EQ(m_lastRequest.filter, L"Corvane database (*.fdb, *.gdb)|*.fdb;*.gdb;*.FDB;*.GDB|All files|*|");
  EXPECT_TRUE(m_lastRequest.initialFile.empty());
  EXPECT_TRUE(m_lastRequest.hideReadOnly);
  EXPECT_EQ(StoredPath(), platform::FromUtf8(m_path));
}

TEST_F(ConnectionTest, CancelledDialogSaysNoPathIsGiven) {
  AnswerDialog(std::nullopt);
  try {
    GetDatabase();
    FAIL() << "connected without a path";
  } catch (const Invoice::DbException& error) {
    EXPECT_EQ(error.GetText(), L"Path to the database is not specified.");
  }
  EXPECT_FALSE(StoredPath().has_value());
}

// Another program (here the engine's own isql) holds the file open
// in-process: the refusal names the file and that program, in words.
TEST_F(ConnectionTest, AFileThatAnotherProgramHoldsOpenIsRefusedInWords) {
  int input[2];
  ASSERT_EQ(::pipe(input), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], 0);
  posix_spawn_file_actions_addclose(&actions, input[1]);
  std::string program = "isql-fb", quiet = "-q", user = "-user", sysdba = "SYSDBA", path = m_path;
  char* argv[] = {program.data(), quiet.data(), user.data(), sysdba.data(), path.data(), nullptr};
  pid_t holder = 0;
  ASSERT_EQ(::posix_spawnp(&holder, "isql-fb", &actions, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  ::close(input[0]);
  // isql attaches at once and then waits for its input.
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (platform::OtherProcessesWithFileOpen(m_path).empty() && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));

  const std::wstring expected = L"The database " + platform::FromUtf8(m_path) +
                                L" is open in another program (isql-fb, process " + std::to_wstring(holder) + L")" +
                                kDatabaseInUseAdvice;
  RegWriteString(kSettingsKey, L"DatabaseFile", platform::FromUtf8(m_path));
  try {
    GetDatabase();
    ADD_FAILURE() << "connected to a file another program holds";
  } catch (const Invoice::DbException& error) {
    EXPECT_EQ(error.GetText(), expected);
  }
  ::close(input[1]);  // isql ends at the end of its input
  ::waitpid(holder, nullptr, 0);
  // Free again: the same path connects.
  EXPECT_NE(GetDatabase(), nullptr);
}

TEST_F(ConnectionTest, WrongStoredPathFailsWithTheClientTextEveryTimeWithoutAsking) {
  const std::string wrong = (m_dir / "gone.fdb").string();
  RegWriteString(kSettingsKey, L"DatabaseFile", platform::FromUtf8(wrong));
  AnswerDialog(platform::FromUtf8(m_path));
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      GetDatabase();
      FAIL() << "connected to a missing file";
    } catch (const Invoice::DbException& error) {
      EXPECT_NE(error.GetText().find(L"gone.fdb"), std::wstring::npos);
    }
  }
  EXPECT_EQ(m_questions, 0);
  // Once the path is right, the next call connects.
  RegWriteString(kSettingsKey, L"DatabaseFile", platform::FromUtf8(m_path));
  EXPECT_TRUE(GetDatabase()->IsConnected());
}

TEST_F(ConnectionTest, AFileThatCannotBeOpenedIsReplacedByTheOneTheRecoveryChooses) {
  const std::string wrong = (m_dir / "gone.fdb").string();
  RegWriteString(kSettingsKey, L"DatabaseFile", platform::FromUtf8(wrong));
  std::vector<std::wstring> asked;
  std::optional<std::wstring> answer;  // first: give up
  SetDatabaseRecovery([&](const std::wstring& path, const std::wstring& error) {
    asked.push_back(path);
    EXPECT_NE(error.find(L"gone.fdb"), std::wstring::npos);
    return answer;
  });
  EXPECT_THROW(GetDatabase(), Invoice::DbException);
  EXPECT_EQ(StoredPath(), platform::FromUtf8(wrong));  // kept when the user gives up
  answer = platform::FromUtf8(m_path);
  EXPECT_TRUE(GetDatabase()->IsConnected());
  SetDatabaseRecovery(nullptr);
  EXPECT_EQ(asked, (std::vector<std::wstring>{platform::FromUtf8(wrong), platform::FromUtf8(wrong)}));
  EXPECT_EQ(StoredPath(), platform::FromUtf8(m_path));
}

class ApplicationTransactionTest : public corvane::test::SchemaDatabaseTest {
protected:
  int CountSettings(const std::wstring& field) {
    ibase::ibReader reader(GetDatabase());
    reader.Open(L"SELECT CAST(COUNT(*) AS INTEGER) FROM SETTINGS WHERE SETT_FIELD = '" + field + L"'");
    ibase::ibData data(&reader);
    reader.Fetch();
    return data.GetLong(0);
  }

  // Inserts an OBJECTS row and a SETTINGS row under its id, the way a save does.
  int InsertSetting(const std::wstring& field) {
    ExecuteSql(
        L"INSERT INTO OBJECTS (CREATED_ON,MODIFIED_ON,CREATED_BY,MODIFIED_BY) VALUES "
        L"(CURRENT_TIMESTAMP,CURRENT_TIMESTAMP,NULL,NULL);");
    ibase::ibReader reader(GetDatabase());
    reader.Open(L"SELECT MAX(OBJECT_ID) AS NEWEST_OBJECT_ID FROM OBJECTS");
    ibase::ibData data(&reader);
    reader.Fetch();
    const int id = data.GetLong(0);
    ExecuteSql(L"INSERT INTO SETTINGS (OBJECT_ID,SETT_FIELD,SETT_VALUE) VALUES (" + std::to_wstring(id) +
               L",'" + field + L"','x');");
    return id;
  }
};

TEST_F(ApplicationTransactionTest, ScopeThatCommitsKeepsRowsAndIds) {
  ObjectHandle handle(0);
  ObjectHandle copy(handle);
  {
    TransactionScope scope;
    EXPECT_TRUE(IsDbTransactionOpen());
    handle.SetId(InsertSetting(L"kept"));
    scope.Commit();
    EXPECT_FALSE(scope.IsActive());
  }
  EXPECT_FALSE(IsDbTransactionOpen());
  EXPECT_EQ(CountSettings(L"kept"), 1);
  EXPECT_GT(copy.GetId(), 0);
  // A later rollback does not take back what was committed.
  { TransactionScope scope; }
  EXPECT_GT(copy.GetId(), 0);
}

TEST_F(ApplicationTransactionTest, ScopeWithoutCommitRollsBackAndTakesIdsBack) {
  ObjectHandle stored(41);  // a loaded object: its id is not touched
  ObjectHandle fresh(0);
  ObjectHandle copy(fresh);
  {
    TransactionScope scope;
    const int id = InsertSetting(L"dropped");
    fresh.SetId(id);
    EXPECT_EQ(copy.GetId(), id);
    EXPECT_EQ(CountSettings(L"dropped"), 1);  // readers see the open transaction
  }
  EXPECT_FALSE(IsDbTransactionOpen());
  EXPECT_EQ(CountSettings(L"dropped"), 0);
  EXPECT_EQ(fresh.GetId(), 0);
  EXPECT_EQ(copy.GetId(), 0);
  EXPECT_EQ(stored.GetId(), 41);
}

TEST_F(ApplicationTransactionTest, FailedStatementLeavesAsDbExceptionAndTheScopeRollsBack) {
  try {
    TransactionScope scope;
    InsertSetting(L"before");
    ExecuteSql(L"INSERT INTO NO_SUCH_TABLE VALUES (1);");
    scope.Commit();
    FAIL() << "statement on a missing table succeeded";
  } catch (const Invoice::DbException& error) {
    EXPECT_NE(error.GetText().find(L"Table unknown\nNO_SUCH_TABLE"), std::wstring::npos)
        << platform::ToUtf8(error.GetText());
  }
  EXPECT_EQ(CountSettings(L"before"), 0);
}

TEST_F(ApplicationTransactionTest, BeginRollsBackTheOpenTransactionFirst) {
  BeginDbTransaction();
  InsertSetting(L"first");
  BeginDbTransaction();
  InsertSetting(L"second");
  CommitDbTransaction();
  EXPECT_EQ(CountSettings(L"first"), 0);
  EXPECT_EQ(CountSettings(L"second"), 1);
}

TEST_F(ApplicationTransactionTest, CommitAndDropWithoutTransactionDoNothing) {
  EXPECT_FALSE(IsDbTransactionOpen());
  CallRecorder recorder;
  EXPECT_NO_THROW(CommitDbTransaction());
  EXPECT_NO_THROW(DropDbTransaction());
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(ApplicationTransactionTest, FailedCommitKeepsTheTransactionOpenForTheScopeToRollBack) {
  {
    TransactionScope scope;
    InsertSetting(L"unsure");
    {
      FailingOperation failing(ibOperation::Commit);
      EXPECT_THROW(scope.Commit(), Invoice::DbException);
    }
    EXPECT_TRUE(scope.IsActive());
    EXPECT_TRUE(IsDbTransactionOpen());
  }
  EXPECT_FALSE(IsDbTransactionOpen());
  EXPECT_EQ(CountSettings(L"unsure"), 0);
}

TEST_F(ApplicationTransactionTest, ScopeDestructorSwallowsAFailedRollback) {
  auto scope = std::make_unique<TransactionScope>();
  {
    FailingOperation failing(ibOperation::Rollback);
    EXPECT_NO_THROW(scope.reset());
  }
  EXPECT_FALSE(IsDbTransactionOpen());
  GetDatabase()->GetTransaction()->Rollback();  // what the client still runs
}

TEST(DbException, CopiesOwnTheirText) {
  auto original = std::make_unique<Invoice::DbException>(L"Object not found!");
  Invoice::DbException copy(*original);
  Invoice::DbException assigned(L"other");
  assigned = *original;
  original.reset();
  EXPECT_EQ(copy.GetText(), L"Object not found!");
  EXPECT_EQ(assigned.GetText(), L"Object not found!");
}

TEST(DbException, CarriesTheClientTextConvertedFromUtf8) {
  const ibase::ibException error("violation of PRIMARY or UNIQUE KEY constraint \"PR_X\"\nžćč");
  EXPECT_EQ(MakeDbException(error).GetText(), L"violation of PRIMARY or UNIQUE KEY constraint \"PR_X\"\nžćč");
  EXPECT_THROW(TranslateDbErrors([&] { throw error; }), Invoice::DbException);
  EXPECT_EQ(TranslateDbErrors([] { return 7; }), 7);
}

TEST(DbException, ConflictsBetweenUsersAreToldInPlainWords) {
  struct Case {
    std::vector<long> codes;
    std::string text;
    std::wstring told;
  };
  const std::string conflict =
      "deadlock\nupdate conflicts with concurrent update\nconcurrent transaction number is 81";
  const std::string numberTaken =
      "violation of PRIMARY or UNIQUE KEY constraint \"UQ_ITEM_INVOICES_NUM_TYPE\" on table \"INVOICES\"\n"
      "Problematic key value is (\"INVOICE_NUM\" = '0007/06', \"INVOICE_TYPE\" = 0)";
  const std::string otherKey = "violation of PRIMARY or UNIQUE KEY constraint \"UQ_COUNTRIES_NAME\" on table";
  for (const Case& test : {
           Case{{isc_deadlock, isc_update_conflict, isc_concurrent_transaction},
                conflict,
                kConcurrentChangeText},
           Case{{isc_lock_conflict}, "lock conflict on no wait transaction", kConcurrentChangeText},
           Case{{isc_lock_timeout}, "lock time-out on wait transaction", kConcurrentChangeText},
           Case{{isc_unique_key_violation}, numberTaken, kInvoiceNumberTakenText},
           Case{{isc_unique_key_violation}, otherKey, platform::FromUtf8(otherKey)},
           Case{{}, "Column 3 is not in the row", L"Column 3 is not in the row"},
       }) {
    EXPECT_EQ(MakeDbException(ibase::ibException(test.text, test.codes)).GetText(), test.told) << test.text;
  }
}

TEST(DatabaseLogin, ServersTakeTheClientsOwnLoginInProcessFilesTheBuiltInOne) {
  struct Case {
    const char* path;
    bool server;
  };
  for (const Case& test : {Case{"/srv/corvane/invoices.fdb", false}, Case{"invoices.fdb", false},
                           Case{"./a:b.fdb", false}, Case{"C:\\Invoices\\invoices.gdb", false},
                           Case{"127.0.0.1:/srv/db.fdb", true}, Case{"office-server:/srv/db.fdb", true},
                           Case{"127.0.0.1/3051:/srv/db.fdb", true}, Case{"inet://server/srv/db.fdb", true},
                           Case{"[::1]:/srv/db.fdb", true}, Case{"server:invoices", true}}) {
    EXPECT_EQ(IsServerPath(test.path), test.server) << test.path;
  }
}

// The built-in password belongs to the built-in user alone: another user
// named in ISC_USER never gets it sent for them.
TEST(DatabaseLogin, TheBuiltInPasswordGoesOnlyWithTheBuiltInUser) {
  struct Case {
    const char* user;      // ISC_USER, nullptr: not set
    const char* password;  // ISC_PASSWORD, nullptr: not set
    const char* sentUser;
    const char* sentPassword;
  };
  for (const Case& test : {Case{nullptr, nullptr, "SYSDBA", "pondcrest"}, Case{"anna", "s3cret", "anna", "s3cret"},
                           Case{"anna", nullptr, "anna", ""}, Case{"anna", "", "anna", ""},
                           Case{"SYSDBA", nullptr, "SYSDBA", "pondcrest"}, Case{"sysdba", "", "sysdba", "pondcrest"},
                           Case{"SYSDBAX", nullptr, "SYSDBAX", ""}, Case{nullptr, "s3cret", "SYSDBA", "s3cret"}}) {
    const std::string label = std::string(test.user ? test.user : "(unset)") + " / " +
                              (test.password ? test.password : "(unset)");
    test.user ? setenv("ISC_USER", test.user, 1) : unsetenv("ISC_USER");
    test.password ? setenv("ISC_PASSWORD", test.password, 1) : unsetenv("ISC_PASSWORD");
    const DatabaseLogin server = LoginFor("office:/srv/db.fdb");
    EXPECT_EQ(server.user, test.sentUser) << label;
    EXPECT_EQ(server.password, test.sentPassword) << label;
    // A file opened in-process keeps the built-in pair whatever is set.
    EXPECT_EQ(LoginFor("/srv/db.fdb").user, "SYSDBA") << label;
    EXPECT_EQ(LoginFor("/srv/db.fdb").password, "pondcrest") << label;
  }
  unsetenv("ISC_USER");
  unsetenv("ISC_PASSWORD");
}

}  // namespace
