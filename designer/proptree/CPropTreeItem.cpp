#include "designer/proptree/CPropTreeItem.h"

#include "designer/proptree/CPropPopulator.h"
#include "designer/proptree/CPropTree.h"

namespace designer {

void CPropTreeItem::Activate() {
  m_activated = true;
  m_committed = false;
  OnActivate();
}

void CPropTreeItem::CommitChanges() {
  m_activated = false;
  if (m_committed) return;
  m_committed = true;
  OnCommit();
  if (m_tree) m_tree->SendNotify(CPropTree::kItemChanged, this);
  if (m_populator) m_populator->ApplyToEntity();
  if (m_tree) m_tree->RefreshItems(nullptr);
}

bool CPropTreeItem::IsRootLevel() const {
  return m_parent != nullptr && m_tree != nullptr && m_parent == m_tree->GetRootItem();
}

}  // namespace designer
