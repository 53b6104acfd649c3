// A database on a server, in a folder whose name holds letters beyond
// ASCII: the database tool makes it there and opens it again, whatever
// locale the tool runs under. The server itself runs under a UTF-8 locale:
// it turns the names it is sent into its own locale's character set, and
// under the plain C locale no client could name such a folder to it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "FirebirdServer.h"
#include "ServerQuery.h"
#include "TestEnvironment.h"

namespace {

using corvane::test::FirebirdServer;

TEST(ServerFolderNames, TheDatabaseToolMakesAndOpensADatabaseInAFolderWithLettersBeyondAscii) {
  corvane::test::TempDir dir;
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  setenv("LC_ALL", "C.UTF-8", 1);
  FirebirdServer server(dir / "server");
  std::filesystem::create_directories(dir / "server" / "db" / "Müller Ä");
  for (const char* locale : {"C", "C.UTF-8"}) {
    SCOPED_TRACE(locale);
    setenv("LC_ALL", locale, 1);
    const std::string path = server.DatabasePath("Müller Ä/Daten ß " + std::string(locale) + ".fdb");
    std::string output;
    EXPECT_EQ(server.Run({CORVANE_NEWDB, path}, &output), 0) << output;
    EXPECT_TRUE(
        std::filesystem::exists(dir / "server" / "db" / "Müller Ä" / ("Daten ß " + std::string(locale) + ".fdb")));
    EXPECT_EQ(server.Run({CORVANE_NEWDB, "--register-existing", path}, &output), 0) << output;
    EXPECT_EQ(corvane::test::QueryServer(path, L"SELECT SETT_VALUE FROM SETTINGS WHERE SETT_FIELD = 'version'"),
              L"1.206");
  }
  unsetenv("LC_ALL");
}

}  // namespace
