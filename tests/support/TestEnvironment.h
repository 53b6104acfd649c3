#pragma once

#include <filesystem>
#include <string>

namespace corvane::test {

// Points every per-user and engine folder (config store, Firebird lock and
// temp folders) at a fresh folder of this test process, so tests never touch
// the developer's own settings or databases. Called once by the test mains.
void PrepareProcessEnvironment();

// The folder created for this process; removed at exit.
const std::filesystem::path& ProcessTempDir();

// A folder of its own for one test, created empty and removed by the destructor.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return m_path; }
  std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
  std::filesystem::path m_path;
};

}  // namespace corvane::test
