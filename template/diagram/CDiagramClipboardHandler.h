#pragma once

// The paste buffer shared by cut, copy and paste: clones of the copied
// entities, each selected and moved by (10, 10). The clones belong to no
// container, so nothing done to them touches a live diagram. The system
// clipboard is not used.

#include <memory>
#include <vector>

#include "template/diagram/CDiagramEntity.h"

class CDiagramEntityContainer;

class CDiagramClipboardHandler {
public:
  CDiagramClipboardHandler() = default;
  virtual ~CDiagramClipboardHandler();
  CDiagramClipboardHandler(const CDiagramClipboardHandler&) = delete;
  CDiagramClipboardHandler& operator=(const CDiagramClipboardHandler&) = delete;

  // Keeps a clone of one entity (nothing for a child entity).
  virtual void Copy(const CDiagramEntity& entity);
  // Adds a clone of every kept entity to the container. Entities that shared
  // a group share one new group; the buffer stays as it is.
  virtual void Paste(CDiagramEntityContainer& container);
  // Keeps a clone of every selected entity of the container, in list order,
  // leaving out children.
  virtual void CopyAllSelected(const CDiagramEntityContainer& container);
  virtual int ObjectsInPaste() const { return static_cast<int>(m_paste.size()); }
  virtual void ClearPaste();
  virtual const std::vector<std::unique_ptr<CDiagramEntity>>& GetData() const { return m_paste; }

private:
  void Keep(const CDiagramEntity& entity);

  std::vector<std::unique_ptr<CDiagramEntity>> m_paste;
};
