#include "forms/items/ItemPage7.h"

#include "data/objects/ItemOutput.h"
#include "forms/dialogs/ItemOutputDlgLauncher.h"
#include "forms/items/ItemPageRows.h"

ItemPage7::ItemPage7(wxWindow* parent)
    : StockMovesPage(kTemplateId, kList, L"ItemPage7List_ItemOutput", L"ItemPage7List_GroupOutput", L"Outcome to...", L"New Item Output", parent) {
  LoadData();
}

void ItemPage7::AppendStored(const Invoice::Item& item, bool group) {
  std::vector<Invoice::ItemOutput> lines;
  item.GetOutputs(lines);
  for (const Invoice::ItemOutput& line : lines) {
    AddRow(ItemPageRows::OutcomeRow(line, item.GetName(), group), line.GetObjectId());
    m_changes.Add(line);
  }
}

bool ItemPage7::AppendPending(const Invoice::Object& object, int32_t key, bool group) {
  const auto* line = dynamic_cast<const Invoice::ItemOutput*>(&object);
  if (!line) return false;
  AddRow(ItemPageRows::OutcomeRow(*line, Invoice::Item(line->GetItemId()).GetName(), group), key);
  return true;
}

bool ItemPage7::RunNew(std::vector<long>& itemIds) {
  return ItemOutputDlgLauncher(0, &itemIds, 0, 0, 0.0).Run(m_changes, this);
}

bool ItemPage7::RunEdit(int32_t objectId) {
  return ItemOutputDlgLauncher(objectId, 0, 2, 0, 0.0).Run(m_changes, this);
}

bool ItemPage7::DeleteOne(int32_t objectId, bool ask) {
  return ItemOutputDlgLauncher(objectId, 0, 2, 0, 0.0).Delete(m_changes, ask);
}
