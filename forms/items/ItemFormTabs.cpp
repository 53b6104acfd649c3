#include "forms/items/ItemFormTabs.h"

#include <algorithm>

#include "data/objects/Item.h"

std::vector<uint32_t> ItemFormTabs::PagesFor(bool stored, bool group, int32_t effectiveSourceType) {
  if (!stored) return {kDetails};
  std::vector<uint32_t> pages;
  if (effectiveSourceType != Invoice::kSourceService) pages.push_back(kStock);
  pages.push_back(kDetails);
  if (!group && effectiveSourceType == Invoice::kSourceManufacturing) pages.push_back(kIngredients);
  pages.insert(pages.end(), {kPrices, kIncome, kOutcome});
  return pages;
}

const wchar_t* ItemFormTabs::Caption(uint32_t pageId) {
  switch (pageId) {
    case kStock:
      return L"Stock";
    case kDetails:
      return L"Details";
    case kIngredients:
      return L"Ingredients";
    case kPrices:
      return L"Prices";
    case kIncome:
      return L"Income";
    case kOutcome:
      return L"Outcome";
  }
  return nullptr;
}

uint32_t ItemFormTabs::PageToSelect(uint32_t remembered, const std::vector<uint32_t>& tabs) {
  auto has = [&tabs](uint32_t id) { return std::find(tabs.begin(), tabs.end(), id) != tabs.end(); };
  if (remembered != 0 && has(remembered)) return remembered;
  return has(kStock) ? kStock : kDetails;
}

int32_t ItemFormTabs::EffectiveSourceType(int32_t objectId, bool group) {
  if (objectId == 0 || group) return Invoice::kSourceTrading;
  return Invoice::Item(objectId).GetEffectiveInputSourceType();
}

bool ItemFormTabs::CanNew(uint32_t pageId) {
  return pageId == kIngredients || pageId == kIncome || pageId == kOutcome;
}

bool ItemFormTabs::CanDelete(uint32_t pageId, size_t selected) {
  return CanNew(pageId) && selected >= 1;
}

bool ItemFormTabs::CanEdit(uint32_t pageId, size_t selected) {
  return (CanNew(pageId) && selected == 1) || (pageId == kPrices && selected >= 1);
}
