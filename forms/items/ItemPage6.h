#pragma once

// "Income": the stock incomes of the edited item or group, through the
// stock input dialog.

#include "forms/items/StockMovesPage.h"

class ItemPage6 : public StockMovesPage {
public:
  enum ControlId : int { kTemplateId = 145, kList = 1222 };

  explicit ItemPage6(wxWindow* parent);

  // The form's names for the page's commands.
  void NewIncome() { New(); }
  void EditIncome() { Properties(); }
  void DeleteIncomes() { Delete(); }

protected:
  void AppendStored(const Invoice::Item& item, bool group) override;
  bool AppendPending(const Invoice::Object& object, int32_t key, bool group) override;
  bool RunNew(std::vector<long>& itemIds) override;
  bool RunEdit(int32_t objectId) override;
  bool DeleteOne(int32_t objectId, bool ask) override;
};
