#pragma once

// Conversions between screen pixels, inches and points. The designer keeps
// diagram coordinates in screen pixels at zoom 1 and stores inches in
// template files; the one process-wide screen resolution links the two.
//
// The resolution is never 0: until SetScreenDpi is given a positive value it
// is the display's horizontal pixels per inch when a GUI application with a
// display is running, else 96.

#include <cstdint>

inline constexpr int32_t kDefaultScreenDpi = 96;

// Sets the resolution; a value of 0 or less goes back to the default.
void SetScreenDpi(int32_t pixelsPerInch);
int32_t GetScreenDpi();

// inches = pixels / resolution
double PixelsToInches(int32_t pixels);
// pixels = truncate(resolution * inches + 0.5)
int32_t InchesToPixels(double inches);
// font pixels = truncate(resolution * (1 / 72) * (tenths * 0.1) + 0.5)
int32_t TenthPointsToPixels(int32_t tenthPoints);

// The same at a given resolution (a device's), for drawing on printers and
// previews. A resolution of 0 or less gives 0 inches per pixel and 0 pixels.
double PixelsToInchesAt(int32_t pixels, int32_t pixelsPerInch);
int32_t InchesToPixelsAt(double inches, int32_t pixelsPerInch);
int32_t TenthPointsToPixelsAt(int32_t tenthPoints, int32_t pixelsPerInch);

// truncate(value) as an int32_t, clamped to the int32_t range; NaN gives 0.
// Whole-pixel results of the conversions above go through it, so a
// coordinate from a crafted file never overflows.
int32_t TruncateToInt32(double value);
