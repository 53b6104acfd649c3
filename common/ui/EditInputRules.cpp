#include "common/ui/EditInputRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <wx/defs.h>

namespace {

bool IsEditingKey(int key) {
  switch (key) {
    case WXK_BACK:
    case WXK_TAB:
    case WXK_RETURN:
    case WXK_ESCAPE:
    case WXK_SHIFT:
    case WXK_CONTROL:
    case WXK_END:
    case WXK_HOME:
    case WXK_LEFT:
    case WXK_UP:
    case WXK_RIGHT:
    case WXK_DOWN:
    case WXK_INSERT:
    case WXK_DELETE:
    // The numeric pad sends its own codes for the same keys when num lock is off.
    case WXK_NUMPAD_ENTER:
    case WXK_NUMPAD_TAB:
    case WXK_NUMPAD_END:
    case WXK_NUMPAD_HOME:
    case WXK_NUMPAD_LEFT:
    case WXK_NUMPAD_UP:
    case WXK_NUMPAD_RIGHT:
    case WXK_NUMPAD_DOWN:
    case WXK_NUMPAD_INSERT:
    case WXK_NUMPAD_DELETE:
      return true;
    default:
      return (key >= '0' && key <= '9') || (key >= WXK_NUMPAD0 && key <= WXK_NUMPAD9);
  }
}

// Select all, copy, cut, paste and undo, with Ctrl.
bool IsClipboardKey(int key) {
  return key == 'A' || key == 'C' || key == 'X' || key == 'V' || key == 'Z';
}

// The text that stays when what is selected is typed over.
std::wstring OutsideSelection(const std::wstring& text, long from, long to) {
  const long length = static_cast<long>(text.size());
  long start = std::clamp(std::min(from, to), 0L, length);
  long end = std::clamp(std::max(from, to), 0L, length);
  return text.substr(0, start) + text.substr(end);
}

std::wstring FormatBound(const wchar_t* format, double first, double second = 0.0) {
  // The bounds are shown as the C library writes them ("1.000000").
  wchar_t buffer[512];
  std::swprintf(buffer, sizeof buffer / sizeof buffer[0], format, first, second);
  return buffer;
}

}  // namespace

bool EditInputRules::TypesSeparator(int keyCode) const {
  return m_inputType == kInputDecimal && (keyCode == '.' || keyCode == ',' || keyCode == WXK_NUMPAD_DECIMAL ||
                                          keyCode == WXK_NUMPAD_SEPARATOR);
}

bool EditInputRules::AcceptsKey(int keyCode, const std::wstring& text, long selectionStart, long selectionEnd,
                                const std::wstring& decimalSeparator, int modifiers) const {
  if (m_inputType != kInputInteger && m_inputType != kInputDecimal) return true;
  if (IsEditingKey(keyCode)) return true;
  if ((modifiers & (wxMOD_CONTROL | wxMOD_ALT)) == wxMOD_CONTROL && IsClipboardKey(keyCode)) return true;
  if (m_inputType != kInputDecimal) return false;
  const std::wstring outside = OutsideSelection(text, selectionStart, selectionEnd);
  if (TypesSeparator(keyCode))
    return decimalSeparator.empty() || outside.find(decimalSeparator) == std::wstring::npos;
  if (keyCode == '-' || keyCode == WXK_NUMPAD_SUBTRACT)
    return std::min(selectionStart, selectionEnd) == 0 && outside.find(L'-') == std::wstring::npos;
  return false;
}

std::optional<EditInputRules::Edited> EditInputRules::StripLeadingZeros(const std::wstring& text,
                                                                        long selectionStart,
                                                                        long selectionEnd) const {
  if (m_inputType != kInputInteger || text.size() <= 1 || text[0] != L'0') return std::nullopt;
  size_t zeros = 0;
  while (text.size() - zeros > 1 && text[zeros] == L'0') ++zeros;
  Edited edited;
  edited.text = text.substr(zeros);
  long length = static_cast<long>(edited.text.size());
  edited.selectionStart = std::clamp(selectionStart, 0L, length);
  edited.selectionEnd = std::clamp(selectionEnd, 0L, length);
  return edited;
}

std::optional<EditInputRules::Refusal> EditInputRules::Check(const std::wstring& text,
                                                             const AmountFormat& format) const {
  if (m_checkKind == kCheckNone) return std::nullopt;
  if (text.empty()) return Refusal{kMandatoryFieldMessage, true};
  double value = ParseAmount(format, text);
  switch (m_checkKind) {
    case kCheckRange:
      if (value < m_firstBound || value > m_secondBound)
        return Refusal{FormatBound(L"The value should be between %f and %f", m_firstBound, m_secondBound),
                       true};
      return std::nullopt;
    case kCheckGreater:
      if (value <= m_secondBound)
        return Refusal{FormatBound(L"Vrednosta mora da bide pogolema od %.02f", m_secondBound), true};
      return std::nullopt;
    case kCheckSmaller:
      if (value >= m_firstBound)
        return Refusal{FormatBound(L"The value should be smaller then %f", m_firstBound), false};
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

FieldLimits FieldLimits::Text(std::wstring name, size_t maxLength) {
  FieldLimits limits;
  limits.kind = Kind::Text;
  limits.name = std::move(name);
  limits.maxLength = maxLength;
  return limits;
}

FieldLimits FieldLimits::RequiredText(std::wstring name, size_t maxLength) {
  FieldLimits limits = Text(std::move(name), maxLength);
  limits.required = true;
  return limits;
}

FieldLimits FieldLimits::Whole(std::wstring name, double minimum, double maximum) {
  FieldLimits limits;
  limits.kind = Kind::Whole;
  limits.name = std::move(name);
  limits.minimum = minimum;
  limits.maximum = maximum;
  return limits;
}

FieldLimits FieldLimits::Decimal(std::wstring name, double minimum, double maximum) {
  FieldLimits limits = Whole(std::move(name), minimum, maximum);
  limits.kind = Kind::Decimal;
  return limits;
}

std::wstring FieldNameOfLabel(const std::wstring& label) {
  std::wstring name;
  for (size_t i = 0; i < label.size(); ++i) {
    if (label[i] == L'&' && i + 1 < label.size() && label[i + 1] != L'&') continue;
    if (label[i] == L'&') ++i;  // "&&" is a plain ampersand
    if (i < label.size()) name += label[i];
  }
  while (!name.empty() && (name.back() == L':' || name.back() == L' ')) name.pop_back();
  return name;
}

namespace {

// A bound as the message shows it: whole bounds without a fraction.
std::wstring BoundText(double bound) {
  wchar_t buffer[64];
  if (bound == std::floor(bound) && std::fabs(bound) < 1e15)
    std::swprintf(buffer, sizeof buffer / sizeof buffer[0], L"%.0f", bound);
  else
    std::swprintf(buffer, sizeof buffer / sizeof buffer[0], L"%g", bound);
  return buffer;
}

std::wstring Message(const wchar_t* format, const std::wstring& name, const std::wstring& a = {},
                     const std::wstring& b = {}) {
  wchar_t buffer[1024];
  std::swprintf(buffer, sizeof buffer / sizeof buffer[0], format, name.c_str(), a.c_str(), b.c_str());
  return buffer;
}

}  // namespace

std::optional<std::wstring> CheckFieldText(const FieldLimits& limits, const std::wstring& text,
                                           const AmountFormat& format) {
  switch (limits.kind) {
    case FieldLimits::Kind::Text:
      if (limits.required && text.find_first_not_of(L" \t\r\n") == std::wstring::npos)
        return Message(L"\"%ls\" must not be empty.", limits.name);
      if (limits.maxLength && text.size() > limits.maxLength)
        return Message(L"\"%ls\" takes at most %ls characters.", limits.name, std::to_wstring(limits.maxLength));
      return std::nullopt;
    case FieldLimits::Kind::Whole:
    case FieldLimits::Kind::Decimal: {
      const std::optional<double> value = ReadNumberText(text, format);
      if (!value) return Message(L"\"%ls\" is not a number.", limits.name);
      if (limits.kind == FieldLimits::Kind::Whole && *value != std::floor(*value))
        return Message(L"\"%ls\" takes a whole number.", limits.name);
      if (*value < limits.minimum || *value > limits.maximum)
        return Message(L"\"%ls\" should be between %ls and %ls.", limits.name, BoundText(limits.minimum),
                       BoundText(limits.maximum));
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}
