#pragma once

// An owner-data report list: the window holds only an item count and asks
// its BaseListRows for the text of each visible cell, so thousands of rows
// cost one ListRow each. Users reorder columns by dragging their headers and
// resize them; the order and widths are kept under the list's name and
// restored by LoadColumnState after the owner has added its columns.
//
// An owner on a dialog or page:
//   m_list = new BaseListCtrl(this, IDC_LIST, L"ItemPricesList", DluRect...);
//   m_list->AddColumn(L"Name", 0, 150);
//   m_list->AddColumn(L"Price", 1, 80);
//   m_list->LoadColumnState();
//   // refill:
//   m_list->SetItemCount(0); m_list->ClearRows();
//   for (...) m_list->AddRow(ListRow(id, {Value(name), Value(price)}));
//   m_list->SetItemCount(m_list->GetRowCount());
//   m_list->SelectRow(index);

#include <string>
#include <vector>

#include <wx/dataview.h>

#include "shell/ui/BaseListRows.h"

class BaseListCtrl : public wxDataViewCtrl, public BaseListRows {
public:
  struct ColumnDef {
    std::wstring caption;
    int alignment = 0;  // 0 left, 1 right
    int width = 50;
  };

  BaseListCtrl();
  BaseListCtrl(wxWindow* parent, wxWindowID id, const std::wstring& listName = {},
               const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
               long style = wxBORDER_THEME);
  // Saves the column layout under the list name.
  ~BaseListCtrl() override;

  bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = wxBORDER_THEME);

  const std::wstring& GetListName() const { return m_listName; }
  // Set before LoadColumnState; an empty name keeps the layout under an empty
  // value name.
  void SetListName(const std::wstring& name) { m_listName = name; }

  // Appends a column; its index.
  int AddColumn(const std::wstring& caption, int alignment = 0, int width = 50);
  // Column index order only: index must be the current column count.
  int InsertColumn(int index, const std::wstring& caption, int alignment = 0, int width = 50);
  int GetListColumnCount() const { return static_cast<int>(m_columns.size()); }
  const ColumnDef& GetColumnDef(int index) const { return m_columns[index]; }

  // order[i]: the column index shown at position i.
  std::vector<int> GetColumnOrder() const;
  // Ignored unless it is a permutation of the column indexes.
  void SetColumnOrder(const std::vector<int>& order);
  // Widths in column index order.
  std::vector<int> GetColumnWidths() const;
  void SetColumnWidth(int index, int width);
  // Narrows that column (down to leastWidth, and never below its content
  // width) when the columns are wider than the control, so that the columns
  // after it stay in view.
  void NarrowColumnToFit(int index, int leastWidth);
  // The same on given widths (in column index order): the widths with that
  // column narrowed as far as the control's width asks and its texts allow.
  std::vector<int> NarrowedToFit(std::vector<int> widths, int index, int leastWidth) const;
  // The width that shows the column's header and the text of every row
  // whole (it measures every row: for short lists).
  int ContentWidth(int index) const;

  // Restores the stored order, then the stored widths.
  void LoadColumnState();
  void SaveColumnState();

  // The number of rows the list shows; rows beyond the store show empty cells.
  void SetItemCount(size_t count);
  size_t GetItemCount() const;
  // Asks the list to fetch the visible cells again.
  void RefreshRows();

  // Selected rows in ascending order.
  std::vector<long> GetSelectedRows() const;
  // Selects only this row, focuses it and scrolls it into view (-1: none).
  void SelectRow(long row);
  long GetRowOf(const wxDataViewItem& item) const;

private:
  wxDataViewColumn* FindColumnByIndex(int index) const;
  wxDataViewColumn* FindFiller() const;
  void RemoveFiller();
  void AppendFiller();
  bool IsWidenedByTheControl(wxDataViewColumn* column) const;
  void AppendViewColumn(int index, int width);

  std::wstring m_listName;
  std::vector<ColumnDef> m_columns;
};

// The first selected row, or -1 when nothing is selected.
long GetSelectedListItem(const BaseListCtrl& list);

// The layout operations on a list window, a key and a list name.
void SaveColumnOrder(const BaseListCtrl& list, const std::wstring& key, const std::wstring& listName);
void SaveColumnWidths(const BaseListCtrl& list, const std::wstring& key, const std::wstring& listName);
void LoadColumnOrder(BaseListCtrl& list, const std::wstring& key, const std::wstring& listName);
void LoadColumnWidths(BaseListCtrl& list, const std::wstring& key, const std::wstring& listName);
