#pragma once

// The editor settings the designer keeps between runs, in the section
// "Application" of its profile (all values 32-bit integers). Load gives the
// defaults for what is absent; Save writes all of them.

#include <cstdint>
#include <string>

namespace designer {

// The designer's profile: one key per section below it.
inline constexpr wchar_t kProfileKey[] = L"Software\\Corvane\\Designer\\CorvanDesigner";
inline constexpr wchar_t kSettingsSection[] = L"Application";

// Zoom bounds a stored "ZoomLevel" is held within (zoom x 100).
inline constexpr uint32_t kMinZoomLevel = 5;
inline constexpr uint32_t kMaxZoomLevel = 500;
// Bounds the other stored values are held within on loading, so that a
// damaged profile never makes a canvas too large to paint: a paper side
// (screen pixels, as Page Setup takes it; -1 still means the printer's), a
// margin, the grid step and the zoom step (x 100).
inline constexpr int32_t kMaxPaperPixels = 1000000;
inline constexpr int32_t kMinGridSize = 1;
inline constexpr int32_t kMaxGridSize = 1000;
inline constexpr uint32_t kMaxZoomFactor = 100;

struct DesignerSettings {
  int32_t restraint = 0;  // 0 free, 1 inside the paper, 2 inside the margins
  int32_t left = 0, right = 0, top = 0, bottom = 0;  // margins, screen pixels
  int32_t width = -1, height = -1;                    // paper; -1: from the printer
  uint32_t colorBg = 0xFFFFFF;                        // COLORREF (0x00BBGGRR)
  uint32_t colorGrid = 0xDEDEDE;
  uint32_t colorMargin = 0xFF0000;
  bool margin = false, grid = false, snap = false;
  uint32_t zoomFactor = 1;  // zoom step x 100
  uint32_t zoomLevel = 100;  // zoom x 100
  int32_t units = 0;         // 0 pixels, 1 inches, 2 centimetres
  int32_t gridSize = 16;     // screen pixels

  double Zoom() const { return zoomLevel * 0.01; }
  double ZoomStep() const { return zoomFactor * 0.01; }

  // The stored values under key\section, defaults for what is missing; the
  // default grid step is the screen's pixels per inch / 6. A zoom outside
  // (0, 500] is brought back within kMinZoomLevel..kMaxZoomLevel, and every
  // size within the bounds above.
  static DesignerSettings Load(int32_t screenPixelsPerInch, const std::wstring& key = kProfileKey);
  void Save(const std::wstring& key = kProfileKey) const;
  // Holds every value within its bounds.
  void ClampToBounds();

  bool operator==(const DesignerSettings&) const = default;
};

}  // namespace designer
