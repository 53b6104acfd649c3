#pragma once

// One stock item (ITEMS). Its tax, measurement and source type can come from
// its group tree (the Effective getters); its stock, QUANTITY_ON_STOCK, moves
// only through the save and delete rules of the stock lines.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/objects/AsReadObject.h"

namespace Invoice {

class ItemInput;
class ItemOutput;
class PriceGroup;
class PriceList;

// Source types of items, groups and receipt lines.
enum SourceType : int {
  kSourceManufacturing = 1,  // every receipt also issues the item's dependent items
  kSourceTrading = 2,        // plain stock, the default
  kSourceService = 3,        // takes no receipts and keeps no stock
  kSourceInvoice = 4,        // a receipt line that came from an income invoice
};

class Item : public AsReadObject<Item, ItemRecord, &DataAccess::LoadItem, &DataAccess::SaveItem,
                                 &DataAccess::DeleteItem> {
public:
  using AsReadObject::AsReadObject;

  // What the save checks is stored as read (see AsReadObject).
  static constexpr wchar_t kStaleWhat[] = L"this item";
  static bool SameStoredValues(const ItemRecord& a, const ItemRecord& b);

  // Writes the stock the database holds unless SetQuantityOnStock ran, so an
  // item loaded before stock lines moved its stock never puts the old figure back.
  void Save() override;
  // Refused while an invoice line uses the item; otherwise removes its stock
  // lines (issues first, then receipts, each by its own rule), its
  // ingredients, its prices, its row and its OBJECTS row.
  void Delete() override;

  std::wstring GetName() const { return m_record.name; }
  std::wstring GetCode() const { return m_record.code; }
  int GetGroupId() const { return m_record.itemsGroupObjectId; }  // 0 = no group
  int GetNumInPack() const { return m_record.numInPack; }
  double GetBaseUnit() const { return m_record.baseUnit; }
  int GetMeasurementId() const { return m_record.measurementObjectId; }
  int GetTaxId() const { return m_record.taxObjectId; }
  int GetDefInputSourceType() const { return m_record.defInputSourceType; }
  double GetQuantityOnStock() const { return m_record.quantityOnStock; }
  double GetDefaultPrice() const { return m_record.defaultPrice; }

  void SetName(const std::wstring& name) { Set(m_record.name, name); }
  void SetCode(const std::wstring& code) { Set(m_record.code, code); }
  void SetGroupId(int groupId) { Set(m_record.itemsGroupObjectId, groupId); }
  void SetNumInPack(int numInPack) { Set(m_record.numInPack, numInPack); }
  void SetBaseUnit(double baseUnit) { Set(m_record.baseUnit, baseUnit); }
  void SetMeasurementId(int measurementId) { Set(m_record.measurementObjectId, measurementId); }
  void SetTaxId(int taxId) { Set(m_record.taxObjectId, taxId); }
  void SetDefInputSourceType(int type) { Set(m_record.defInputSourceType, type); }
  // For the stock rules.
  void SetQuantityOnStock(double quantity);

  // The id set by the nearest group of the group chain, else the item's own.
  int GetEffectiveTaxId() const;
  int GetEffectiveMeasurementId() const;
  // The source type of the item's top-level group, else the item's own.
  int GetEffectiveInputSourceType() const;

  // The item's receipt / issue lines, in the database's order.
  void GetInputs(std::vector<ItemInput>& inputs) const;
  void GetOutputs(std::vector<ItemOutput>& outputs) const;
  // Every price group by NAME with the item's price in it; a new unsaved
  // PriceList (id 0, price 0.0) where it has none.
  void GetPricesPerGroup(std::vector<std::pair<PriceGroup, PriceList>>& prices) const;

private:
  bool m_stockSet = false;
};

// Items of the given groups (every item when the set is empty), by NAME.
void GetItemsOfGroups(const std::set<int>& groupIds, std::vector<Item>& items);
// Items whose NAME or CODE contains the text (case-insensitive), by NAME.
void SearchItems(const std::wstring& text, std::vector<Item>& items);

}  // namespace Invoice
