#pragma once

// CRC-16/MODBUS (reflected polynomial 0xA001, initial value 0xFFFF, no final
// XOR), the checksum of template files. The check value of "123456789" is 0x4B37.

#include <cstddef>
#include <cstdint>

uint16_t ComputeCrc16(const uint8_t* bytes, size_t length);
