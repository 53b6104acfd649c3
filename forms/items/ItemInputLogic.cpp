#include "forms/items/ItemInputLogic.h"

#include "data/Settings.h"
#include "data/objects/Item.h"
#include "data/objects/PriceGroup.h"
#include "forms/dialogs/SearchQuery.h"

namespace {

inline constexpr wchar_t kNoInputMessage[] = L"Selected Item does not support input.";

}  // namespace

ItemInputLogic::ItemInputLogic(ChangeSet* changeSet, int32_t incomeId, const std::vector<long>* presetIds,
                               int32_t incomeType)
    : StockLineLogic(changeSet, incomeId, presetIds), m_callerType(incomeType) {
  m_type = incomeType;
}

std::wstring ItemInputLogic::GetCaption() const {
  return IsEditing() ? L"Item's Income - Edit" : L"Item's Income - New";
}

std::vector<StockListEntry> ItemInputLogic::GetTypes() const {
  return {{L"Manufacturing", Invoice::kSourceManufacturing},
          {L"Trading", Invoice::kSourceTrading},
          {L"Invoice", Invoice::kSourceInvoice}};
}

int32_t ItemInputLogic::ListedType(int32_t type) const {
  if (m_callerType == Invoice::kSourceInvoice) return Invoice::kSourceInvoice;
  if (type == Invoice::kSourceService) return type;
  for (const StockListEntry& entry : GetTypes())
    if (entry.code == type) return type;
  // A code of no source type means plain stock, which is "Trading".
  return Invoice::kSourceTrading;
}

void ItemInputLogic::LoadLine() {
  m_income = FindLine<Invoice::ItemInput>();
  m_type = ListedType(m_income.GetInputSourceType());
  TakeLine(m_income);
}

void ItemInputLogic::LoadNewLine(const Invoice::Item& item) {
  m_type = ListedType(item.GetEffectiveInputSourceType());
  if (const int priceGroupId = GetInputDefaultPriceGroup()) {
    const Invoice::PriceList price = Invoice::PriceGroup(priceGroupId).GetItemPrice(m_itemId);
    m_price = price.GetPrice();
    m_discountPercent = price.GetDiscountPercent();
  }
}

ItemSearchRequest ItemInputLogic::SearchRequest(const std::vector<int32_t>& presets) const {
  ItemSearchRequest request{kSearchItems, presets, 0};
  if (presets.empty()) request.priceGroupId = GetInputDefaultPriceGroup();
  return request;
}

std::wstring ItemInputLogic::RefusalOf(int32_t itemId) const {
  const Invoice::Item item(itemId);
  return item.GetEffectiveInputSourceType() == Invoice::kSourceService ? kNoInputMessage : L"";
}

void ItemInputLogic::Save() {
  PutLine(m_income);
  m_income.SetInputSourceType(m_type);
  Record(m_income);
}
