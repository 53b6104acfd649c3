#pragma once

// Plain drawing values in the form the system's classes keep them: colours as
// COLORREF (0x00BBGGRR), pen styles, DrawText flags and logical fonts. They
// cross between template files, draw objects and the device-context wrapper.

#include <compare>
#include <cstdint>
#include <string>

namespace platform::gdi {

using COLORREF = uint32_t;

constexpr COLORREF RGB(int red, int green, int blue) {
  return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF color) {
  return static_cast<int>(color & 0xFF);
}
constexpr int GetGValue(COLORREF color) {
  return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF color) {
  return static_cast<int>((color >> 16) & 0xFF);
}

// Pen styles as stored in templates; PS_NULL draws nothing.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;

// Background modes of text output.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Font weights.
inline constexpr int32_t FW_NORMAL = 400;
inline constexpr int32_t FW_BOLD = 700;

// DrawText format flags.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;  // with DT_SINGLELINE only
inline constexpr unsigned DT_BOTTOM = 0x8;   // with DT_SINGLELINE only
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// A point in device pixels.
struct Point {
  int32_t x = 0;
  int32_t y = 0;

  bool operator==(const Point&) const = default;
};

// A width and a height in device pixels.
struct Size {
  int32_t cx = 0;
  int32_t cy = 0;

  bool operator==(const Size&) const = default;
};

// A rectangle in device pixels; right and bottom lie just outside it.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  // Left and top inside, right and bottom outside.
  bool Contains(const Point& point) const {
    return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
  }
  // The same rectangle with left <= right and top <= bottom.
  Rect Normalized() const {
    return Rect{left < right ? left : right, top < bottom ? top : bottom, left < right ? right : left,
                top < bottom ? bottom : top};
  }
  bool operator==(const Rect&) const = default;
};

// A logical font. A positive height is the height of the character cell
// (ascent plus descent), a negative one the height of the characters alone
// (the em); both in device pixels. Weight 400 is normal, 700 bold.
struct LogFont {
  int32_t height = 0;
  int32_t weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::wstring faceName;

  bool operator==(const LogFont&) const = default;
  auto operator<=>(const LogFont&) const = default;  // orders fonts as map keys
};

// A pen: style (PS_*), width in device pixels (0 draws one pixel wide) and colour.
struct Pen {
  int style = PS_SOLID;
  int32_t width = 0;
  COLORREF color = 0;

  static Pen Null() { return Pen{PS_NULL, 0, 0}; }
  static Pen StockBlack() { return Pen{}; }
  bool IsNull() const { return style == PS_NULL; }
  bool operator==(const Pen&) const = default;
};

// A brush: solid of a colour, or hollow (fills nothing).
struct Brush {
  bool hollow = false;
  COLORREF color = RGB(255, 255, 255);

  static Brush Hollow() { return Brush{true, 0}; }
  static Brush Solid(COLORREF color) { return Brush{false, color}; }
  static Brush StockWhite() { return Brush{}; }
  bool operator==(const Brush&) const = default;
};

// What drawing code asks of a device: its resolution and, for printers, the
// offset of the printable area from the paper's corner and its size.
struct DeviceMetrics {
  int32_t pixelsPerInchX = 96;
  int32_t pixelsPerInchY = 96;
  int32_t physicalOffsetX = 0;
  int32_t physicalOffsetY = 0;
  int32_t width = 0;  // printable area in pixels
  int32_t height = 0;

  bool operator==(const DeviceMetrics&) const = default;
};

}  // namespace platform::gdi
