#pragma once

// The property tree on screen: a wx property grid with its description pane
// showing a CPropTree. Top-level items become categories, the others rows
// whose in-place editors write through the items: text for edit items, a
// choice for combos, a "..." button for colours (the 40-colour palette
// popup), files and fonts (their dialogs). Each edit activates its item and
// commits it once.

#include <map>

#include <wx/panel.h>

#include "designer/proptree/CPropTree.h"

class wxPGProperty;
class wxPropertyGridManager;
class wxPropertyGridEvent;

namespace designer {

class CPropTreeItemFont;

class CPropTreeWnd : public wxPanel, private CPropTree::Observer {
public:
  static constexpr int kControlId = 144;
  static constexpr int kDescriptionHeight = 50;

  // The tree is not owned; it outlives the window.
  CPropTreeWnd(wxWindow* parent, CPropTree& tree, int id = kControlId);
  ~CPropTreeWnd() override;

  // Builds the rows from the tree's items again.
  void Rebuild();
  // Shows every item's value again.
  void RefreshValues();
  // Commits what is typed in a row's editor and not committed yet, as
  // leaving the row would.
  void CommitPendingEdit();

  CPropTree& GetTree() { return m_tree; }
  wxPropertyGridManager* GetGrid() const { return m_grid; }
  wxPGProperty* GetProperty(CPropTreeItem* item) const;
  // The item a row shows; null for a row whose item is gone.
  CPropTreeItem* GetItem(wxPGProperty* property) const;

  // What the user does in a row, for the window's own use and for tests:
  // types text into an edit, chooses a combo entry.
  void EditText(CPropTreeItem* item, const std::wstring& text);
  void ChooseEntry(CPropTreeItem* item, int32_t index);
  // Sets the font's underline (effect 0) or strike-out (1).
  void SetFontEffect(CPropTreeItem* item, int effect, bool on);

private:
  void OnTreeItemsChanged() override;
  void OnTreeValuesChanged() override;
  void OnChanged(wxPropertyGridEvent& event);
  void OnSelected(wxPropertyGridEvent& event);
  void AddItems(CPropTreeItem& parent, wxPGProperty* parentProperty);
  void ShowValue(CPropTreeItem* item, wxPGProperty* property);
  void AddFontEffects(CPropTreeItemFont* font, wxPGProperty* property);

  CPropTree& m_tree;
  wxPropertyGridManager* m_grid = nullptr;
  std::map<wxPGProperty*, CPropTreeItem*> m_items;
  // The underline and strike-out rows of font rows: the font item and which.
  std::map<wxPGProperty*, std::pair<CPropTreeItemFont*, int>> m_fontEffects;
  bool m_updating = false;
};

}  // namespace designer
