#include "common/RegistryHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/RegistryStore.h"

// Every test works on a key of its own in the process's store, which the test
// main points at a throwaway config folder.

TEST(RegistryHelpersTest, WritingToAMissingKeyCreatesKeyAndValue) {
  const std::wstring key = L"Software\\Corvane\\Created";
  ASSERT_FALSE(platform::RegistryStore::User().KeyExists(key));
  EXPECT_EQ(RegWriteString(key, L"DatabaseFile", L"/data/Invoice.gdb"), kRegSuccess);
  EXPECT_TRUE(platform::RegistryStore::User().KeyExists(key));
  EXPECT_EQ(RegReadString(key, L"DatabaseFile"), L"/data/Invoice.gdb");
}

TEST(RegistryHelpersTest, StringsReadBackAsUtf16WithTerminator) {
  const std::wstring key = L"Software\\Corvane\\Utf16";
  ASSERT_EQ(RegWriteString(key, L"Name", L"A\u0416"), kRegSuccess);
  uint8_t buffer[16];
  std::memset(buffer, 0xAB, sizeof buffer);
  uint32_t size = sizeof buffer;
  ASSERT_EQ(RegReadValue(key, L"Name", buffer, &size), kRegSuccess);
  ASSERT_EQ(size, 6u);
  const uint8_t expected[] = {0x41, 0, 0x16, 0x04, 0, 0};
  EXPECT_EQ(std::memcmp(buffer, expected, sizeof expected), 0);
  EXPECT_EQ(buffer[6], 0xAB);  // nothing written past the value

  ASSERT_EQ(RegWriteString(key, L"Empty", L""), kRegSuccess);
  size = sizeof buffer;
  ASSERT_EQ(RegReadValue(key, L"Empty", buffer, &size), kRegSuccess);
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(buffer[1], 0);
}

TEST(RegistryHelpersTest, NarrowReadGivesUtf8WithTerminator) {
  ASSERT_EQ(RegWriteString(L"Software\\Corvane\\Narrow", L"DatabaseFile", L"/d/\u0436.gdb"), kRegSuccess);
  char buffer[1024];
  uint32_t size = sizeof buffer;
  ASSERT_EQ(RegReadValueA("Software\\Corvane\\Narrow", "DatabaseFile", buffer, &size), kRegSuccess);
  EXPECT_EQ(size, 10u);
  EXPECT_STREQ(buffer, "/d/\xD0\xB6.gdb");
}

TEST(RegistryHelpersTest, MissingValueIsNotFoundAndLeavesBufferAlone) {
  const std::wstring key = L"Software\\Corvane\\Missing";
  uint8_t buffer[8];
  std::memset(buffer, 0xAB, sizeof buffer);
  uint32_t size = sizeof buffer;
  EXPECT_EQ(RegReadValue(key, L"Nothing", buffer, &size), kRegNotFound);
  for (uint8_t b : buffer) EXPECT_EQ(b, 0xAB);
  size = sizeof buffer;
  EXPECT_EQ(RegReadValueA("Software\\Corvane\\Missing", "Nothing", buffer, &size), kRegNotFound);

  uint32_t number = 77;
  EXPECT_EQ(RegReadDword(key, L"Nothing", &number), kRegNotFound);
  EXPECT_EQ(number, 0u);
  EXPECT_EQ(RegReadString(key, L"Nothing"), std::nullopt);
  EXPECT_EQ(RegReadBinary(key, L"Nothing"), std::nullopt);
  // Reading opened (created) the key, as the registry helpers always do.
  EXPECT_TRUE(platform::RegistryStore::User().KeyExists(key));
}

TEST(RegistryHelpersTest, TooSmallBufferGivesMoreDataAndTheSizeNeeded) {
  const std::wstring key = L"Software\\Corvane\\Small";
  ASSERT_EQ(RegWriteString(key, L"Path", L"abcd"), kRegSuccess);
  uint8_t buffer[9];
  uint32_t size = sizeof buffer;
  EXPECT_EQ(RegReadValue(key, L"Path", buffer, &size), kRegMoreData);
  EXPECT_EQ(size, 10u);
  size = 4;
  EXPECT_EQ(RegReadValueA("Software\\Corvane\\Small", "Path", buffer, &size), kRegMoreData);
  EXPECT_EQ(size, 5u);  // "abcd" and its terminator
  size = 0;
  EXPECT_EQ(RegReadValue(key, L"Path", nullptr, &size), kRegSuccess);  // size query
  EXPECT_EQ(size, 10u);
}

TEST(RegistryHelpersTest, DwordAndBinaryRoundTrip) {
  const std::wstring key = L"Software\\Corvane\\Numbers";
  ASSERT_EQ(RegWriteDword(key, L"FS", 0x80000001u), kRegSuccess);
  uint32_t number = 0;
  ASSERT_EQ(RegReadDword(key, L"FS", &number), kRegSuccess);
  EXPECT_EQ(number, 0x80000001u);

  const uint8_t placement[44] = {44, 0, 0, 0, 1, 2, 3};
  ASSERT_EQ(RegWriteBinary(key, L"Main", placement, sizeof placement), kRegSuccess);
  uint8_t read[44] = {};
  uint32_t size = sizeof read;
  ASSERT_EQ(RegReadValue(key, L"Main", read, &size), kRegSuccess);
  EXPECT_EQ(size, 44u);
  EXPECT_EQ(std::memcmp(read, placement, sizeof placement), 0);
  EXPECT_EQ(RegReadBinary(key, L"Main"), std::string(reinterpret_cast<const char*>(placement), 44));
  // A DWORD read of a 44-byte value does not fit.
  EXPECT_EQ(RegReadDword(key, L"Main", &number), kRegMoreData);
  EXPECT_EQ(number, 0u);
}

TEST(RegistryHelpersTest, TextEndsAtItsFirstNul) {
  const std::wstring key = L"Software\\Corvane\\Nul";
  ASSERT_EQ(RegWriteString(key, L"Cut", std::wstring(L"ab\0cd", 5)), kRegSuccess);
  EXPECT_EQ(RegReadString(key, L"Cut"), L"ab");
}
