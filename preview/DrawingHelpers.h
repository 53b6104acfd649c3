#pragma once

// Small services of the preview engine: splitting a text into records,
// markers and macros in field texts, and turning template inches into the
// pixels of the device a page is drawn on.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/GdiTypes.h"

namespace preview {

// Removes every carriage return, splits at line feeds and appends each
// non-empty piece.
void SplitLines(const std::wstring& text, std::vector<std::wstring>& lines);

// Removes every occurrence of the marker; true when there was one.
bool RemoveMarker(std::wstring& text, const std::wstring& marker);

// Replaces "[%page%]" by the page number, "[%date%]" by today's date and
// "[%time%]" by the time of day, both in the C library's current LC_TIME
// form ("%x", "%X"); "now" comes from the platform clock seam.
std::wstring ReplaceMacros(std::wstring text, int32_t page);

// A rectangle in inches on a device: each edge becomes
// truncate(inches * pixels per inch + 0.5), x with the horizontal and y with
// the vertical resolution, then moved by the device's physical offsets.
platform::gdi::Rect InchesToDeviceRect(double left, double top, double right, double bottom,
                                       const platform::gdi::DeviceMetrics& device);

}  // namespace preview
