#include "designer/PageSetupValues.h"

#include <cmath>
#include <cstdio>
#include <cwchar>

#include "designer/bars/RulerScale.h"
#include "platform/LocaleFormat.h"

namespace designer {

PageSetupValues::PageSetupValues(double pixelsPerInchX, double pixelsPerInchY, double width, double height,
                                 int32_t unit)
    : m_ppiX(pixelsPerInchX), m_ppiY(pixelsPerInchY), m_width(width), m_height(height),
      m_unit(unit == kUnitCentimetres ? kUnitCentimetres : kUnitInches) {}

double PageSetupValues::ScaleX() const {
  return m_unit == kUnitInches ? m_ppiX : m_ppiX * kInchesPerCentimetre;
}

double PageSetupValues::ScaleY() const {
  return m_unit == kUnitInches ? m_ppiY : m_ppiY * kInchesPerCentimetre;
}

namespace {
std::wstring Format(double value) {
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"%.02f", value);
  return buffer;
}
}  // namespace

std::wstring PageSetupValues::WidthText() const {
  return Format(m_width / ScaleX());
}

std::wstring PageSetupValues::HeightText() const {
  return Format(m_height / ScaleY());
}

std::optional<double> PageSetupValues::ParsePositive(const std::wstring& text) {
  // Both the C form and the user's decimal separator are taken.
  std::wstring normal = text;
  const std::wstring separator = platform::DecimalSeparator();
  if (!separator.empty() && separator != L".") {
    for (size_t at = normal.find(separator); at != std::wstring::npos; at = normal.find(separator, at + 1))
      normal.replace(at, separator.size(), L".");
  }
  const wchar_t* start = normal.c_str();
  while (*start == L' ') ++start;
  wchar_t* end = nullptr;
  const double value = std::wcstod(start, &end);
  if (end == start) return std::nullopt;
  while (*end == L' ') ++end;
  if (*end != L'\0' || !std::isfinite(value) || value <= 0) return std::nullopt;
  return value;
}

bool PageSetupValues::Read(const std::wstring& widthText, const std::wstring& heightText) {
  // Texts as shown stand for the stored pixels exactly.
  auto read = [](const std::wstring& text, const std::wstring& shown, double pixels,
                 double scale) -> std::optional<double> {
    if (text == shown) return pixels;
    const std::optional<double> value = ParsePositive(text);
    if (!value) return std::nullopt;
    return *value * scale;
  };
  const std::optional<double> width = read(widthText, WidthText(), m_width, ScaleX());
  const std::optional<double> height = read(heightText, HeightText(), m_height, ScaleY());
  // A size that truncates to no pixel at all is no paper either.
  if (!width || !height || *width < 1 || *height < 1 || *width > 1e6 || *height > 1e6) return false;
  m_width = *width;
  m_height = *height;
  return true;
}

bool PageSetupValues::ChangeUnit(int32_t unit, const std::wstring& widthText, const std::wstring& heightText) {
  if (!Read(widthText, heightText)) return false;
  m_unit = unit == kUnitCentimetres ? kUnitCentimetres : kUnitInches;
  return true;
}

}  // namespace designer
