#include "common/TextSplitter.h"

#include <stdexcept>

#include "common/RecordNumbers.h"

TextSplitter::TextSplitter(std::wstring_view text, wchar_t separator) {
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::wstring_view::npos; at = text.find(separator, start)) {
    m_parts.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  m_parts.emplace_back(text.substr(start));
}

const std::wstring* TextSplitter::Part(int32_t index) const {
  if (index < 0) throw std::invalid_argument("TextSplitter: negative index");
  return static_cast<size_t>(index) < m_parts.size() ? &m_parts[index] : nullptr;
}

std::wstring TextSplitter::GetString(int32_t index) const {
  const std::wstring* part = Part(index);
  return part ? *part : std::wstring();
}

int32_t TextSplitter::GetInt(int32_t index) const {
  const std::wstring* part = Part(index);
  return part ? ParseRecordInt(*part) : 0;
}

double TextSplitter::GetDouble(int32_t index) const {
  const std::wstring* part = Part(index);
  return part ? ParseRecordDouble(*part) : 0.0;
}
