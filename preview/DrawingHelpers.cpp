#include "preview/DrawingHelpers.h"

#include <ctime>
#include <cwchar>

#include "common/UnitConversions.h"
#include "platform/OleDateTime.h"

namespace preview {
namespace {

void ReplaceAll(std::wstring& text, const std::wstring& what, const std::wstring& with) {
  for (size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + with.size())) {
    text.replace(at, what.size(), with);
  }
}

std::wstring FormatNow(const wchar_t* format) {
  platform::CivilTime now = platform::CurrentLocalTime();
  std::tm fields{};
  fields.tm_year = now.year - 1900;
  fields.tm_mon = now.month - 1;
  fields.tm_mday = now.day;
  fields.tm_hour = now.hour;
  fields.tm_min = now.minute;
  fields.tm_sec = now.second;
  fields.tm_wday = now.dayOfWeek;
  wchar_t buffer[128] = {};
  size_t length = std::wcsftime(buffer, 128, format, &fields);
  return std::wstring(buffer, length);
}

}  // namespace

void SplitLines(const std::wstring& text, std::vector<std::wstring>& lines) {
  std::wstring piece;
  for (wchar_t c : text) {
    if (c == L'\r') continue;
    if (c == L'\n') {
      if (!piece.empty()) lines.push_back(piece);
      piece.clear();
      continue;
    }
    piece += c;
  }
  if (!piece.empty()) lines.push_back(piece);
}

bool RemoveMarker(std::wstring& text, const std::wstring& marker) {
  if (marker.empty() || text.find(marker) == std::wstring::npos) return false;
  ReplaceAll(text, marker, L"");
  return true;
}

std::wstring ReplaceMacros(std::wstring text, int32_t page) {
  if (text.find(L"[%") == std::wstring::npos) return text;
  ReplaceAll(text, L"[%page%]", std::to_wstring(page));
  if (text.find(L"[%date%]") != std::wstring::npos) ReplaceAll(text, L"[%date%]", FormatNow(L"%x"));
  if (text.find(L"[%time%]") != std::wstring::npos) ReplaceAll(text, L"[%time%]", FormatNow(L"%X"));
  return text;
}

platform::gdi::Rect InchesToDeviceRect(double left, double top, double right, double bottom,
                                       const platform::gdi::DeviceMetrics& device) {
  platform::gdi::Rect rect;
  rect.left = InchesToPixelsAt(left, device.pixelsPerInchX) - device.physicalOffsetX;
  rect.right = InchesToPixelsAt(right, device.pixelsPerInchX) - device.physicalOffsetX;
  rect.top = InchesToPixelsAt(top, device.pixelsPerInchY) - device.physicalOffsetY;
  rect.bottom = InchesToPixelsAt(bottom, device.pixelsPerInchY) - device.physicalOffsetY;
  return rect;
}

}  // namespace preview
