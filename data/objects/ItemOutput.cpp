#include "data/objects/ItemOutput.h"

#include <optional>
#include <tuple>

#include "data/objects/StockRules.h"

namespace Invoice {

namespace {

// Items without stock (source type 3), and lines without an item, move no stock.
void MoveStockOf(int itemId, double delta) {
  if (delta == 0.0) return;
  std::optional<Item> item = stock::FindItem(itemId);
  if (item && item->GetEffectiveInputSourceType() != kSourceService) stock::MoveStock(*item, delta);
}

}  // namespace

void ItemOutput::Save() {
  if (!m_modified) return;
  if (GetId() != 0) {
    // Copies that shared the old ids keep them; this line becomes a new one,
    // and names its stored row again when the save is rolled back.
    CheckStoredRowAsRead();
    RemoveWithStock();
    RenewIds();
  }
  const double quantity = GetQuantity();
  SaveHeader();
  DataAccess::Instance().SaveItemOutput(m_record, GetObjectId());
  MoveStockOf(GetItemId(), -quantity);
}

bool ItemOutput::SameStoredValues(const ItemOutputRecord& a, const ItemOutputRecord& b) {
  auto values = [](const ItemOutputRecord& r) {
    return std::tie(r.itemObjectId, r.quantity, r.invoiceObjectId, r.basePrice, r.taxPercent,
                    r.discountPercent, r.outputDestType, r.itemInputId, r.measurement, r.baseUnit);
  };
  return values(a) == values(b);
}

void ItemOutput::Delete() {
  if (GetId() != 0) RemoveWithStock();
}

// Gives back what the stored row took, whatever this copy was edited to.
void ItemOutput::RemoveWithStock() {
  const int id = GetId();
  DataAccess& data = DataAccess::Instance();
  ItemOutputRecord stored;
  data.LoadItemOutput(id, stored);
  if (stored.id.GetId() != 0) MoveStockOf(stored.itemObjectId, stored.quantity);
  data.DeleteItemOutput(id);
  data.DeleteObjectHeader(id);
  written_here::Note(id);
}

}  // namespace Invoice
