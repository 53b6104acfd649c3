#include "designer/DesignerMessages.h"

#include "platform/WindowMessages.h"

namespace designer {

const unsigned WM_CORVANE_START_DRAWING = platform::RegisterWindowMessage(L"CorvaneStartDrawing");
const unsigned WM_REPORT_EDITOR_MEASUREMENT = platform::RegisterWindowMessage(L"REPORT_EDITOR_MEASUREMENT");
const unsigned WM_REPORT_EDITOR_HSCROLL = platform::RegisterWindowMessage(L"REPORT_EDITOR_HSCROLL");
const unsigned WM_REPORT_EDITOR_VSCROLL = platform::RegisterWindowMessage(L"REPORT_EDITOR_VSCROLL");
const unsigned WM_REPORT_EDITOR_ZOOM = platform::RegisterWindowMessage(L"REPORT_EDITOR_ZOOM");
const unsigned WM_REPORT_EDITOR_MOUSE = platform::RegisterWindowMessage(L"REPORT_EDITOR_MOUSE");

const std::wstring kTreeFontName = L"Tahoma";
const std::wstring kTreeFallbackFontName = L"MS Sans Serif";

}  // namespace designer
