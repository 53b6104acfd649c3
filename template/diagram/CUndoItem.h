#pragma once

// One undo snapshot: clones of the diagram's entities (children left out:
// their owners rebuild them) and the paper size. The clones belong to no
// container; destroying the snapshot deletes them.

#include <memory>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "template/diagram/CDiagramEntity.h"

class CUndoItem {
public:
  std::vector<std::unique_ptr<CDiagramEntity>> entities;
  platform::gdi::Size paper;
};
