#include "shell/ui/BaseListRows.h"

size_t BaseListRows::AddRow(const ListRow& row) {
  if (m_columnCount == 0) m_columnCount = static_cast<int32_t>(row.GetCellCount());
  m_rows.push_back(row);
  return m_rows.size() - 1;
}

std::wstring BaseListRows::GetCellText(size_t row, size_t column) const {
  if (row >= m_rows.size()) return {};
  const ListRow& listRow = m_rows[row];
  if (column >= listRow.GetCellCount()) return {};
  return listRow.GetCell(column).GetText();
}

int32_t BaseListRows::GetRowObjectId(size_t row) const {
  return row < m_rows.size() ? m_rows[row].GetObjectId() : 0;
}

long BaseListRows::FindObjectRow(int32_t objectId) const {
  const size_t count = GetRowCount();
  for (size_t i = 0; i < count; ++i)
    if (GetRowObjectId(i) == objectId) return static_cast<long>(i);
  return -1;
}
