#include "shell/ui/BaseListCtrl.h"

#include <algorithm>

#include "common/RegistryHelpers.h"
#include "shell/ui/ColumnLayout.h"

namespace {

// The virtual model: every cell's text comes from the rows on demand.
class ListRowsModel : public wxDataViewVirtualListModel {
public:
  explicit ListRowsModel(const BaseListRows* rows) : m_rows(rows) {}

  unsigned int GetColumnCount() const override { return 0; }
  wxString GetColumnType(unsigned int) const override { return "string"; }

  void GetValueByRow(wxVariant& variant, unsigned int row, unsigned int column) const override {
    variant = wxString(m_rows->GetCellText(row, column));
  }
  bool SetValueByRow(const wxVariant&, unsigned int, unsigned int) override { return false; }

private:
  const BaseListRows* m_rows;
};

// An empty last column takes the room right of the real columns: GTK widens
// the last column to the control's width, and a real column widened that way
// would store a width the user never chose.
constexpr unsigned kFillerColumn = 0x7FFF;

ListRowsModel* ModelOf(const wxDataViewCtrl& control) {
  return static_cast<ListRowsModel*>(const_cast<wxDataViewModel*>(control.GetModel()));
}

}  // namespace

BaseListCtrl::BaseListCtrl() = default;

BaseListCtrl::BaseListCtrl(wxWindow* parent, wxWindowID id, const std::wstring& listName, const wxPoint& pos,
                           const wxSize& size, long style)
    : m_listName(listName) {
  Create(parent, id, pos, size, style);
}

bool BaseListCtrl::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                          long style) {
  if (!wxDataViewCtrl::Create(parent, id, pos, size, style | wxDV_MULTIPLE | wxDV_ROW_LINES)) return false;
  auto* model = new ListRowsModel(this);
  AssociateModel(model);
  model->DecRef();
  return true;
}

BaseListCtrl::~BaseListCtrl() {
  // Here the columns and the native control still exist.
  if (GetModel()) SaveColumnState();
}

// GTK draws every column's header as a button, which needs room for its
// borders: a narrower header is laid out with a negative width.
constexpr int kFillerWidth = 24;
// Room a header button takes beside its text.
constexpr int kHeaderPadding = 24;
// Room a cell takes beside its text.
constexpr int kCellPadding = 16;

int BaseListCtrl::AddColumn(const std::wstring& caption, int alignment, int width) {
  // A column starts at least as wide as its header's text and the header
  // button's borders; widths stored by the user are set afterwards as they are.
  width = std::max(width, GetTextExtent(wxString(caption)).x + FromDIP(kHeaderPadding));
  int index = static_cast<int>(m_columns.size());
  m_columns.push_back({caption, alignment, width});
  RemoveFiller();
  AppendViewColumn(index, width);
  AppendFiller();
  return index;
}

wxDataViewColumn* BaseListCtrl::FindFiller() const {
  for (unsigned i = 0; i < wxDataViewCtrl::GetColumnCount(); ++i)
    if (GetColumn(i)->GetModelColumn() == kFillerColumn) return GetColumn(i);
  return nullptr;
}

void BaseListCtrl::RemoveFiller() {
  if (wxDataViewColumn* filler = FindFiller()) DeleteColumn(filler);
}


void BaseListCtrl::AppendFiller() {
  auto* renderer = new wxDataViewTextRenderer("string", wxDATAVIEW_CELL_INERT);
  auto* filler = new wxDataViewColumn(wxString(), renderer, kFillerColumn, kFillerWidth, wxALIGN_LEFT, 0);
  filler->SetMinWidth(kFillerWidth);
  AppendColumn(filler);
}

bool BaseListCtrl::IsWidenedByTheControl(wxDataViewColumn* column) const {
  // The last column shown grows to the control's width; with the filler last
  // (where it is kept) no real column does.
  wxDataViewColumn* filler = FindFiller();
  if (!filler) return false;
  int last = static_cast<int>(wxDataViewCtrl::GetColumnCount()) - 1;
  return GetColumnPosition(filler) != last && GetColumnPosition(column) == last;
}

int BaseListCtrl::InsertColumn(int index, const std::wstring& caption, int alignment, int width) {
  if (index != GetListColumnCount()) return -1;
  return AddColumn(caption, alignment, width);
}

void BaseListCtrl::AppendViewColumn(int index, int width) {
  const ColumnDef& def = m_columns[index];
  wxAlignment align = def.alignment == 1 ? wxALIGN_RIGHT : wxALIGN_LEFT;
  auto* renderer = new wxDataViewTextRenderer("string", wxDATAVIEW_CELL_INERT, align);
  auto* column = new wxDataViewColumn(wxString(def.caption), renderer, static_cast<unsigned>(index), width,
                                      align, wxDATAVIEW_COL_RESIZABLE | wxDATAVIEW_COL_REORDERABLE);
  AppendColumn(column);
}

wxDataViewColumn* BaseListCtrl::FindColumnByIndex(int index) const {
  for (unsigned i = 0; i < wxDataViewCtrl::GetColumnCount(); ++i) {
    wxDataViewColumn* column = GetColumn(i);
    if (static_cast<int>(column->GetModelColumn()) == index) return column;
  }
  return nullptr;
}

std::vector<int> BaseListCtrl::GetColumnOrder() const {
  int count = GetListColumnCount();
  std::vector<std::pair<int, int>> shown;  // position, column index
  for (int index = 0; index < count; ++index) {
    wxDataViewColumn* column = FindColumnByIndex(index);
    shown.push_back({column ? GetColumnPosition(column) : index, index});
  }
  std::stable_sort(shown.begin(), shown.end());
  std::vector<int> order;
  for (const auto& [position, index] : shown) order.push_back(index);
  return order;
}

void BaseListCtrl::SetColumnOrder(const std::vector<int>& order) {
  int count = GetListColumnCount();
  if (static_cast<int>(order.size()) != count) return;
  std::vector<bool> seen(count, false);
  for (int index : order) {
    if (index < 0 || index >= count || seen[index]) return;
    seen[index] = true;
  }
  if (order == GetColumnOrder()) return;
  // The columns are shown in the order they are appended; each keeps its
  // model column, so the cells follow their column.
  std::vector<int> widths = GetColumnWidths();
  ClearColumns();
  for (int index : order) AppendViewColumn(index, widths[index]);
  AppendFiller();
}

std::vector<int> BaseListCtrl::GetColumnWidths() const {
  std::vector<int> widths;
  for (int index = 0; index < GetListColumnCount(); ++index) {
    wxDataViewColumn* column = FindColumnByIndex(index);
    int width = column && !IsWidenedByTheControl(column) ? column->GetWidth() : 0;
    // A column that was never laid out reports no width: keep the one set.
    widths.push_back(width > 0 ? width : m_columns[index].width);
  }
  return widths;
}

int BaseListCtrl::ContentWidth(int index) const {
  if (index < 0 || index >= GetListColumnCount()) return 0;
  int widest = GetTextExtent(wxString(m_columns[index].caption)).x + FromDIP(kHeaderPadding);
  for (size_t row = 0; row < GetRowCount(); ++row)
    widest = std::max(widest, GetTextExtent(wxString(GetCellText(row, static_cast<size_t>(index)))).x +
                                  FromDIP(kCellPadding));
  return widest;
}

std::vector<int> BaseListCtrl::NarrowedToFit(std::vector<int> widths, int index, int leastWidth) const {
  if (index < 0 || index >= GetListColumnCount() || static_cast<size_t>(index) >= widths.size()) return widths;
  int total = kFillerWidth;
  for (int width : widths) total += width;
  const int room = GetClientSize().x;
  if (room <= 0 || total <= room) return widths;
  // Never so narrow that the header or a row's text is cut.
  widths[index] = std::min(widths[index],
                           std::max({leastWidth, ContentWidth(index), widths[index] - (total - room)}));
  return widths;
}

void BaseListCtrl::NarrowColumnToFit(int index, int leastWidth) {
  const std::vector<int> widths = GetColumnWidths();
  const std::vector<int> narrowed = NarrowedToFit(widths, index, leastWidth);
  if (narrowed != widths) SetColumnWidth(index, narrowed[index]);
}

void BaseListCtrl::SetColumnWidth(int index, int width) {
  if (index < 0 || index >= GetListColumnCount()) return;
  m_columns[index].width = width;
  if (wxDataViewColumn* column = FindColumnByIndex(index)) column->SetWidth(width);
}

void BaseListCtrl::LoadColumnState() {
  LoadColumnOrder(*this, kListColOrderKey, m_listName);
  LoadColumnWidths(*this, kListColWidthKey, m_listName);
}

void BaseListCtrl::SaveColumnState() {
  SaveColumnOrder(*this, kListColOrderKey, m_listName);
  SaveColumnWidths(*this, kListColWidthKey, m_listName);
}

void BaseListCtrl::SetItemCount(size_t count) {
  if (auto* model = ModelOf(*this)) model->Reset(static_cast<unsigned>(count));
}

size_t BaseListCtrl::GetItemCount() const {
  auto* model = ModelOf(*this);
  return model ? model->GetCount() : 0;
}

void BaseListCtrl::RefreshRows() {
  if (auto* model = ModelOf(*this)) model->Reset(model->GetCount());
}

std::vector<long> BaseListCtrl::GetSelectedRows() const {
  std::vector<long> rows;
  wxDataViewItemArray items;
  GetSelections(items);
  for (const auto& item : items) rows.push_back(GetRowOf(item));
  std::sort(rows.begin(), rows.end());
  return rows;
}

void BaseListCtrl::SelectRow(long row) {
  UnselectAll();
  auto* model = ModelOf(*this);
  if (!model || row < 0 || static_cast<unsigned long>(row) >= model->GetCount()) return;
  wxDataViewItem item = model->GetItem(static_cast<unsigned>(row));
  Select(item);
  SetCurrentItem(item);
  // wx scrolls to the row again at its next idle time, when the rows may have
  // been refilled or emptied meanwhile (GTK then scrolls an empty tree): ask
  // for it only then, if the row is still there.
  CallAfter([this, row] {
    auto* current = ModelOf(*this);
    if (current && static_cast<unsigned long>(row) < current->GetCount())
      EnsureVisible(current->GetItem(static_cast<unsigned>(row)));
  });
}

long BaseListCtrl::GetRowOf(const wxDataViewItem& item) const {
  auto* model = ModelOf(*this);
  return model && item.IsOk() ? static_cast<long>(model->GetRow(item)) : -1;
}

long GetSelectedListItem(const BaseListCtrl& list) {
  auto rows = list.GetSelectedRows();
  return rows.empty() ? -1 : rows.front();
}

void SaveColumnOrder(const BaseListCtrl& list, const std::wstring& key, const std::wstring& listName) {
  if (list.GetListColumnCount() > 0) RegWriteString(key, listName, FormatColumnOrder(list.GetColumnOrder()));
}

void SaveColumnWidths(const BaseListCtrl& list, const std::wstring& key, const std::wstring& listName) {
  if (list.GetListColumnCount() > 0)
    RegWriteString(key, listName, FormatColumnWidths(list.GetColumnWidths()));
}

void LoadColumnOrder(BaseListCtrl& list, const std::wstring& key, const std::wstring& listName) {
  auto text = RegReadString(key, listName);
  if (!text) return;
  if (auto order = ParseColumnOrder(*text, list.GetListColumnCount())) list.SetColumnOrder(*order);
}

void LoadColumnWidths(BaseListCtrl& list, const std::wstring& key, const std::wstring& listName) {
  auto text = RegReadString(key, listName);
  if (!text) return;
  auto widths = ParseColumnWidths(*text, list.GetListColumnCount());
  for (int i = 0; i < static_cast<int>(widths.size()); ++i) list.SetColumnWidth(i, widths[i]);
}
