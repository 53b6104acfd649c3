#pragma once

// One invoice's data for the preview library: field key text -> Value,
// ordered by the key compared as UTF-16 code units (case counts). Only
// FieldId keys go in. Inserting a key that is already present keeps the
// first value. The caller owns the map; the preview library copies it.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "common/FieldId.h"
#include "common/Value.h"

// Orders texts as their UTF-16 code units would be ordered (characters above
// U+FFFF sort by their surrogates, so after U+D7FF and before U+E000).
struct Utf16Less {
  using is_transparent = void;
  bool operator()(std::wstring_view a, std::wstring_view b) const;
};

class FieldMap {
public:
  using Map = std::map<std::wstring, Value, Utf16Less>;
  using const_iterator = Map::const_iterator;

  // True when inserted; false when the key was present (its value stays).
  bool Insert(const FieldId& id, const Value& value);

  // Exact lookup of a key text; null when absent. The pointer is valid until
  // the map is changed.
  const Value* Find(std::wstring_view key) const;
  bool Contains(std::wstring_view key) const { return Find(key) != nullptr; }

  size_t Size() const { return m_values.size(); }
  bool IsEmpty() const { return m_values.empty(); }
  void Clear() { m_values.clear(); }

  const_iterator begin() const { return m_values.begin(); }
  const_iterator end() const { return m_values.end(); }

  bool operator==(const FieldMap& other) const { return m_values == other.m_values; }

private:
  Map m_values;
};
