#include "data/objects/ItemInput.h"

#include <tuple>

#include "data/DbException.h"
#include "data/objects/ItemOutput.h"
#include "data/objects/ObjectLists.h"
#include "data/objects/StockRules.h"

namespace Invoice {

void ItemInput::Save() {
  if (!m_modified) return;
  std::optional<Item> item = stock::FindItem(GetItemId());
  const int sourceType = item ? item->GetEffectiveInputSourceType() : kSourceService;
  if (sourceType == kSourceService) throw DbException(L"Selected Item does not support input.");
  if (GetId() != 0) {
    // Copies that shared the old ids keep them; this line becomes a new one,
    // and names its stored row again when the save is rolled back.
    CheckStoredRowAsRead();
    Delete();
    RenewIds();
    item = stock::FindItem(GetItemId());
  }
  const double quantity = GetQuantity();
  SaveHeader();
  DataAccess::Instance().SaveItemInput(m_record, GetObjectId());
  if (quantity != 0.0 && item) stock::MoveStock(*item, quantity);
  if (sourceType == kSourceManufacturing)
    stock::IssueDependentItems(GetItemId(), GetId(), GetTaxPercent(), quantity);
}

bool ItemInput::SameStoredValues(const ItemInputRecord& a, const ItemInputRecord& b) {
  auto values = [](const ItemInputRecord& r) {
    return std::tie(r.itemObjectId, r.quantity, r.invoiceObjectId, r.basePrice, r.taxPercent,
                    r.discountPercent, r.manuComapnyId, r.supplierCompanyId, r.inputSourceType, r.measurement,
                    r.baseUnit);
  };
  return values(a) == values(b);
}

void ItemInput::Delete() {
  if (GetId() == 0) return;
  std::vector<ItemOutput> outputs;
  GetOutputs(outputs);
  for (ItemOutput& output : outputs) output.Delete();
  RemoveWithStock();
}

// Undoes what saving the stored row did, from the row as stored (not as
// edited here). The source-type check of a save is not repeated: a receipt
// must stay removable after its item became a service.
void ItemInput::RemoveWithStock() {
  const int id = GetId();
  DataAccess& data = DataAccess::Instance();
  ItemInputRecord stored;
  data.LoadItemInput(id, stored);
  if (stored.id.GetId() != 0) {
    if (std::optional<Item> item = stock::FindItem(stored.itemObjectId)) {
      if (stored.quantity != 0.0) stock::MoveStock(*item, -stored.quantity);
      if (item->GetEffectiveInputSourceType() == kSourceManufacturing)
        stock::IssueDependentItems(stored.itemObjectId, id, stored.taxPercent, -stored.quantity);
    }
  }
  data.DeleteItemInput(id);
  data.DeleteObjectHeader(id);
  written_here::Note(id);
}

void ItemInput::GetOutputs(std::vector<ItemOutput>& outputs) const {
  lists::AppendQueried(
      [&](auto& records) { DataAccess::Instance().LoadItemOutputsOfInput(GetId(), records); }, outputs);
}

void GetItemInputsModifiedBetween(double from, double to, std::vector<ItemInput>& inputs) {
  lists::AppendQueried(
      [&](auto& records) { DataAccess::Instance().LoadItemInputsModifiedBetween(from, to, records); },
      inputs);
}

}  // namespace Invoice
