#include "preview/TextFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TestEnvironment.h"
#include "Locales.h"
#include "platform/FileDialogs.h"
#include "platform/TextCodec.h"

namespace {

class TextFile : public ::testing::Test {
protected:
  void TearDown() override { platform::SetOpenFileHandler(nullptr); }
  corvane::test::TempDir m_dir;
};

TEST_F(TextFile, ReadsUtf16AndUtf8LinesKeepingEmptyOnes) {
  std::vector<uint8_t> utf16 = {0xFF, 0xFE};
  for (uint8_t byte : platform::ToUtf16Le(L"report_label:x;\r\n\r\nzweite Zeile \u00e4\r\nlast"))
    utf16.push_back(byte);
  std::ofstream(m_dir / "utf16.txt", std::ios::binary)
      .write(reinterpret_cast<const char*>(utf16.data()), utf16.size());
  std::ofstream(m_dir / "utf8.txt", std::ios::binary) << "one\n\ntwo \xc3\xa4\n";

  CTextFile file;
  std::vector<std::wstring> lines{L"old"};
  ASSERT_TRUE(file.ReadTextFile((m_dir / "utf16.txt").wstring(), lines));
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"report_label:x;", L"", L"zweite Zeile \u00e4", L"last"}));
  ASSERT_TRUE(file.ReadTextFile((m_dir / "utf8.txt").wstring(), lines));
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"one", L"", L"two \u00e4"}));
  EXPECT_EQ(file.GetErrorText(), L"");
}

TEST_F(TextFile, MissingFileGivesFalseAndSaysWhy) {
  CTextFile file;
  std::vector<std::wstring> lines{L"untouched"};
  EXPECT_FALSE(file.ReadTextFile((m_dir / "missing.txt").wstring(), lines));
  EXPECT_NE(file.GetErrorText().find(L"missing.txt"), std::wstring::npos);
  EXPECT_NE(file.GetErrorText().find(L"No such file"), std::wstring::npos);
  EXPECT_LE(file.GetErrorText().size(), 256u);
  EXPECT_EQ(lines, std::vector<std::wstring>{L"untouched"});
}

TEST_F(TextFile, EmptyPathAsksForTheFile) {
  std::vector<platform::OpenFileRequest> asked;
  std::optional<std::wstring> answer;
  platform::SetOpenFileHandler([&](const platform::OpenFileRequest& request) {
    asked.push_back(request);
    return answer;
  });
  CTextFile file(L"txt");
  std::vector<std::wstring> lines;
  EXPECT_FALSE(file.ReadTextFile(L"", lines));  // cancelled
  EXPECT_EQ(file.GetErrorText(), L"");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].filter, L"txt-files (*.txt)|*.txt|All Files (*.*)|*.*||");
  EXPECT_EQ(asked[0].defaultExtension, L"txt");
  EXPECT_FALSE(asked[0].save);

  std::ofstream(m_dir / "chosen.txt") << "chosen";
  answer = (m_dir / "chosen.txt").wstring();
  ASSERT_TRUE(file.ReadTextFile(L"", lines));
  EXPECT_EQ(lines, std::vector<std::wstring>{L"chosen"});
}

TEST_F(TextFile, ANonAsciiFileNameIsReadUnderEveryLocale) {
  std::ofstream(m_dir / "Rechnung-M\xc3\xbcller.txt", std::ios::binary) << "first\nsecond";
  corvane::test::UnderEachLocale([&] {
    CTextFile file;
    std::vector<std::wstring> lines;
    ASSERT_TRUE(file.ReadTextFile(platform::WideFromPath(m_dir.Path()) + L"/Rechnung-M\u00fcller.txt", lines));
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"first", L"second"}));
  });
}

}  // namespace
