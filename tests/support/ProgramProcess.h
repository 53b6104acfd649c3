#pragma once

// Running one of our programs as a process of its own on the test's display,
// and watching it from outside without sending it any input: its windows
// (asked of the X server), its open files and its threads (from /proc).
// Link corvane_test_programs to use it.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace corvane::test {

// Polls every millisecond until the condition holds or the time is up.
inline bool PollUntil(const std::function<bool()>& condition, std::chrono::seconds limit) {
  const auto until = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

inline bool HasFileOpen(pid_t pid, const std::filesystem::path& file) {
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    std::error_code ignored;
    if (std::filesystem::read_symlink(entry.path(), ignored) == file) return true;
  }
  return false;
}

// The state letter of the process's main thread ('S': waiting for something).
inline char MainThreadState(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  const size_t name = line.rfind(')');
  return name != std::string::npos && name + 2 < line.size() ? line[name + 2] : '?';
}

// True when the process has installed a handler of its own for the signal.
inline bool CatchesSignal(pid_t pid, int signal) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
  return false;
}

// The UTF-8 titles of the viewable top-level windows of the process (asked
// of the X server on DISPLAY; no input is sent).
std::vector<std::string> WindowTitles(pid_t pid);

// Gives the keyboard focus to the process's viewable top-level window of that
// title and puts it on top, as a click on it would; false when there is none.
bool FocusWindow(pid_t pid, const std::string& title);

// One program started with the test's environment plus the given variables;
// killed when the object goes, unless it has ended before.
class ProgramProcess {
public:
  ProgramProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::vector<std::string>& variables) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
      bool replaced = false;
      for (const std::string& own : variables)
        replaced = replaced || std::strncmp(*variable, own.c_str(), own.find('=') + 1) == 0;
      if (!replaced) environment.push_back(*variable);
    }
    environment.insert(environment.end(), variables.begin(), variables.end());
    std::vector<std::string> args = {program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv, envp;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    for (std::string& variable : environment) envp.push_back(variable.data());
    envp.push_back(nullptr);
    if (::posix_spawn(&m_pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) m_pid = 0;
  }
  ~ProgramProcess() {
    if (m_pid > 0) {
      ::kill(m_pid, SIGKILL);
      ::waitpid(m_pid, nullptr, 0);
    }
  }
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  pid_t Pid() const { return m_pid; }

  // The wait status once the program has ended by itself within the limit.
  std::optional<int> WaitForExit(std::chrono::seconds limit) {
    int status = 0;
    if (!PollUntil([&] { return ::waitpid(m_pid, &status, WNOHANG) == m_pid; }, limit)) return std::nullopt;
    m_pid = 0;
    return status;
  }

private:
  pid_t m_pid = 0;
};

}  // namespace corvane::test
