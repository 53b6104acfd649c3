#include "platform/CommandLine.h"

#include <fstream>
#include <iterator>

#include "platform/TextCodec.h"

namespace platform {

std::vector<std::wstring> ArgumentsFromCmdline(const std::string& cmdline) {
  std::vector<std::wstring> arguments;
  size_t start = 0;
  bool first = true;
  while (start < cmdline.size()) {
    size_t end = cmdline.find('\0', start);
    if (end == std::string::npos) end = cmdline.size();
    if (!first) arguments.push_back(FromUtf8(std::string_view(cmdline).substr(start, end - start)));
    first = false;
    start = end + 1;
  }
  return arguments;
}

std::vector<std::wstring> CommandLineArguments() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  return ArgumentsFromCmdline(
      std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

}  // namespace platform
