#pragma once

// The rows of an owner-data list. The list window keeps only an item count
// and asks this store for the text of each visible cell. A list of many rows
// may keep its own compact records instead of ListRows and format a cell
// only when it is shown: it overrides the four virtual functions and keeps
// m_rows empty.

#include <cstdint>
#include <string>
#include <vector>

#include "shell/ui/ListRow.h"

class BaseListRows {
public:
  virtual ~BaseListRows() = default;

  // Appends a copy of the row and returns its index. The first row added
  // fixes the column count at its cell count; later rows do not change it.
  size_t AddRow(const ListRow& row);
  // The caller passes an index below GetRowCount().
  ListRow& GetRow(size_t index) { return m_rows[index]; }
  const ListRow& GetRow(size_t index) const { return m_rows[index]; }
  virtual size_t GetRowCount() const { return m_rows.size(); }
  // Empties the rows before a refill; the column count stays.
  virtual void ClearRows() { m_rows.clear(); }

  // Fixed by the first row added; 0 before.
  int32_t GetCellColumnCount() const { return m_columnCount; }

  // Display text of one cell. Rows with fewer cells than the list has columns
  // show empty cells, and indexes outside the rows give the empty text.
  virtual std::wstring GetCellText(size_t row, size_t column) const;
  // The id of the object a row shows; 0 outside the rows.
  virtual int32_t GetRowObjectId(size_t row) const;

  // Index of the row showing that object, or -1.
  long FindObjectRow(int32_t objectId) const;

protected:
  std::vector<ListRow> m_rows;
  int32_t m_columnCount = 0;
};
