#pragma once

// A data field that holds many lines and spreads them over pages: it shows
// `capacity` lines per page, one per 1/rows-per-inch of an inch from its
// top, where the capacity is floor(height in inches * rows per inch). The
// generator gives each grid the first page it prints on and fills it by
// DistributeLines; page n shows the (n - first page)-th slice of its lines.
// No template file creates one; code adds grids to a report.

#include <string>
#include <vector>

#include "preview/DrawField.h"

class CDrawGrid : public CDrawField {
public:
  explicit CDrawGrid(int32_t rowsPerInch = 6);

  void Draw(int32_t page, platform::gdi::Canvas& dc) const override;
  // Forgets the text and the lines.
  void ClearText() override;

  void AddLine(const std::wstring& text) { m_lines.push_back(text); }
  const std::vector<std::wstring>& GetLines() const { return m_lines; }
  int32_t GetLineCount() const { return static_cast<int32_t>(m_lines.size()); }

  int32_t GetRowsPerInch() const { return m_rowsPerInch; }
  void SetRowsPerInch(int32_t rows) { m_rowsPerInch = rows; }
  // Lines one page holds; 0 for a grid too low for one row.
  int32_t GetCapacity() const;

  // The first page number the grid prints on; -1 when it prints on none.
  int32_t GetPageNumber() const { return m_pageNumber; }
  void SetPageNumber(int32_t page) { m_pageNumber = page; }

private:
  int32_t m_rowsPerInch;
  int32_t m_pageNumber = -1;
  std::vector<std::wstring> m_lines;
};
