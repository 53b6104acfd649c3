// The README's steps for keeping a server login on a desktop, run as
// written in a throwaway home folder: the password ends up in a file that
// only its owner can read, and loading that file sets the client's login.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestEnvironment.h"

namespace {

std::vector<std::string> ReadmeLines() {
  std::ifstream in(std::filesystem::path(CORVANE_SOURCE_DIR) / "README.md");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The shell lines of the README that keep the login: from the line that
// makes the login file up to the one that loads it.
std::string LoginSteps(const std::vector<std::string>& lines) {
  std::string steps;
  bool inside = false;
  for (const std::string& line : lines) {
    if (line.find("~/.config/corvane") != std::string::npos && line.rfind("install", 0) == 0) inside = true;
    if (!inside) continue;
    steps += line + "\n";
    if (line.rfind(". ~/.config/corvane/login", 0) == 0) break;
  }
  return steps;
}

TEST(ReadmeLoginTest, ThePasswordIsKeptInAFileOnlyItsOwnerCanRead) {
  const std::vector<std::string> lines = ReadmeLines();
  ASSERT_FALSE(lines.empty());
  for (const std::string& line : lines)
    if (line.find("ISC_PASSWORD=") != std::string::npos)
      EXPECT_EQ(line.find(".profile"), std::string::npos) << "a login in a file others may read: " << line;

  const std::string steps = LoginSteps(lines);
  ASSERT_NE(steps.find(". ~/.config/corvane/login"), std::string::npos) << "the README shows no login file";
  corvane::test::TempDir home;
  const std::filesystem::path script = home / "steps.sh";
  const std::filesystem::path result = home / "result.txt";
  std::ofstream(script) << "set -e\nexport HOME='" << home.Path().string()
                        << "'\nunset ISC_USER ISC_PASSWORD\n"
                        << steps << "printf '%s %s' \"$ISC_USER\" \"$ISC_PASSWORD\" > '" << result.string()
                        << "'\n";
  ASSERT_EQ(std::system(("bash '" + script.string() + "'").c_str()), 0) << steps;

  struct stat file {};
  ASSERT_EQ(::stat((home / ".config/corvane/login").c_str(), &file), 0);
  EXPECT_EQ(file.st_mode & 0777, 0600u) << "the login file must be readable by its owner alone";
  std::ifstream in(result);
  std::stringstream loaded;
  loaded << in.rdbuf();
  EXPECT_EQ(loaded.str(), "corvane choose-one");
}

}  // namespace
