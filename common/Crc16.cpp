#include "common/Crc16.h"

#include <array>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// Sixteen tables for sixteen bytes a step ("slicing by 16", 8 KB of tables).
// kTables[0] is the classic byte table of the reflected polynomial 0xA001;
// kTables[k][b] is the CRC contribution of byte b followed by k zero bytes.
using Tables = std::array<std::array<uint16_t, 256>, 16>;

constexpr Tables MakeTables() {
  Tables tables{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t crc = i;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    tables[0][i] = static_cast<uint16_t>(crc);
  }
  for (size_t k = 1; k < tables.size(); ++k)
    for (uint32_t i = 0; i < 256; ++i) {
      const uint16_t previous = tables[k - 1][i];
      tables[k][i] = static_cast<uint16_t>((previous >> 8) ^ tables[0][previous & 0xFF]);
    }
  return tables;
}

constexpr Tables kTables = MakeTables();
static_assert(kTables[0][0x10] == 0xCC01 && kTables[0][0x80] == 0xA001 && kTables[0][0xF0] == 0x4400);

uint16_t TableCrc(uint32_t crc, const uint8_t* bytes, size_t length) {
  size_t i = 0;
  for (; i + 16 <= length; i += 16) {
    uint64_t low, high;
    std::memcpy(&low, bytes + i, 8);  // little-endian: the first byte in the low bits
    std::memcpy(&high, bytes + i + 8, 8);
    low ^= crc;
    crc = kTables[15][low & 0xFF] ^ kTables[14][(low >> 8) & 0xFF] ^ kTables[13][(low >> 16) & 0xFF] ^
          kTables[12][(low >> 24) & 0xFF] ^ kTables[11][(low >> 32) & 0xFF] ^ kTables[10][(low >> 40) & 0xFF] ^
          kTables[9][(low >> 48) & 0xFF] ^ kTables[8][low >> 56] ^ kTables[7][high & 0xFF] ^
          kTables[6][(high >> 8) & 0xFF] ^ kTables[5][(high >> 16) & 0xFF] ^ kTables[4][(high >> 24) & 0xFF] ^
          kTables[3][(high >> 32) & 0xFF] ^ kTables[2][(high >> 40) & 0xFF] ^ kTables[1][(high >> 48) & 0xFF] ^
          kTables[0][high >> 56];
  }
  for (; i < length; ++i) crc = (crc >> 8) ^ kTables[0][(crc ^ bytes[i]) & 0xFF];
  return static_cast<uint16_t>(crc);
}

#if defined(__x86_64__)

// Folding with carry-less multiplication. The message is a polynomial whose
// first byte holds the highest powers; a 16-byte block A followed by D more
// bits contributes A * x^D, and since only the remainder modulo the CRC
// polynomial P (x^16 + x^15 + x^2 + 1) matters, a block is carried forward by
// multiplying its two halves by x^k mod P, a 16-bit constant. In the
// reflected bit order of this CRC a 64-bit carry-less product comes out one
// bit short, which the constants absorb by taking x^(k-1).

// x^k mod P, not reflected.
constexpr uint32_t PowerModP(int k) {
  uint32_t r = 1;
  for (int i = 0; i < k; ++i) {
    r <<= 1;
    if (r & 0x10000) r ^= 0x18005;
  }
  return r;
}

// A remainder of degree < 16 as the 64-bit operand: degree i at bit 63 - i.
constexpr uint64_t Reflect64(uint32_t remainder) {
  uint64_t out = 0;
  for (int i = 0; i < 16; ++i)
    if (remainder & (1u << i)) out |= uint64_t{1} << (63 - i);
  return out;
}

// The low half of a block (its first 8 bytes) holds the higher powers.
constexpr uint64_t FoldHigh(int bits) { return Reflect64(PowerModP(bits + 64 - 1)); }
constexpr uint64_t FoldLow(int bits) { return Reflect64(PowerModP(bits - 1)); }

__attribute__((target("pclmul,sse2"))) inline __m128i Fold(__m128i block, __m128i constants) {
  // constants: FoldHigh in the low half, FoldLow in the high half.
  return _mm_xor_si128(_mm_clmulepi64_si128(block, constants, 0x00), _mm_clmulepi64_si128(block, constants, 0x11));
}

__attribute__((target("pclmul,sse2"))) uint16_t FoldingCrc(const uint8_t* bytes, size_t length) {
  const __m128i by4 = _mm_set_epi64x(static_cast<long long>(FoldLow(512)), static_cast<long long>(FoldHigh(512)));
  const __m128i by3 = _mm_set_epi64x(static_cast<long long>(FoldLow(384)), static_cast<long long>(FoldHigh(384)));
  const __m128i by2 = _mm_set_epi64x(static_cast<long long>(FoldLow(256)), static_cast<long long>(FoldHigh(256)));
  const __m128i by1 = _mm_set_epi64x(static_cast<long long>(FoldLow(128)), static_cast<long long>(FoldHigh(128)));
  const auto load = [](const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };

  // The initial value 0xFFFF is the same as inverting the first two bytes.
  __m128i lane0 = _mm_xor_si128(load(bytes), _mm_cvtsi32_si128(0xFFFF));
  __m128i lane1 = load(bytes + 16);
  __m128i lane2 = load(bytes + 32);
  __m128i lane3 = load(bytes + 48);
  size_t i = 64;
  for (; i + 64 <= length; i += 64) {
    lane0 = _mm_xor_si128(Fold(lane0, by4), load(bytes + i));
    lane1 = _mm_xor_si128(Fold(lane1, by4), load(bytes + i + 16));
    lane2 = _mm_xor_si128(Fold(lane2, by4), load(bytes + i + 32));
    lane3 = _mm_xor_si128(Fold(lane3, by4), load(bytes + i + 48));
  }
  __m128i folded = _mm_xor_si128(_mm_xor_si128(Fold(lane0, by3), Fold(lane1, by2)),
                                 _mm_xor_si128(Fold(lane2, by1), lane3));
  for (; i + 16 <= length; i += 16) folded = _mm_xor_si128(Fold(folded, by1), load(bytes + i));

  // The 16 bytes left stand for everything folded so far.
  uint8_t block[16];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(block), folded);
  const uint16_t crc = TableCrc(0, block, sizeof block);
  return TableCrc(crc, bytes + i, length - i);
}

__attribute__((target("vpclmulqdq,avx2"))) inline __m256i WideFold(__m256i block, __m256i constants) {
  return _mm256_xor_si256(_mm256_clmulepi64_epi128(block, constants, 0x00),
                          _mm256_clmulepi64_epi128(block, constants, 0x11));
}

__attribute__((target("avx2"))) inline __m256i WideLoad(const uint8_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

// The same with 256-bit registers, two blocks each: four registers take 128
// bytes a step, and the eight blocks they end with are folded into one.
__attribute__((target("vpclmulqdq,avx2,pclmul,sse2"))) uint16_t WideFoldingCrc(const uint8_t* bytes,
                                                                               size_t length) {
  const __m256i by8 =
      _mm256_set_epi64x(static_cast<long long>(FoldLow(1024)), static_cast<long long>(FoldHigh(1024)),
                        static_cast<long long>(FoldLow(1024)), static_cast<long long>(FoldHigh(1024)));

  __m256i lane0 = _mm256_xor_si256(WideLoad(bytes), _mm256_set_epi64x(0, 0, 0, 0xFFFF));
  __m256i lane1 = WideLoad(bytes + 32);
  __m256i lane2 = WideLoad(bytes + 64);
  __m256i lane3 = WideLoad(bytes + 96);
  size_t i = 128;
  for (; i + 128 <= length; i += 128) {
    lane0 = _mm256_xor_si256(WideFold(lane0, by8), WideLoad(bytes + i));
    lane1 = _mm256_xor_si256(WideFold(lane1, by8), WideLoad(bytes + i + 32));
    lane2 = _mm256_xor_si256(WideFold(lane2, by8), WideLoad(bytes + i + 64));
    lane3 = _mm256_xor_si256(WideFold(lane3, by8), WideLoad(bytes + i + 96));
  }
  // Block k of the eight (16 bytes each, in file order) is followed by 7 - k more.
  const __m128i blocks[8] = {_mm256_castsi256_si128(lane0), _mm256_extracti128_si256(lane0, 1),
                             _mm256_castsi256_si128(lane1), _mm256_extracti128_si256(lane1, 1),
                             _mm256_castsi256_si128(lane2), _mm256_extracti128_si256(lane2, 1),
                             _mm256_castsi256_si128(lane3), _mm256_extracti128_si256(lane3, 1)};
  static constexpr std::array<std::array<uint64_t, 2>, 7> kByBlocks = [] {
    std::array<std::array<uint64_t, 2>, 7> constants{};
    for (int k = 0; k < 7; ++k) constants[k] = {FoldHigh((7 - k) * 128), FoldLow((7 - k) * 128)};
    return constants;
  }();
  __m128i folded = blocks[7];
  for (size_t k = 0; k < kByBlocks.size(); ++k) {
    const __m128i constants = _mm_set_epi64x(static_cast<long long>(kByBlocks[k][1]),
                                             static_cast<long long>(kByBlocks[k][0]));
    folded = _mm_xor_si128(folded, Fold(blocks[k], constants));
  }
  const __m128i by1 =
      _mm_set_epi64x(static_cast<long long>(FoldLow(128)), static_cast<long long>(FoldHigh(128)));
  for (; i + 16 <= length; i += 16)
    folded = _mm_xor_si128(Fold(folded, by1), _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i)));

  uint8_t block[16];
  _mm_storeu_si128(reinterpret_cast<__m128i*>(block), folded);
  const uint16_t crc = TableCrc(0, block, sizeof block);
  return TableCrc(crc, bytes + i, length - i);
}

bool HasCarrylessMultiply() {
  static const bool has = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse2");
  return has;
}

bool HasWideCarrylessMultiply() {
  static const bool has =
      HasCarrylessMultiply() && __builtin_cpu_supports("vpclmulqdq") && __builtin_cpu_supports("avx2");
  return has;
}

#endif

}  // namespace

uint16_t ComputeCrc16(const uint8_t* bytes, size_t length) {
#if defined(__x86_64__)
  if (length >= 256 && HasWideCarrylessMultiply()) return WideFoldingCrc(bytes, length);
  if (length >= 64 && HasCarrylessMultiply()) return FoldingCrc(bytes, length);
#endif
  return TableCrc(0xFFFF, bytes, length);
}
