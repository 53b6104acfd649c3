#include "TestEnvironment.h"

#include <atomic>
#include <clocale>
#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace corvane::test {
namespace {

std::filesystem::path MakeProcessDir() {
  std::filesystem::path base;
  if (const char* root = std::getenv("CORVANE_TEST_TMP"); root && *root)
    base = root;
  else
    base = std::filesystem::temp_directory_path() / "corvane-tests";
  auto dir = base / ("p" + std::to_string(::getpid()));
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  std::filesystem::create_directories(dir);
  return dir;
}

struct ProcessDir {
  std::filesystem::path path = MakeProcessDir();
  ~ProcessDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

ProcessDir& Dir() {
  static ProcessDir dir;
  return dir;
}

}  // namespace

const std::filesystem::path& ProcessTempDir() { return Dir().path; }

void PrepareProcessEnvironment() {
  const auto& dir = ProcessTempDir();
  for (const char* sub : {"config", "fblock", "fbtmp", "data"})
    std::filesystem::create_directories(dir / sub);
  ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  ::setenv("FIREBIRD_LOCK", (dir / "fblock").c_str(), 1);
  ::setenv("FIREBIRD_TMP", (dir / "fbtmp").c_str(), 1);
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  m_path = ProcessTempDir() / ("t" + std::to_string(++counter));
  std::error_code ec;
  std::filesystem::remove_all(m_path, ec);
  std::filesystem::create_directories(m_path);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(m_path, ec);
}

}  // namespace corvane::test
