#pragma once

// The plain part of the auto-hide bars: where a bar sits on its frame side,
// how its tabs are laid out, which tab is hot, how separators are tidied, and
// the steps by which a sliding frame opens from the bar. CAutoHideBar and
// CDrawFrame move windows by these numbers; none of it needs a display.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace designer {

enum class AutoHideSide : int32_t { Top = 0, Left = 1, Right = 2, Bottom = 3 };

inline bool IsHorizontal(AutoHideSide side) {
  return side == AutoHideSide::Top || side == AutoHideSide::Bottom;
}

// Tab flags: 1 and 4 show the text, 2 shows the text only while the tab is
// the hot one of its group, 8 is a separator between groups.
inline constexpr uint32_t kTabText = 1;
inline constexpr uint32_t kTabHotText = 2;
inline constexpr uint32_t kTabTextShown = 4;
inline constexpr uint32_t kTabSeparator = 8;

struct AutoHideTab {
  std::wstring text;
  uint32_t flags = 0;
  int32_t textExtent = 0;  // the text's width in the bar's font
  int32_t image = -1;
  platform::gdi::Rect rect;  // set by LayoutAutoHideTabs
  void* window = nullptr;    // the docked window; not owned
};

inline constexpr int32_t kAutoHideThickness = 24;
inline constexpr int32_t kAutoHideSlideStep = 160;

// Takes the bar's strip of the free area on its side (shrinking the free
// area) and returns the bar's rectangle.
platform::gdi::Rect PlaceAutoHideBar(AutoHideSide side, platform::gdi::Rect& freeArea);

// Lays the tabs out from 10 pixels in along the bar, each text tab as long
// as its text plus 18, an icon-only tab 21 long, a separator a gap of 10.
void LayoutAutoHideTabs(AutoHideSide side, platform::gdi::Rect client, std::vector<AutoHideTab>& tabs);

// The tab under a point, separators skipped; -1 for none.
int32_t AutoHideTabAt(const std::vector<AutoHideTab>& tabs, platform::gdi::Point point);

// Makes a tab the hot one: a tab showing its text only while hot gets the
// text, and the others of its group (between separators) lose it.
void MakeAutoHideTabHot(std::vector<AutoHideTab>& tabs, int32_t hot);

// Removes a separator at the end, one right before another and one at the
// start.
void TidyAutoHideSeparators(std::vector<AutoHideTab>& tabs);

// Where a sliding frame opens: along the bar, on the side facing the
// frame's interior, at most one slide step (and at most the full size) deep.
platform::gdi::Rect SlideOpenRect(AutoHideSide side, platform::gdi::Rect bar, int32_t fullSize);
// The next step of a sliding frame, growing away from the bar by at most
// one slide step; none once it has its full size.
std::optional<platform::gdi::Rect> SlideStepRect(AutoHideSide side, platform::gdi::Rect frame, int32_t fullSize);

// A sliding frame is resized by its far edge only, the one facing away from
// the bar: the frame with that edge moved to make it depth deep...
platform::gdi::Rect WithFarEdgeAt(AutoHideSide side, platform::gdi::Rect frame, int32_t depth);
// ...and the frame as it was at the press on that edge after the pointer
// moved by a distance, never less deep than kSlidingFrameMinDepth.
inline constexpr int32_t kSlidingFrameMinDepth = 40;
platform::gdi::Rect DragFarEdge(AutoHideSide side, platform::gdi::Rect frame, platform::gdi::Point moved);

}  // namespace designer
