#pragma once

// "Ingredients": the ingredients of a manufactured item, edited through the
// ingredient dialog into the page's change set; the form's save applies it.

#include <cstdint>
#include <vector>

#include "data/ChangeSet.h"
#include "forms/items/ItemPage.h"
#include "common/ui/popup_menu.h"

class BaseListCtrl;

class ItemPage4 : public ItemPage {
public:
  enum ControlId : int { kTemplateId = 123, kList = 1120 };

  explicit ItemPage4(wxWindow* parent);

  // From the database; drops every pending change.
  void LoadData() override;
  // Applies the page's change set inside the form's save.
  bool SaveData(bool& reload) override;

  // The rows: from the database (pending false) or from the change set.
  void FillDependencies(bool pending);
  void OnNewDependency();
  void OnEditDependency();
  void OnDeleteDependencies();
  // The form's names for the same commands.
  void NewDependency() { OnNewDependency(); }
  void EditDependency() { OnEditDependency(); }
  void DeleteDependencies() { OnDeleteDependencies(); }
  bool HasSelection() const { return GetSelectedCount() > 0; }
  size_t GetSelectedCount() const;
  // The object id of the (first) selected row, 0 without a selection.
  int32_t GetSelectedDependencyId() const;
  void ShowContextMenu();

  BaseListCtrl* GetList() const { return m_list; }
  const ChangeSet& GetChanges() const { return m_changes; }

private:
  ChangeSet m_changes;
  BaseListCtrl* m_list;
  popup_menu m_menu{10000};
  unsigned m_menuNew = 0, m_menuProperties = 0, m_menuDelete = 0;
};
