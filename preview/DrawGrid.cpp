#include "preview/DrawGrid.h"

#include <algorithm>
#include <cmath>

using namespace platform::gdi;

CDrawGrid::CDrawGrid(int32_t rowsPerInch) : CDrawField(kDrawGrid), m_rowsPerInch(rowsPerInch) {}

int32_t CDrawGrid::GetCapacity() const {
  if (m_rowsPerInch <= 0) return 0;
  const double rows = std::floor((GetBottom() - GetTop()) * m_rowsPerInch);
  return rows > 0 ? static_cast<int32_t>(std::min(rows, 1e9)) : 0;
}

void CDrawGrid::ClearText() {
  CDrawField::ClearText();
  m_lines.clear();
}

void CDrawGrid::Draw(int32_t page, Canvas& dc) const {
  const int32_t capacity = GetCapacity();
  if (m_pageNumber < 1 || page < m_pageNumber || capacity == 0) return;
  const size_t first = static_cast<size_t>(page - m_pageNumber) * static_cast<size_t>(capacity);
  const double rowHeight = 1.0 / m_rowsPerInch;
  for (size_t row = 0; row < static_cast<size_t>(capacity) && first + row < m_lines.size(); ++row) {
    DrawRow(page, dc, GetTop() + row * rowHeight, GetTop() + (row + 1) * rowHeight, m_lines[first + row]);
  }
}
