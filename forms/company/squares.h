#pragma once

// The container of the contact page's cards: it owns its cells, lays them
// out in columns (mode 0) or rows (mode 1) of a fixed count, paints the
// visible ones and hit-tests points in content coordinates (the page's
// client coordinates plus its scroll position). A cell moves through the
// states 0 new, 1 prepared, 2 measured, 3 placed while painting;
// ResetLayout moves cells back so the next paint measures or places again.
// The container also answers the window's mouse: which cell a click or the
// cursor is over, and that cell's click and cursor.
//
// Cell derives from square<Cell> and has: int state, x, y, cx, cy, id;
// squares<Cell>* container; SquareSize GetSize(Canvas&).

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include <wx/cursor.h>
#include <wx/gdicmn.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "platform/gdi/Canvas.h"
#include "shell/ui/CMappedDC.h"

struct SquareSize {
  int32_t cx = 0;
  int32_t cy = 0;
};

// A cell of the container: it prepares, measures and draws what it shows,
// and says where a click hits it; by default it shows the arrow cursor and
// does nothing on a click.
template <class Cell>
class square {
public:
  square() = default;
  virtual ~square() = default;
  square(const square&) = delete;
  square& operator=(const square&) = delete;

  // 1 when ready to measure.
  virtual int Prepare() = 0;
  // The cell's size; 2 when measured.
  virtual int Measure(platform::gdi::Canvas& dc, SquareSize& size) = 0;
  virtual void Draw(CMappedDC& dc, int32_t x, int32_t y, int index) = 0;
  // What a click or the cursor hits, in content coordinates.
  virtual platform::gdi::Rect GetContentRect() const = 0;
  // The cursor over the cell at the point (content coordinates).
  virtual const wxCursor& GetCursor(const wxPoint&) {
    if (!m_cursor.IsOk()) m_cursor = wxCursor(wxCURSOR_ARROW);
    return m_cursor;
  }
  // A left click at the point (content coordinates) of the window; true
  // when the cells are to be laid out and painted afresh.
  virtual bool OnClick(wxWindow*, const wxPoint&) { return false; }

private:
  wxCursor m_cursor;
};

template <class Cell>
class squares {
public:
  using Rect = platform::gdi::Rect;

  squares() = default;
  virtual ~squares() = default;
  squares(const squares&) = delete;
  squares& operator=(const squares&) = delete;

  // mode 0: cells go downwards, a new column after lineCount cells; mode 1:
  // rightwards, a new row after lineCount cells.
  void SetLayoutMode(int mode, int lineCount) {
    m_mode = mode;
    m_lineCount = std::max(1, lineCount);
  }

  // A new cell with the next id (ids are never reused).
  Cell* AddSquare() {
    auto cell = std::make_unique<Cell>();
    cell->container = this;
    cell->id = ++m_idCounter;
    Cell* added = cell.get();
    m_cells[added->id] = std::move(cell);
    return added;
  }

  // Deletes every cell; the id counter stays.
  void Clear() {
    m_cells.clear();
    ResetCursor();
  }

  // Cells above the level go back to it; below 3 the layout starts afresh.
  void ResetLayout(int level) {
    if (level < 3) ResetCursor();
    for (auto& [id, cell] : m_cells)
      if (cell->state > level) cell->state = level;
  }

  Cell* Find(int id) const {
    auto found = m_cells.find(id);
    return found == m_cells.end() ? nullptr : found->second.get();
  }

  // The id of the first placed cell whose content rectangle holds the point; 0 for none.
  int HitTest(int32_t x, int32_t y) const {
    for (const auto& [id, cell] : m_cells) {
      if (cell->state != 3) continue;
      const Rect r = cell->GetContentRect();
      if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return id;
    }
    return 0;
  }

  // Every cell is measured and placed again at the next paint of the window.
  void Invalidate(wxWindow* window) {
    ResetLayout(0);
    window->Refresh();
  }

  // A left click on the window, where the cursor is now: the cell under it
  // handles it; when the cell asks for it, the cells are laid out afresh.
  // Nothing outside the window's client rectangle.
  void OnClick(wxWindow* window) {
    wxPoint content;
    Cell* cell = CellUnderCursor(window, content);
    if (cell && cell->OnClick(window, content)) Invalidate(window);
  }

  // Over a cell, the window shows the cell's cursor (set only when it is not
  // the window's cursor already) and the result is true; outside the client
  // rectangle or over no cell the result is false and the cursor is the
  // caller's to choose.
  bool UpdateCursor(wxWindow* window) {
    wxPoint content;
    Cell* cell = CellUnderCursor(window, content);
    if (!cell) return false;
    const wxCursor& cursor = cell->GetCursor(content);
    if (!window->GetCursor().IsSameAs(cursor)) window->SetCursor(cursor);
    return true;
  }

  // The next cell's position for its size; advances the layout cursor.
  void NextPosition(int32_t& x, int32_t& y, const SquareSize& size) {
    x = m_nextX;
    y = m_nextY;
    m_index = (m_index + 1) % m_lineCount;
    const bool wrapped = m_index == 0;
    if (m_mode == 0) {
      m_farEdge = std::max(m_farEdge, m_nextX + size.cx);
      if (wrapped) {
        m_nextX = m_farEdge;
        m_nextY = 0;
      } else {
        m_nextY += size.cy;
      }
    } else {
      m_farEdge = std::max(m_farEdge, m_nextY + size.cy);
      if (wrapped) {
        m_nextX = 0;
        m_nextY = m_farEdge;
      } else {
        m_nextX += size.cx;
      }
    }
  }

  // Measures and places the cells not placed yet, and draws those that meet
  // the visible rectangle (content coordinates), on a surface mapped one
  // millimetre to one millimetre.
  void Paint(platform::gdi::Canvas& dc, const Rect& visible) {
    m_visible = visible;
    const platform::gdi::DeviceMetrics metrics = dc.GetMetrics();
    std::unique_ptr<CMappedDC> mapped =
        CreateMappedDC(dc, MillimetreMapping::PixelsPerMm(metrics.pixelsPerInchX),
                       MillimetreMapping::PixelsPerMm(metrics.pixelsPerInchY), 0);
    int index = 0;
    for (auto& [id, cell] : m_cells) {
      const SquareSize size = cell->GetSize(dc);
      if (cell->state == 2) {
        NextPosition(cell->x, cell->y, size);
        cell->state = 3;
      }
      if (cell->state != 3) continue;  // measuring failed
      const Rect r{cell->x, cell->y, cell->x + cell->cx, cell->y + cell->cy};
      if (r.left < visible.right && r.right > visible.left && r.top < visible.bottom && r.bottom > visible.top)
        cell->Draw(*mapped, cell->x, cell->y, index);
      ++index;
      m_extent.right = std::max(m_extent.right, r.right);
      m_extent.bottom = std::max(m_extent.bottom, r.bottom);
      if (m_lineCount == 1 && (r.left >= visible.right || r.top >= visible.bottom)) break;
    }
  }

  // The largest right and bottom edge of the placed cells.
  const Rect& GetExtent() const { return m_extent; }
  const Rect& GetVisible() const { return m_visible; }
  const std::map<int, std::unique_ptr<Cell>>& GetCells() const { return m_cells; }
  size_t Count() const { return m_cells.size(); }

private:
  // The cell under the mouse cursor, with the cursor's content coordinates:
  // the window's client coordinates plus the origin of the last painted
  // rectangle. None outside the client rectangle.
  Cell* CellUnderCursor(wxWindow* window, wxPoint& content) const {
    const wxPoint client = window->ScreenToClient(wxGetMousePosition());
    if (!wxRect(window->GetClientSize()).Contains(client)) return nullptr;
    content = client + wxPoint(m_visible.left, m_visible.top);
    return Find(HitTest(content.x, content.y));
  }

  void ResetCursor() {
    m_index = 0;
    m_nextX = m_nextY = m_farEdge = 0;
    m_extent = {};
  }

  int m_idCounter = 0;
  std::map<int, std::unique_ptr<Cell>> m_cells;
  int m_mode = 0;
  int m_lineCount = 4;
  int m_index = 0;
  int32_t m_nextX = 0;
  int32_t m_nextY = 0;
  int32_t m_farEdge = 0;
  Rect m_extent;
  Rect m_visible;
};
