#include "forms/items/ItemDependencyLogic.h"

#include "data/objects/Item.h"
#include "forms/dialogs/SearchQuery.h"

ItemDependencyLogic::ItemDependencyLogic(ChangeSet* changeSet, int32_t depItemId, int32_t itemId,
                                         int32_t dependencyId)
    : m_changeSet(changeSet), m_depItemId(depItemId), m_itemId(itemId), m_dependencyId(dependencyId) {}

ItemSearchRequest ItemDependencyLogic::SearchRequest() {
  ItemSearchRequest request;
  request.mode = kSearchItems;
  return request;
}

bool ItemDependencyLogic::Open(const ItemSearch& search) {
  if (m_depItemId == 0) {
    m_depItemId = search(SearchRequest());
    if (m_depItemId == 0) return false;
  }
  Load();
  return true;
}

void ItemDependencyLogic::Load() {
  m_depItemName = m_depItemId != 0 ? Invoice::Item(m_depItemId).GetName() : std::wstring();
  if (m_dependencyId == 0) return;
  // A value copy keeps the change set's key, so OK replaces that entry.
  const auto* held =
      m_changeSet ? dynamic_cast<const Invoice::ItemDependency*>(m_changeSet->Find(m_dependencyId)) : nullptr;
  if (held)
    m_dependency = *held;
  else if (m_dependencyId > 0)
    m_dependency = Invoice::ItemDependency(m_dependencyId);
  m_triggerQuantity = m_dependency.GetTriggerQuantity();
  m_quantity = m_dependency.GetDepQuantity();
}

bool ItemDependencyLogic::ChooseItem(const ItemSearch& search) {
  const int32_t chosen = search(SearchRequest());
  if (chosen == 0 || chosen == m_depItemId) return false;
  m_depItemId = chosen;
  m_depItemName = Invoice::Item(m_depItemId).GetName();
  return true;
}

std::wstring ItemDependencyLogic::Validate() const {
  return m_depItemId == 0 ? kChooseIngredientMessage : L"";
}

void ItemDependencyLogic::Save() {
  m_dependency.SetDepItemId(m_depItemId);
  m_dependency.SetItemId(m_itemId);
  m_dependency.SetDepQuantity(m_quantity);
  m_dependency.SetTriggerQuantity(m_triggerQuantity);
  if (m_changeSet) m_changeSet->Update(m_dependency);
  m_dependencyId = m_dependency.GetObjectId();
}
