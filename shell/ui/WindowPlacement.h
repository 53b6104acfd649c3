#pragma once

// The main program's frames keep their placement record (shared with the
// preview library and the designer) under "Software\Corvane\WinPos".

#include "common/WindowPlacement.h"

using common::kPlacementSize;
using common::kWinPosKey;
using common::WindowPlacement;

inline constexpr int32_t SW_SHOWNORMAL = common::kShowNormal;
inline constexpr int32_t SW_SHOWMINIMIZED = common::kShowMinimized;
inline constexpr int32_t SW_SHOWMAXIMIZED = common::kShowMaximized;
