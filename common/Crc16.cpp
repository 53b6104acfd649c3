#include "common/Crc16.h"

#include <array>

namespace {

// One table entry per byte value, built from the reflected polynomial 0xA001.
// A byte at a time gives the same result as the classic two-nibble form
// (whose 16-entry table is every 16th entry here) in half the steps.
constexpr std::array<uint16_t, 256> MakeTable() {
  std::array<uint16_t, 256> table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t crc = i;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    table[i] = static_cast<uint16_t>(crc);
  }
  return table;
}

constexpr std::array<uint16_t, 256> kTable = MakeTable();
static_assert(kTable[0x10] == 0xCC01 && kTable[0x80] == 0xA001 && kTable[0xF0] == 0x4400);

}  // namespace

uint16_t ComputeCrc16(const uint8_t* bytes, size_t length) {
  uint16_t crc = 0xFFFF;
  for (size_t i = 0; i < length; ++i)
    crc = static_cast<uint16_t>((crc >> 8) ^ kTable[(crc ^ bytes[i]) & 0xFF]);
  return crc;
}
