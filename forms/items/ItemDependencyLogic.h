#pragma once

// The decisions of the "Dependent Item" dialog: one ingredient of an item,
// which item it is, from which received quantity on it is issued and how
// much of it. The dialog records the ingredient in the caller's change set;
// the caller saves.

#include <cstdint>
#include <string>

#include "data/ChangeSet.h"
#include "data/objects/ItemDependency.h"
#include "forms/items/StockLineLogic.h"

inline constexpr wchar_t kChooseIngredientMessage[] = L"Please, choose an Item.";

class ItemDependencyLogic {
public:
  // dependencyId 0: a new ingredient of itemId. The change set (may be null)
  // is the caller's.
  ItemDependencyLogic(ChangeSet* changeSet, int32_t depItemId, int32_t itemId, int32_t dependencyId);

  // Without an ingredient item the search runs first; false when it chose
  // none (the dialog then ends as cancelled). Then Load. Throws
  // Invoice::DbException.
  bool Open(const ItemSearch& search);
  // The ingredient item's name and, for an existing ingredient, its
  // quantities: the change set's copy when a change set is given, else the
  // stored one. Throws Invoice::DbException.
  void Load();
  // The "..." button: a chosen item replaces the ingredient item; a
  // cancelled search keeps it. True when it changed. Throws Invoice::DbException.
  bool ChooseItem(const ItemSearch& search);

  // The refusal of OK; empty when the ingredient can be recorded.
  std::wstring Validate() const;
  // Records the ingredient (ChangeSet::Update) and keeps its object id.
  // Throws Invoice::DbException.
  void Save();

  int32_t GetDependencyId() const { return m_dependencyId; }
  int32_t GetDepItemId() const { return m_depItemId; }
  int32_t GetItemId() const { return m_itemId; }
  const std::wstring& GetDepItemName() const { return m_depItemName; }
  double GetTriggerQuantity() const { return m_triggerQuantity; }
  double GetQuantity() const { return m_quantity; }
  void SetTriggerQuantity(double quantity) { m_triggerQuantity = quantity; }
  void SetQuantity(double quantity) { m_quantity = quantity; }
  const Invoice::ItemDependency& GetDependency() const { return m_dependency; }

  static ItemSearchRequest SearchRequest();

private:
  ChangeSet* m_changeSet;
  int32_t m_depItemId;
  int32_t m_itemId;
  int32_t m_dependencyId;
  std::wstring m_depItemName;
  double m_triggerQuantity = 0.0;
  double m_quantity = 0.0;
  Invoice::ItemDependency m_dependency;
};
