#pragma once

// One price list (PRICE_GROUP) for income (DIRECTION 1) or outcome (2).

#include <string>
#include <vector>

#include "data/objects/AsReadObject.h"
#include "data/objects/PriceList.h"

namespace Invoice {

class PriceGroup : public AsReadObject<PriceGroup, PriceGroupRecord, &DataAccess::LoadPriceGroup,
                                       &DataAccess::SavePriceGroup, &DataAccess::DeletePriceGroup> {
public:
  using AsReadObject::AsReadObject;

  // What the save checks is stored as read (see AsReadObject).
  static constexpr wchar_t kStaleWhat[] = L"this price list";
  static bool SameStoredValues(const PriceGroupRecord& a, const PriceGroupRecord& b);

  // Refused while a company has it as its default price list or it is the
  // default outcome or income price list; otherwise removes its prices too.
  void Delete() override;

  std::wstring GetName() const { return m_record.name; }
  int GetDirection() const { return m_record.direction; }  // 1 income, 2 outcome
  bool GetForSelling() const { return m_record.forSelling; }
  bool GetForBuying() const { return m_record.forBuying; }

  void SetName(const std::wstring& name) { Set(m_record.name, name); }
  void SetDirection(int direction) { Set(m_record.direction, direction); }
  void SetForSelling(bool forSelling) { Set(m_record.forSelling, forSelling); }
  void SetForBuying(bool forBuying) { Set(m_record.forBuying, forBuying); }

  // The item's price in this list, or a new empty PriceList (item and price
  // list not filled in) when it has none.
  PriceList GetItemPrice(int itemId) const;
  // One entry per item, by item NAME: the stored price of this list, or an
  // unsaved row (id 0) that carries the item id and price 0.0.
  void GetPriceLists(std::vector<PriceList>& prices) const;
};

// Every price list, by NAME.
void GetAllPriceGroups(std::vector<PriceGroup>& groups);

}  // namespace Invoice
