#include "common/Crc16.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

// Bit-at-a-time CRC-16/MODBUS, independent of the nibble table.
uint16_t ReferenceCrc(const std::vector<uint8_t>& bytes) {
  uint16_t crc = 0xFFFF;
  for (uint8_t b : bytes) {
    crc ^= b;
    for (int i = 0; i < 8; ++i) crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
  }
  return crc;
}

TEST(Crc16Test, CheckValueOfTheCatalogue) {
  const char* text = "123456789";
  EXPECT_EQ(0x4B37, ComputeCrc16(reinterpret_cast<const uint8_t*>(text), std::strlen(text)));
}

TEST(Crc16Test, NoBytesGiveTheInitialValue) {
  EXPECT_EQ(0xFFFF, ComputeCrc16(nullptr, 0));
}

TEST(Crc16Test, AgreesWithTheBitwiseFormOnRandomData) {
  std::mt19937 random(1234);
  for (size_t length : {1u, 2u, 7u, 8u, 9u, 15u, 16u, 17u, 64u, 255u, 256u, 257u, 1000u, 4096u, 100003u}) {
    std::vector<uint8_t> bytes(length);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    EXPECT_EQ(ReferenceCrc(bytes), ComputeCrc16(bytes.data(), bytes.size())) << "length " << length;
  }
}

// Eight bytes are taken at a time from wherever the data starts.
TEST(Crc16Test, AgreesWithTheBitwiseFormAtEveryAlignment) {
  std::mt19937 random(99);
  std::vector<uint8_t> buffer(64);
  for (uint8_t& b : buffer) b = static_cast<uint8_t>(random());
  for (size_t offset = 0; offset < 8; ++offset) {
    const std::vector<uint8_t> part(buffer.begin() + static_cast<long>(offset), buffer.begin() + 40);
    EXPECT_EQ(ReferenceCrc(part), ComputeCrc16(buffer.data() + offset, part.size())) << "offset " << offset;
  }
}

}  // namespace
