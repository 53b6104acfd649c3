#include "forms/dialogs/RefDataDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/stattext.h>

#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/RefDataEdit2Dlg.h"
#include "platform/MessageBox.h"

RefDataDlg::RefDataDlg(int kind, wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Referential Data"), m_table(kind) {
  SetDialogClientSize(262, 180);
  DialogUnits du(this);
  m_label = new wxStaticText(this, kListLabel, wxEmptyString, du.Point(7, 7), du.Size(190, 8));
  m_list = new BaseListCtrl(this, kList, m_table.ListTexts().listName, du.Point(7, 18), du.Size(192, 155));
  new wxButton(this, kNewButton, L"&Add", du.Point(205, 18), du.Size(50, 14));
  new wxButton(this, kEditButton, L"&Edit", du.Point(205, 35), du.Size(50, 14));
  new wxButton(this, kDeleteButton, L"&Delete", du.Point(205, 52), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(205, 159), du.Size(50, 14));

  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnNew(); }, kNewButton);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnEdit(); }, kEditButton);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnDelete(); }, kDeleteButton);
  m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) { OnEdit(); });
  auto enableForSelection = [this](wxUpdateUIEvent& event) {
    event.Enable(CanEditSelection(m_list->GetSelectedRows().size()));
  };
  Bind(wxEVT_UPDATE_UI, enableForSelection, kEditButton);
  Bind(wxEVT_UPDATE_UI, enableForSelection, kDeleteButton);
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

bool RefDataDlg::OnInitDialog() {
  if (m_table.IsKnown() && m_list->GetListColumnCount() == 0) {
    const RefDataListTexts texts = m_table.ListTexts();
    m_labelText = texts.label;
    for (const RefDataColumn& column : texts.columns)
      m_list->AddColumn(column.caption, column.alignment, column.width);
    m_list->LoadColumnState();
    SetTitle(texts.caption);
    FindWindow(kNewButton)->SetLabel(L"&New");
    FindWindow(kEditButton)->SetLabel(L"&Edit");
    FindWindow(kDeleteButton)->SetLabel(L"Delete");
    FindWindow(platform::IDCANCEL)->SetLabel(texts.closeText);
  }
  TransferDataToWindow();
  FillList();
  // The list is narrower than its two columns' default widths: the first
  // gives way, as far as its texts allow, where that brings the second
  // ("Allowed Delay in days") into view whole; a second column wider than
  // the list (a long file name) scrolls instead.
  if (m_list->GetListColumnCount() == 2) {
    const std::vector<int> narrowed = m_list->NarrowedToFit(m_list->GetColumnWidths(), 0, 0);
    if (narrowed[0] + narrowed[1] <= m_list->GetClientSize().x) m_list->SetColumnWidth(0, narrowed[0]);
  }
  return true;
}

bool RefDataDlg::TransferDataToWindow() {
  m_label->SetLabel(m_labelText);
  return true;
}

void RefDataDlg::FillList() {
  m_list->SetItemCount(0);
  m_list->ClearRows();
  std::vector<ListRow> rows;
  try {
    m_table.AppendRows(rows);
  } catch (const Invoice::DbException& error) {
    for (const ListRow& row : rows) m_list->AddRow(row);
    m_list->SetItemCount(m_list->GetRowCount());
    dialogs::ShowDbError(error, this);
    return;
  }
  for (const ListRow& row : rows) m_list->AddRow(row);
  m_list->SetItemCount(m_list->GetRowCount());
  if (m_list->GetRowCount() > 0) m_list->SelectRow(0);
  FitFileNameColumn();
}

void RefDataDlg::FitFileNameColumn() {
  // A template's file name is a full path: its column takes the room the
  // name leaves in the list, and more where a path needs it, so that no
  // path is cut. A wider column the user chose stays as it is.
  if (!m_table.BrowsesForFile() || m_list->GetListColumnCount() < 2) return;
  constexpr int kFillerWidth = 24;
  constexpr int kCellMargin = 16;
  const std::vector<int> widths = m_list->GetColumnWidths();
  int wanted = std::max(widths[1], m_list->GetClientSize().x - widths[0] - kFillerWidth);
  for (size_t row = 0; row < m_list->GetRowCount(); ++row)
    wanted = std::max(wanted, m_list->GetTextExtent(wxString(m_list->GetCellText(row, 1))).x + kCellMargin);
  if (wanted != widths[1]) m_list->SetColumnWidth(1, wanted);
}

int32_t RefDataDlg::SelectedId() const {
  const long selected = GetSelectedListItem(*m_list);
  if (selected < 0 || static_cast<size_t>(selected) >= m_list->GetRowCount()) return 0;
  return m_list->GetRow(selected).GetObjectId();
}

bool RefDataDlg::RunEdit(int32_t id) {
  RefDataEdit2Dlg edit(id, m_table.GetKind(), this);
  return edit.DoModal() == platform::IDOK;
}

void RefDataDlg::OnNew() {
  if (RunEdit(0)) FillList();
}

void RefDataDlg::OnEdit() {
  const int32_t id = SelectedId();
  if (id != 0 && RunEdit(id)) FillList();
}

void RefDataDlg::OnDelete() {
  const int32_t id = SelectedId();
  if (id == 0 || !dialogs::ConfirmDelete()) return;
  try {
    m_table.Delete(id);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    return;
  }
  FillList();
}
