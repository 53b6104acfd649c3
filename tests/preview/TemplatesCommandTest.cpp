// The command line of corvane-templates: options are never taken for the
// folder to write into.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestEnvironment.h"
#include "tools/TemplatesCommand.h"

namespace {

class TemplatesCommandTest : public ::testing::Test {
protected:
  int Run(const std::vector<std::string>& arguments) {
    m_out.str("");
    m_err.str("");
    // Relative folders land in the test's own folder.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.Path());
    const int code = RunTemplatesCommand(arguments, m_out, m_err);
    std::filesystem::current_path(before);
    return code;
  }
  bool Wrote(const std::string& folder) const {
    return std::filesystem::exists(m_dir.Path() / folder / "invoice-a4.zlt");
  }
  size_t EntriesMade() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(m_dir.Path()), {}));
  }

  corvane::test::TempDir m_dir;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

TEST_F(TemplatesCommandTest, HelpAndUnknownOptionsWriteNothing) {
  struct Case {
    std::vector<std::string> arguments;
    int code;
  };
  const Case cases[] = {
      {{"--help"}, 0}, {{"-h"}, 0}, {{"--force"}, 2}, {{"-x", "out"}, 2}, {{}, 2}, {{"a", "b"}, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.arguments), c.code) << (c.arguments.empty() ? "" : c.arguments[0]);
    EXPECT_EQ(EntriesMade(), 0u) << (c.arguments.empty() ? "" : c.arguments[0]);
  }
  Run({"--help"});
  EXPECT_NE(m_out.str().find("Usage: corvane-templates"), std::string::npos);
  Run({"--force"});
  EXPECT_NE(m_err.str().find("unknown option --force"), std::string::npos);
}

TEST_F(TemplatesCommandTest, AFolderIsWrittenAndDashDashLetsItsNameStartWithADash) {
  EXPECT_EQ(Run({"out"}), 0);
  EXPECT_TRUE(Wrote("out"));
  EXPECT_EQ(Run({"--", "--help"}), 0);
  EXPECT_TRUE(Wrote("--help"));
}

}  // namespace
