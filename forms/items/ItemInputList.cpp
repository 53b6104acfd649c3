#include "forms/items/ItemInputList.h"

#include <map>

#include "data/objects/Item.h"
#include "forms/items/ItemPageRows.h"
#include "shell/ui/UnitOfWork.h"

ListRow ItemInputList::Row(const Invoice::ItemInput& input, const std::wstring& itemName) {
  // The item pages' income row with its name column: the same figures as the dialog.
  return ItemPageRows::IncomeRow(input, itemName, true);
}

void ItemInputList::Clear() {
  m_rows.clear();
  m_changes.Clear();
}

void ItemInputList::Fill(double from, double to) {
  Clear();
  std::vector<Invoice::ItemInput> inputs;
  Invoice::GetItemInputsModifiedBetween(from, to, inputs);
  std::map<int, std::wstring> names;  // one load per item
  for (const Invoice::ItemInput& input : inputs) {
    auto name = names.find(input.GetItemId());
    if (name == names.end()) name = names.emplace(input.GetItemId(), Invoice::Item(input.GetItemId()).GetName()).first;
    m_rows.push_back(Row(input, name->second));
    m_changes.Add(input);
  }
}

void ItemInputList::SaveChanges() {
  std::unique_ptr<UnitOfWork> unit = UnitOfWork::Open();
  m_changes.Apply();
  unit->Commit();
}

void ItemInputList::DeleteInputs(const std::vector<int32_t>& ids) {
  std::unique_ptr<UnitOfWork> unit = UnitOfWork::Open();
  for (int32_t id : ids) Invoice::ItemInput(id).Delete();
  unit->Commit();
}
