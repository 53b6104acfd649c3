#pragma once

// One row of an owner-data list: the id of the business object it shows, the
// cells that are displayed (one per column, in column order) and named values
// the owner keeps with the row without showing them.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "common/Value.h"

class ListRow {
public:
  ListRow() = default;
  ListRow(int32_t objectId, std::initializer_list<Value> cells);
  ListRow(int32_t objectId, std::vector<Value> cells);

  int32_t GetObjectId() const { return m_objectId; }
  void SetObjectId(int32_t objectId) { m_objectId = objectId; }

  size_t GetCellCount() const { return m_cells.size(); }
  // The caller passes an index below GetCellCount().
  const Value& GetCell(size_t column) const { return m_cells[column]; }
  void SetCell(size_t column, const Value& value);
  const std::vector<Value>& GetCells() const { return m_cells; }

  // A copy of the named value; an empty Value when the key is absent.
  Value GetProperty(const std::wstring& key) const;
  void SetProperty(const std::wstring& key, const Value& value);
  bool HasProperty(const std::wstring& key) const { return m_properties.count(key) != 0; }

private:
  int32_t m_objectId = 0;
  std::vector<Value> m_cells;
  std::map<std::wstring, Value> m_properties;
};
