#include "forms/items/PendingPrices.h"

namespace {

// Every live price row of the change set by item and list; met first in key order wins.
std::map<PriceKey, int32_t> IndexOf(const ChangeSet& changes) {
  std::map<PriceKey, int32_t> index;
  for (auto position = changes.begin(); position != changes.end(); ++position) {
    const auto* row = dynamic_cast<const Invoice::PriceList*>(changes.ObjectAt(position));
    if (row) index.emplace(PriceKey{row->GetPriceGroupId(), row->GetItemId()}, position->first);
  }
  return index;
}

}  // namespace

void PendingPrices::Index() {
  m_index = IndexOf(m_changes);
}

void PendingPrices::BeginFill(bool reload) {
  if (reload) m_changes.Clear();
  Index();
}

const Invoice::PriceList* PendingPrices::FindPending(const PriceKey& key) const {
  const auto found = m_index.find(key);
  if (found == m_index.end()) return nullptr;
  return dynamic_cast<const Invoice::PriceList*>(m_changes.Find(found->second));
}

PriceRow PendingPrices::Show(const Invoice::PriceList& loaded, int32_t itemId, int32_t priceGroupId) {
  PriceRow row;
  row.key = {priceGroupId, itemId};
  if (const Invoice::PriceList* pending = FindPending(row.key)) {
    row.objectId = pending->GetObjectId();
    row.price = pending->GetPrice();
    row.defined = true;
  } else if (loaded.GetId() != 0) {
    m_changes.Add(loaded);
    m_index[row.key] = loaded.GetObjectId();
    row.objectId = loaded.GetObjectId();
    row.price = loaded.GetPrice();
    row.defined = true;
  }
  return row;
}

std::vector<Invoice::PriceList> PendingPrices::RowsToEdit(const std::vector<PriceRow>& selected) const {
  // By the row's key, else by item and list: a row shown before its price
  // was defined still reaches the pending row defined since.
  const std::map<PriceKey, int32_t> index = IndexOf(m_changes);
  std::vector<Invoice::PriceList> rows;
  for (const PriceRow& shown : selected) {
    const Invoice::Object* object = shown.objectId != 0 ? m_changes.Find(shown.objectId) : nullptr;
    if (!object)
      if (const auto found = index.find(shown.key); found != index.end()) object = m_changes.Find(found->second);
    if (const auto* held = dynamic_cast<const Invoice::PriceList*>(object)) {
      rows.push_back(*held);  // a value copy keeps the key, a Clone would not
      continue;
    }
    Invoice::PriceList fresh;
    fresh.SetItemId(shown.key.itemId);
    fresh.SetPriceGroupId(shown.key.priceGroupId);
    rows.push_back(fresh);
  }
  return rows;
}

double PendingPrices::StartingValue(const std::vector<PriceRow>& selected) {
  return selected.size() == 1 && selected.front().objectId != 0 ? selected.front().price : 0.0;
}
