#include "common/TemplateItem.h"

#include <utility>

// Files and writers give the ids in ascending order: appending at the end
// then costs no search.
void TemplateItem::SetProperty(int32_t id, Value value) {
  if (m_properties.empty() || m_properties.rbegin()->first < id)
    m_properties.emplace_hint(m_properties.end(), id, std::move(value));
  else
    m_properties.insert_or_assign(id, std::move(value));
}

bool TemplateItem::AddPropertyIfAbsent(int32_t id, Value value) {
  if (m_properties.empty() || m_properties.rbegin()->first < id) {
    m_properties.emplace_hint(m_properties.end(), id, std::move(value));
    return true;
  }
  return m_properties.try_emplace(id, std::move(value)).second;
}

Value TemplateItem::GetProperty(int32_t id) const {
  const Value* value = FindProperty(id);
  return value ? *value : Value();
}

const Value* TemplateItem::FindProperty(int32_t id) const {
  const auto it = m_properties.find(id);
  return it == m_properties.end() ? nullptr : &it->second;
}

bool TemplateItem::operator==(const TemplateItem& other) const {
  return m_type == other.m_type && m_properties == other.m_properties;
}
