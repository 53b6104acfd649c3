#pragma once

// Our own placement record of a frame, kept as 44 bytes (eleven 32-bit
// little-endian integers) per frame name under "Software\Corvane\WinPos".

#include <cstdint>
#include <optional>
#include <string>

inline constexpr wchar_t kWinPosKey[] = L"Software\\Corvane\\WinPos";
inline constexpr uint32_t kPlacementSize = 44;

inline constexpr int32_t SW_SHOWNORMAL = 1;
inline constexpr int32_t SW_SHOWMINIMIZED = 2;
inline constexpr int32_t SW_SHOWMAXIMIZED = 3;

struct WindowPlacement {
  int32_t length = kPlacementSize;
  int32_t flags = 0;
  int32_t showCmd = SW_SHOWNORMAL;
  int32_t minX = -1, minY = -1;  // unused on this platform, kept for the layout
  int32_t maxX = -1, maxY = -1;
  // The restored (not maximised) rectangle in screen pixels.
  int32_t left = 0, top = 0, right = 0, bottom = 0;

  bool operator==(const WindowPlacement&) const = default;

  std::string ToBytes() const;
  // nullopt unless the bytes are one record of 44 bytes whose rectangle is
  // not empty.
  static std::optional<WindowPlacement> FromBytes(const std::string& bytes);

  // Registry access; failures are silent (nullopt / nothing written).
  static std::optional<WindowPlacement> Load(const std::wstring& frameName);
  void Save(const std::wstring& frameName) const;
};
