#pragma once

// A Firebird server of the test's own: the distribution's server program run
// as a plain child process on a free port of 127.0.0.1, with its own
// configuration, lock folder and security database (SYSDBA with a password
// of its own). Stopped, and waited for, when the object goes.

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace corvane::test {

class FirebirdServer {
public:
  static constexpr char kServerProgram[] = "/usr/sbin/firebird";
  static constexpr char kPassword[] = "shared-office-7";

  // Starts the server in `dir`; throws std::runtime_error with the reason
  // when it does not come up.
  explicit FirebirdServer(const std::filesystem::path& dir) : m_dir(dir) {
    if (!std::filesystem::exists(kServerProgram))
      throw std::runtime_error(std::string(kServerProgram) + " is missing: install firebird3.0-server");
    const std::filesystem::path root = m_dir / "root";
    for (const char* sub : {"root", "lock", "tmp", "db"}) std::filesystem::create_directories(m_dir / sub);
    const std::filesystem::path installed = InstalledRoot();
    for (const char* shared : {"plugins", "intl", "lib", "UDF", "firebird.msg", "plugins.conf"})
      if (std::filesystem::exists(installed / shared))
        std::filesystem::create_symlink(installed / shared, root / shared);
    std::ofstream(root / "databases.conf") << "";
    CreateSecurityDatabase();
    // A port found free can be taken by someone else before the server
    // binds it: then the server ends, and another port is tried.
    std::string last;
    for (int attempt = 0; attempt < 5; ++attempt) {
      m_port = FreePort();
      WriteConfig(m_port);
      m_pid = Spawn({kServerProgram}, m_dir / "server.log");
      if (WaitUntilListening(std::chrono::seconds(120))) return;
      last = "the server did not listen on port " + std::to_string(m_port);
      Stop();
    }
    throw std::runtime_error(last);
  }
  ~FirebirdServer() { Stop(); }
  FirebirdServer(const FirebirdServer&) = delete;
  FirebirdServer& operator=(const FirebirdServer&) = delete;

  int Port() const { return m_port; }
  // A database path on this server, "127.0.0.1/port:/dir/db/name".
  std::string DatabasePath(const std::string& name) const {
    return "127.0.0.1/" + std::to_string(m_port) + ":" + (m_dir / "db" / name).string();
  }

  // Runs a program with the server's environment and waits for it; its exit
  // code, its standard output in `output`.
  int Run(const std::vector<std::string>& arguments, std::string* output = nullptr) const {
    const std::filesystem::path out = m_dir / ("run" + std::to_string(++m_runs) + ".out");
    const pid_t pid = Spawn(arguments, out);
    const int code = Wait(pid);
    if (output) *output = ReadFile(out);
    return code;
  }
  pid_t Start(const std::vector<std::string>& arguments, const std::filesystem::path& output) const {
    return Spawn(arguments, output);
  }
  static int Wait(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  static std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

private:
  // The folder of the installed server's plugins and messages.
  static std::filesystem::path InstalledRoot() {
    for (const char* candidate : {"/usr/lib/x86_64-linux-gnu/firebird/3.0",
                                  "/usr/lib/aarch64-linux-gnu/firebird/3.0", "/usr/lib/firebird/3.0"})
      if (std::filesystem::exists(std::filesystem::path(candidate) / "plugins")) return candidate;
    throw std::runtime_error("the Firebird 3 plugins folder is missing");
  }

  void WriteConfig(int port) const {
    std::ofstream(m_dir / "root" / "firebird.conf")
        << "RemoteServicePort = " << port << "\n"
        << "RemoteBindAddress = 127.0.0.1\n"
        << "SecurityDatabase = " << (m_dir / "security3.fdb").string() << "\n"
        << "ServerMode = Super\n";
  }

  // An empty database made the security database, with SYSDBA's password
  // set through the engine's own user management (which adds its tables).
  void CreateSecurityDatabase() {
    WriteConfig(0);
    const std::filesystem::path script = m_dir / "security.sql";
    std::ofstream(script) << "CREATE DATABASE '" << (m_dir / "security3.fdb").string() << "';\n"
                          << "CREATE USER SYSDBA PASSWORD '" << kPassword << "' USING PLUGIN Srp;\n"
                          << "COMMIT;\n";
    std::string output;
    if (Run({"isql-fb", "-q", "-user", "SYSDBA", "-i", script.string()}, &output) != 0)
      throw std::runtime_error("the security database could not be made:\n" + output);
  }

  static int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
      port = ntohs(address.sin_port);
    if (fd >= 0) ::close(fd);
    if (port == 0) throw std::runtime_error("no free local port");
    return port;
  }

  bool IsListening() const {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(m_port));
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
  }

  // Polls until the server accepts connections; false when it ended first
  // or the deadline passed. Generous: a loaded machine starts it slowly.
  bool WaitUntilListening(std::chrono::seconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < end) {
      int status = 0;
      if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_pid = -1;
        return false;
      }
      if (IsListening()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  void Stop() {
    if (m_pid <= 0) return;
    ::kill(m_pid, SIGTERM);
    if (!WaitForEnd(std::chrono::seconds(15))) {
      ::kill(m_pid, SIGKILL);
      WaitForEnd(std::chrono::seconds(60));
    }
    m_pid = -1;
  }

  // Whether the server ended within the time. The client library may have
  // set children to be reaped unasked: then the process is watched instead.
  bool WaitForEnd(std::chrono::seconds deadline) const {
    const auto end = std::chrono::steady_clock::now() + deadline;
    do {
      int status = 0;
      const pid_t done = ::waitpid(m_pid, &status, WNOHANG);
      if (done == m_pid || (done < 0 && errno == ECHILD && ::kill(m_pid, 0) != 0)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < end);
    return false;
  }

  // Starts a program with the server's environment (FIREBIRD naming the
  // configuration, its own lock and temp folders, the SYSDBA login for
  // clients), its standard output and error into `output`.
  pid_t Spawn(const std::vector<std::string>& arguments, const std::filesystem::path& output) const {
    std::vector<std::string> environment;
    auto isServers = [](const std::string& variable) {
      for (const char* name : {"FIREBIRD=", "FIREBIRD_LOCK=", "FIREBIRD_TMP=", "ISC_USER=", "ISC_PASSWORD="})
        if (variable.rfind(name, 0) == 0) return true;
      return false;
    };
    for (char** entry = environ; *entry; ++entry)
      if (!isServers(*entry)) environment.push_back(*entry);
    environment.push_back("FIREBIRD=" + (m_dir / "root").string());
    environment.push_back("FIREBIRD_LOCK=" + (m_dir / "lock").string());
    environment.push_back("FIREBIRD_TMP=" + (m_dir / "tmp").string());
    environment.push_back("ISC_USER=SYSDBA");
    environment.push_back(std::string("ISC_PASSWORD=") + kPassword);
    std::vector<char*> argv, envp;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    for (const std::string& variable : environment) envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const int error = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error("cannot start " + arguments[0]);
    return pid;
  }

  std::filesystem::path m_dir;
  int m_port = 0;
  pid_t m_pid = -1;
  mutable int m_runs = 0;
};

}  // namespace corvane::test
