#include "common/TemplateItem.h"

void TemplateItem::SetProperty(int32_t id, const Value& value) {
  m_properties.insert_or_assign(id, value);
}

bool TemplateItem::AddPropertyIfAbsent(int32_t id, const Value& value) {
  return m_properties.emplace(id, value).second;
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
