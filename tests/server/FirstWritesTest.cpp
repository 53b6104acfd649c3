// Users on one server database who write the same thing for the first time
// at once: a price of an item in a list that has none yet, the settings a
// new database does not hold yet. Each ends as one row.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FirebirdServer.h"
#include "ServerQuery.h"
#include "TestEnvironment.h"
#include "data/Connection.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::FirebirdServer;

struct Finished {
  int code;
  std::string output;
};

class FirstWrites : public ::testing::Test {
protected:
  void SetUp() override { setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1); }

  // A new database on the server, as the program's database tool makes it.
  std::string NewDatabase(const std::string& name) {
    const std::string path = m_server.DatabasePath(name);
    std::string output;
    EXPECT_EQ(m_server.Run({CORVANE_NEWDB, path}, &output), 0) << output;
    return path;
  }

  // Starts every user, lets all of them go at once when each has said
  // "READY", and waits for them.
  std::vector<Finished> AtOnce(const std::vector<std::vector<std::string>>& users) {
    const std::filesystem::path gate = m_dir / ("gate" + std::to_string(++m_runs));
    std::vector<pid_t> pids;
    std::vector<std::filesystem::path> outputs;
    for (size_t i = 0; i < users.size(); ++i) {
      std::vector<std::string> arguments = users[i];
      arguments.push_back(gate.string());
      outputs.push_back(m_dir / ("user" + std::to_string(m_runs) + "-" + std::to_string(i) + ".out"));
      pids.push_back(m_server.Start(arguments, outputs.back()));
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
    for (const std::filesystem::path& output : outputs)
      while (FirebirdServer::ReadFile(output).find("READY\n") == std::string::npos &&
             std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ofstream(gate) << "";
    std::vector<Finished> finished;
    for (size_t i = 0; i < pids.size(); ++i) {
      const int code = FirebirdServer::Wait(pids[i]);
      finished.push_back({code, FirebirdServer::ReadFile(outputs[i])});
    }
    return finished;
  }

  std::wstring Query(const std::string& path, const std::wstring& sql) {
    return corvane::test::QueryServer(path, sql);
  }

  corvane::test::TempDir m_dir;
  FirebirdServer m_server{m_dir / "server"};
  int m_runs = 0;
};

const std::string kRefused = "REFUSED " + platform::ToUtf8(kConcurrentChangeText) + "\n";

TEST_F(FirstWrites, TheSameNewPriceSavedOnTheItemPageAndInThePriceListFormAtOnceIsOneRow) {
  const std::string path = NewDatabase("prices.fdb");
  std::string output;
  ASSERT_EQ(m_server.Run({CORVANE_FIRST_WRITER, "seed", path}, &output), 0) << output;
  std::istringstream seeded(output);
  std::string word, item, group;
  seeded >> word >> item >> word >> group;
  ASSERT_FALSE(group.empty()) << output;

  // Both saves began before either wrote: neither can read what the other adds.
  const std::vector<Finished> users =
      AtOnce({{CORVANE_FIRST_WRITER, "price", path, "item", item, group, "4.25"},
              {CORVANE_FIRST_WRITER, "price", path, "list", item, group, "5.5"}});
  const std::string pagePrice = "4.25";
  const std::string formPrice = "5.5";
  int refusals = 0;
  std::string savedLast;
  for (size_t i = 0; i < users.size(); ++i) {
    EXPECT_EQ(users[i].code, 0) << users[i].output;
    // The later one is told and, saving again, writes onto the row the other added.
    if (users[i].output == "READY\n" + kRefused + "SAVED\n") {
      ++refusals;
      savedLast = i == 0 ? pagePrice : formPrice;
    } else {
      EXPECT_EQ(users[i].output, "READY\nSAVED\n");
    }
  }
  EXPECT_EQ(refusals, 1);

  const std::wstring where = L" FROM PRICE_LIST WHERE ITEM_OBJECT_ID = " + platform::FromUtf8(item) +
                             L" AND PRICE_GROUP_OBJECT_ID = " + platform::FromUtf8(group);
  EXPECT_EQ(Query(path, L"SELECT COUNT(*)" + where), L"1");
  if (!savedLast.empty()) {
    EXPECT_EQ(std::stod(platform::ToUtf8(Query(path, L"SELECT PRICE" + where))), std::stod(savedLast));
  }
}

const std::wstring kKeysOfANewInvoice[] = {L"INVOICE_NUM", L"MY_COMPANY_ID", L"OUTPUT_DEFAULT_PRICE_GROUP"};

std::wstring KeyCount(const std::wstring& key) {
  return L"SELECT COUNT(*) FROM SETTINGS WHERE SETT_FIELD = '" + key + L"'";
}

// Units of work begun together each read keys the database does not hold:
// the first write of a key waits for the one before, and the later units are
// refused and, tried again, read the stored rows.
TEST_F(FirstWrites, MissingSettingsReadInUnitsOfWorkBegunTogetherAreStoredOnce) {
  const std::string path = NewDatabase("settings.fdb");
  const std::vector<std::string> user{CORVANE_FIRST_WRITER, "settings", path};
  const std::vector<Finished> users = AtOnce({user, user, user});
  int refusals = 0;
  for (const Finished& finished : users) {
    EXPECT_EQ(finished.code, 0) << finished.output;
    if (finished.output == "READY\n" + kRefused + "SAVED\n")
      ++refusals;
    else
      EXPECT_EQ(finished.output, "READY\nSAVED\n");
  }
  EXPECT_EQ(refusals, 2);
  for (const std::wstring& key : kKeysOfANewInvoice)
    EXPECT_EQ(Query(path, KeyCount(key)), L"1") << platform::ToUtf8(key);
}

// Three users open their first new invoice on a new database at once: every
// setting the invoice reads is stored once, and each user sees the first
// number without a message.
TEST_F(FirstWrites, ThreeUsersOpeningTheirFirstNewInvoiceAtOnceStoreEachSettingOnce) {
  const std::string path = NewDatabase("invoices.fdb");
  const std::vector<std::string> user{CORVANE_FIRST_WRITER, "open-invoice", path};
  const std::vector<Finished> users = AtOnce({user, user, user});
  for (const Finished& finished : users) {
    EXPECT_EQ(finished.code, 0) << finished.output;
    EXPECT_EQ(finished.output.rfind("READY\nOPENED 0001/", 0), 0u) << finished.output;
    EXPECT_EQ(finished.output, users[0].output);
  }
  for (const std::wstring& key : kKeysOfANewInvoice)
    EXPECT_EQ(Query(path, KeyCount(key)), L"1") << platform::ToUtf8(key);
  EXPECT_EQ(Query(path, L"SELECT COUNT(*) FROM SETTINGS"),
            Query(path, L"SELECT COUNT(DISTINCT SETT_FIELD) FROM SETTINGS"));
}

}  // namespace
