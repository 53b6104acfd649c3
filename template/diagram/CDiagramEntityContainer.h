#pragma once

// The data of one diagram: the entities in drawing order (the last is drawn
// on top), the paper size, the undo stack, the selection order and the paste
// buffer it uses. The container owns its entities and deletes what it
// removes; an entity that owns a child (a repeat field's header) hands the
// child to the container when it is added, and the container alone deletes
// it.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "template/diagram/CDiagramClipboardHandler.h"
#include "template/diagram/CDiagramEntity.h"
#include "template/diagram/CUndoItem.h"

class CDiagramEntityContainer {
public:
  // Without a handler the container uses its own.
  explicit CDiagramEntityContainer(CDiagramClipboardHandler* clipboard = nullptr);
  virtual ~CDiagramEntityContainer();
  CDiagramEntityContainer(const CDiagramEntityContainer&) = delete;
  CDiagramEntityContainer& operator=(const CDiagramEntityContainer&) = delete;

  // The paper record "paper:width,height;".
  virtual std::wstring GetString() const;
  // Reads a paper record; true if it was one. The modified flag stays.
  virtual bool FromString(const std::wstring& record);
  // Appends each entity's Export text.
  virtual void Export(std::vector<std::wstring>& lines) const;

  virtual void SetClipboardHandler(CDiagramClipboardHandler* clipboard);
  virtual CDiagramClipboardHandler* GetClipboardHandler() const { return m_clipboard; }

  // Null outside 0 .. count - 1.
  virtual CDiagramEntity* GetAt(int index) const;
  // Takes the entity, gives it this container and the next id, appends it,
  // sets modified, and returns its OnAdd.
  virtual bool Add(std::unique_ptr<CDiagramEntity> entity);
  // Deletes the entity at the index and closes the gap; nothing outside.
  virtual void RemoveAt(int index);
  virtual void RemoveAll();
  // Removes every selected entity whose CanDelete is true.
  virtual void RemoveAllSelected();
  virtual void Remove(CDiagramEntity* entity);
  virtual void SelectAll();
  virtual void UnselectAll();

  // Rebuilds the entities and the paper size of the newest snapshot.
  virtual void Undo();
  // Pushes a snapshot: the paper size and a clone of every entity that is
  // not a child.
  virtual void Snapshot();
  virtual void ClearUndo();

  // Gives every selected entity one new group id.
  virtual void Group();
  virtual void Ungroup();
  // Adds a clone moved by (10, 10); its index, or -1 for an entity not in
  // the list or a child.
  virtual int Duplicate(CDiagramEntity* entity);
  virtual void Cut(CDiagramEntity* entity);
  virtual void Copy(CDiagramEntity* entity);
  // Swaps with the entity drawn after it.
  virtual void Up(CDiagramEntity* entity);
  // Swaps with the entity drawn before it.
  virtual void Down(CDiagramEntity* entity);
  virtual void Front(CDiagramEntity* entity);
  virtual void Bottom(CDiagramEntity* entity);
  virtual void Paste();
  virtual void CopyAllSelected();
  virtual int ObjectsInPaste() const;
  virtual void ClearPaste();

  bool IsModified() const { return m_modified; }
  void SetModified(bool modified) { m_modified = modified; }
  // Index of the entity, -1 when absent.
  int Find(const CDiagramEntity* entity) const;
  // Replaces the entity at an index (deleting the old one) and sets modified.
  void SetAt(int index, std::unique_ptr<CDiagramEntity> entity);
  // RemoveAll, ClearUndo, modified cleared.
  void Clear();
  int GetSize() const { return static_cast<int>(m_entities.size()); }
  int GetSelectCount() const;
  int GetUndoCount() const { return static_cast<int>(m_undo.size()); }
  platform::gdi::Size GetVirtualSize() const { return m_paper; }
  void SetVirtualSize(platform::gdi::Size size) { m_paper = size; }

  // The smallest x and y over every entity's coordinates, starting from
  // (2000, 2000); the largest, starting from (0, 0), less the start point.
  platform::gdi::Point GetStartPoint() const;
  platform::gdi::Size GetTotalSize() const;

  // The z-order commands on every selected entity that may be deleted. Each
  // moves once (bring forward moves one step, never to the top), and the
  // selected entities keep their order among themselves.
  void FrontSelected();
  void BottomSelected();
  void UpSelected();
  void DownSelected();

  // The order in which entities were selected, by id.
  const std::deque<int32_t>& GetSelectionOrder() const { return m_selectionOrder; }
  // Moves the id to the back, or to the front.
  void AddToSelectionOrder(int32_t id, bool atFront);
  void RemoveFromSelectionOrder(int32_t id);
  // The reference entity of the align and same-size commands: the one whose
  // id heads the selection order, else the selected entity latest in list
  // order; null when nothing is selected.
  CDiagramEntity* GetSelectedObject() const;

private:
  void Swap(int first, int second);
  void MoveTo(int from, int to);
  std::vector<CDiagramEntity*> ReorderableSelection() const;

  std::vector<std::unique_ptr<CDiagramEntity>> m_entities;
  std::vector<std::unique_ptr<CUndoItem>> m_undo;
  platform::gdi::Size m_paper;
  CDiagramClipboardHandler* m_clipboard = nullptr;
  CDiagramClipboardHandler m_ownClipboard;
  bool m_modified = false;
  std::deque<int32_t> m_selectionOrder;
};
