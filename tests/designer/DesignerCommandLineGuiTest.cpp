// The designer started with a template file whose name is not ASCII opens
// that file, under the C locale as under C.UTF-8: the name on the command
// line reaches the file system as the bytes that were given.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ProgramProcess.h"
#include "TestEnvironment.h"
#include "template/CPlandelDoc.h"

namespace corvane::test {
namespace {

TEST(DesignerCommandLineGuiTest, ATemplateWithANonAsciiNameOpensUnderEveryLocale) {
  TempDir dir;
  const std::filesystem::path file = dir / "Rechnung-M\xc3\xbcller.zlt";
  CPlandelDoc doc;
  doc.OnNewDocument();
  doc.Save(file);
  for (const char* locale : {"C", "C.UTF-8"}) {
    SCOPED_TRACE(locale);
    ProgramProcess designer(
        CORVANE_DESIGNER, {file.string()},
        {std::string("LC_ALL=") + locale, "XDG_CONFIG_HOME=" + (dir / "config").string()});
    ASSERT_GT(designer.Pid(), 0);
    // The main window names the opened file.
    std::vector<std::string> titles;
    EXPECT_TRUE(PollUntil(
        [&] {
          titles = WindowTitles(designer.Pid());
          for (const std::string& title : titles)
            if (title == "Rechnung-M\xc3\xbcller.zlt - Corvan Designer") return true;
          return false;
        },
        std::chrono::seconds(60)))
        << (titles.empty() ? std::string("no window") : titles[0]);
  }
}

}  // namespace
}  // namespace corvane::test
