#pragma once

// The clients in the main window's right pane: every company with its
// default price list.

#include "shell/PaneListView.h"

class CompaniesView : public PaneListView {
public:
  explicit CompaniesView(wxWindow* parent);

  void OnInitialUpdate() override;
  void Refill() override;

  ListCommandState GetCommandState() const override;
  void OnDelete() override;
  void OnProperties() override;
  void ShowContextMenu() override;

protected:
  unsigned GetRefreshMessage() const override;

private:
  unsigned m_newClient = 0, m_newInvoice = 0, m_delete = 0, m_properties = 0;
};
