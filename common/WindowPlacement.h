#pragma once

// The placement record of a frame window, kept between runs as one binary
// value per frame name under a placement key of the per-user store: 44
// bytes, eleven 32-bit little-endian integers in the order of the system's
// window-placement record (length, flags, show state, minimised position,
// maximised position, restored rectangle). The designer keeps its frames
// under "Software\Corvane\Designer\WinPos", the main program and the preview
// library under "Software\Corvane\WinPos".

#include <cstdint>
#include <optional>
#include <string>

namespace common {

inline constexpr wchar_t kWinPosKey[] = L"Software\\Corvane\\WinPos";
inline constexpr wchar_t kDesignerWinPosKey[] = L"Software\\Corvane\\Designer\\WinPos";
inline constexpr uint32_t kPlacementSize = 44;

// Show states of a placement.
inline constexpr int32_t kShowNormal = 1;
inline constexpr int32_t kShowMinimized = 2;
inline constexpr int32_t kShowMaximized = 3;

struct WindowPlacement {
  int32_t length = kPlacementSize;
  int32_t flags = 0;
  int32_t showCmd = kShowNormal;
  int32_t minX = -1, minY = -1;  // not used on this platform; kept for the layout
  int32_t maxX = -1, maxY = -1;
  // The restored (not maximised) rectangle in screen pixels.
  int32_t left = 0, top = 0, right = 0, bottom = 0;

  bool operator==(const WindowPlacement&) const = default;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }

  std::string ToBytes() const;
  // nullopt unless the bytes are one record of 44 bytes whose rectangle is
  // not empty (a damaged value must not shrink a frame to nothing).
  static std::optional<WindowPlacement> FromBytes(const std::string& bytes);

  // Store access; failures are silent: nullopt, nothing written.
  static std::optional<WindowPlacement> Load(const std::wstring& key, const std::wstring& frameName);
  void Save(const std::wstring& key, const std::wstring& frameName) const;
};

}  // namespace common
