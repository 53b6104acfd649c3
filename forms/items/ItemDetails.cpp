#include "forms/items/ItemDetails.h"

#include "data/objects/Item.h"
#include "data/objects/ItemGroup.h"

InheritedChoice ItemDetails::Measurement(int32_t groupId, int32_t own) {
  const int32_t inherited =
      Invoice::ItemGroup::GetInheritedValue(groupId, &ItemGroupRecord::measurementObjectId);
  return inherited != 0 ? InheritedChoice{false, inherited} : InheritedChoice{true, own};
}

InheritedChoice ItemDetails::Tax(int32_t groupId, int32_t own) {
  const int32_t inherited = Invoice::ItemGroup::GetInheritedValue(groupId, &ItemGroupRecord::taxObjectId);
  return inherited != 0 ? InheritedChoice{false, inherited} : InheritedChoice{true, own};
}

InheritedChoice ItemDetails::IncomeType(int32_t groupId, int32_t own) {
  ItemGroupRecord root;
  if (groupId == 0 || !Invoice::ItemGroup::LoadRootGroup(groupId, root)) return {true, own};
  return {false, root.defInputSourceType};
}

ItemDetailsFields ItemDetails::Load(const Invoice::Object& object, bool stored, int32_t presetGroupId) {
  ItemDetailsFields fields;
  fields.groupId = presetGroupId;
  if (stored) {
    if (const auto* group = dynamic_cast<const Invoice::ItemGroup*>(&object)) {
      fields.name = group->GetName();
      fields.groupId = group->GetParentId();
      fields.measurementId = group->GetMeasurementId();
      fields.taxId = group->GetTaxId();
      fields.incomeType = group->GetDefInputSourceType();
    } else if (const auto* item = dynamic_cast<const Invoice::Item*>(&object)) {
      fields.name = item->GetName();
      fields.code = item->GetCode();
      fields.groupId = item->GetGroupId();
      fields.numInPack = item->GetNumInPack();
      fields.baseUnit = item->GetBaseUnit();
      fields.measurementId = item->GetMeasurementId();
      fields.taxId = item->GetTaxId();
      fields.incomeType = item->GetDefInputSourceType();
    }
  }
  if (fields.groupId != 0) fields.groupName = Invoice::ItemGroup(fields.groupId).GetName();
  return fields;
}

void ItemDetails::Store(const ItemDetailsFields& fields, Invoice::Object& object) {
  auto stored = [](const InheritedChoice& choice, int32_t selected) { return choice.free ? selected : 0; };
  const int32_t measurementId = stored(Measurement(fields.groupId, 0), fields.measurementId);
  const int32_t taxId = stored(Tax(fields.groupId, 0), fields.taxId);
  const int32_t incomeType = stored(IncomeType(fields.groupId, 0), fields.incomeType);
  if (auto* group = dynamic_cast<Invoice::ItemGroup*>(&object)) {
    group->SetName(fields.name);
    group->SetParentId(fields.groupId);
    group->SetMeasurementId(measurementId);
    group->SetTaxId(taxId);
    group->SetDefInputSourceType(incomeType);
  } else if (auto* item = dynamic_cast<Invoice::Item*>(&object)) {
    item->SetName(fields.name);
    item->SetCode(fields.code);
    item->SetNumInPack(fields.numInPack);
    item->SetBaseUnit(fields.baseUnit);
    item->SetGroupId(fields.groupId);
    item->SetMeasurementId(measurementId);
    item->SetTaxId(taxId);
    item->SetDefInputSourceType(incomeType);
  }
}
