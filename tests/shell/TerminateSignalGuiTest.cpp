// SIGTERM from another process ends the main program as File > Exit does,
// with no input events at all: on a window left idle, and while the program
// is starting and attaching its database. The program runs as its own
// process on the test's display; the database and the stored database path
// are intact afterwards.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "ProgramProcess.h"
#include "data/Connection.h"
#include "data/DatabaseVersion.h"
#include "platform/RegistryStore.h"
#include "platform/TextCodec.h"
#include "tests/shell/ShellFixtures.h"

namespace corvane::test {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

const std::wstring kSettings = L"Software\\Corvane\\Settings";

class TerminateSignalGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_database = m_dir.Path() / "corvane.fdb";
    MakeSchemaDatabase(m_database);
    platform::RegistryStore store(StoreFile());
    ASSERT_EQ(store.SetValue(kSettings, L"DatabaseFile",
                             platform::RegistryValue::String(platform::WideFromPath(m_database))),
              platform::kRegistryOk);
  }

  fs::path StoreFile() const { return m_dir.Path() / "config" / "Corvane" / "registry.txt"; }

  // The program on the test's display with a config store of its own.
  pid_t Launch() {
    m_program = std::make_unique<ProgramProcess>(
        CORVANE_PROGRAM, std::vector<std::string>{},
        std::vector<std::string>{"XDG_CONFIG_HOME=" + (m_dir.Path() / "config").string()});
    return m_program->Pid();
  }

  // Ended by itself with exit code 0 within a minute (a program that stays,
  // or dies of the signal, has not ended as File > Exit does), leaving the
  // stored path and a database that opens as before, at the version it had.
  void ExpectEndedAsExitDoes(int version = kDatabaseVersionCurrent) {
    const std::optional<int> status = m_program->WaitForExit(seconds(60));
    if (!status) {
      // Where it stands, for whoever reads the failure (when gdb is there).
      const std::string command = "gdb -p " + std::to_string(m_program->Pid()) +
                                  " -batch -ex 'thread apply all bt' 2>&1 | grep -E '^(#|Thread)' >&2";
      (void)std::system(command.c_str());
    }
    ASSERT_TRUE(status) << "the program did not end";
    ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << (WIFSIGNALED(*status) ? WTERMSIG(*status) : 0);
    EXPECT_EQ(WEXITSTATUS(*status), 0);
    platform::RegistryStore store(StoreFile());
    platform::RegistryValue stored;
    ASSERT_EQ(store.GetValue(kSettings, L"DatabaseFile", stored), platform::kRegistryOk);
    EXPECT_EQ(stored.text, platform::WideFromPath(m_database));
    ConnectDatabaseFile(m_database.string());
    EXPECT_EQ(CheckDatabaseVersion(), version);
    DisconnectDatabase();
  }

  TempDir m_dir;
  fs::path m_database;
  std::unique_ptr<ProgramProcess> m_program;
};

TEST_F(TerminateSignalGuiTest, OnAnIdleWindowTheSignalAloneEndsTheProgram) {
  const pid_t pid = Launch();
  ASSERT_GT(pid, 0);
  ASSERT_TRUE(PollUntil(
      [&] {
        for (const std::string& title : WindowTitles(pid))
          if (title.rfind("Corvane", 0) == 0) return true;
        return false;
      },
      seconds(60)));
  // Idle: the main thread keeps waiting for events, sampled for half a second.
  ASSERT_TRUE(PollUntil(
      [&] {
        for (int sample = 0; sample < 50; ++sample) {
          if (MainThreadState(pid) != 'S') return false;
          std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
      },
      seconds(30)));
  ASSERT_EQ(::kill(pid, SIGTERM), 0);
  ExpectEndedAsExitDoes();
}

TEST_F(TerminateSignalGuiTest, ASignalWhileTheDatabaseIsAttachedAtStartUpEndsTheProgram) {
  const pid_t pid = Launch();
  ASSERT_GT(pid, 0);
  ASSERT_TRUE(PollUntil([&] { return HasFileOpen(pid, m_database); }, seconds(60)));
  ASSERT_EQ(::kill(pid, SIGTERM), 0);
  ExpectEndedAsExitDoes();
}

// Start-up asks whether to upgrade an older database; the signal ends the
// program without an answer, and the database is left as it was.
TEST_F(TerminateSignalGuiTest, ASignalWhileStartUpAsksAQuestionEndsTheProgram) {
  fs::remove(m_database);
  MakeLegacyDatabase(m_database, L"1.205");
  const pid_t pid = Launch();
  ASSERT_GT(pid, 0);
  // The question is the program's only window while it is asked.
  ASSERT_TRUE(PollUntil(
      [&] {
        const std::vector<std::string> titles = WindowTitles(pid);
        return titles == std::vector<std::string>{"Corvane"};
      },
      seconds(60)));
  ASSERT_EQ(::kill(pid, SIGTERM), 0);
  ExpectEndedAsExitDoes(kDatabaseVersionOlder);
}

// Right after the program took the signal over: before the toolkit and the
// database are up, as far as the timing goes.
TEST_F(TerminateSignalGuiTest, ASignalAsSoonAsTheProgramHandlesItEndsTheProgram) {
  const pid_t pid = Launch();
  ASSERT_GT(pid, 0);
  ASSERT_TRUE(PollUntil([&] { return CatchesSignal(pid, SIGTERM); }, seconds(60)));
  ASSERT_EQ(::kill(pid, SIGTERM), 0);
  ExpectEndedAsExitDoes();
}

}  // namespace
}  // namespace corvane::test
