#include "forms/dialogs/SearchDlg.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>

#include "forms/dialogs/DialogMessages.h"
#include "platform/MessageBox.h"

SearchDlg::SearchDlg(int mode, const Invoice::Searches::SearchDef* definition, wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Search"),
      m_mode(mode),
      m_query(mode, definition),
      m_presetIds(&m_ownPresets) {
  CreateControls();
}

SearchDlg::SearchDlg(int mode, const std::vector<int32_t>* presetIds, wxWindow* parent)
    : BaseDialog(kTemplateId, parent, L"Search"),
      m_mode(mode),
      m_query(mode, nullptr),
      m_presetIds(presetIds ? presetIds : &m_ownPresets) {
  CreateControls();
}

void SearchDlg::CreateControls() {
  SetDialogClientSize(220, 200);
  DialogUnits du(this);
  m_label = new wxStaticText(this, kLabel, L"Search text:", du.Point(7, 9), du.Size(45, 8));
  m_searchBox = new wxComboBox(this, kSearchText, wxEmptyString, du.Point(55, 7), du.Size(110, 12));
  m_searchButton = new wxButton(this, kSearchButton, L"Search", du.Point(170, 6), du.Size(43, 14));
  m_list = new BaseListCtrl(this, kResultList, SearchQuery::TextsOf(m_mode).listName, du.Point(7, 26),
                            du.Size(206, 147));
  auto* ok = new wxButton(this, platform::IDOK, L"OK", du.Point(110, 179), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(163, 179), du.Size(50, 14));
  ok->SetDefault();

  m_searchButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RunSearch(); });
  m_list->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) {
    if (!m_list->GetSelectedRows().empty()) OnOK();
  });
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

bool SearchDlg::OnInitDialog() {
  const SearchModeTexts texts = SearchQuery::TextsOf(m_mode);
  m_searchButton->SetLabel(L"Search!");
  FindWindow(platform::IDOK)->SetLabel(L"OK");
  FindWindow(platform::IDCANCEL)->SetLabel(L"Cancel");
  SetTitle(texts.caption);
  m_labelText = texts.label;
  if (!texts.column.empty() && m_list->GetListColumnCount() == 0) {
    m_list->AddColumn(texts.column, 0, texts.columnWidth);
    m_list->LoadColumnState();
  }

  if (!m_presetIds->empty()) {
    // A chooser: no searching, the list takes the room of the search controls.
    m_searchButton->Hide();
    m_label->Hide();
    m_searchBox->Hide();
    const wxRect rect = m_list->GetRect();
    const int bottom = rect.GetBottom();
    m_list->SetSize(rect.x, 10, rect.width, bottom - 10 + 1);

    std::vector<ListRow> rows;
    try {
      m_query.AppendPresetRows(*m_presetIds, rows);
    } catch (const Invoice::DbException& error) {
      dialogs::ShowDbError(error, this);
    }
    ShowRows(rows);
  }
  TransferDataToWindow();
  return true;
}

void SearchDlg::ShowRows(const std::vector<ListRow>& rows) {
  m_list->SetItemCount(0);
  m_list->ClearRows();
  for (const ListRow& row : rows) m_list->AddRow(row);
  m_list->SetItemCount(m_list->GetRowCount());
}

void SearchDlg::RunSearch() {
  TransferDataFromWindow();
  std::vector<ListRow> rows;
  try {
    m_query.AppendResults(m_searchText, rows);
  } catch (const Invoice::DbException& error) {
    ShowRows(rows);
    dialogs::ShowDbError(error, this);
    return;
  }
  ShowRows(rows);
}

void SearchDlg::OnOK() {
  const long selected = GetSelectedListItem(*m_list);
  if (selected >= 0 && static_cast<size_t>(selected) < m_list->GetRowCount()) {
    m_chosenId = m_list->GetRow(selected).GetObjectId();
    EndDialog(platform::IDOK);
    return;
  }
  RunSearch();
}

bool SearchDlg::TransferDataToWindow() {
  m_label->SetLabel(m_labelText);
  m_searchBox->ChangeValue(m_searchText);
  return true;
}

bool SearchDlg::TransferDataFromWindow() {
  m_searchText = m_searchBox->GetValue().ToStdWstring();
  return true;
}
