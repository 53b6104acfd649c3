#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(TextCodecTest, Utf8RoundTripOfNonAsciiAndAstralText) {
  const std::wstring text = L"Ohrid \u0428\u0442\u0438\u043f O'Brien \U0001F600";
  const std::string utf8 = ToUtf8(text);
  EXPECT_EQ(utf8, "Ohrid \xD0\xA8\xD1\x82\xD0\xB8\xD0\xBF O'Brien \xF0\x9F\x98\x80");
  EXPECT_EQ(DecodeUtf8(utf8), text);
  EXPECT_EQ(FromUtf8(utf8), text);
}

TEST(TextCodecTest, LongTextIsNotCutShort) {
  const std::wstring text(5000, L'\u0436');
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
}

TEST(TextCodecTest, InvalidUtf8IsRejectedStrictlyAndReplacedLeniently) {
  struct Case { std::string bytes; std::wstring lenient; };
  const Case cases[] = {
      {"a\xFF" "b", L"a\uFFFD" L"b"},        // byte that never starts a sequence
      {"\xC3", L"\uFFFD"},                  // truncated sequence
      {"\xC0\xAF", L"\uFFFD"},              // overlong form of '/'
      {"\xED\xA0\x80" "x", L"\uFFFD" L"x"},  // encoded surrogate
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(DecodeUtf8(c.bytes).has_value()) << c.bytes;
    EXPECT_EQ(FromUtf8(c.bytes), c.lenient);
  }
}

TEST(TextCodecTest, Utf16LeUsesSurrogatePairsAndStopsAtNul) {
  const std::wstring text = L"A\U0001F600";
  const auto bytes = ToUtf16Le(text);
  const std::vector<uint8_t> expected = {0x41, 0x00, 0x3D, 0xD8, 0x00, 0xDE};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(Utf16Length(text), 3u);
  EXPECT_EQ(FromUtf16Le(bytes.data(), bytes.size()), text);

  const uint8_t withNul[] = {0x41, 0x00, 0x00, 0x00, 0x42, 0x00};
  EXPECT_EQ(FromUtf16Le(withNul, sizeof withNul), L"A");
  EXPECT_EQ(FromUtf16Le(withNul, sizeof withNul, false), std::wstring(L"A\0B", 3));
}

TEST(TextCodecTest, UnpairedSurrogateAndOddByteAreHandled) {
  const uint8_t lone[] = {0x00, 0xD8, 0x41, 0x00, 0x42};
  EXPECT_EQ(FromUtf16Le(lone, sizeof lone), L"\uFFFDA");
}
