#include "common/ui/EditInputRules.h"

#include <algorithm>
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

std::wstring FormatBound(const wchar_t* format, double first, double second = 0.0) {
  // The bounds are shown as the C library writes them ("1.000000").
  wchar_t buffer[512];
  std::swprintf(buffer, sizeof buffer / sizeof buffer[0], format, first, second);
  return buffer;
}

}  // namespace

bool EditInputRules::AcceptsKey(int keyCode, const std::wstring& text, long selectionStart, long selectionEnd,
                                const std::wstring& decimalSeparator) const {
  if (m_inputType != kInputInteger && m_inputType != kInputDecimal) return true;
  if (IsEditingKey(keyCode)) return true;
  if (m_inputType == kInputDecimal && keyCode == WXK_NUMPAD_DECIMAL) {
    if (text.empty() || static_cast<long>(text.size()) == selectionEnd - selectionStart) return true;
    return decimalSeparator.empty() || text.find(decimalSeparator) == std::wstring::npos;
  }
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
