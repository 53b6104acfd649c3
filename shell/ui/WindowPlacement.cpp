#include "shell/ui/WindowPlacement.h"

#include "common/RegistryHelpers.h"

namespace {

void PutInt(std::string& bytes, int32_t value) {
  auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

int32_t GetInt(const std::string& bytes, size_t offset) {
  uint32_t u = 0;
  for (int i = 0; i < 4; ++i)
    u |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
  return static_cast<int32_t>(u);
}

}  // namespace

std::string WindowPlacement::ToBytes() const {
  std::string bytes;
  for (int32_t value : {length, flags, showCmd, minX, minY, maxX, maxY, left, top, right, bottom})
    PutInt(bytes, value);
  return bytes;
}

std::optional<WindowPlacement> WindowPlacement::FromBytes(const std::string& bytes) {
  if (bytes.size() != kPlacementSize) return std::nullopt;
  WindowPlacement p;
  int32_t* fields[] = {&p.length, &p.flags, &p.showCmd, &p.minX,  &p.minY,  &p.maxX,
                       &p.maxY,   &p.left,  &p.top,     &p.right, &p.bottom};
  for (size_t i = 0; i < 11; ++i) *fields[i] = GetInt(bytes, 4 * i);
  if (p.right <= p.left || p.bottom <= p.top) return std::nullopt;
  return p;
}

std::optional<WindowPlacement> WindowPlacement::Load(const std::wstring& frameName) {
  auto bytes = RegReadBinary(kWinPosKey, frameName);
  return bytes ? FromBytes(*bytes) : std::nullopt;
}

void WindowPlacement::Save(const std::wstring& frameName) const {
  std::string bytes = ToBytes();
  RegWriteBinary(kWinPosKey, frameName, bytes.data(), static_cast<uint32_t>(bytes.size()));
}
