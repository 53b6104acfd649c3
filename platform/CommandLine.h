#pragma once

// The program's command-line arguments as the file system sees them: the
// bytes are UTF-8 whatever the locale. (The toolkit decodes its argv by the
// locale, which under the C locale turns "Müller" into "MÃ¼ller".)

#include <string>
#include <vector>

namespace platform {

// The arguments after the program name, as given to the process.
std::vector<std::wstring> CommandLineArguments();

// The same from the bytes of /proc/self/cmdline (NUL-terminated arguments,
// the program name first); exposed for tests.
std::vector<std::wstring> ArgumentsFromCmdline(const std::string& cmdline);

}  // namespace platform
