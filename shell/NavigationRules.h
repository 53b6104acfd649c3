#pragma once

// What the navigation tree decides, without the tree: every node carries one
// integer (a negative one for the five roots, a group's object id, a year, a
// month), and a node's kind is the integer of its root. The kind picks the
// right-pane view; under "Invoices" the node picks the period and the
// paid/unpaid filter of the invoice list.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace navigation {

// The integers of the five roots, which are also the five kinds.
inline constexpr int32_t kInventory = -1;
inline constexpr int32_t kInvoices = -2;
inline constexpr int32_t kClients = -3;
inline constexpr int32_t kPriceLists = -4;
inline constexpr int32_t kFinanceInfo = -5;
// The kind of the start view, before any node was chosen.
inline constexpr int32_t kNoKind = 0;

// The right-pane view of a kind.
enum class PaneView { Start, Items, Invoices, Companies, PriceGroups, Finances };

// Where a node under "Invoices" stands.
enum class InvoiceNode { Root, Year, Month };

// The period (year, month; -1 for none, month 0 for the whole year) and the
// filter a node under "Invoices" shows.
struct InvoiceSelection {
  int year = -1;
  int month = -1;
  bool showPaid = true;
  bool showUnpaid = true;

  bool operator==(const InvoiceSelection&) const = default;
};

// The width the main window's tree takes when nothing usable is stored, and
// the narrowest either pane can be dragged to: narrower, GTK has no room
// left for the tree's scroll bars.
inline constexpr int kDefaultTreeWidth = 100;
inline constexpr int kMinimumPaneWidth = 60;

class NavigationRules {
public:
  // The tree's width in the main window from the stored "SplitterPresent"
  // and "SplitterWidth" (nullopt: missing or not a number): the stored
  // width when the splitter was present and the width leaves both panes
  // room on a screen that wide, else defaultWidth. The tree is always shown:
  // no stored value hides it.
  static int TreeWidth(std::optional<uint32_t> present, std::optional<uint32_t> width, int screenWidth,
                       int defaultWidth = kDefaultTreeWidth);

  // The integers of a node and its ancestors, the node first. The first
  // negative one is the kind; kNoKind when there is none.
  static int32_t KindOf(const std::vector<int32_t>& integersUpwards);

  static PaneView ViewForKind(int32_t kind);

  // The root is the node whose integer is kInvoices; its children are the
  // years (whatever their number), their children the months.
  static InvoiceNode ClassifyInvoiceNode(int32_t integer, std::optional<int32_t> parentInteger);

  // The root lists the unpaid invoices of every year; a year all its
  // invoices; a month those of that month.
  static InvoiceSelection SelectionFor(InvoiceNode node, int32_t integer, int32_t parentInteger);

  // "March", or "March (3)" when the month holds invoices. Month 1-12.
  static std::wstring MonthNodeText(int month, int count);
  static const wchar_t* MonthName(int month);

  // An item group node: kind Inventory and a group id (not the root).
  static bool IsItemGroupNode(int32_t kind, int32_t integer);
  // The group under which new items and groups are made: the node's group,
  // 0 for anything else.
  static int32_t SelectedGroupId(int32_t kind, int32_t integer);

  // The month to select again after the months of `year` were filled: the
  // month of the node that was selected when it was a month of that same
  // year; nothing otherwise.
  static std::optional<int> MonthToReselect(int year, std::optional<InvoiceNode> selectedNode,
                                            int32_t selectedInteger, int32_t selectedParentInteger);
};

}  // namespace navigation
