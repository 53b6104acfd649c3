#pragma once

// The designer's registered window messages, registered by name while the
// program's static objects are constructed, and the two face names the
// property tree prefers. All are sent synchronously within the process.

#include <string>

namespace designer {

// Tool box click -> view: wParam the tool code.
extern const unsigned WM_CORVANE_START_DRAWING;
// Canvas -> view; wParam the new unit (no window sends it).
extern const unsigned WM_REPORT_EDITOR_MEASUREMENT;
// Canvas -> view after scrolling: wParam the new position in pixels.
extern const unsigned WM_REPORT_EDITOR_HSCROLL;
extern const unsigned WM_REPORT_EDITOR_VSCROLL;
// Canvas -> view after zooming: wParam the zoom x 100, truncated.
extern const unsigned WM_REPORT_EDITOR_ZOOM;
// Canvas -> view on a mouse move: wParam points at the mouse position
// (valid during the call only), 0 while the canvas is idle.
extern const unsigned WM_REPORT_EDITOR_MOUSE;

extern const std::wstring kTreeFontName;          // "Tahoma"
extern const std::wstring kTreeFallbackFontName;  // "MS Sans Serif"

}  // namespace designer
