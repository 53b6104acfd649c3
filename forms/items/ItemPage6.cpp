#include "forms/items/ItemPage6.h"

#include "data/objects/ItemInput.h"
#include "forms/dialogs/ItemInputDlgLauncher.h"
#include "forms/items/ItemPageRows.h"

ItemPage6::ItemPage6(wxWindow* parent)
    : StockMovesPage(kTemplateId, kList, L"ItemPage6List_ItemInput", L"ItemPage6List_GroupInput", L"Income from...", L"New Item Input", parent) {
  LoadData();
}

void ItemPage6::AppendStored(const Invoice::Item& item, bool group) {
  std::vector<Invoice::ItemInput> lines;
  item.GetInputs(lines);
  for (const Invoice::ItemInput& line : lines) {
    AddRow(ItemPageRows::IncomeRow(line, item.GetName(), group), line.GetObjectId());
    m_changes.Add(line);
  }
}

bool ItemPage6::AppendPending(const Invoice::Object& object, int32_t key, bool group) {
  const auto* line = dynamic_cast<const Invoice::ItemInput*>(&object);
  if (!line) return false;
  AddRow(ItemPageRows::IncomeRow(*line, Invoice::Item(line->GetItemId()).GetName(), group), key);
  return true;
}

bool ItemPage6::RunNew(std::vector<long>& itemIds) {
  return ItemInputDlgLauncher(0, &itemIds, Invoice::kSourceTrading).Run(m_changes, this);
}

bool ItemPage6::RunEdit(int32_t objectId) {
  return ItemInputDlgLauncher(objectId, 0, Invoice::kSourceTrading).Run(m_changes, this);
}

bool ItemPage6::DeleteOne(int32_t objectId, bool ask) {
  return ItemInputDlgLauncher(objectId, 0, Invoice::kSourceTrading).Delete(m_changes, ask);
}
