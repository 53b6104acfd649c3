#include "template/TemplateHelpers.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cwctype>

#include "common/UnitConversions.h"

namespace {
std::atomic<int32_t> g_lastGroupId{0};
}

double ModelPixelsToInches(int32_t pixels) {
  return PixelsToInchesAt(pixels, kModelPixelsPerInch);
}

double ClampModelCoordinate(double pixels) {
  if (std::isnan(pixels)) return 0;
  return std::clamp<double>(pixels, -kModelCoordinateLimit, kModelCoordinateLimit);
}

int32_t ModelInchesToPixels(double inches) {
  // Rounded to the nearest pixel on both sides of zero, so that what
  // ModelPixelsToInches wrote reads back as the same pixel.
  return static_cast<int32_t>(ClampModelCoordinate(std::floor(inches * kModelPixelsPerInch + 0.5)));
}

int32_t ModelTenthPointsToPixels(int32_t tenthPoints) {
  return TenthPointsToPixelsAt(tenthPoints, kModelPixelsPerInch);
}

int32_t NewGroupId() {
  return ++g_lastGroupId;
}

void NoteGroupId(int32_t id) {
  int32_t last = g_lastGroupId.load();
  while (id > last && !g_lastGroupId.compare_exchange_weak(last, id)) {
  }
}

std::wstring TrimWhiteSpace(const std::wstring& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && std::iswspace(text[first])) ++first;
  while (last > first && std::iswspace(text[last - 1])) --last;
  return text.substr(first, last - first);
}
