#pragma once

// What the designer's model shares: its one logical resolution and the group
// ids.
//
// Entity rectangles are paper pixels at a fixed 96 pixels per inch, whatever
// the screen the designer runs on. Template files store inches; converting
// at one fixed resolution keeps sizes and the row counts of repeat fields the
// same when a template is opened on another screen.

#include <cstdint>
#include <string>

inline constexpr int32_t kModelPixelsPerInch = 96;

// Coordinates and sizes read from files are kept within +-2^24 pixels
// (about 170,000 inches), so that no width, height or sum of them overflows.
inline constexpr int32_t kModelCoordinateLimit = 1 << 24;
// The value within the limit; NaN gives 0.
double ClampModelCoordinate(double pixels);

// inches = pixels / 96
double ModelPixelsToInches(int32_t pixels);
// pixels = 96 * inches rounded to the nearest whole pixel (halves upwards),
// within the coordinate limit
int32_t ModelInchesToPixels(double inches);
// The pixel height of a font size given in tenths of a point.
int32_t ModelTenthPointsToPixels(int32_t tenthPoints);

// The next group id of a process-wide counter; the first is 1. 0 means "in no
// group".
int32_t NewGroupId();
// Tells the counter that an id is in use (read from a file, say), so that
// NewGroupId never hands it out again and a new group never merges with it.
void NoteGroupId(int32_t id);

// The text without white space at either end (record types and attributes).
std::wstring TrimWhiteSpace(const std::wstring& text);
