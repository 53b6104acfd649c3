#pragma once

// The command line of corvane-templates, kept out of main() so tests can run it.
//
//   corvane-templates [--] FOLDER    write the shipped templates into FOLDER
//   corvane-templates --help         print the usage
//
// Anything else that starts with "-" is an option the tool does not know:
// it is refused, never taken for a folder. "--" lets a folder name start
// with "-".

#include <iosfwd>
#include <string>
#include <vector>

// Returns the exit code: 0 done, 1 failed, 2 wrong usage.
int RunTemplatesCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
