#pragma once

// The navigation tree on the left of the main window: "Inventory" with the
// item groups, "Invoices" with years and months, "Clients", "Price Lists"
// and "Finance Info". Choosing a node puts the list view of its kind into
// the right pane and tells it what to show; the context menu opens the
// editing forms and deletes item groups. Every node carries one integer (see
// navigation::NavigationRules).

#include <cstdint>
#include <optional>

#include <wx/treectrl.h>

#include "platform/WindowMessages.h"
#include "shell/NavigationRules.h"
#include "common/ui/View.h"
#include "common/ui/popup_menu.h"

class CLeftView : public wxTreeCtrl, public View {
public:
  explicit CLeftView(wxWindow* parent);

  wxWindow* GetViewWindow() override { return this; }
  // Builds the image list, the context menu and the five roots.
  void OnInitialUpdate() override;

  // The width the tree needs to show its roots' names whole.
  int RootNamesWidth() const;

  wxTreeItemId GetInventoryNode() const { return m_inventoryNode; }
  wxTreeItemId GetInvoicesNode() const { return m_invoicesNode; }
  // The root with that integer (kInventory ... kFinanceInfo).
  wxTreeItemId FindRoot(int32_t integer) const;
  // The child of a node whose integer is the one given.
  wxTreeItemId FindChild(const wxTreeItemId& parent, int32_t integer) const;

  int32_t GetNodeInteger(const wxTreeItemId& node) const;
  int32_t GetNodeKind(const wxTreeItemId& node) const;
  // The kind whose view is in the right pane (kNoKind at first).
  int32_t GetPaneKind() const { return m_paneKind; }

  // Brings the groups under the node up to date: nodes of groups still
  // there stay (relabelled, their open sub-groups refilled), others go, new
  // ones come in order.
  void FillGroups(const wxTreeItemId& node);
  void FillYears();
  // Fills (or relabels) the twelve months of a year node.
  void FillMonths(int year, const wxTreeItemId& yearNode);

  // What a change of the selection to the node does (also called by the
  // selection event).
  void OnNodeSelected(const wxTreeItemId& node);
  void ShowContextMenu();
  // The selected item group: deleted after the question, in one unit of work.
  void DeleteSelectedGroup();
  void ShowSelectedGroup();
  bool IsGroupSelected() const;

private:
  struct InvoicePosition {
    navigation::InvoiceNode node;
    int year;
    int month;
  };
  std::optional<InvoicePosition> SelectedInvoicePosition() const;
  std::optional<navigation::InvoiceNode> ClassifyNode(const wxTreeItemId& node) const;
  void FillMonthsSelecting(int year, const wxTreeItemId& yearNode, std::optional<int> month);
  void RestoreInvoicePosition(const InvoicePosition& position);
  wxTreeItemId ChildAt(const wxTreeItemId& parent, size_t position) const;
  wxTreeItemId AddNode(const wxTreeItemId& parent, const std::wstring& text, int image, int32_t integer);
  // Selects the node without acting on the change.
  void SelectQuietly(const wxTreeItemId& node);

  void OnSelectionChanged(wxTreeEvent& event);
  void OnItemExpanding(wxTreeEvent& event);
  void OnRightDown(wxMouseEvent& event);
  void OnMessage(platform::WindowMessageEvent& event);

  wxTreeItemId m_inventoryNode;
  wxTreeItemId m_invoicesNode;
  int32_t m_paneKind = navigation::kNoKind;
  // While set, selection changes made by refilling are not acted on.
  int m_rebuilding = 0;

  popup_menu m_menu{10000};
  unsigned m_newInvoice = 0, m_newIncomeInvoice = 0, m_newItem = 0, m_newItemGroup = 0, m_newClient = 0,
           m_newIncomePriceList = 0, m_newOutcomePriceList = 0, m_delete = 0, m_properties = 0;
};
