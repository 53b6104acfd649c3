#pragma once

// What the "Income" and "Outcome" pages share: the list of the stock
// movements of the edited item (or of every item of the edited group and
// its sub-groups), edited through the stock dialogs into the page's change
// set and saved with the form. New movements show first.

#include <cstdint>
#include <string>
#include <vector>

#include "data/ChangeSet.h"
#include "data/objects/Item.h"
#include "forms/items/ItemPage.h"
#include "shell/ui/ListRow.h"
#include "common/ui/popup_menu.h"

class BaseListCtrl;

class StockMovesPage : public ItemPage {
public:
  void LoadData() override { Load(false); }
  bool SaveData(bool& reload) override;

  // The rows: from the database (keepChanges false, which drops every
  // pending change) or from the change set.
  void Load(bool keepChanges);
  void New();
  void Properties();
  void Delete();
  size_t GetSelectedCount() const;
  void ShowContextMenu();

  BaseListCtrl* GetList() const { return m_list; }
  const ChangeSet& GetChanges() const { return m_changes; }

protected:
  // The list is kept under itemListName for an item, groupListName for a group.
  StockMovesPage(uint32_t templateId, int listId, const wchar_t* itemListName, const wchar_t* groupListName,
                 const wchar_t* kindColumn, const wchar_t* newText, wxWindow* parent);

  // The item's movements as rows, each recorded in the change set.
  virtual void AppendStored(const Invoice::Item& item, bool group) = 0;
  // The row of a pending entry; false when the entry is not this page's kind.
  virtual bool AppendPending(const Invoice::Object& object, int32_t key, bool group) = 0;
  // The stock dialog for a new movement offering the items, or for one movement.
  virtual bool RunNew(std::vector<long>& itemIds) = 0;
  virtual bool RunEdit(int32_t objectId) = 0;
  virtual bool DeleteOne(int32_t objectId, bool ask) = 0;

  // Adds a row; its object id becomes key.
  void AddRow(ListRow row, int32_t key);
  ChangeSet m_changes;

private:
  BaseListCtrl* m_list;
  popup_menu m_menu{10000};
  unsigned m_menuNew = 0, m_menuProperties = 0, m_menuDelete = 0;
};
