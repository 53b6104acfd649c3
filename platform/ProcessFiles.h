#pragma once

// Which other processes of this user hold a file open, read from /proc.

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

struct FileHolder {
  int pid = 0;
  std::wstring name;  // the program's name as the system keeps it (comm)
};

// The processes other than this one that have the file open, by process id.
// Processes whose open files cannot be read (another user's) are not listed.
std::vector<FileHolder> OtherProcessesWithFileOpen(const std::filesystem::path& file);

}  // namespace platform
