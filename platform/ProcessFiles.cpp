#include "platform/ProcessFiles.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>

#include "platform/TextCodec.h"

namespace platform {

std::vector<FileHolder> OtherProcessesWithFileOpen(const std::filesystem::path& file) {
  namespace fs = std::filesystem;
  std::vector<FileHolder> holders;
  std::error_code error;
  const fs::path target = fs::weakly_canonical(file, error);
  if (error) return holders;
  const std::string self = std::to_string(::getpid());
  for (const fs::directory_entry& process : fs::directory_iterator("/proc", error)) {
    const std::string pid = process.path().filename().string();
    if (pid == self || pid.empty() ||
        !std::all_of(pid.begin(), pid.end(), [](unsigned char c) { return std::isdigit(c); }))
      continue;
    std::error_code unreadable;
    for (const fs::directory_entry& descriptor : fs::directory_iterator(process.path() / "fd", unreadable)) {
      std::error_code ignored;
      if (fs::read_symlink(descriptor.path(), ignored) != target) continue;
      std::ifstream comm(process.path() / "comm");
      std::string name;
      std::getline(comm, name);
      holders.push_back({std::stoi(pid), FromUtf8(name)});
      break;
    }
  }
  std::sort(holders.begin(), holders.end(),
            [](const FileHolder& a, const FileHolder& b) { return a.pid < b.pid; });
  return holders;
}

}  // namespace platform
