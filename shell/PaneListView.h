#pragma once

// What the list views of the main window's right pane share: the refill
// that keeps the selected object selected, the selection as object ids, the
// refresh message that makes a view reload, the double click, the context
// menu, the main menu's Delete and Properties commands with their enabling,
// and the delete of the selected objects in one unit of work.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "shell/CommandRules.h"
#include "shell/ui/BaseListView.h"
#include "shell/ui/UnitOfWork.h"
#include "common/ui/popup_menu.h"

namespace Invoice {
class DbException;
}

inline constexpr wchar_t kDeleteQuestion[] = L"Are you sure you want to delete the selected item?";

// Runs the work inside one unit of work (UnitOfWork::Open) and commits it.
// An Invoice::DbException is shown (caption "Corvane", error icon) and the
// unit rolled back. True when committed.
bool RunInUnitOfWork(const std::function<void()>& work);
// Shows the text of a database failure or refusal.
void ShowDbError(const Invoice::DbException& error);
// Sends one registered message to every window of the program, lParam 0.
void Broadcast(unsigned message, platform::WPARAM wParam = 0);
// The delete question (caption "Corvane", Yes/No, No the default); true on Yes.
bool ConfirmDelete();
// Shows the menu at the mouse cursor; the chosen command when it is
// enabled, else 0.
unsigned TrackEnabledCommand(popup_menu& menu, wxWindow* owner);

class PaneListView : public BaseListView {
public:
  PaneListView(wxWindow* parent, const std::wstring& listName);

  // Reloads every row.
  virtual void Refill() = 0;
  // The navigation tree shows a view by updating the document with the view
  // as hint object: then it refills.
  void OnUpdate(View* sender, long hint, void* hintObject) override;
  // True when the hint object of an update names this view (as a View*,
  // which is not the address of the window part).
  bool IsHintFor(const void* hintObject) const { return hintObject == static_cast<const View*>(this); }

  std::vector<int32_t> SelectedObjectIds() const;
  // The object of the first selected row; 0 when none is selected.
  int32_t SelectedObjectId() const;
  size_t SelectedCount() const { return GetSelectedRows().size(); }
  // Selects the row of the object; false when it is not listed.
  bool SelectObject(int32_t objectId);

  // The main menu's Delete and Properties (and Preview, Print) as the
  // selection allows them now; nothing in the base.
  virtual ListCommandState GetCommandState() const { return {}; }
  bool CanDelete() const { return GetCommandState().del; }
  bool CanShowProperties() const { return GetCommandState().properties; }
  virtual void OnDelete() {}
  virtual void OnProperties() {}

  // The view's context menu at the mouse cursor.
  virtual void ShowContextMenu() {}

protected:
  // The registered message that makes the view refill; 0 for none.
  virtual unsigned GetRefreshMessage() const { return 0; }
  // A double click on a row; the default opens the properties of one row.
  virtual void OnDoubleClick();

  // Adds the columns (caption, alignment 0 left / 1 right, width), then
  // restores the stored layout.
  struct ColumnSpec {
    const wchar_t* caption;
    int alignment;
    int width;
  };
  void AddColumns(std::initializer_list<ColumnSpec> columns);
  // Creates m_menu with the entries (an empty text is a separator); their
  // command ids in the same order, 0 for the separators.
  std::vector<unsigned> BuildMenu(std::initializer_list<const wchar_t*> entries);

  // Shows m_menu at the mouse cursor; the chosen command when it is enabled,
  // else 0.
  unsigned TrackContextMenu();

  // Empties the list, then shows the rows and selects the object selected
  // before (the first row when it is gone).
  void ReplaceRows(const std::vector<ListRow>& rows);
  // The same with rows that fill puts into the (emptied) store.
  void ReplaceRows(const std::function<void()>& fill);
  void ClearAllRows();

  // Deletes the objects of the selected rows, all or none, then refills.
  // Each Object is built from its id and its Delete checks its own rules.
  template <class Object>
  void DeleteSelectedObjects();

  popup_menu m_menu{10000};

private:
  void OnMessage(platform::WindowMessageEvent& event);
};

template <class Object>
void PaneListView::DeleteSelectedObjects() {
  const std::vector<int32_t> ids = SelectedObjectIds();
  if (ids.empty() || !ConfirmDelete()) return;
  const bool deleted = RunInUnitOfWork([&] {
    for (int32_t id : ids) Object(id).Delete();
  });
  if (deleted) Refill();
}
