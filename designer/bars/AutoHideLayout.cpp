#include "designer/bars/AutoHideLayout.h"

#include <algorithm>

using platform::gdi::Point;
using platform::gdi::Rect;

namespace designer {
namespace {

constexpr int32_t kTabStart = 10;
constexpr int32_t kSeparatorGap = 10;
constexpr int32_t kTextTabExtra = 18;
constexpr int32_t kIconTabLength = 21;
constexpr int32_t kIconTabAdvance = 20;

int32_t Depth(AutoHideSide side, Rect rect) {
  return IsHorizontal(side) ? rect.Height() : rect.Width();
}

}  // namespace

Rect PlaceAutoHideBar(AutoHideSide side, Rect& freeArea) {
  Rect bar = freeArea;
  switch (side) {
    case AutoHideSide::Top:
      bar.bottom = bar.top + kAutoHideThickness;
      freeArea.top = bar.bottom;
      break;
    case AutoHideSide::Left:
      bar.right = bar.left + kAutoHideThickness;
      freeArea.left = bar.right;
      break;
    case AutoHideSide::Right:
      bar.left = bar.right - kAutoHideThickness;
      freeArea.right = bar.left;
      break;
    case AutoHideSide::Bottom:
      bar.top = bar.bottom - kAutoHideThickness;
      freeArea.bottom = bar.top;
      break;
  }
  return bar;
}

void LayoutAutoHideTabs(AutoHideSide side, Rect client, std::vector<AutoHideTab>& tabs) {
  const bool horizontal = IsHorizontal(side);
  int32_t position = (horizontal ? client.left : client.top) + kTabStart;
  for (AutoHideTab& tab : tabs) {
    if (tab.flags & kTabSeparator) {
      tab.rect = {};
      position += kSeparatorGap;
      continue;
    }
    int32_t start = position, end = position, advance = 0;
    if (tab.flags & (kTabText | kTabTextShown)) {
      const int32_t length = tab.textExtent + kTextTabExtra;
      start = position - 2;
      end = position + length;
      advance = length - 2;
    } else if (tab.flags == kTabHotText) {
      end = position + kIconTabLength;
      advance = kIconTabAdvance;
    }
    if (horizontal) {
      tab.rect = {start, client.top + 2, end, client.bottom - 2};
    } else {
      tab.rect = {client.left + 2, start, client.right - 2, end};
    }
    position += advance;
  }
}

int32_t AutoHideTabAt(const std::vector<AutoHideTab>& tabs, Point point) {
  for (size_t i = 0; i < tabs.size(); ++i) {
    if (!(tabs[i].flags & kTabSeparator) && tabs[i].rect.Contains(point)) return static_cast<int32_t>(i);
  }
  return -1;
}

void MakeAutoHideTabHot(std::vector<AutoHideTab>& tabs, int32_t hot) {
  if (hot < 0 || hot >= static_cast<int32_t>(tabs.size()) || !(tabs[hot].flags & kTabHotText)) return;
  int32_t first = hot, last = hot;
  while (first > 0 && !(tabs[first - 1].flags & kTabSeparator)) --first;
  while (last + 1 < static_cast<int32_t>(tabs.size()) && !(tabs[last + 1].flags & kTabSeparator)) ++last;
  for (int32_t i = first; i <= last; ++i) tabs[i].flags &= ~kTabTextShown;
  tabs[hot].flags |= kTabTextShown;
}

void TidyAutoHideSeparators(std::vector<AutoHideTab>& tabs) {
  std::vector<AutoHideTab> kept;
  for (AutoHideTab& tab : tabs) {
    const bool separator = (tab.flags & kTabSeparator) != 0;
    // A separator at the start or right after another one goes.
    if (separator && (kept.empty() || (kept.back().flags & kTabSeparator))) continue;
    kept.push_back(std::move(tab));
  }
  while (!kept.empty() && (kept.back().flags & kTabSeparator)) kept.pop_back();
  tabs = std::move(kept);
}

Rect SlideOpenRect(AutoHideSide side, Rect bar, int32_t fullSize) {
  const int32_t depth = std::min(fullSize, kAutoHideSlideStep);
  Rect frame = bar;
  switch (side) {
    case AutoHideSide::Top:
      frame.top = bar.bottom;
      frame.bottom = frame.top + depth;
      break;
    case AutoHideSide::Left:
      frame.left = bar.right;
      frame.right = frame.left + depth;
      break;
    case AutoHideSide::Right:
      frame.right = bar.left;
      frame.left = frame.right - depth;
      break;
    case AutoHideSide::Bottom:
      frame.bottom = bar.top;
      frame.top = frame.bottom - depth;
      break;
  }
  return frame;
}

std::optional<Rect> SlideStepRect(AutoHideSide side, Rect frame, int32_t fullSize) {
  const int32_t depth = Depth(side, frame);
  const int32_t missing = fullSize - depth;
  if (missing <= 0) return std::nullopt;
  return WithFarEdgeAt(side, frame, depth + std::min(missing, kAutoHideSlideStep));
}

Rect WithFarEdgeAt(AutoHideSide side, Rect frame, int32_t depth) {
  switch (side) {
    case AutoHideSide::Top: frame.bottom = frame.top + depth; break;
    case AutoHideSide::Left: frame.right = frame.left + depth; break;
    case AutoHideSide::Right: frame.left = frame.right - depth; break;
    case AutoHideSide::Bottom: frame.top = frame.bottom - depth; break;
  }
  return frame;
}

Rect DragFarEdge(AutoHideSide side, Rect frame, platform::gdi::Point moved) {
  // Away from the bar is right for a left bar, left for a right bar, down
  // for a top bar and up for a bottom bar.
  int32_t away = 0;
  switch (side) {
    case AutoHideSide::Top: away = moved.y; break;
    case AutoHideSide::Left: away = moved.x; break;
    case AutoHideSide::Right: away = -moved.x; break;
    case AutoHideSide::Bottom: away = -moved.y; break;
  }
  return WithFarEdgeAt(side, frame, std::max(Depth(side, frame) + away, kSlidingFrameMinDepth));
}

}  // namespace designer
