#pragma once

// The decisions of a typed edit field (CBaseEdit), without a window: which
// key presses pass, how leading zeros go, and what the value check says.

#include <cstdint>
#include <optional>
#include <string>

#include "common/ui/AmountFormat.h"

// Input types.
inline constexpr uint32_t kInputText = 0;
inline constexpr uint32_t kInputInteger = 1;
inline constexpr uint32_t kInputDecimal = 2;

// Check kinds; any other non-zero kind only requires a value.
inline constexpr uint32_t kCheckNone = 0;
inline constexpr uint32_t kCheckRange = 1;    // first bound <= value <= second bound
inline constexpr uint32_t kCheckGreater = 2;  // value > second bound
inline constexpr uint32_t kCheckSmaller = 4;  // value < first bound

class EditInputRules {
public:
  EditInputRules(uint32_t inputType = kInputText, uint32_t checkKind = kCheckNone)
      : m_inputType(inputType), m_checkKind(checkKind) {}

  uint32_t GetInputType() const { return m_inputType; }
  void SetInputType(uint32_t type) { m_inputType = type; }
  uint32_t GetCheckKind() const { return m_checkKind; }
  void SetCheckKind(uint32_t kind) { m_checkKind = kind; }
  double GetFirstBound() const { return m_firstBound; }
  double GetSecondBound() const { return m_secondBound; }
  void SetBounds(double first, double second) {
    m_firstBound = first;
    m_secondBound = second;
  }

  // The key filter for a key press (a wx key code), whatever the shift
  // state. Free text takes every key. Numbers take editing and navigation
  // keys, digits, and with Ctrl held the keys that select all, copy, cut,
  // paste and undo. Decimals also take a separator key (the main keyboard's
  // point or comma, the numeric pad's decimal key) while the text outside
  // the selection holds no separator, and a minus key (main keyboard or
  // pad) at the start of the text while the rest holds no minus.
  bool AcceptsKey(int keyCode, const std::wstring& text, long selectionStart, long selectionEnd,
                  const std::wstring& decimalSeparator, int modifiers = 0) const;
  // Whether the key, once accepted, stands for the decimal separator: the
  // field then types the locale's separator itself, whatever the key shows.
  bool TypesSeparator(int keyCode) const;

  struct Edited {
    std::wstring text;
    long selectionStart = 0;
    long selectionEnd = 0;
  };
  // Whole numbers lose their leading zeros ("007" -> "7", "000" -> "0"); the
  // selection is kept inside the new text. nullopt when nothing changes.
  std::optional<Edited> StripLeadingZeros(const std::wstring& text, long selectionStart,
                                          long selectionEnd) const;

  struct Refusal {
    std::wstring message;
    bool parentCaption = true;  // false: the application's name as caption
  };
  // nullopt when the value passes the check; the number is read with the
  // locale's separators.
  std::optional<Refusal> Check(const std::wstring& text, const AmountFormat& format) const;

private:
  uint32_t m_inputType;
  uint32_t m_checkKind;
  double m_firstBound = 0.0;
  double m_secondBound = 0.0;
};

inline constexpr wchar_t kMandatoryFieldMessage[] = L"Popolnuvaweto na poleto e zadol`itelno";

// What one field may hold, checked before its dialog or form records
// anything: a text no longer than its column, a number that is a number
// and lies within what its column and its meaning allow.
struct FieldLimits {
  enum class Kind { None, Text, Whole, Decimal };
  Kind kind = Kind::None;
  std::wstring name;     // the field as its label names it
  size_t maxLength = 0;  // Text: characters the column holds
  bool required = false;  // Text: blanks alone are refused
  double minimum = 0.0;  // Whole and Decimal: the range, ends included
  double maximum = 0.0;

  static FieldLimits Text(std::wstring name, size_t maxLength);
  // A text that must hold more than blanks (a name the record is known by).
  static FieldLimits RequiredText(std::wstring name, size_t maxLength);
  static FieldLimits Whole(std::wstring name, double minimum, double maximum);
  static FieldLimits Decimal(std::wstring name, double minimum, double maximum);
};

// Amounts, prices and quantities stay within this, either side of zero.
inline constexpr double kAmountLimit = 1e12;
// The range of a whole-number column (INTEGER).
inline constexpr double kIntegerColumnMin = -2147483648.0;
inline constexpr double kIntegerColumnMax = 2147483647.0;

// The field name of a label: without its mnemonic "&" and final colon.
std::wstring FieldNameOfLabel(const std::wstring& label);

// nullopt when the text fits the limits; else the refusal naming the field.
std::optional<std::wstring> CheckFieldText(const FieldLimits& limits, const std::wstring& text,
                                           const AmountFormat& format);
