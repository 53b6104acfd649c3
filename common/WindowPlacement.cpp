#include "common/WindowPlacement.h"

#include <iterator>

#include "common/RegistryHelpers.h"

namespace common {
namespace {

void PutInt(std::string& bytes, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

int32_t GetInt(const std::string& bytes, size_t offset) {
  uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
  return static_cast<int32_t>(bits);
}

}  // namespace

std::string WindowPlacement::ToBytes() const {
  std::string bytes;
  bytes.reserve(kPlacementSize);
  for (int32_t value : {length, flags, showCmd, minX, minY, maxX, maxY, left, top, right, bottom}) {
    PutInt(bytes, value);
  }
  return bytes;
}

std::optional<WindowPlacement> WindowPlacement::FromBytes(const std::string& bytes) {
  if (bytes.size() != kPlacementSize) return std::nullopt;
  WindowPlacement placement;
  int32_t* const fields[] = {&placement.length, &placement.flags, &placement.showCmd, &placement.minX,
                             &placement.minY,   &placement.maxX,  &placement.maxY,    &placement.left,
                             &placement.top,    &placement.right, &placement.bottom};
  for (size_t i = 0; i < std::size(fields); ++i) *fields[i] = GetInt(bytes, 4 * i);
  if (placement.Width() <= 0 || placement.Height() <= 0) return std::nullopt;
  return placement;
}

std::optional<WindowPlacement> WindowPlacement::Load(const std::wstring& key, const std::wstring& frameName) {
  if (frameName.empty()) return std::nullopt;
  const std::optional<std::string> bytes = RegReadBinary(key, frameName);
  return bytes ? FromBytes(*bytes) : std::nullopt;
}

void WindowPlacement::Save(const std::wstring& key, const std::wstring& frameName) const {
  if (frameName.empty()) return;
  const std::string bytes = ToBytes();
  RegWriteBinary(key, frameName, bytes.data(), static_cast<uint32_t>(bytes.size()));
}

}  // namespace common
