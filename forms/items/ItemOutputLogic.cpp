#include "forms/items/ItemOutputLogic.h"

#include <algorithm>
#include <cwctype>

#include "data/objects/Item.h"
#include "data/objects/PriceGroup.h"
#include "forms/dialogs/SearchQuery.h"

ItemOutputLogic::ItemOutputLogic(ChangeSet* changeSet, int32_t outcomeId, const std::vector<long>* presetIds,
                                 int32_t outcomeType, int32_t priceGroupId, double defaultDiscount)
    : StockLineLogic(changeSet, outcomeId, presetIds),
      m_callerType(outcomeType),
      m_priceGroupId(priceGroupId),
      m_defaultDiscount(defaultDiscount) {
  m_type = outcomeType;
}

std::wstring ItemOutputLogic::GetCaption() const {
  return IsEditing() ? L"Item's Outcome - Edit" : L"Item's Outcome - New";
}

bool ItemOutputLogic::IsInvoiceLine() const {
  return IsEditing() ? m_outcome.GetOutputDestType() == Invoice::kDestInvoice
                     : m_callerType == Invoice::kDestInvoice;
}

std::vector<StockListEntry> ItemOutputLogic::GetTypes() const {
  std::vector<StockListEntry> types{{L"Retail", Invoice::kDestRetail}};
  if (IsInvoiceLine()) types.push_back({L"Invoice", Invoice::kDestInvoice});
  types.push_back({L"Waste", Invoice::kDestWaste});
  types.push_back({L"Manufacturing", Invoice::kDestManufacturing});
  return types;
}

std::vector<StockListEntry> ItemOutputLogic::GetUnits() const {
  std::vector<StockListEntry> units = StockLineLogic::GetUnits();
  auto lower = [](const std::wstring& text) {
    std::wstring folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](wchar_t c) { return std::towlower(c); });
    return folded;
  };
  std::stable_sort(units.begin(), units.end(), [&](const StockListEntry& a, const StockListEntry& b) {
    return lower(a.text) < lower(b.text);
  });
  return units;
}

int32_t ItemOutputLogic::KnownType(int32_t type) {
  return type >= Invoice::kDestRetail && type <= Invoice::kDestWaste ? type : Invoice::kDestRetail;
}

void ItemOutputLogic::LoadLine() {
  m_outcome = FindLine<Invoice::ItemOutput>();
  m_type = KnownType(m_outcome.GetOutputDestType());
  TakeLine(m_outcome);
}

void ItemOutputLogic::LoadNewLine(const Invoice::Item& item) {
  m_type = KnownType(m_callerType);
  if (m_priceGroupId != 0) {
    const Invoice::PriceList price = Invoice::PriceGroup(m_priceGroupId).GetItemPrice(m_itemId);
    m_price = price.GetPrice();
    m_discountPercent = price.GetDiscountPercent();
  }
  if (m_discountPercent == 0.0 && m_defaultDiscount != 0.0) m_discountPercent = m_defaultDiscount;
}

ItemSearchRequest ItemOutputLogic::SearchRequest(const std::vector<int32_t>& presets) const {
  return {kSearchPriceListItems, presets, presets.empty() ? m_priceGroupId : 0};
}

std::wstring ItemOutputLogic::Validate() const {
  if (m_itemId == 0) return L"There is no Item seleced.";
  if (m_quantity == 0.0) return L"There is no Quantity specified.";
  if (m_type == 0) return L"There is no Output type specified.";
  return {};
}

void ItemOutputLogic::Save() {
  PutLine(m_outcome);
  m_outcome.SetOutputDestType(m_type);
  Record(m_outcome);
}
