#include "platform/gdi/Dib.h"

#include <gtest/gtest.h>

#include <fstream>

#include "BmpFiles.h"
#include "Locales.h"
#include "TestEnvironment.h"

using namespace platform::gdi;

namespace {

TEST(Dib, TrueColourBitmapHasNoColourTable) {
  corvane::test::TempDir dir;
  corvane::test::WriteBmp(dir / "true.bmp", 3, 2, 24, 200, 10, 20);
  std::optional<Dib> dib = Dib::LoadBitmapFile(dir / "true.bmp");
  ASSERT_TRUE(dib.has_value());
  EXPECT_EQ(dib->GetWidth(), 3);
  EXPECT_EQ(dib->GetHeight(), 2);
  EXPECT_EQ(dib->GetBitCount(), 24);
  EXPECT_EQ(dib->GetColorTableEntries(), 0u);
  EXPECT_EQ(dib->GetImageSize(), 24u);  // rows of 9 bytes padded to 12
  EXPECT_EQ(dib->GetImage().GetRed(0, 0), 200);
  EXPECT_EQ(dib->GetImage().GetBlue(2, 1), 20);
}

TEST(Dib, EightBitBitmapHas256TableEntries) {
  corvane::test::TempDir dir;
  corvane::test::WriteBmp(dir / "palette.bmp", 5, 3, 8, 0, 128, 255);
  std::optional<Dib> dib = Dib::LoadBitmapFile(dir / "palette.bmp");
  ASSERT_TRUE(dib.has_value());
  EXPECT_EQ(dib->GetBitCount(), 8);
  EXPECT_EQ(dib->GetColorTableEntries(), 256u);
  EXPECT_EQ(dib->GetImageSize(), 24u);  // rows of 5 bytes padded to 8
  EXPECT_EQ(dib->GetImage().GetGreen(4, 2), 128);
}

TEST(Dib, MissingOrDamagedFilesGiveNoBitmap) {
  corvane::test::TempDir dir;
  EXPECT_FALSE(Dib::LoadBitmapFile(dir / "missing.bmp").has_value());
  EXPECT_FALSE(Dib::LoadBitmapFile("").has_value());
  std::ofstream(dir / "text.bmp") << "not a bitmap at all, but long enough to have a header";
  EXPECT_FALSE(Dib::LoadBitmapFile(dir / "text.bmp").has_value());
  std::ofstream(dir / "short.bmp") << "BM";
  EXPECT_FALSE(Dib::LoadBitmapFile(dir / "short.bmp").has_value());
}

// File names go to the file system as UTF-8, whatever the locale.
TEST(Dib, ABitmapWithANonAsciiNameLoadsUnderEveryLocale) {
  corvane::test::TempDir dir;
  const std::filesystem::path bmp = dir / "L\xc3\xb6go.bmp";
  corvane::test::WriteBmp(bmp, 3, 2, 24, 200, 10, 20);
  corvane::test::UnderEachLocale([&] {
    std::optional<Dib> dib;
    ASSERT_NO_THROW(dib = Dib::LoadBitmapFile(bmp));
    ASSERT_TRUE(dib.has_value());
    EXPECT_EQ(dib->GetWidth(), 3);
  });
}

}  // namespace
