#pragma once

// The item ids a stock dialog offers for a new line: either the caller's list
// or a list the holder keeps itself. Copies stay sound: a copy of a holder
// that keeps its own list points at its own copy of that list, never at the
// original's.

#include <cstdint>
#include <vector>

class PresetItemIds {
public:
  // A list of its own: the item id, or empty for 0.
  explicit PresetItemIds(int32_t itemId) : m_ids(&m_own) {
    if (itemId != 0) m_own.push_back(itemId);
  }
  // The caller's list, which must outlive the holder; null gives an empty list of its own.
  explicit PresetItemIds(std::vector<long>* callerIds) : m_ids(callerIds ? callerIds : &m_own) {}

  PresetItemIds(const PresetItemIds& other) : m_ids(&m_own), m_own(other.m_own) {
    if (!other.IsOwn()) m_ids = other.m_ids;
  }
  PresetItemIds& operator=(const PresetItemIds& other) {
    if (this == &other) return *this;
    m_own = other.m_own;
    m_ids = other.IsOwn() ? &m_own : other.m_ids;
    return *this;
  }

  // Never null.
  std::vector<long>* Get() const { return m_ids; }
  bool IsOwn() const { return m_ids == &m_own; }

private:
  std::vector<long>* m_ids;
  std::vector<long> m_own;
};
