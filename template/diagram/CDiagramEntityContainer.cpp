#include "template/diagram/CDiagramEntityContainer.h"

#include <algorithm>
#include <atomic>

#include "common/TextSplitter.h"
#include "common/UnitConversions.h"
#include "template/TemplateHelpers.h"

using namespace platform::gdi;

namespace {

std::atomic<int32_t> g_lastEntityId{0};

int32_t Round(double value) {
  return TruncateToInt32(value + 0.5);
}

}  // namespace

CDiagramEntityContainer::CDiagramEntityContainer(CDiagramClipboardHandler* clipboard)
    : m_clipboard(clipboard ? clipboard : &m_ownClipboard) {}

CDiagramEntityContainer::~CDiagramEntityContainer() {
  // One by one, so that an entity deleting its child finds a whole list.
  while (!m_entities.empty()) RemoveAt(0);
  ClearUndo();
}

std::wstring CDiagramEntityContainer::GetString() const {
  return L"paper:" + std::to_wstring(m_paper.cx) + L"," + std::to_wstring(m_paper.cy) + L";";
}

bool CDiagramEntityContainer::FromString(const std::wstring& record) {
  const TextSplitter parts(record, L':');
  if (parts.GetSize() != 2) return false;
  if (TrimWhiteSpace(parts.GetString(0)) != L"paper") return false;
  std::wstring numbers = TrimWhiteSpace(parts.GetString(1));
  // Only a closing ";" is dropped: a record without one keeps its last digit.
  if (!numbers.empty() && numbers.back() == L';') numbers.pop_back();
  const TextSplitter size(numbers, L',');
  if (size.GetSize() != 2) return false;
  m_paper = Size{size.GetInt(0), size.GetInt(1)};
  return true;
}

void CDiagramEntityContainer::Export(std::vector<std::wstring>& lines) const {
  for (const auto& entity : m_entities) lines.push_back(entity->Export());
}

void CDiagramEntityContainer::SetClipboardHandler(CDiagramClipboardHandler* clipboard) {
  m_clipboard = clipboard ? clipboard : &m_ownClipboard;
}

CDiagramEntity* CDiagramEntityContainer::GetAt(int index) const {
  if (index < 0 || index >= GetSize()) return nullptr;
  return m_entities[index].get();
}

bool CDiagramEntityContainer::Add(std::unique_ptr<CDiagramEntity> entity) {
  if (!entity) return false;
  CDiagramEntity* added = entity.get();
  added->SetContainer(this);
  added->SetId(++g_lastEntityId);
  m_entities.push_back(std::move(entity));
  m_modified = true;
  return added->OnAdd();
}

void CDiagramEntityContainer::RemoveAt(int index) {
  if (index < 0 || index >= GetSize()) return;
  // Take the entity out before deleting it: its destructor may remove its
  // child from this list.
  std::unique_ptr<CDiagramEntity> removed = std::move(m_entities[index]);
  m_entities.erase(m_entities.begin() + index);
  m_modified = true;
  RemoveFromSelectionOrder(removed->GetId());
  removed.reset();
}

void CDiagramEntityContainer::RemoveAll() {
  if (m_entities.empty()) return;
  while (!m_entities.empty()) RemoveAt(0);
  m_modified = true;
}

void CDiagramEntityContainer::RemoveAllSelected() {
  int index = 0;
  while (CDiagramEntity* entity = GetAt(index)) {
    if (entity->IsSelected() && entity->CanDelete()) {
      RemoveFromSelectionOrder(entity->GetId());
      RemoveAt(index);
      index = 0;
    } else {
      ++index;
    }
  }
}

void CDiagramEntityContainer::Remove(CDiagramEntity* entity) {
  const int index = Find(entity);
  if (index != -1) RemoveAt(index);
}

void CDiagramEntityContainer::SelectAll() {
  for (int index = 0; CDiagramEntity* entity = GetAt(index); ++index) entity->Select(true);
}

void CDiagramEntityContainer::UnselectAll() {
  for (int index = 0; CDiagramEntity* entity = GetAt(index); ++index) entity->Select(false);
  m_selectionOrder.clear();
}

void CDiagramEntityContainer::Snapshot() {
  auto item = std::make_unique<CUndoItem>();
  item->paper = m_paper;
  for (const auto& entity : m_entities) {
    if (entity->IsChild()) continue;
    std::unique_ptr<CDiagramEntity> clone = entity->Clone();
    clone->SetContainer(nullptr);
    item->entities.push_back(std::move(clone));
  }
  m_undo.push_back(std::move(item));
}

void CDiagramEntityContainer::Undo() {
  if (m_undo.empty()) return;
  RemoveAll();
  std::unique_ptr<CUndoItem> item = std::move(m_undo.back());
  m_undo.pop_back();
  for (const auto& kept : item->entities) Add(kept->Clone());
  m_paper = item->paper;
}

void CDiagramEntityContainer::ClearUndo() {
  while (!m_undo.empty()) m_undo.pop_back();
}

void CDiagramEntityContainer::Group() {
  const int32_t group = NewGroupId();
  for (const auto& entity : m_entities) {
    if (entity->IsSelected()) entity->SetGroup(group);
  }
}

void CDiagramEntityContainer::Ungroup() {
  for (const auto& entity : m_entities) {
    if (entity->IsSelected()) entity->SetGroup(0);
  }
}

int CDiagramEntityContainer::Duplicate(CDiagramEntity* entity) {
  if (Find(entity) == -1 || entity->IsChild()) return -1;
  std::unique_ptr<CDiagramEntity> clone = entity->Clone();
  clone->SetRect(entity->GetLeft() + 10, entity->GetTop() + 10, entity->GetRight() + 10,
                 entity->GetBottom() + 10);
  const int index = GetSize();
  Add(std::move(clone));
  return index;
}

void CDiagramEntityContainer::Cut(CDiagramEntity* entity) {
  Copy(entity);
  Remove(entity);
}

void CDiagramEntityContainer::Copy(CDiagramEntity* entity) {
  if (entity) m_clipboard->Copy(*entity);
}

void CDiagramEntityContainer::Swap(int first, int second) {
  std::swap(m_entities[first], m_entities[second]);
  m_modified = true;
}

void CDiagramEntityContainer::MoveTo(int from, int to) {
  std::unique_ptr<CDiagramEntity> moved = std::move(m_entities[from]);
  m_entities.erase(m_entities.begin() + from);
  m_entities.insert(m_entities.begin() + to, std::move(moved));
  m_modified = true;
}

void CDiagramEntityContainer::Up(CDiagramEntity* entity) {
  const int index = Find(entity);
  if (index == -1 || index == GetSize() - 1) return;
  Swap(index, index + 1);
}

void CDiagramEntityContainer::Down(CDiagramEntity* entity) {
  const int index = Find(entity);
  if (index <= 0) return;
  Swap(index, index - 1);
}

void CDiagramEntityContainer::Front(CDiagramEntity* entity) {
  const int index = Find(entity);
  if (index == -1) return;
  MoveTo(index, GetSize() - 1);
}

void CDiagramEntityContainer::Bottom(CDiagramEntity* entity) {
  const int index = Find(entity);
  if (index == -1) return;
  MoveTo(index, 0);
}

void CDiagramEntityContainer::Paste() {
  m_clipboard->Paste(*this);
}

void CDiagramEntityContainer::CopyAllSelected() {
  m_clipboard->CopyAllSelected(*this);
}

int CDiagramEntityContainer::ObjectsInPaste() const {
  return m_clipboard->ObjectsInPaste();
}

void CDiagramEntityContainer::ClearPaste() {
  m_clipboard->ClearPaste();
}

int CDiagramEntityContainer::Find(const CDiagramEntity* entity) const {
  for (int index = 0; index < GetSize(); ++index) {
    if (m_entities[index].get() == entity) return index;
  }
  return -1;
}

void CDiagramEntityContainer::SetAt(int index, std::unique_ptr<CDiagramEntity> entity) {
  if (index < 0 || index >= GetSize() || !entity) return;
  entity->SetContainer(this);
  std::unique_ptr<CDiagramEntity> old = std::move(m_entities[index]);
  m_entities[index] = std::move(entity);
  m_modified = true;
  old.reset();
}

void CDiagramEntityContainer::Clear() {
  RemoveAll();
  ClearUndo();
  m_modified = false;
}

int CDiagramEntityContainer::GetSelectCount() const {
  return static_cast<int>(std::count_if(m_entities.begin(), m_entities.end(),
                                        [](const auto& entity) { return entity->IsSelected(); }));
}

Point CDiagramEntityContainer::GetStartPoint() const {
  double x = 2000;
  double y = 2000;
  for (const auto& entity : m_entities) {
    x = std::min({x, entity->GetLeft(), entity->GetRight()});
    y = std::min({y, entity->GetTop(), entity->GetBottom()});
  }
  return Point{Round(x), Round(y)};
}

Size CDiagramEntityContainer::GetTotalSize() const {
  double x = 0;
  double y = 0;
  for (const auto& entity : m_entities) {
    x = std::max({x, entity->GetLeft(), entity->GetRight()});
    y = std::max({y, entity->GetTop(), entity->GetBottom()});
  }
  const Point start = GetStartPoint();
  return Size{Round(x - start.x), Round(y - start.y)};
}

std::vector<CDiagramEntity*> CDiagramEntityContainer::ReorderableSelection() const {
  std::vector<CDiagramEntity*> selected;
  for (const auto& entity : m_entities) {
    if (entity->IsSelected() && entity->CanDelete()) selected.push_back(entity.get());
  }
  return selected;
}

// Each selected entity moves once, and the selected entities keep their order
// among themselves: the entity nearest the target moves first.
void CDiagramEntityContainer::FrontSelected() {
  for (CDiagramEntity* entity : ReorderableSelection()) Front(entity);
}

void CDiagramEntityContainer::BottomSelected() {
  const std::vector<CDiagramEntity*> selected = ReorderableSelection();
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) Bottom(*it);
}

void CDiagramEntityContainer::UpSelected() {
  const std::vector<CDiagramEntity*> selected = ReorderableSelection();
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) Up(*it);
}

void CDiagramEntityContainer::DownSelected() {
  for (CDiagramEntity* entity : ReorderableSelection()) Down(entity);
}

void CDiagramEntityContainer::AddToSelectionOrder(int32_t id, bool atFront) {
  RemoveFromSelectionOrder(id);
  if (atFront)
    m_selectionOrder.push_front(id);
  else
    m_selectionOrder.push_back(id);
}

void CDiagramEntityContainer::RemoveFromSelectionOrder(int32_t id) {
  m_selectionOrder.erase(std::remove(m_selectionOrder.begin(), m_selectionOrder.end(), id),
                         m_selectionOrder.end());
}

CDiagramEntity* CDiagramEntityContainer::GetSelectedObject() const {
  if (!m_selectionOrder.empty()) {
    for (const auto& entity : m_entities) {
      if (entity->GetId() == m_selectionOrder.front() && entity->IsSelected()) return entity.get();
    }
  }
  for (auto it = m_entities.rbegin(); it != m_entities.rend(); ++it) {
    if ((*it)->IsSelected()) return it->get();
  }
  return nullptr;
}
