#include "shell/NavigationRules.h"

namespace navigation {

int32_t NavigationRules::KindOf(const std::vector<int32_t>& integersUpwards) {
  for (int32_t integer : integersUpwards)
    if (integer < 0) return integer;
  return kNoKind;
}

int NavigationRules::TreeWidth(std::optional<uint32_t> present, std::optional<uint32_t> width, int screenWidth,
                                int defaultWidth) {
  if (!present || *present == 0 || !width) return defaultWidth;
  const int64_t stored = *width;
  if (stored < kMinimumPaneWidth || stored > static_cast<int64_t>(screenWidth) - kMinimumPaneWidth)
    return defaultWidth;
  return static_cast<int>(stored);
}

PaneView NavigationRules::ViewForKind(int32_t kind) {
  switch (kind) {
    case kInventory:
      return PaneView::Items;
    case kInvoices:
      return PaneView::Invoices;
    case kClients:
      return PaneView::Companies;
    case kPriceLists:
      return PaneView::PriceGroups;
    case kFinanceInfo:
      return PaneView::Finances;
    default:
      return PaneView::Start;
  }
}

InvoiceNode NavigationRules::ClassifyInvoiceNode(int32_t integer, std::optional<int32_t> parentInteger) {
  if (integer == kInvoices) return InvoiceNode::Root;
  // Judged by place, not by number: a year before 2000 is a year all the same.
  if (parentInteger && *parentInteger == kInvoices) return InvoiceNode::Year;
  return InvoiceNode::Month;
}

InvoiceSelection NavigationRules::SelectionFor(InvoiceNode node, int32_t integer, int32_t parentInteger) {
  switch (node) {
    case InvoiceNode::Root:
      return {-1, -1, false, true};
    case InvoiceNode::Year:
      return {integer, 0, true, true};
    case InvoiceNode::Month:
      return {parentInteger, integer, true, true};
  }
  return {};
}

const wchar_t* NavigationRules::MonthName(int month) {
  static const wchar_t* const names[] = {L"January",   L"February", L"March",    L"April",
                                         L"May",       L"June",     L"July",     L"August",
                                         L"September", L"October",  L"November", L"December"};
  return month >= 1 && month <= 12 ? names[month - 1] : L"";
}

std::wstring NavigationRules::MonthNodeText(int month, int count) {
  std::wstring text = MonthName(month);
  if (count != 0) text += L" (" + std::to_wstring(count) + L")";
  return text;
}

bool NavigationRules::IsItemGroupNode(int32_t kind, int32_t integer) {
  return kind == kInventory && integer >= 0;
}

int32_t NavigationRules::SelectedGroupId(int32_t kind, int32_t integer) {
  return IsItemGroupNode(kind, integer) ? integer : 0;
}

std::optional<int> NavigationRules::MonthToReselect(int year, std::optional<InvoiceNode> selectedNode,
                                                    int32_t selectedInteger, int32_t selectedParentInteger) {
  if (selectedNode == InvoiceNode::Month && selectedParentInteger == year) return selectedInteger;
  return std::nullopt;
}

}  // namespace navigation
