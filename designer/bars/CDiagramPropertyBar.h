#pragma once

// The property bar: a docking bar holding the property tree, filled by the
// populator of the entity shown. It owns the tree and the current populator
// (the entities name their kind of populator; the bar makes one per entity
// shown).

#include <functional>
#include <memory>

#include "designer/bars/CPinDockBar.h"
#include "designer/proptree/CPropPopulator.h"
#include "designer/proptree/CPropTree.h"
#include "designer/proptree/CPropTreeWnd.h"

namespace designer {

class CPropertiesBar : public CPinDockBar {
public:
  CPropertiesBar(wxWindow* parent, int id);

  CPropTree& GetTree() { return m_tree; }
  CPropTreeWnd* GetTreeWindow() const { return m_treeWnd; }
  wxWindow* GetHostedWindow() const override { return m_treeWnd; }
  wxString GetTabTitle() const override { return "Properties"; }

private:
  CPropTree m_tree;
  CPropTreeWnd* m_treeWnd = nullptr;
};

class CDiagramPropertyBar : public CPropertiesBar {
public:
  CDiagramPropertyBar(wxWindow* parent, int id);

  // What repaints the template after an edit.
  void SetRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }
  // Shows the entity through a populator of the kind (none: empties).
  void ShowEntity(CDiagramEntity& entity, PopulatorKind kind);
  void SetPopulator(std::unique_ptr<CPropPopulator> populator);
  CPropPopulator* GetPopulator() const { return m_populator.get(); }
  // Empties the tree and forgets the populator.
  void ClearProperties();
  // The populator fills the tree and loads the entity's values.
  void PopulateTree();
  // The entity shown, while its container still holds it; else null.
  const CDiagramEntity* GetShownEntity() const;
  // Loads the shown entity's values into the rows again; empties the bar
  // when that entity is gone.
  void RefreshProperties();

private:
  std::function<void()> m_redraw;
  std::unique_ptr<CPropPopulator> m_populator;
};

}  // namespace designer
