#include "common/Crc16.h"

namespace {

// Nibble table of the reflected polynomial 0xA001.
constexpr uint16_t kTable[16] = {0x0000, 0xCC01, 0xD801, 0x1400, 0xF001, 0x3C00, 0x2800, 0xE401,
                                 0xA001, 0x6C00, 0x7800, 0xB401, 0x5000, 0x9C01, 0x8801, 0x4400};

}  // namespace

uint16_t ComputeCrc16(const uint8_t* bytes, size_t length) {
  uint16_t crc = 0xFFFF;
  for (size_t i = 0; i < length; ++i) {
    const uint8_t b = bytes[i];
    crc = static_cast<uint16_t>((crc >> 4) ^ kTable[(crc ^ b) & 0xF]);
    crc = static_cast<uint16_t>((crc >> 4) ^ kTable[(crc ^ (b >> 4)) & 0xF]);
  }
  return crc;
}
