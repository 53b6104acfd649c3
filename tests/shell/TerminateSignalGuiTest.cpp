// SIGTERM from another process ends the main program as File > Exit does,
// with no input events at all: on a window left idle, and while the program
// is starting and attaching its database. The program runs as its own
// process on the test's display; the database and the stored database path
// are intact afterwards.
#include <thread>

#include "tests/shell/TerminateSignalFixture.h"

namespace corvane::test {
namespace {

using std::chrono::seconds;

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
