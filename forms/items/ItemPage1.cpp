#include "forms/items/ItemPage1.h"

#include <vector>

#include "data/DbException.h"
#include "data/objects/Item.h"
#include "data/objects/ItemGroup.h"
#include "data/objects/Measurement.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/items/ItemDetails.h"
#include "forms/items/ItemFrame.h"
#include "forms/items/ItemPageRows.h"
#include "shell/ui/BaseListCtrl.h"

ItemPage1::ItemPage1(wxWindow* parent) : ItemPage(kTemplateId, parent) {
  m_list = CreateList(kList, L"ItemPage1List", 243, 147);
  SetupColumns();
  LoadData();
}

int32_t ItemPage1::GetEffectiveMeasurementId() {
  if (m_measurementId != -1) return m_measurementId;
  m_measurementId = 0;
  const ItemFrame* frame = GetItemFrame();
  if (!frame || frame->GetObjectId() == 0) return m_measurementId;
  try {
    if (const auto* group = frame->GetEditedObjectAs<Invoice::ItemGroup>())
      m_measurementId = ItemDetails::Measurement(group->GetParentId(), group->GetMeasurementId()).value;
    else if (const auto* item = frame->GetEditedObjectAs<Invoice::Item>())
      m_measurementId = ItemDetails::Measurement(item->GetGroupId(), item->GetMeasurementId()).value;
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
    m_measurementId = 0;
  }
  return m_measurementId;
}

void ItemPage1::SetupColumns() {
  m_list->AddColumn(L"Item", 0, 250);
  m_list->AddColumn(L"Stock-Pieces", 1, 150);
  m_list->AddColumn(L"Stock-Packages", 1, 150);
  try {
    if (const int32_t measurementId = GetEffectiveMeasurementId(); measurementId != 0)
      m_list->AddColumn(Invoice::Measurement(measurementId).GetName(), 1, 150);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  m_list->LoadColumnState();
}

void ItemPage1::LoadData() {
  m_list->SetItemCount(0);
  m_list->ClearRows();
  try {
    std::vector<Invoice::Item> items;
    ItemPageRows::ShownItems(GetObjectId(), IsGroup(), items);
    const bool withMeasure = GetEffectiveMeasurementId() != 0;
    for (const Invoice::Item& item : items) m_list->AddRow(ItemPageRows::StockRow(item, withMeasure));
    m_list->SetItemCount(m_list->GetRowCount());
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
}

bool ItemPage1::SaveData(bool& reload) {
  reload = true;
  return true;
}
