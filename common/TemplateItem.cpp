#include "common/TemplateItem.h"

#include <algorithm>
#include <tuple>
#include <utility>

TemplatePropertyList::const_iterator TemplatePropertyList::find(int32_t id) const {
  const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                                   [](const Entry& entry, int32_t key) { return entry.first < key; });
  return it != m_entries.end() && it->first == id ? it : m_entries.end();
}

// Files and writers give the ids in ascending order: appending at the end
// then costs no search.
bool TemplatePropertyList::Put(int32_t id, Value value, bool replace) {
  if (m_entries.empty() || m_entries.back().first < id) {
    m_entries.emplace_back(id, std::move(value));
    return true;
  }
  auto it = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                             [](const Entry& entry, int32_t key) { return entry.first < key; });
  if (it != m_entries.end() && it->first == id) {
    if (replace) it->second = std::move(value);
    return false;
  }
  m_entries.emplace(it, id, std::move(value));
  return true;
}

bool TemplatePropertyList::PutRaw(int32_t id, ValueType type, const uint8_t* bytes, uint32_t size,
                                  bool replace) {
  if (m_entries.empty() || m_entries.back().first < id) {
    m_entries.emplace_back(std::piecewise_construct, std::forward_as_tuple(id),
                           std::forward_as_tuple(type, bytes, size));
    return true;
  }
  return Put(id, Value::FromRaw(type, bytes, size), replace);
}

void TemplateItem::SetProperty(int32_t id, Value value) {
  m_properties.Put(id, std::move(value), true);
}

bool TemplateItem::AddPropertyIfAbsent(int32_t id, Value value) {
  return m_properties.Put(id, std::move(value), false);
}

Value TemplateItem::GetProperty(int32_t id) const {
  const Value* value = FindProperty(id);
  return value ? *value : Value();
}

const Value* TemplateItem::FindProperty(int32_t id) const {
  const auto it = m_properties.find(id);
  return it == m_properties.end() ? nullptr : &it->second;
}

std::wstring TemplateItem::TextProperty(int32_t id) const {
  const Value* value = FindProperty(id);
  return value ? value->AsString() : std::wstring();
}

int32_t TemplateItem::IntProperty(int32_t id) const {
  const Value* value = FindProperty(id);
  return value ? value->AsInt() : 0;
}

bool TemplateItem::BoolProperty(int32_t id) const {
  const Value* value = FindProperty(id);
  return value && value->AsBool();
}

double TemplateItem::DoubleProperty(int32_t id) const {
  const Value* value = FindProperty(id);
  return value && value->GetType() == VT_DOUBLE ? value->AsDouble() : 0.0;
}

bool TemplateItem::operator==(const TemplateItem& other) const {
  return m_type == other.m_type && m_properties == other.m_properties;
}
