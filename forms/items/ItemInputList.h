#pragma once

// What the stock-input window shows and does, without its windows: the rows
// of the receipts changed in a range of dates (newest first), the change set
// that carries one dialog's edit to the save, the save and the delete of
// receipts in one unit of work each, and the state of the commands.
//
//   ItemInputList list;
//   list.Fill(range.from, range.to);          // rows + unchanged copies
//   ItemInputDlgLauncher(id, 0, 2).Run(list.GetChanges(), parent);
//   list.SaveChanges();                         // throws Invoice::DbException

#include <cstdint>
#include <vector>

#include "data/ChangeSet.h"
#include "data/objects/ItemInput.h"
#include "shell/ui/ListRow.h"

class ItemInputList {
public:
  // The twelve cells of a receipt: date changed, item name, price, pieces,
  // quantity in the measurement, extension, discount % and discount, tax %
  // and tax on the extension less the discount, total and the kind.
  static ListRow Row(const Invoice::ItemInput& input, const std::wstring& itemName);

  // Reloads the rows of the receipts changed between the OLE dates
  // (inclusive), each recorded unchanged in the change set. Throws
  // Invoice::DbException; the rows read before a failure stay.
  void Fill(double from, double to);
  void Clear();

  const std::vector<ListRow>& GetRows() const { return m_rows; }
  ChangeSet& GetChanges() { return m_changes; }

  // Writes the change set in one unit of work (the stock follows in each
  // receipt's Save). Throws Invoice::DbException; nothing is written then.
  void SaveChanges();
  // Deletes the receipts in order in one unit of work, each giving its
  // stock back: all or none. Throws Invoice::DbException.
  static void DeleteInputs(const std::vector<int32_t>& ids);

  // Command states by the number of selected rows.
  static bool CanEdit(size_t selected) { return selected == 1; }
  static bool CanDelete(size_t selected) { return selected > 0; }
  // The context menu offers Delete and Properties for one row only.
  static bool CanDeleteFromMenu(size_t selected) { return selected == 1; }

private:
  std::vector<ListRow> m_rows;
  ChangeSet m_changes;
};
