#include "common/FieldMap.h"

#include <algorithm>

namespace {

// The first UTF-16 unit of a code point: the code point itself within the
// basic plane, its high surrogate above it.
uint32_t FirstUtf16Unit(wchar_t c) {
  const uint32_t cp = static_cast<uint32_t>(c);
  return cp >= 0x10000 ? 0xD800 + ((cp - 0x10000) >> 10) : cp;
}

}  // namespace

bool Utf16Less::operator()(std::wstring_view a, std::wstring_view b) const {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const uint32_t ua = FirstUtf16Unit(a[i]);
    const uint32_t ub = FirstUtf16Unit(b[i]);
    if (ua != ub) return ua < ub;
    // Same high surrogate: the low surrogates order as the code points do.
    return static_cast<uint32_t>(a[i]) < static_cast<uint32_t>(b[i]);
  }
  return a.size() < b.size();
}

bool FieldMap::Insert(const FieldId& id, const Value& value) {
  return m_values.emplace(id.Key(), value).second;
}

const Value* FieldMap::Find(std::wstring_view key) const {
  const auto it = m_values.find(key);
  return it == m_values.end() ? nullptr : &it->second;
}
