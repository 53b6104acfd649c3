#pragma once

// Writes small uncompressed BMP files for tests of bitmap loading.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace corvane::test {

inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A width x height bitmap of 8 or 24 bits per pixel, every pixel of the
// colour (for 8 bits: palette entry 1 holds the colour, the pixels use it).
inline void WriteBmp(const std::filesystem::path& path, int32_t width, int32_t height, uint16_t bits,
                     uint8_t red, uint8_t green, uint8_t blue) {
  const uint32_t paletteBytes = bits <= 8 ? (1u << bits) * 4 : 0;
  const uint32_t rowBytes = ((bits * width + 31) / 32) * 4;
  const uint32_t offset = 14 + 40 + paletteBytes;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLe(out, offset + rowBytes * height, 4);
  PutLe(out, 0, 4);
  PutLe(out, offset, 4);
  PutLe(out, 40, 4);
  PutLe(out, width, 4);
  PutLe(out, height, 4);
  PutLe(out, 1, 2);
  PutLe(out, bits, 2);
  PutLe(out, 0, 4);  // no compression
  PutLe(out, rowBytes * height, 4);
  PutLe(out, 2835, 4);
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  for (uint32_t entry = 0; entry < paletteBytes / 4; ++entry) {
    const bool used = entry == 1;
    out.push_back(used ? blue : 0);
    out.push_back(used ? green : 0);
    out.push_back(used ? red : 0);
    out.push_back(0);
  }
  for (int32_t y = 0; y < height; ++y) {
    std::vector<uint8_t> row;
    for (int32_t x = 0; x < width; ++x) {
      if (bits == 24) {
        row.push_back(blue);
        row.push_back(green);
        row.push_back(red);
      } else {
        row.push_back(1);
      }
    }
    row.resize(rowBytes, 0);
    out.insert(out.end(), row.begin(), row.end());
  }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()), out.size());
}

}  // namespace corvane::test
