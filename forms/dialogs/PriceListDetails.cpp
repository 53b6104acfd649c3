#include "forms/dialogs/PriceListDetails.h"

#include <cwctype>

#include "data/objects/Item.h"

std::wstring PriceListDetails::Caption(int32_t direction, const std::wstring& name) {
  const std::wstring kind = direction == 1 ? L"Income Price List" : L"Outcome Price List";
  return name.empty() ? kind : kind + L" - " + name;
}

std::wstring PriceListDetails::TrimmedName(const std::wstring& name) {
  size_t first = 0, last = name.size();
  while (first < last && std::iswspace(name[first])) ++first;
  while (last > first && std::iswspace(name[last - 1])) --last;
  return name.substr(first, last - first);
}

void PriceListDetails::BindPendingPrices(int32_t priceGroupId) {
  for (auto entry = m_changes.begin(); entry != m_changes.end(); ++entry)
    if (auto* price = dynamic_cast<Invoice::PriceList*>(m_changes.ObjectAt(entry)))
      if (price->GetPriceGroupId() != priceGroupId) price->SetPriceGroupId(priceGroupId);
}

void PriceListDetails::Fill(int32_t priceGroupId, bool keepChanges) {
  m_rows.clear();
  m_shown.clear();
  // A save of a new list that was rolled back took the list's id back, but
  // not from the prices it had given it to.
  if (keepChanges) BindPendingPrices(priceGroupId);
  m_prices.BeginFill(!keepChanges);
  std::vector<Invoice::PriceList> prices;
  Invoice::PriceGroup(priceGroupId).GetPriceLists(prices);
  for (const Invoice::PriceList& price : prices) {
    const int32_t itemId = price.GetItemId();
    const Invoice::Item item(itemId);
    const PriceRow shown = m_prices.Show(price, itemId, priceGroupId);
    ListRow row(shown.objectId,
                {Value(item.GetName()), shown.defined ? Value(shown.price) : Value(L"Not defined")});
    row.SetProperty(L"item_object_id", Value(itemId));
    m_rows.push_back(std::move(row));
    m_shown.push_back(shown);
  }
}

std::vector<PriceRow> PriceListDetails::Selected(const std::vector<long>& selected) const {
  std::vector<PriceRow> rows;
  for (long index : selected)
    if (index >= 0 && index < static_cast<long>(m_shown.size())) rows.push_back(m_shown[index]);
  return rows;
}

std::vector<Invoice::PriceList> PriceListDetails::RowsToEdit(const std::vector<long>& selected) const {
  return m_prices.RowsToEdit(Selected(selected));
}

double PriceListDetails::StartingValue(const std::vector<long>& selected) const {
  return PendingPrices::StartingValue(Selected(selected));
}

std::optional<std::wstring> PriceListDetails::Save(Invoice::PriceGroup& group, const std::wstring& name,
                                                   int32_t direction) {
  const std::wstring trimmed = TrimmedName(name);
  if (trimmed.empty()) return std::wstring(kPriceListNameMissing);
  group.SetName(trimmed);
  group.SetDirection(direction);
  group.SetForSelling(true);
  group.SetForBuying(true);
  group.Save();
  // Prices set on a new list carry no list yet.
  BindPendingPrices(group.GetId());
  m_changes.Apply();
  return std::nullopt;
}
