#include "platform/FileDialogs.h"

#include <gtest/gtest.h>

#include <fstream>

#include "Locales.h"
#include "TestEnvironment.h"
#include "platform/TextCodec.h"

using namespace platform;

TEST(FileDialogsTest, WindowsFilterBecomesWxWildcardWithCaseVariants) {
  struct Case {
    std::wstring windows, wx;
  };
  const Case cases[] = {
      {L"Invoice.gdb|*.GDB|", L"Invoice.gdb|*.GDB;*.gdb"},
      {L"Templates (*.zlt)|*.zlt|All Files (*.*)|*.*||",
       L"Templates (*.zlt)|*.zlt;*.ZLT|All Files (*.*)|*.*"},
      {L"Pictures|*.bmp;*.JPG|", L"Pictures|*.bmp;*.BMP;*.JPG;*.jpg"},
      {L"", L""},
      {L"No pattern|", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(ToWxWildcard(c.windows), c.wx) << c.windows;
}

TEST(FileDialogsTest, DefaultExtensionIsAddedOnlyToNewNamesWithoutOne) {
  corvane::test::TempDir dir;
  const std::wstring existing = (dir / "plain").wstring();
  std::ofstream(dir / "plain") << "x";
  EXPECT_EQ(ApplyDefaultExtension(L"/data/invoices", L"GDB"), L"/data/invoices.GDB");
  EXPECT_EQ(ApplyDefaultExtension(L"/data/invoices.fdb", L"GDB"), L"/data/invoices.fdb");
  EXPECT_EQ(ApplyDefaultExtension(existing, L"GDB"), existing);
  EXPECT_EQ(ApplyDefaultExtension(L"/data/invoices", L""), L"/data/invoices");
}

TEST(FileDialogsTest, HandlerAnswersInsteadOfTheDialog) {
  std::vector<OpenFileRequest> asked;
  SetOpenFileHandler([&](const OpenFileRequest& request) -> std::optional<std::wstring> {
    asked.push_back(request);
    return asked.size() == 1 ? std::optional<std::wstring>(L"/data/invoices.gdb") : std::nullopt;
  });
  OpenFileRequest request;
  request.defaultExtension = L"GDB";
  request.filter = L"Invoice.gdb|*.GDB|";
  EXPECT_EQ(AskOpenFile(request), L"/data/invoices.gdb");
  EXPECT_EQ(AskOpenFile(request), std::nullopt);
  SetOpenFileHandler(nullptr);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].filter, L"Invoice.gdb|*.GDB|");
  EXPECT_EQ(asked[0].defaultExtension, L"GDB");
}

TEST(FileDialogs, TheDefaultExtensionJoinsNonAsciiNamesUnderEveryLocale) {
  corvane::test::TempDir dir;
  std::ofstream(dir / "Rechnung-M\xc3\xbcller") << "x";
  const std::wstring folder = WideFromPath(dir.Path());
  corvane::test::UnderEachLocale([&] {
    EXPECT_EQ(ApplyDefaultExtension(folder + L"/L\u00f6go", L"bmp"), folder + L"/L\u00f6go.bmp");
    EXPECT_EQ(ApplyDefaultExtension(folder + L"/L\u00f6go.bmp", L"zlt"), folder + L"/L\u00f6go.bmp");
    // An existing file keeps its name as it is.
    EXPECT_EQ(ApplyDefaultExtension(folder + L"/Rechnung-M\u00fcller", L"zlt"), folder + L"/Rechnung-M\u00fcller");
  });
}
