// Every path the README names in the build tree ("build/...") is built
// there, and every path it names in the repository ("tools/...",
// "docs/...") is in it: a moved program or picture shows here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string ReadReadme() {
  std::ifstream in(std::filesystem::path(CORVANE_SOURCE_DIR) / "README.md");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The paths of the README that start with one of the folders, as written.
std::set<std::string> PathsUnder(const std::string& text, const std::string& folder) {
  std::set<std::string> paths;
  const std::regex path("(^|[\\s`(\"'])(" + folder + "/[A-Za-z0-9_./-]*[A-Za-z0-9_])");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), path); it != std::sregex_iterator(); ++it)
    paths.insert((*it)[2].str());
  return paths;
}

TEST(ReadmePathsTest, TheBuildTreePathsItNamesAreBuilt) {
  const std::string text = ReadReadme();
  ASSERT_FALSE(text.empty());
  const std::set<std::string> paths = PathsUnder(text, "build");
  EXPECT_TRUE(paths.count("build/shell/app/Corvane"));  // the README names the main program
  for (const std::string& path : paths) {
    const std::filesystem::path built = std::filesystem::path(CORVANE_BINARY_DIR) / path.substr(6);
    EXPECT_TRUE(std::filesystem::exists(built)) << path << " is named in the README but not built";
  }
}

TEST(ReadmePathsTest, TheRepositoryPathsItNamesExist) {
  const std::string text = ReadReadme();
  for (const char* folder : {"tools", "docs"})
    for (const std::string& path : PathsUnder(text, folder))
      EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(CORVANE_SOURCE_DIR) / path))
          << path << " is named in the README but not in the repository";
}

}  // namespace
