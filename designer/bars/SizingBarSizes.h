#pragma once

// The sizes a docking bar keeps between runs: docked along the top or
// bottom, docked at a side, and floating, each never below its minimum.
// They live in the profile section "<profile name>-SCBar-<control id>".

#include <cstdint>
#include <string>

#include "platform/gdi/GdiTypes.h"

namespace designer {

struct SizingBarSizes {
  static constexpr platform::gdi::Size kMinHorz{33, 32};
  static constexpr platform::gdi::Size kMinVert{33, 32};
  static constexpr platform::gdi::Size kMinFloat{37, 32};

  platform::gdi::Size horz{200, 200};
  platform::gdi::Size vert{200, 200};
  platform::gdi::Size floating{200, 200};

  // Raises each size to its minimum.
  void ApplyMinimums();

  static std::wstring Section(const std::wstring& profileName, int32_t controlId);
  // The stored sizes (200 x 200 for what is absent), raised to the minimums.
  static SizingBarSizes Load(const std::wstring& profileKey, const std::wstring& profileName, int32_t controlId);
  void Save(const std::wstring& profileKey, const std::wstring& profileName, int32_t controlId) const;

  bool operator==(const SizingBarSizes&) const = default;
};

}  // namespace designer
