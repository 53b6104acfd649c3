#pragma once

// The property tree on screen: CPropTreeWnd holds the list of items
// (CPropTreeList, scrolling, two columns split by a splitter the user drags)
// and below it the description pane of the focused item (CPropTreeInfo).
// The list paints the tree's items and handles the mouse and the keys; the
// value of an item is edited in place: a text box for edit items, a
// drop-down list for combos, the 40-colour palette popup for colours, and a
// "..." button for files and fonts (their dialogs). An edit ends in one
// commit of its item.

#include <wx/panel.h>

#include "designer/proptree/CPropTree.h"

class wxButton;
class wxComboBox;
class wxTextCtrl;

namespace designer {

class CPropTreeItemColor;
class CPropTreeWnd;

// The scrolling item area.
class CPropTreeList : public wxWindow {
public:
  static constexpr int kControlId = 100;

  CPropTreeList(CPropTreeWnd* owner, CPropTree& tree);

  // Whether the user drags the splitter.
  bool IsDraggingSplitter() const { return m_dragging; }
  // Brings the scroll bar to the tree's content and origin.
  void UpdateScrollRange();

private:
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnDoubleClick(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnScroll(wxScrollWinEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  bool AcceptsInput() const;
  // The tree's toggles and focus, then the list shows them.
  void ToggleExpanded(CPropTreeItem* item);
  void ToggleCheck(CPropTreeItem* item);
  void FocusItem(CPropTreeItem* item);
  // The focus and the list follow a change of what is shown.
  void AfterLayoutChange();
  void PaintItem(wxDC& dc, const CPropTree::Place& place);

  CPropTreeWnd* m_owner;
  CPropTree& m_tree;
  bool m_dragging = false;
  int m_dragX = 0;
};

// The description pane: the focused item's label and description.
class CPropTreeInfo : public wxWindow {
public:
  CPropTreeInfo(wxWindow* parent, CPropTree& tree);
  // What the pane shows: the title on one line and the text below it.
  wxString GetTitle() const;
  wxString GetText() const;

private:
  void OnPaint(wxPaintEvent& event);

  CPropTree& m_tree;
};

class CPropTreeWnd : public wxPanel, private CPropTree::Observer {
public:
  static constexpr int kControlId = 144;
  static constexpr int kDescriptionHeight = 50;

  // The tree is not owned; it outlives the window. Its style becomes the
  // given one: the property bar's tree notifies its owner.
  CPropTreeWnd(wxWindow* parent, CPropTree& tree, int id = kControlId, uint32_t style = CPropTree::kNotify);
  ~CPropTreeWnd() override;

  // Shows the tree's items again after they were filled.
  void Rebuild();
  // Shows every item's value again.
  void RefreshValues();
  // Commits what is being edited in place and not committed yet, as leaving
  // the editor would.
  void CommitPendingEdit();

  CPropTree& GetTree() { return m_tree; }
  CPropTreeList* GetList() const { return m_list; }
  CPropTreeInfo* GetInfo() const { return m_info; }

  // Starts editing the item in place: Activate, then its editor. Only
  // items below the top level that are not read-only.
  void ActivateItem(CPropTreeItem* item);
  // The item edited in place; null when none.
  CPropTreeItem* GetActiveItem() const { return m_active; }
  // The in-place editors (null until first used).
  wxTextCtrl* GetEditControl() const { return m_edit; }
  wxComboBox* GetComboControl() const { return m_combo; }
  wxButton* GetBrowseButton() const { return m_browse; }

  // What the user does in a row, for tests: types text into an edit,
  // chooses a combo entry.
  void EditText(CPropTreeItem* item, const std::wstring& text);
  void ChooseEntry(CPropTreeItem* item, int32_t index);

  // The fonts the tree paints with.
  const wxFont& GetNormalFont() const { return m_normalFont; }
  const wxFont& GetBoldFont() const { return m_boldFont; }

private:
  friend class CPropTreeList;

  void OnTreeItemsDeleting() override;
  void OnTreeItemsChanged() override;
  void OnTreeValuesChanged() override;
  void OnTreeInputDisabled(bool disabled) override;
  void OnSize(wxSizeEvent& event);
  void LayoutChildren();
  // Moves the shown editor over its item's attribute rectangle.
  void PlaceEditor();
  // Hides the editors without a commit.
  void HideEditors();
  // Commits the item edited in place; what its editor holds becomes its
  // value first. Does nothing when the item was committed already.
  void CommitActive();
  // A commit after the editor lost the focus, once the focus has moved.
  void CommitLater();
  // The palette of a colour item, below its value's rectangle.
  void RunColourPalette(CPropTreeItemColor* color, const wxRect& value);

  CPropTree& m_tree;
  CPropTreeList* m_list = nullptr;
  CPropTreeInfo* m_info = nullptr;
  wxTextCtrl* m_edit = nullptr;
  bool m_editIsPassword = false;
  wxComboBox* m_combo = nullptr;
  wxButton* m_browse = nullptr;
  CPropTreeItem* m_active = nullptr;
  // Counts activations, so that a late commit finds out whether its
  // activation is still the one on.
  unsigned m_activation = 0;
  wxFont m_normalFont;
  wxFont m_boldFont;
  int m_infoHeight = kDescriptionHeight;
};

}  // namespace designer
