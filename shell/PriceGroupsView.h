#pragma once

// The price lists in the main window's right pane, with the two defaults
// marked.

#include "shell/PaneListView.h"

class PriceGroupsView : public PaneListView {
public:
  explicit PriceGroupsView(wxWindow* parent);

  void OnInitialUpdate() override;
  void Refill() override;

  ListCommandState GetCommandState() const override;
  void OnDelete() override;
  void OnProperties() override;
  void ShowContextMenu() override;

protected:
  unsigned GetRefreshMessage() const override;

private:
  unsigned m_newIncome = 0, m_newOutcome = 0, m_delete = 0, m_properties = 0;
};
