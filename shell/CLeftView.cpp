#include "shell/CLeftView.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <wx/artprov.h>
#include <wx/imaglist.h>

#include "data/DbException.h"
#include "data/objects/Invoice.h"
#include "data/objects/ItemGroup.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"
#include "shell/CommandRules.h"
#include "shell/InvoicesView.h"
#include "shell/PaneListView.h"
#include "common/ui/Document.h"
#include "shell/ui/RefreshMessages.h"

using navigation::InvoiceNode;
using navigation::NavigationRules;

namespace {

class NodeData : public wxTreeItemData {
public:
  explicit NodeData(int32_t integer) : m_integer(integer) {}
  int32_t GetInteger() const { return m_integer; }

private:
  int32_t m_integer;
};

// Indexes into the image list, which holds the icons 160, 133, 146, 147, 148,
// 151, 159 and 150 in that order (160 is not used by any node).
enum Image {
  kImageSpare,
  kImageInventory,
  kImageInvoices,
  kImageYear,
  kImageMonth,
  kImagePriceLists,
  kImageFinance,
  kImageClients,
  kImageCount
};

wxImageList* MakeImageList() {
  const wxArtID icons[kImageCount] = {wxART_NORMAL_FILE, wxART_FOLDER,         wxART_REPORT_VIEW,
                                      wxART_FOLDER_OPEN, wxART_LIST_VIEW,      wxART_HELP_BOOK,
                                      wxART_HELP_PAGE,   wxART_HELP_SIDE_PANEL};
  auto* images = new wxImageList(16, 16, true, kImageCount);
  for (const wxArtID& icon : icons) {
    wxBitmap bitmap = wxArtProvider::GetBitmap(icon, wxART_OTHER, wxSize(16, 16));
    if (!bitmap.IsOk() || bitmap.GetSize() != wxSize(16, 16)) {
      // A theme without the icon, or with another size: a white square.
      wxImage blank(16, 16);
      blank.SetRGB(wxRect(0, 0, 16, 16), 255, 255, 255);
      if (bitmap.IsOk()) blank = bitmap.ConvertToImage().Rescale(16, 16);
      bitmap = wxBitmap(blank);
    }
    images->Add(bitmap);
  }
  return images;
}

class RebuildGuard {
public:
  explicit RebuildGuard(int& counter) : m_counter(counter) { ++m_counter; }
  ~RebuildGuard() { --m_counter; }

private:
  int& m_counter;
};

}  // namespace

CLeftView::CLeftView(wxWindow* parent)
    : wxTreeCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                 wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN) {
  Bind(wxEVT_TREE_SEL_CHANGED, &CLeftView::OnSelectionChanged, this);
  Bind(wxEVT_TREE_ITEM_EXPANDING, &CLeftView::OnItemExpanding, this);
  Bind(wxEVT_RIGHT_DOWN, &CLeftView::OnRightDown, this);
  Bind(wxEVT_CONTEXT_MENU, [this](wxContextMenuEvent&) { ShowContextMenu(); });
  Bind(EVT_CORVANE_MESSAGE, &CLeftView::OnMessage, this);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { DeleteSelectedGroup(); }, wxID_DELETE);
  Bind(
      wxEVT_MENU, [this](wxCommandEvent&) { ShowSelectedGroup(); }, wxID_PROPERTIES);
  Bind(
      wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(IsGroupSelected()); }, wxID_DELETE);
  Bind(
      wxEVT_UPDATE_UI,
      [this](wxUpdateUIEvent& event) {
        const wxTreeItemId node = GetSelection();
        const int32_t integer = node.IsOk() ? GetNodeInteger(node) : 0;
        event.Enable(
            node.IsOk() &&
            CommandRules::TreeMenu(GetNodeKind(node), integer, FormAvailability::Current()).properties);
      },
      wxID_PROPERTIES);
}

int CLeftView::RootNamesWidth() const {
  // A root's name starts after the button column, the spacing and the
  // 16-pixel picture with its 4-pixel gap; the border and a little room on
  // the right come after it.
  constexpr int kPicture = 16 + 4;
  constexpr int kRoom = 12;
  int widest = 0;
  for (const wchar_t* name : {L"Inventory", L"Invoices", L"Clients", L"Price Lists", L"Finance Info"})
    widest = std::max(widest, GetTextExtent(name).x);
  return static_cast<int>(GetIndent() + GetSpacing()) + kPicture + widest + kRoom;
}

void CLeftView::OnInitialUpdate() {
  AssignImageList(MakeImageList());

  if (!m_menu.GetMenu()) {
    m_menu.Create();
    m_newInvoice = m_menu.AddItem(L"New Invoice");
    m_newIncomeInvoice = m_menu.AddItem(L"New Income Invoice");
    m_newItem = m_menu.AddItem(L"New Item");
    m_newItemGroup = m_menu.AddItem(L"New Item Group");
    m_newClient = m_menu.AddItem(L"New Client");
    m_newIncomePriceList = m_menu.AddItem(L"New Income Price List");
    m_newOutcomePriceList = m_menu.AddItem(L"New Outcome Price List");
    m_menu.AddSeparator();
    m_delete = m_menu.AddItem(L"Delete");
    m_properties = m_menu.AddItem(L"Properties");
  }

  RebuildGuard guard(m_rebuilding);
  DeleteAllItems();
  m_invoicesNode = wxTreeItemId();
  const wxTreeItemId hidden = AddRoot(wxEmptyString);
  m_inventoryNode = AddNode(hidden, L"Inventory", kImageInventory, navigation::kInventory);
  FillGroups(m_inventoryNode);
  FillYears();
  AddNode(hidden, L"Clients", kImageClients, navigation::kClients);
  AddNode(hidden, L"Price Lists", kImagePriceLists, navigation::kPriceLists);
  AddNode(hidden, L"Finance Info", kImageFinance, navigation::kFinanceInfo);
}

wxTreeItemId CLeftView::AddNode(const wxTreeItemId& parent, const std::wstring& text, int image,
                                int32_t integer) {
  return AppendItem(parent, wxString(text), image, image, new NodeData(integer));
}

wxTreeItemId CLeftView::FindChild(const wxTreeItemId& parent, int32_t integer) const {
  if (!parent.IsOk()) return {};
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = GetFirstChild(parent, cookie); child.IsOk(); child = GetNextChild(parent, cookie))
    if (GetNodeInteger(child) == integer) return child;
  return {};
}

wxTreeItemId CLeftView::FindRoot(int32_t integer) const {
  return FindChild(GetRootItem(), integer);
}

int32_t CLeftView::GetNodeInteger(const wxTreeItemId& node) const {
  const auto* data = node.IsOk() ? dynamic_cast<NodeData*>(GetItemData(node)) : nullptr;
  return data ? data->GetInteger() : 0;
}

int32_t CLeftView::GetNodeKind(const wxTreeItemId& node) const {
  std::vector<int32_t> integers;
  for (wxTreeItemId at = node; at.IsOk() && at != GetRootItem(); at = GetItemParent(at))
    integers.push_back(GetNodeInteger(at));
  return NavigationRules::KindOf(integers);
}

std::optional<InvoiceNode> CLeftView::ClassifyNode(const wxTreeItemId& node) const {
  if (!node.IsOk() || GetNodeKind(node) != navigation::kInvoices) return std::nullopt;
  const wxTreeItemId parent = GetItemParent(node);
  std::optional<int32_t> parentInteger;
  if (parent.IsOk() && parent != GetRootItem()) parentInteger = GetNodeInteger(parent);
  return NavigationRules::ClassifyInvoiceNode(GetNodeInteger(node), parentInteger);
}

void CLeftView::SelectQuietly(const wxTreeItemId& node) {
  RebuildGuard guard(m_rebuilding);
  SelectItem(node);
}

void CLeftView::FillGroups(const wxTreeItemId& node) {
  if (!node.IsOk()) return;
  RebuildGuard guard(m_rebuilding);
  std::vector<std::pair<int32_t, std::wstring>> groups;
  try {
    std::vector<int> ids;
    if (node == m_inventoryNode) {
      Invoice::GetTopLevelItemGroupIds(ids);
    } else {
      const int32_t groupId = GetNodeInteger(node);
      Invoice::ItemGroup::GroupTree tree;
      Invoice::ItemGroup::CollectSubGroups(groupId, tree);
      for (const auto& [id, parent] : tree)
        if (parent == groupId) ids.push_back(id);
    }
    for (int id : ids) {
      const Invoice::ItemGroup group(id);
      if (group.IsStored()) groups.emplace_back(group.GetId(), group.GetName());
    }
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
    return;
  }
  // The nodes of groups that are still there stay: the tree may be in the
  // middle of selecting one of them (selecting a node first expands its
  // collapsed parents, which refills them).
  std::vector<wxTreeItemId> gone;
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = GetFirstChild(node, cookie); child.IsOk(); child = GetNextChild(node, cookie)) {
    const int32_t id = GetNodeInteger(child);
    const bool listed =
        std::any_of(groups.begin(), groups.end(), [id](const auto& group) { return group.first == id; });
    if (id == 0 || !listed) gone.push_back(child);
  }
  for (const wxTreeItemId& child : gone) Delete(child);
  for (size_t position = 0; position < groups.size(); ++position) {
    const auto& [id, name] = groups[position];
    wxTreeItemId child = FindChild(node, id);
    if (child.IsOk() && child != ChildAt(node, position)) {
      // Renamed into another place: made again there.
      Delete(child);
      child = wxTreeItemId();
    }
    if (child.IsOk()) {
      SetItemText(child, wxString(name));
      if (IsExpanded(child)) FillGroups(child);
      continue;
    }
    child = InsertItem(node, position, wxString(name), kImageInventory, kImageInventory, new NodeData(id));
    AddNode(child, L"", kImageInventory, 0);
  }
}

wxTreeItemId CLeftView::ChildAt(const wxTreeItemId& parent, size_t position) const {
  wxTreeItemIdValue cookie;
  wxTreeItemId child = GetFirstChild(parent, cookie);
  for (size_t i = 0; i < position && child.IsOk(); ++i) child = GetNextChild(parent, cookie);
  return child;
}

std::optional<CLeftView::InvoicePosition> CLeftView::SelectedInvoicePosition() const {
  const wxTreeItemId node = GetSelection();
  const std::optional<InvoiceNode> kind = ClassifyNode(node);
  if (!kind) return std::nullopt;
  switch (*kind) {
    case InvoiceNode::Root:
      return InvoicePosition{*kind, -1, -1};
    case InvoiceNode::Year:
      return InvoicePosition{*kind, GetNodeInteger(node), 0};
    case InvoiceNode::Month:
      return InvoicePosition{*kind, GetNodeInteger(GetItemParent(node)), GetNodeInteger(node)};
  }
  return std::nullopt;
}

void CLeftView::FillYears() {
  const std::optional<InvoicePosition> position = SelectedInvoicePosition();
  // Which nodes the user had open, to open them again after the rebuild.
  const bool rootExpanded = m_invoicesNode.IsOk() && IsExpanded(m_invoicesNode);
  std::vector<int32_t> expandedYears;
  if (m_invoicesNode.IsOk()) {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = GetFirstChild(m_invoicesNode, cookie); child.IsOk();
         child = GetNextChild(m_invoicesNode, cookie))
      if (IsExpanded(child)) expandedYears.push_back(GetNodeInteger(child));
  }
  {
    RebuildGuard guard(m_rebuilding);
    try {
      if (!m_invoicesNode.IsOk())
        m_invoicesNode = AddNode(GetRootItem(), L"Invoices", kImageInvoices, navigation::kInvoices);
      else
        DeleteChildren(m_invoicesNode);
      std::vector<int> years;
      Invoice::GetInvoiceYears(years);
      for (int year : years) {
        const wxTreeItemId node = AddNode(m_invoicesNode, std::to_wstring(year), kImageYear, year);
        AddNode(node, L"", kImageYear, 0);
      }
    } catch (const Invoice::DbException& error) {
      ShowDbError(error);
    }
  }
  {
    RebuildGuard guard(m_rebuilding);
    if (rootExpanded) Expand(m_invoicesNode);
    for (int32_t year : expandedYears)
      if (const wxTreeItemId node = FindChild(m_invoicesNode, year); node.IsOk()) Expand(node);  // fills its months
  }
  if (position) RestoreInvoicePosition(*position);
}

void CLeftView::RestoreInvoicePosition(const InvoicePosition& position) {
  if (position.node == InvoiceNode::Root) {
    SelectQuietly(m_invoicesNode);
    return;
  }
  const wxTreeItemId yearNode = FindChild(m_invoicesNode, position.year);
  if (!yearNode.IsOk()) {
    // The year has gone: show what the root shows.
    SelectItem(m_invoicesNode);
    return;
  }
  if (position.node == InvoiceNode::Year) {
    SelectQuietly(yearNode);
    return;
  }
  {
    // The expansion fills the months.
    RebuildGuard guard(m_rebuilding);
    Expand(yearNode);
  }
  if (const wxTreeItemId month = FindChild(yearNode, position.month); month.IsOk()) SelectQuietly(month);
}

void CLeftView::FillMonths(int year, const wxTreeItemId& yearNode) {
  const wxTreeItemId selected = GetSelection();
  const std::optional<InvoiceNode> kind = ClassifyNode(selected);
  const wxTreeItemId parent = selected.IsOk() ? GetItemParent(selected) : wxTreeItemId();
  const int32_t parentInteger = parent.IsOk() && parent != GetRootItem() ? GetNodeInteger(parent) : 0;
  FillMonthsSelecting(year, yearNode,
                      NavigationRules::MonthToReselect(year, kind, GetNodeInteger(selected), parentInteger));
}

void CLeftView::FillMonthsSelecting(int year, const wxTreeItemId& yearNode, std::optional<int> month) {
  if (!yearNode.IsOk()) return;
  RebuildGuard guard(m_rebuilding);
  try {
    std::vector<std::pair<int, int>> counts;
    Invoice::CountInvoicesPerMonth(year, counts);
    wxTreeItemIdValue cookie;
    const wxTreeItemId first = GetFirstChild(yearNode, cookie);
    const bool onlyPlaceholder = !first.IsOk() || !GetNextSibling(first).IsOk();
    if (onlyPlaceholder) {
      DeleteChildren(yearNode);
      for (const auto& [number, count] : counts)
        AddNode(yearNode, NavigationRules::MonthNodeText(number, count), kImageMonth, number);
    } else {
      wxTreeItemId node = first;
      for (const auto& [number, count] : counts) {
        if (!node.IsOk()) break;
        SetItemText(node, wxString(NavigationRules::MonthNodeText(number, count)));
        node = GetNextSibling(node);
      }
    }
    if (month)
      if (const wxTreeItemId node = FindChild(yearNode, *month); node.IsOk()) SelectItem(node);
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void CLeftView::OnSelectionChanged(wxTreeEvent& event) {
  if (m_rebuilding == 0 && event.GetItem().IsOk()) OnNodeSelected(event.GetItem());
}

void CLeftView::OnNodeSelected(const wxTreeItemId& node) {
  auto* frame = dynamic_cast<CMainFrame*>(GetParentFrame());
  if (!frame) return;
  const int32_t kind = GetNodeKind(node);
  const int32_t integer = GetNodeInteger(node);
  // The frame's document, not this view's: without the splitter the tree
  // itself leaves the document when a list takes its place.
  Document* document = frame->GetDocument();
  if (kind != m_paneKind) {
    if (!frame->ReplaceView(NavigationRules::ViewForKind(kind))) return;
    m_paneKind = kind;
  }
  View* right = frame->GetRightView();
  if (!document || !right) return;
  switch (kind) {
    case navigation::kClients:
    case navigation::kPriceLists:
    case navigation::kFinanceInfo:
      document->UpdateAllViews(nullptr, 0, right);
      break;
    case navigation::kInvoices:
      if (auto* invoices = dynamic_cast<InvoicesView*>(right)) {
        const wxTreeItemId parent = GetItemParent(node);
        const int32_t parentInteger = parent.IsOk() ? GetNodeInteger(parent) : 0;
        const navigation::InvoiceSelection selection =
            NavigationRules::SelectionFor(*ClassifyNode(node), integer, parentInteger);
        invoices->SetPeriod(selection.year, selection.month);
        invoices->SetFilter(selection.showPaid, selection.showUnpaid);
        document->UpdateAllViews(nullptr, 0, right);
      }
      break;
    case navigation::kInventory:
      document->UpdateAllViews(nullptr, NavigationRules::SelectedGroupId(kind, integer), right);
      break;
    default:
      break;
  }
}

void CLeftView::OnItemExpanding(wxTreeEvent& event) {
  const wxTreeItemId node = event.GetItem();
  const int32_t kind = GetNodeKind(node);
  if (kind == navigation::kInventory) {
    FillGroups(node);
  } else if (kind == navigation::kInvoices && ClassifyNode(node) == InvoiceNode::Year) {
    FillMonths(GetNodeInteger(node), node);
  }
}

void CLeftView::OnRightDown(wxMouseEvent& event) {
  // A right click selects the node under the cursor first, as a left click
  // would, and then shows the context menu.
  int flags = 0;
  const wxTreeItemId node = HitTest(event.GetPosition(), flags);
  if (node.IsOk() && node != GetSelection()) SelectItem(node);
  ShowContextMenu();
}

bool CLeftView::IsGroupSelected() const {
  const wxTreeItemId node = GetSelection();
  return node.IsOk() && NavigationRules::IsItemGroupNode(GetNodeKind(node), GetNodeInteger(node));
}

void CLeftView::ShowContextMenu() {
  if (!m_menu.GetMenu()) return;
  const wxTreeItemId node = GetSelection();
  const int32_t kind = node.IsOk() ? GetNodeKind(node) : navigation::kNoKind;
  const int32_t integer = node.IsOk() ? GetNodeInteger(node) : 0;
  const TreeMenuState state = CommandRules::TreeMenu(kind, integer, FormAvailability::Current());
  m_menu.EnableItem(m_newInvoice, state.newInvoice);
  m_menu.EnableItem(m_newIncomeInvoice, state.newIncomeInvoice);
  m_menu.EnableItem(m_newItem, state.newItem);
  m_menu.EnableItem(m_newItemGroup, state.newItemGroup);
  m_menu.EnableItem(m_newClient, state.newClient);
  m_menu.EnableItem(m_newIncomePriceList, state.newIncomePriceList);
  m_menu.EnableItem(m_newOutcomePriceList, state.newOutcomePriceList);
  m_menu.EnableItem(m_delete, state.del);
  m_menu.EnableItem(m_properties, state.properties);

  const unsigned command = TrackEnabledCommand(m_menu, this);
  if (command == 0) return;
  const int32_t groupId = NavigationRules::SelectedGroupId(kind, integer);
  CQuennetApp& app = GetQuennetApp();
  if (command == m_newInvoice)
    app.OpenInvoiceForm(0, 0, false);
  else if (command == m_newIncomeInvoice)
    app.OpenInvoiceForm(0, 0, true);
  else if (command == m_newItem)
    app.OpenItemForm(0, false, groupId);
  else if (command == m_newItemGroup)
    app.OpenItemForm(0, true, groupId);
  else if (command == m_newClient)
    app.OpenCompanyForm(0);
  else if (command == m_newIncomePriceList)
    app.OpenNewPriceListForm(1);
  else if (command == m_newOutcomePriceList)
    app.OpenNewPriceListForm(2);
  else if (command == m_delete)
    DeleteSelectedGroup();
  else if (command == m_properties)
    ShowSelectedGroup();
}

void CLeftView::ShowSelectedGroup() {
  if (IsGroupSelected()) GetQuennetApp().OpenItemForm(GetNodeInteger(GetSelection()), true, 0);
}

void CLeftView::DeleteSelectedGroup() {
  if (!IsGroupSelected()) return;
  try {
    Invoice::ItemGroup group(GetNodeInteger(GetSelection()));
    if (!group.IsStored()) return;
    if (!ConfirmDelete()) return;
    if (RunInUnitOfWork([&] { group.Delete(); })) Broadcast(RefreshMessages::ItemGroups());
  } catch (const Invoice::DbException& error) {
    ShowDbError(error);
  }
}

void CLeftView::OnMessage(platform::WindowMessageEvent& event) {
  if (event.GetMessage() == RefreshMessages::ItemGroups()) {
    FillGroups(m_inventoryNode);
    event.Skip();
  } else if (event.GetMessage() == RefreshMessages::Year()) {
    FillYears();
    const int32_t year = static_cast<int32_t>(static_cast<platform::LPARAM>(event.GetWParam()));
    if (const wxTreeItemId node = FindChild(m_invoicesNode, year); node.IsOk()) FillMonths(year, node);
    event.SetResult(0);
  } else {
    event.Skip();
  }
}
