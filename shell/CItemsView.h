#pragma once

// The items of an item group (and of its sub-groups) with their stock, in
// the main window's right pane; group 0 shows every item.

#include <cstdint>
#include <vector>

#include "data/objects/Item.h"
#include "shell/PaneListView.h"

class CItemsView : public PaneListView {
public:
  explicit CItemsView(wxWindow* parent);

  void OnInitialUpdate() override;
  // When the hint object is this view: shows the group given as the hint.
  void OnUpdate(View* sender, long hint, void* hintObject) override;
  void Refill() override;

  int32_t GetGroupId() const { return m_groupId; }
  const std::vector<Invoice::Item>& GetItems() const { return m_items; }

  ListCommandState GetCommandState() const override;
  void OnDelete() override;
  void OnProperties() override;
  void ShowContextMenu() override;

  // A stock income / outcome of the one selected item, through its dialog.
  void NewIncome();
  void NewOutcome();

protected:
  unsigned GetRefreshMessage() const override;

private:
  int32_t m_groupId = 0;
  std::vector<Invoice::Item> m_items;
  unsigned m_newItem = 0, m_newIncome = 0, m_newOutcome = 0, m_delete = 0, m_properties = 0;
};
