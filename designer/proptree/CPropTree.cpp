#include "designer/proptree/CPropTree.h"

#include <algorithm>

namespace designer {
namespace {

void CollectVisible(const CPropTreeItem& item, std::vector<CPropTreeItem*>& out) {
  for (const auto& child : item.GetChildren()) {
    out.push_back(child.get());
    if (child->IsExpanded()) CollectVisible(*child, out);
  }
}

bool Contains(const CPropTreeItem& item, const CPropTreeItem* wanted) {
  if (&item == wanted) return true;
  for (const auto& child : item.GetChildren()) {
    if (Contains(*child, wanted)) return true;
  }
  return false;
}

template <class Action>
void ForEach(CPropTreeItem& item, Action action) {
  action(item);
  for (const auto& child : item.GetChildren()) ForEach(*child, action);
}

}  // namespace

CPropTree::CPropTree() {
  m_root.m_tree = this;
  m_root.Expand();
}

CPropTree::~CPropTree() {
  // No notifications while the tree goes.
  m_listener = nullptr;
  m_observer = nullptr;
}

CPropTreeItem* CPropTree::InsertItem(std::unique_ptr<CPropTreeItem> item, CPropTreeItem* parent) {
  if (!item) return nullptr;
  if (!parent) parent = &m_root;
  CPropTreeItem* inserted = item.get();
  inserted->m_tree = this;
  inserted->m_parent = parent;
  inserted->m_id = m_nextId++;
  parent->m_children.push_back(std::move(item));
  SendNotify(kItemInserted, inserted);
  if (m_observer) m_observer->OnTreeItemsChanged();
  return inserted;
}

bool CPropTree::DeleteSubtree(CPropTreeItem* item) {
  bool allGone = true;
  // Children first; a kept child keeps this item too, so that it is never
  // left without its parent.
  for (size_t i = item->m_children.size(); i-- > 0;) {
    if (!DeleteSubtree(item->m_children[i].get())) allGone = false;
  }
  if (item == &m_root) return allGone;
  if (!allGone || SendNotify(kDeleteItem, item) != 0) return false;
  if (m_focused && Contains(*item, m_focused)) m_focused = nullptr;
  auto& siblings = item->m_parent->m_children;
  siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                              [item](const std::unique_ptr<CPropTreeItem>& child) { return child.get() == item; }));
  return true;
}

bool CPropTree::DeleteItem(CPropTreeItem* item) {
  // What is being typed into an item goes to it before it may go.
  if (m_observer) m_observer->OnTreeItemsDeleting();
  const bool deleted = DeleteSubtree(item ? item : &m_root);
  SetScrollOrigin(m_scrollOrigin);
  if (m_observer) m_observer->OnTreeItemsChanged();
  return deleted;
}

void CPropTree::DeleteAllItems() {
  DeleteItem(nullptr);
  m_nextId = 1;
}

std::vector<CPropTreeItem*> CPropTree::GetVisibleItems() const {
  std::vector<CPropTreeItem*> items;
  CollectVisible(m_root, items);
  return items;
}

void CPropTree::FocusItem(CPropTreeItem* item) {
  if (!item) return;
  const bool changed = item != m_focused;
  SelectItems(nullptr, false);
  item->Select();
  m_focused = item;
  if (changed) SendNotify(kSelChanged, item);
}

void CPropTree::FocusTo(CPropTreeItem* item) {
  if (!item) return;
  EnsureVisible(item);
  FocusItem(item);
}

void CPropTree::KeepFocusShown() {
  if (!m_focused || PlaceOf(m_focused)) return;
  CPropTreeItem* shown = m_focused->GetParent();
  while (shown && !PlaceOf(shown)) shown = shown->GetParent();
  SelectItems(nullptr, false);
  if (shown) shown->Select();
  m_focused = shown;
  SendNotify(kSelChanged, shown);
}

bool CPropTree::ToggleExpanded(CPropTreeItem* item) {
  if (!item || !item->HasChildren()) return false;
  if (SendNotify(kItemExpanding, item) != 0) return false;
  item->Expand(!item->IsExpanded());
  KeepFocusShown();
  return true;
}

void CPropTree::ToggleCheck(CPropTreeItem* item) {
  item->Check(!item->IsChecked());
  SendNotify(kCheckClick, item);
  item->OnCheck();
}

void CPropTree::MoveByKey(Key key) {
  CPropTreeItem* focused = m_focused;
  const bool openable = focused && focused->HasChildren();
  switch (key) {
    case Key::Home:
      return FocusFirst();
    case Key::End:
      return FocusLast();
    case Key::Up:
      return FocusPrev();
    case Key::Down:
      return FocusNext();
    case Key::Left:
      if (openable && focused->IsExpanded()) {
        ToggleExpanded(focused);
        return;
      }
      return FocusPrev();
    case Key::Right:
      if (openable && !focused->IsExpanded()) {
        ToggleExpanded(focused);
        return;
      }
      return FocusNext();
  }
}

bool CPropTree::HasItem(const CPropTreeItem* item) const {
  return item && item != &m_root && Contains(m_root, item);
}

void CPropTree::FocusFirst() {
  const auto items = GetVisibleItems();
  if (!items.empty()) FocusTo(items.front());
}

void CPropTree::FocusLast() {
  const auto items = GetVisibleItems();
  if (!items.empty()) FocusTo(items.back());
}

void CPropTree::FocusPrev() {
  const auto items = GetVisibleItems();
  if (items.empty()) return;
  const auto at = std::find(items.begin(), items.end(), m_focused);
  if (at == items.end()) return FocusTo(items.back());
  FocusTo(at == items.begin() ? *at : *(at - 1));
}

void CPropTree::FocusNext() {
  const auto items = GetVisibleItems();
  if (items.empty()) return;
  const auto at = std::find(items.begin(), items.end(), m_focused);
  if (at == items.end()) return FocusTo(items.front());
  FocusTo(at + 1 == items.end() ? *at : *(at + 1));
}

void CPropTree::EnsureVisible(CPropTreeItem* item) {
  if (!item) return;
  for (CPropTreeItem* parent = item->GetParent(); parent; parent = parent->GetParent()) {
    if (parent != &m_root) parent->Expand();
  }
  const std::optional<Place> place = PlaceOf(item);
  if (!place || m_listHeight <= 0) return;
  if (place->y < 0) {
    SetScrollOrigin(m_scrollOrigin + place->y);
  } else if (place->y + place->height > m_listHeight) {
    SetScrollOrigin(m_scrollOrigin + place->y + place->height - m_listHeight);
  }
}

void CPropTree::SetColumn(int32_t x, int32_t clientWidth) {
  if (clientWidth < 0) clientWidth = m_listWidth;
  x = std::max(x, kMinColumn);
  if (clientWidth > 0) x = std::min(x, clientWidth - kMinColumn);
  m_column = x;
}

void CPropTree::SetListSize(int32_t width, int32_t height) {
  m_listWidth = std::max(width, 0);
  m_listHeight = std::max(height, 0);
  SetScrollOrigin(m_scrollOrigin);
}

int32_t CPropTree::GetContentHeight() const {
  int32_t height = 0;
  for (const CPropTreeItem* item : GetVisibleItems()) height += item->GetItemHeight();
  return height;
}

void CPropTree::SetScrollOrigin(int32_t origin) {
  m_scrollOrigin = std::clamp(origin, 0, std::max(GetContentHeight() - m_listHeight, 0));
}

std::vector<CPropTree::Place> CPropTree::Layout() const {
  std::vector<Place> places;
  int32_t y = -m_scrollOrigin;
  // Children of a top-level item keep its x; deeper ones are indented.
  auto add = [&](auto& self, const CPropTreeItem& parent, int32_t x, int depth) -> void {
    for (const auto& child : parent.GetChildren()) {
      Place place;
      place.item = child.get();
      place.x = x;
      place.y = y;
      place.height = child->GetItemHeight();
      if (child->HasChildren()) place.expandBox = {4, y + 4, 4 + 9, y + 4 + 9};
      place.labelLeft = x + kIndent + 5;
      if (child->GetFlags() & CPropTreeItem::kCheckBox) {
        place.checkBox = {place.labelLeft, y + 4, place.labelLeft + 14, y + 4 + 14};
        place.labelLeft += 24;
      }
      if (depth > 1) place.attribute = {m_column + kSplitterSlop, y, m_listWidth, y + place.height - 1};
      places.push_back(place);
      y += place.height;
      if (child->IsExpanded()) self(self, *child, depth > 1 ? x + kIndent : x, depth + 1);
    }
  };
  add(add, m_root, 0, 1);
  return places;
}

std::optional<CPropTree::Place> CPropTree::PlaceOf(const CPropTreeItem* item) const {
  for (const Place& place : Layout()) {
    if (place.item == item) return place;
  }
  return std::nullopt;
}

CPropTree::HitCode CPropTree::HitTest(platform::gdi::Point point, CPropTreeItem** item) const {
  if (item) *item = nullptr;
  for (const Place& place : Layout()) {
    if (point.y < place.y || point.y >= place.y + place.height) continue;
    if (item) *item = place.item;
    const bool topLevel = place.item->IsRootLevel();
    if (!topLevel && point.x >= m_column - kSplitterSlop && point.x <= m_column + kSplitterSlop) return kHitSplitter;
    if (point.x > m_column + kSplitterSlop) return kHitAttribute;
    if (place.expandBox.Contains(point)) return kHitExpand;
    if (place.checkBox.Contains(point)) return kHitCheckBox;
    return kHitLabel;
  }
  return kHitNothing;
}

void CPropTree::DisableInput(bool disable) {
  m_inputDisabled = disable;
  if (m_observer) m_observer->OnTreeInputDisabled(disable);
}

void CPropTree::SelectItems(CPropTreeItem* item, bool select) {
  ForEach(item ? *item : m_root, [&](CPropTreeItem& each) {
    if (&each != &m_root) each.Select(select);
  });
}

void CPropTree::UpdateMoveAllItems() {
  ForEach(m_root, [](CPropTreeItem& each) { each.OnMove(); });
}

void CPropTree::RefreshItems(CPropTreeItem* item) {
  ForEach(item ? *item : m_root, [](CPropTreeItem& each) { each.OnRefresh(); });
  if (m_observer) m_observer->OnTreeValuesChanged();
}

int64_t CPropTree::SendNotify(int32_t code, CPropTreeItem* item) {
  return (m_style & kNotify) && m_listener ? m_listener(code, item) : 0;
}

}  // namespace designer
