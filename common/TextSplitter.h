#pragma once

// Splits a text record at a one-character separator (":" between the type
// and the attributes, "," between attributes). Every occurrence splits, and
// the part after the last one is kept even when empty: "a,,b," gives four
// parts, the second and fourth empty. Numbers are read in the C locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TextSplitter {
public:
  TextSplitter(std::wstring_view text, wchar_t separator);

  int32_t GetSize() const { return static_cast<int32_t>(m_parts.size()); }
  const std::vector<std::wstring>& GetParts() const { return m_parts; }

  // An index past the end gives the empty text, 0 or 0.0; a negative index
  // throws std::invalid_argument. Numbers are read as the C library's wide
  // conversions read them in the C locale: leading white space skipped, the
  // leading numeric part taken, trailing characters such as ";" ignored.
  std::wstring GetString(int32_t index) const;
  int32_t GetInt(int32_t index) const;
  double GetDouble(int32_t index) const;

private:
  const std::wstring* Part(int32_t index) const;

  std::vector<std::wstring> m_parts;
};
