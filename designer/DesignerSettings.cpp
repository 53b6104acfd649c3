#include "designer/DesignerSettings.h"

#include <algorithm>

#include "common/RegistryHelpers.h"

namespace designer {
namespace {

std::wstring SectionKey(const std::wstring& key) {
  return key + L"\\" + kSettingsSection;
}

uint32_t ReadOr(const std::wstring& key, const wchar_t* name, uint32_t fallback) {
  uint32_t value = 0;
  return RegReadDword(key, name, &value) == kRegSuccess ? value : fallback;
}

int32_t ReadIntOr(const std::wstring& key, const wchar_t* name, int32_t fallback) {
  return static_cast<int32_t>(ReadOr(key, name, static_cast<uint32_t>(fallback)));
}

}  // namespace

DesignerSettings DesignerSettings::Load(int32_t screenPixelsPerInch, const std::wstring& profileKey) {
  const std::wstring key = SectionKey(profileKey);
  DesignerSettings s;
  s.restraint = ReadIntOr(key, L"Restraint", 0);
  s.left = ReadIntOr(key, L"Left", 0);
  s.right = ReadIntOr(key, L"Right", 0);
  s.top = ReadIntOr(key, L"Top", 0);
  s.bottom = ReadIntOr(key, L"Bottom", 0);
  s.width = ReadIntOr(key, L"Width", -1);
  s.height = ReadIntOr(key, L"Height", -1);
  s.colorBg = ReadOr(key, L"ColorBg", 0xFFFFFF);
  s.colorGrid = ReadOr(key, L"ColorGrid", 0xDEDEDE);
  s.colorMargin = ReadOr(key, L"ColorMargin", 0xFF0000);
  s.margin = ReadOr(key, L"Margin", 0) != 0;
  s.grid = ReadOr(key, L"Grid", 0) != 0;
  s.snap = ReadOr(key, L"Snap", 0) != 0;
  s.zoomFactor = ReadOr(key, L"ZoomFactor", 1);
  // A zoom of 0 would scale the whole canvas to nothing, and a huge one
  // (a negative number read unsigned) past any use.
  s.zoomLevel = std::clamp(ReadOr(key, L"ZoomLevel", 100), kMinZoomLevel, kMaxZoomLevel);
  s.units = ReadIntOr(key, L"Units", 0);
  s.gridSize = ReadIntOr(key, L"GridSize", screenPixelsPerInch / 6);
  s.ClampToBounds();
  return s;
}

void DesignerSettings::ClampToBounds() {
  restraint = std::clamp(restraint, 0, 2);
  units = std::clamp(units, 0, 2);
  // Both sides from the printer, or both stored.
  if (width == -1 || height == -1) {
    width = height = -1;
  } else {
    width = std::clamp(width, 1, kMaxPaperPixels);
    height = std::clamp(height, 1, kMaxPaperPixels);
  }
  for (int32_t* margin : {&left, &right, &top, &bottom}) *margin = std::clamp(*margin, 0, kMaxPaperPixels);
  gridSize = std::clamp(gridSize, kMinGridSize, kMaxGridSize);
  zoomFactor = std::clamp(zoomFactor, 1u, kMaxZoomFactor);
}

void DesignerSettings::Save(const std::wstring& profileKey) const {
  const std::wstring key = SectionKey(profileKey);
  auto write = [&key](const wchar_t* name, uint32_t value) { RegWriteDword(key, name, value); };
  write(L"Restraint", static_cast<uint32_t>(restraint));
  write(L"Left", static_cast<uint32_t>(left));
  write(L"Right", static_cast<uint32_t>(right));
  write(L"Top", static_cast<uint32_t>(top));
  write(L"Bottom", static_cast<uint32_t>(bottom));
  write(L"Width", static_cast<uint32_t>(width));
  write(L"Height", static_cast<uint32_t>(height));
  write(L"ColorBg", colorBg);
  write(L"ColorGrid", colorGrid);
  write(L"ColorMargin", colorMargin);
  write(L"Margin", margin ? 1 : 0);
  write(L"Grid", grid ? 1 : 0);
  write(L"Snap", snap ? 1 : 0);
  write(L"ZoomFactor", zoomFactor);
  write(L"ZoomLevel", zoomLevel);
  write(L"Units", static_cast<uint32_t>(units));
  write(L"GridSize", static_cast<uint32_t>(gridSize));
}

}  // namespace designer
