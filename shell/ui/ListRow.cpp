#include "shell/ui/ListRow.h"

#include <utility>

ListRow::ListRow(int32_t objectId, std::initializer_list<Value> cells)
    : m_objectId(objectId), m_cells(cells) {}

ListRow::ListRow(int32_t objectId, std::vector<Value> cells)
    : m_objectId(objectId), m_cells(std::move(cells)) {}

void ListRow::SetCell(size_t column, const Value& value) {
  if (column >= m_cells.size()) m_cells.resize(column + 1);
  m_cells[column] = value;
}

Value ListRow::GetProperty(const std::wstring& key) const {
  auto found = m_properties.find(key);
  return found == m_properties.end() ? Value() : found->second;
}

void ListRow::SetProperty(const std::wstring& key, const Value& value) {
  m_properties[key] = value;
}
