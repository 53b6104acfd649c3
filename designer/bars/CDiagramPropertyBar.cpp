#include "designer/bars/CDiagramPropertyBar.h"

#include <wx/sizer.h>

namespace designer {

CPropertiesBar::CPropertiesBar(wxWindow* parent, int id) : CPinDockBar(parent, id, "Properties") {
  m_treeWnd = new CPropTreeWnd(this, m_tree);
  GetSizer()->Add(m_treeWnd, 1, wxEXPAND);
}

CDiagramPropertyBar::CDiagramPropertyBar(wxWindow* parent, int id) : CPropertiesBar(parent, id) {}

void CDiagramPropertyBar::ShowEntity(CDiagramEntity& entity, PopulatorKind kind) {
  std::unique_ptr<CPropPopulator> populator = MakePopulator(kind);
  if (!populator) return ClearProperties();
  populator->SetEntity(&entity);
  populator->SetRedraw(m_redraw);
  SetPopulator(std::move(populator));
  PopulateTree();
}

void CDiagramPropertyBar::SetPopulator(std::unique_ptr<CPropPopulator> populator) {
  // The old populator's items go with the tree's next filling; none of them
  // may call it after this.
  GetTree().DeleteAllItems();
  m_populator = std::move(populator);
}

void CDiagramPropertyBar::ClearProperties() {
  GetTree().DeleteAllItems();
  m_populator.reset();
  GetTreeWindow()->Rebuild();
}

void CDiagramPropertyBar::PopulateTree() {
  if (!m_populator) return;
  m_populator->Populate(GetTree());
  m_populator->UpdateFromEntity();
  GetTreeWindow()->Rebuild();
}

const CDiagramEntity* CDiagramPropertyBar::GetShownEntity() const {
  return m_populator && m_populator->IsEntityAlive() ? m_populator->GetEntity() : nullptr;
}

void CDiagramPropertyBar::RefreshProperties() {
  if (!m_populator) return;
  if (!m_populator->IsEntityAlive()) return ClearProperties();
  m_populator->UpdateFromEntity();
  GetTreeWindow()->RefreshValues();
}

}  // namespace designer
