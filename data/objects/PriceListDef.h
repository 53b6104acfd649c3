#pragma once

#include "data/objects/SearchDef.h"

namespace Invoice::Searches {

// Makes an item search show the items' prices in one price list.
class PriceListDef : public SearchDef {
public:
  explicit PriceListDef(int priceGroupId) : m_priceGroupId(priceGroupId) {}

  int GetPriceGroupId() const { return m_priceGroupId; }

private:
  int m_priceGroupId;
};

}  // namespace Invoice::Searches
