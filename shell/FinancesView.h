#pragma once

// The finance overview in the main window's right pane: the accounts of no
// company, then every company with its balance followed by its accounts.

#include "shell/CommandRules.h"
#include "shell/PaneListView.h"

class FinancesView : public PaneListView {
public:
  explicit FinancesView(wxWindow* parent);

  void OnInitialUpdate() override;
  void Refill() override;

  // What the one selected row shows; None unless exactly one is selected.
  FinanceRowKind SelectedRowKind() const;

  ListCommandState GetCommandState() const override;
  void OnDelete() override;
  void OnProperties() override;
  void ShowContextMenu() override;

  void NewAccount();
  // The account dialog of the selected stored account; saved at once.
  void EditAccount();
  void NewPayment();

protected:
  unsigned GetRefreshMessage() const override;

private:
  unsigned m_newAccount = 0, m_newPayment = 0, m_delete = 0, m_properties = 0;
};
