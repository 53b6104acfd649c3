#include "designer/bars/OutBarLayout.h"

#include <algorithm>

using platform::gdi::Point;
using platform::gdi::Rect;
using platform::gdi::Size;

namespace designer {

int32_t OutBarLayout::AppendFolder(const std::wstring& name, int32_t data) {
  m_folders.push_back(CBarFolder{name, data, {}, nullptr});
  return GetFolderCount() - 1;
}

int32_t OutBarLayout::InsertItem(int32_t folder, int32_t index, const std::wstring& text, int32_t image,
                                 int32_t data, int32_t textHeight) {
  if (folder < 0 || folder >= GetFolderCount()) return -1;
  auto& items = m_folders[folder].items;
  if (index < 0 || index > static_cast<int32_t>(items.size())) index = static_cast<int32_t>(items.size());
  items.insert(items.begin() + index, CBarItem{image, text, data, textHeight});
  return index;
}

int32_t OutBarLayout::GetSelectedFolder() const {
  if (m_folders.empty()) return -1;
  return std::min(m_selectedFolder, GetFolderCount() - 1);
}

bool OutBarLayout::SelectFolder(int32_t index) {
  if (index < 0 || index >= GetFolderCount()) return false;
  m_selectedFolder = index;
  m_firstVisible = 0;
  m_selectedItem = -1;
  return true;
}

int32_t OutBarLayout::GetItemCount() const {
  const int32_t folder = GetSelectedFolder();
  return folder < 0 ? 0 : static_cast<int32_t>(m_folders[folder].items.size());
}

int32_t OutBarLayout::GetItemData(int32_t index) const {
  if (index < 0 || index >= GetItemCount()) return 0;
  return m_folders[GetSelectedFolder()].items[index].data;
}

Rect OutBarLayout::GetFolderRect(int32_t index) const {
  const int32_t n = GetFolderCount();
  const int32_t s = GetSelectedFolder();
  const int32_t h = kButtonHeight;
  Rect rect = m_client;
  if (index <= s) {
    rect.top = m_client.top + index * h - 1;
    rect.bottom = m_client.top + (index + 1) * h - 1;
  } else {
    rect.top = m_client.bottom - (n - index) * h;
    rect.bottom = m_client.bottom - (n - index - 1) * h;
  }
  return rect;
}

Rect OutBarLayout::GetItemArea() const {
  const int32_t n = GetFolderCount();
  const int32_t s = GetSelectedFolder();
  Rect rect = m_client;
  if (s < 0) return rect;
  rect.top += (s + 1) * kButtonHeight - 1;
  rect.bottom -= (n - s - 1) * kButtonHeight;
  return rect;
}

Size OutBarLayout::GetItemSize(int32_t index) const {
  if (index < 0 || index >= GetItemCount()) return {};
  const CBarItem& item = m_folders[GetSelectedFolder()].items[index];
  if (item.text.empty()) return {};
  return {GetItemArea().Width() - kItemWidthLess, item.textHeight + kItemExtraHeight};
}

Rect OutBarLayout::GetItemRect(int32_t index) const {
  const Rect area = GetItemArea();
  int32_t y = area.top;
  for (int32_t k = 0; k < index; ++k) y += GetItemSize(k).cy;
  for (int32_t k = 0; k < m_firstVisible; ++k) y -= GetItemSize(k).cy;
  const Size size = GetItemSize(index);
  Rect rect{area.left, y, area.left + size.cx, y + size.cy};
  rect.left += kItemOffset;
  rect.top += kItemOffset;
  rect.bottom += kItemOffset;
  return rect;
}

bool OutBarLayout::HasChildWindow() const {
  const int32_t folder = GetSelectedFolder();
  return folder >= 0 && m_folders[folder].child != nullptr;
}

bool OutBarLayout::IsUpArrowShown() const {
  return !HasChildWindow() && m_firstVisible > 0;
}

bool OutBarLayout::IsDownArrowShown() const {
  const int32_t count = GetItemCount();
  if (HasChildWindow() || count == 0) return false;
  return GetItemRect(count - 1).bottom > GetItemArea().bottom;
}

Rect OutBarLayout::GetUpArrowRect() const {
  const Rect area = GetItemArea();
  const int32_t right = area.right - kArrowInset;
  const int32_t top = area.top + kArrowInset;
  return {right - m_arrowSize, top, right, top + m_arrowSize};
}

Rect OutBarLayout::GetDownArrowRect() const {
  const Rect area = GetItemArea();
  const int32_t right = area.right - kArrowInset;
  const int32_t bottom = area.bottom - kArrowInset;
  return {right - m_arrowSize, bottom - m_arrowSize, right, bottom};
}

bool OutBarLayout::ScrollUp() {
  if (m_firstVisible <= 0) return false;
  --m_firstVisible;
  return true;
}

bool OutBarLayout::ScrollDown() {
  if (!IsDownArrowShown()) return false;
  ++m_firstVisible;
  return true;
}

OutBarHitResult OutBarLayout::HitTest(Point point) const {
  if (IsUpArrowShown() && GetUpArrowRect().Contains(point)) return {OutBarHit::UpArrow, -1};
  if (IsDownArrowShown() && GetDownArrowRect().Contains(point)) return {OutBarHit::DownArrow, -1};
  for (int32_t i = 0; i < GetFolderCount(); ++i) {
    if (GetFolderRect(i).Contains(point)) return {OutBarHit::Folder, i};
  }
  const Rect area = GetItemArea();
  if (!HasChildWindow() && area.Contains(point)) {
    for (int32_t k = m_firstVisible; k < GetItemCount(); ++k) {
      if (GetItemRect(k).Contains(point)) return {OutBarHit::Item, k};
    }
  }
  return {};
}

std::optional<int32_t> OutBarLayout::GetDropIndex(Point point) const {
  const Rect area = GetItemArea();
  if (GetSelectedFolder() < 0 || HasChildWindow() || !area.Contains(point)) return std::nullopt;
  const int32_t count = GetItemCount();
  for (int32_t k = m_firstVisible; k < count; ++k) {
    const Rect item = GetItemRect(k);
    if (point.y >= item.top && point.y < item.bottom) return k;
  }
  if (count > 0 && point.y >= GetItemRect(count - 1).bottom) return count;
  return std::nullopt;
}

bool OutBarLayout::MoveItem(int32_t from, int32_t dropIndex) {
  const int32_t count = GetItemCount();
  if (from < 0 || from >= count || dropIndex < 0 || dropIndex > count) return false;
  const int32_t target = dropIndex > from ? dropIndex - 1 : dropIndex;
  if (target == from) return false;
  auto& items = m_folders[GetSelectedFolder()].items;
  CBarItem item = std::move(items[from]);
  items.erase(items.begin() + from);
  items.insert(items.begin() + target, std::move(item));
  if (m_selectedItem == from) m_selectedItem = target;
  return true;
}

}  // namespace designer
