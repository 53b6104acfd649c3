#pragma once

// "Outcome": the stock outcomes of the edited item or group, through the
// stock output dialog.

#include "forms/items/StockMovesPage.h"

class ItemPage7 : public StockMovesPage {
public:
  enum ControlId : int { kTemplateId = 153, kList = 1223 };

  explicit ItemPage7(wxWindow* parent);

  // The form's names for the page's commands.
  void NewOutcome() { New(); }
  void EditOutcome() { Properties(); }
  void DeleteOutcomes() { Delete(); }

protected:
  void AppendStored(const Invoice::Item& item, bool group) override;
  bool AppendPending(const Invoice::Object& object, int32_t key, bool group) override;
  bool RunNew(std::vector<long>& itemIds) override;
  bool RunEdit(int32_t objectId) override;
  bool DeleteOne(int32_t objectId, bool ask) override;
};
