#include "shell/PaneListView.h"

#include "data/DbException.h"
#include "shell/ui/BaseSaveFrame.h"

bool RunInUnitOfWork(const std::function<void()>& work) {
  try {
    std::unique_ptr<UnitOfWork> unit = UnitOfWork::Open();
    work();
    unit->Commit();
    return true;
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
    return false;
  }
}

void ShowDbError(const Invoice::DbException& error) {
  platform::ShowMessageBox(error.GetText(), kAppCaption, platform::MB_ICONERROR);
}

void Broadcast(unsigned message, platform::WPARAM wParam) {
  platform::SendToThreadWindows(message, wParam, 0);
}

PaneListView::PaneListView(wxWindow* parent, const std::wstring& listName) : BaseListView(parent, listName) {
  Bind(EVT_CORVANE_MESSAGE, &PaneListView::OnMessage, this);
  Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, [this](wxDataViewEvent&) { OnDoubleClick(); });
  Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, [this](wxDataViewEvent& event) {
    // A right click on a row that is not selected selects it first.
    const long row = event.GetItem().IsOk() ? GetRowOf(event.GetItem()) : -1;
    if (row >= 0 && !IsSelected(event.GetItem())) SelectRow(row);
    ShowContextMenu();
  });
  Bind(
      wxEVT_MENU,
      [this](wxCommandEvent&) {
        if (CanDelete()) OnDelete();
      },
      wxID_DELETE);
  Bind(
      wxEVT_MENU,
      [this](wxCommandEvent&) {
        if (CanShowProperties()) OnProperties();
      },
      wxID_PROPERTIES);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(CanDelete()); }, wxID_DELETE);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(CanShowProperties()); },
      wxID_PROPERTIES);
}

void PaneListView::OnUpdate(View* sender, long hint, void* hintObject) {
  if (IsHintFor(hintObject)) Refill();
}

std::vector<int32_t> PaneListView::SelectedObjectIds() const {
  std::vector<int32_t> ids;
  for (long row : GetSelectedRows())
    if (row >= 0 && static_cast<size_t>(row) < GetRowCount()) ids.push_back(GetRowObjectId(row));
  return ids;
}

int32_t PaneListView::SelectedObjectId() const {
  const std::vector<int32_t> ids = SelectedObjectIds();
  return ids.empty() ? 0 : ids.front();
}

bool PaneListView::SelectObject(int32_t objectId) {
  const long row = FindObjectRow(objectId);
  if (row < 0) return false;
  SelectRow(row);
  return true;
}

void PaneListView::OnDoubleClick() {
  if (SelectedCount() == 1 && CanShowProperties()) OnProperties();
}

void PaneListView::ClearAllRows() {
  SetItemCount(0);
  ClearRows();
}

void PaneListView::ReplaceRows(const std::vector<ListRow>& rows) {
  ReplaceRows([&] {
    for (const ListRow& row : rows) AddRow(row);
  });
}

void PaneListView::ReplaceRows(const std::function<void()>& fill) {
  const int32_t remembered = SelectedObjectId();
  ClearAllRows();
  fill();
  SetItemCount(GetRowCount());
  if (GetRowCount() == 0) return;
  const long found = remembered != 0 ? FindObjectRow(remembered) : -1;
  SelectRow(found >= 0 ? found : 0);
}

void PaneListView::AddColumns(std::initializer_list<ColumnSpec> columns) {
  for (const ColumnSpec& column : columns) AddColumn(column.caption, column.alignment, column.width);
  LoadColumnState();
}

std::vector<unsigned> PaneListView::BuildMenu(std::initializer_list<const wchar_t*> entries) {
  m_menu.Create();
  std::vector<unsigned> ids;
  for (const wchar_t* entry : entries) {
    if (*entry == L'\0') {
      m_menu.AddSeparator();
      ids.push_back(0);
    } else {
      ids.push_back(m_menu.AddItem(entry));
    }
  }
  return ids;
}

unsigned PaneListView::TrackContextMenu() {
  return TrackEnabledCommand(m_menu, this);
}

unsigned TrackEnabledCommand(popup_menu& menu, wxWindow* owner) {
  const int chosen = menu.Track(owner, true);
  if (chosen <= 0 || !menu.IsItemEnabled(static_cast<unsigned>(chosen))) return 0;
  return static_cast<unsigned>(chosen);
}

bool ConfirmDelete() {
  return platform::ShowMessageBox(
             kDeleteQuestion, kAppCaption,
             platform::MB_YESNO | platform::MB_ICONEXCLAMATION | platform::MB_DEFBUTTON2) == platform::IDYES;
}

void PaneListView::OnMessage(platform::WindowMessageEvent& event) {
  const unsigned refresh = GetRefreshMessage();
  if (refresh != 0 && event.GetMessage() == refresh) {
    Refill();
    event.SetResult(0);
    return;
  }
  event.Skip();
}
