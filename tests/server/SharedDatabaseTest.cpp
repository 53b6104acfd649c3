// Several users on one server database: a Firebird server started by the
// test, a database made and registered on it by corvane-newdb with the
// client's ISC_USER / ISC_PASSWORD login, and two programs saving new
// invoices into it at the same time.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FirebirdServer.h"
#include "ServerQuery.h"
#include "TestEnvironment.h"
#include "data/Connection.h"
#include "data/DbException.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::FirebirdServer;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class SharedDatabase : public ::testing::Test {
protected:
  void SetUp() override {
    // The tools below keep their settings in a config store of their own.
    setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1);
  }

  // One value of a query, read through a connection of this process as a
  // user of the server.
  std::wstring Query(const std::string& path, const std::wstring& sql) {
    return corvane::test::QueryServer(path, sql);
  }

  corvane::test::TempDir m_dir;
};

TEST_F(SharedDatabase, TheDatabaseToolCreatesAndRegistersADatabaseOnAServer) {
  FirebirdServer server(m_dir / "server");
  const std::string path = server.DatabasePath("office.fdb");
  std::string output;
  EXPECT_EQ(server.Run({CORVANE_NEWDB, "--register", path}, &output), 0) << output;
  EXPECT_NE(output.find("Stored " + path), std::string::npos) << output;
  EXPECT_TRUE(std::filesystem::exists(m_dir / "server" / "db" / "office.fdb"));
  EXPECT_EQ(server.Run({CORVANE_NEWDB, "--registered"}, &output), 0);
  EXPECT_EQ(output, path + "\n");

  // Existing on the server: registered as it is; missing: said so.
  EXPECT_EQ(server.Run({CORVANE_NEWDB, "--register-existing", path}, &output), 0) << output;
  EXPECT_EQ(server.Run({CORVANE_NEWDB, "--register-existing", server.DatabasePath("missing.fdb")}, &output),
            1);
  EXPECT_NE(output.find("cannot open " + server.DatabasePath("missing.fdb")), std::string::npos) << output;
  // Made once only.
  EXPECT_EQ(server.Run({CORVANE_NEWDB, path}, &output), 1) << output;
  EXPECT_TRUE(std::filesystem::exists(m_dir / "server" / "db" / "office.fdb"));

  // The server checks the password: the built-in one is refused.
  EXPECT_EQ(Query(path, L"SELECT SETT_VALUE FROM SETTINGS WHERE SETT_FIELD = 'version'"), L"1.206");
  setenv("ISC_PASSWORD", "pondcrest", 1);
  EXPECT_THROW(ConnectDatabaseFile(path), Invoice::DbException);
  DisconnectDatabase();
  unsetenv("ISC_USER");
  unsetenv("ISC_PASSWORD");
}

TEST_F(SharedDatabase, TwoUsersSavingAtOnceRepeatNoNumberAndLoseNoSave) {
  FirebirdServer server(m_dir / "server");
  const std::string path = server.DatabasePath("shop.fdb");
  std::string output;
  ASSERT_EQ(server.Run({CORVANE_NEWDB, path}, &output), 0) << output;
  ASSERT_EQ(server.Run({CORVANE_INVOICE_SAVER, "seed", path}, &output), 0) << output;
  std::istringstream seeded(output);
  std::string word;
  int clientId = 0;
  int itemId = 0;
  seeded >> word >> clientId >> word >> itemId;
  ASSERT_GT(itemId, 0) << output;

  constexpr int kEach = 12;
  const std::filesystem::path first = m_dir / "first.out";
  const std::filesystem::path second = m_dir / "second.out";
  const std::vector<std::string> save{
      CORVANE_INVOICE_SAVER, "save", path, std::to_string(kEach), std::to_string(clientId),
      std::to_string(itemId)};
  const pid_t one = server.Start(save, first);
  const pid_t two = server.Start(save, second);
  const int firstCode = FirebirdServer::Wait(one);
  const int secondCode = FirebirdServer::Wait(two);
  const std::string firstOutput = FirebirdServer::ReadFile(first);
  const std::string secondOutput = FirebirdServer::ReadFile(second);
  EXPECT_EQ(firstCode, 0) << firstOutput;
  EXPECT_EQ(secondCode, 0) << secondOutput;

  std::multiset<std::string> saved;
  std::map<std::string, int> refusals;
  for (const std::string& text : {firstOutput, secondOutput}) {
    for (const std::string& line : Lines(text)) {
      if (line.rfind("SAVED ", 0) == 0)
        saved.insert(line.substr(6));
      else if (line.rfind("REFUSED ", 0) == 0)
        ++refusals[line.substr(8)];
      else
        ADD_FAILURE() << "unexpected output: " << line;
    }
  }
  EXPECT_EQ(saved.size(), 2u * kEach);
  EXPECT_EQ(std::set<std::string>(saved.begin(), saved.end()).size(), saved.size()) << "a number repeats";

  // Every save that was reported is stored, and only those.
  EXPECT_EQ(Query(path, L"SELECT COUNT(*) FROM INVOICES"), std::to_wstring(2 * kEach));
  EXPECT_EQ(Query(path, L"SELECT COUNT(DISTINCT INVOICE_NUM) FROM INVOICES"), std::to_wstring(2 * kEach));
  EXPECT_EQ(Query(path, L"SELECT COUNT(*) FROM ITEM_OUTPUT"), std::to_wstring(2 * kEach));
  for (const std::string& number : saved)
    EXPECT_EQ(Query(path, L"SELECT COUNT(*) FROM INVOICES WHERE INVOICE_NUM = '" +
                              platform::FromUtf8(number) + L"'"),
              L"1")
        << number;
  // No stock movement was lost to the other user's.
  EXPECT_EQ(std::stod(platform::ToUtf8(Query(
                path, L"SELECT QUANTITY_ON_STOCK FROM ITEMS WHERE OBJECT_ID = " + std::to_wstring(itemId)))),
            1000.0 - 2 * kEach);
  EXPECT_EQ(Query(path, L"SELECT SETT_VALUE FROM SETTINGS WHERE SETT_FIELD = 'INVOICE_NUM'"),
            std::to_wstring(2 * kEach + 1));

  // A refusal says what happened in words a user understands.
  for (const auto& [text, count] : refusals) {
    EXPECT_TRUE(text == platform::ToUtf8(kConcurrentChangeText) ||
                text == platform::ToUtf8(kInvoiceNumberTakenText))
        << count << " x " << text;
  }
}

// A login the server refuses (a wrong password, or none given) says so and
// how to give it; no other database file is offered, for any file on that
// server would be refused the same.
TEST_F(SharedDatabase, ARefusedLoginSaysHowToGiveItAndOffersNoOtherFile) {
  FirebirdServer server(m_dir / "server");
  const std::string path = server.DatabasePath("office.fdb");
  std::string output;
  ASSERT_EQ(server.Run({CORVANE_NEWDB, "--register", path}, &output), 0) << output;
  int offers = 0;
  SetDatabaseRecovery([&](const std::wstring&, const std::wstring&) -> std::optional<std::wstring> {
    ++offers;
    return std::nullopt;
  });
  const struct {
    const char* user;
    const char* password;  // nullptr: not set
  } logins[] = {{"SYSDBA", "wrong-password"}, {nullptr, nullptr}, {"corvane", nullptr}};
  for (const auto& login : logins) {
    if (login.user) setenv("ISC_USER", login.user, 1); else unsetenv("ISC_USER");
    if (login.password) setenv("ISC_PASSWORD", login.password, 1); else unsetenv("ISC_PASSWORD");
    DisconnectDatabase();
    std::wstring said;
    try {
      GetDatabase();
    } catch (const Invoice::DbException& error) {
      said = error.GetText();
    }
    EXPECT_EQ(said, LoginRefusedText(path, login.user ? login.user : "SYSDBA"));
    EXPECT_NE(said.find(L"ISC_USER and ISC_PASSWORD"), std::wstring::npos);
  }
  EXPECT_EQ(offers, 0);
  SetDatabaseRecovery(nullptr);
  DisconnectDatabase();
  unsetenv("ISC_USER");
  unsetenv("ISC_PASSWORD");
}

// One receipt opened by two users: the second user's save comes after the
// first user replaced it. It is refused with the words for a concurrent
// change, and saving again as those words ask is refused too: one receipt,
// and the stock moved once.
TEST_F(SharedDatabase, AReceiptReplacedByAnotherUserIsNotStoredASecondTime) {
  FirebirdServer server(m_dir / "server");
  const std::string path = server.DatabasePath("stock.fdb");
  std::string output;
  ASSERT_EQ(server.Run({CORVANE_NEWDB, path}, &output), 0) << output;
  ASSERT_EQ(server.Run({CORVANE_INVOICE_SAVER, "seed", path}, &output), 0) << output;
  const std::string receipt = platform::ToUtf8(Query(path, L"SELECT MAX(OBJECT_ID) FROM ITEM_INPUT"));
  ASSERT_FALSE(receipt.empty());

  const std::filesystem::path gate = m_dir / "gate";
  const std::filesystem::path firstOut = m_dir / "first.out";
  const pid_t first =
      server.Start({CORVANE_INVOICE_SAVER, "edit-receipt", path, receipt, "994", gate.string()}, firstOut);
  // The first user has read the receipt before the second one saves.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
  while (FirebirdServer::ReadFile(firstOut).find("READ") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(server.Run({CORVANE_INVOICE_SAVER, "edit-receipt", path, receipt, "993"}, &output), 0);
  EXPECT_EQ(output, "SAVED\n");
  std::ofstream(gate) << "";
  EXPECT_EQ(FirebirdServer::Wait(first), 0);
  const std::string refused = "REFUSED " + platform::ToUtf8(kConcurrentChangeText) + "\n";
  EXPECT_EQ(FirebirdServer::ReadFile(firstOut), "READ\n" + refused + refused);

  EXPECT_EQ(Query(path, L"SELECT COUNT(*) FROM ITEM_INPUT"), L"1");
  EXPECT_EQ(std::stod(platform::ToUtf8(Query(path, L"SELECT QUANTITY_ON_STOCK FROM ITEMS"))), 993.0);
}

}  // namespace
