#pragma once

// The property tree: the items the populators insert, the focused item and
// the selection, the column splitter, the scroll origin, where each shown
// item lies in the list, and the notifications to its owner. It holds no
// window: CPropTreeWnd paints a tree and turns the user's clicks, keys and
// edits into these operations and into Activate and CommitChanges on its
// items.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "designer/proptree/CPropTreeItem.h"
#include "platform/gdi/GdiTypes.h"

namespace designer {

class CPropTree {
public:
  // Notification codes; a non-zero answer to the ones that ask cancels.
  enum Notification : int32_t {
    kItemInserted = -1101,
    kDeleteItem = -1102,  // asks: non-zero keeps the item
    kItemChanged = -1105,
    kSelChanged = -1107,
    kItemExpanding = -1108,  // asks
    kColumnClick = -1109,    // asks
    kPropClick = -1110,      // asks
    kCheckClick = -1112,
    kClick = -2,
    kDblClick = -3,
  };
  using Listener = std::function<int64_t(int32_t code, CPropTreeItem* item)>;
  // What shows the tree: told when items are about to go, when items came
  // or went and when values change.
  struct Observer {
    virtual ~Observer() = default;
    virtual void OnTreeItemsDeleting() {}
    virtual void OnTreeItemsChanged() = 0;
    virtual void OnTreeValuesChanged() = 0;
    virtual void OnTreeInputDisabled(bool /*disabled*/) {}
  };

  // Style bits: only a tree with kNotify sends notifications.
  static constexpr uint32_t kNotify = 0x0001;

  // What lies under a point of the list.
  enum HitCode : int32_t {
    kHitNothing = 1,
    kHitLabel = 50,      // an item, elsewhere than below
    kHitSplitter = 51,   // within 5 pixels of the splitter, below the top level
    kHitExpand = 52,     // the item's expand box
    kHitAttribute = 53,  // right of the splitter and its 5 pixels
    kHitCheckBox = 54,   // the item's check box
  };

  static constexpr int32_t kDefaultColumn = 100;
  static constexpr int32_t kMinColumn = 16;
  // The band at the list's left edge and the indent of each level below
  // the second.
  static constexpr int32_t kIndent = 16;
  static constexpr int32_t kSplitterSlop = 5;

  // Where a shown item lies in the list's client area (the scroll origin
  // taken off): its corner, its height, and its boxes. A box it lacks is
  // empty; top-level items have no attribute rectangle.
  struct Place {
    CPropTreeItem* item = nullptr;
    int32_t x = 0;
    int32_t y = 0;
    int32_t height = 0;
    platform::gdi::Rect expandBox;
    platform::gdi::Rect checkBox;
    platform::gdi::Rect attribute;
    // Where the label's text starts.
    int32_t labelLeft = 0;
  };

  CPropTree();
  ~CPropTree();
  CPropTree(const CPropTree&) = delete;
  CPropTree& operator=(const CPropTree&) = delete;

  void SetStyle(uint32_t style) { m_style = style; }
  uint32_t GetStyle() const { return m_style; }
  // Notifications go to the listener only when one is set and the style
  // has kNotify.
  void SetListener(Listener listener) { m_listener = std::move(listener); }
  void SetObserver(Observer* observer) { m_observer = observer; }

  // Appends the item as the last child of the parent (the root for null)
  // and gives it the next id. Returns the item.
  CPropTreeItem* InsertItem(std::unique_ptr<CPropTreeItem> item, CPropTreeItem* parent = nullptr);
  template <class Item>
  Item* Insert(std::unique_ptr<Item> item, CPropTreeItem* parent = nullptr) {
    return static_cast<Item*>(InsertItem(std::move(item), parent));
  }
  // Deletes the item with its descendants, children first, asking the
  // listener before each. An item that is kept keeps its ancestors too.
  // Null deletes every item below the root. True when all went.
  bool DeleteItem(CPropTreeItem* item);
  // DeleteItem(null); the next id starts at 1 again.
  void DeleteAllItems();

  CPropTreeItem* GetRootItem() { return &m_root; }
  // The items shown, in order: the root's children and the children of
  // every expanded shown item.
  std::vector<CPropTreeItem*> GetVisibleItems() const;

  void SetFocusedItem(CPropTreeItem* item) { m_focused = item; }
  CPropTreeItem* GetFocusedItem() const { return m_focused; }
  // Move the focus along the shown items, make it the only selected item
  // and notify when it changed. FocusPrev without a focus goes to the last,
  // FocusNext to the first.
  void FocusFirst();
  void FocusLast();
  void FocusPrev();
  void FocusNext();
  // Makes the item the only selected one and the focused one, and notifies
  // when the focus changed.
  void FocusItem(CPropTreeItem* item);
  // A focused item that is not shown (a collapse hid it) hands the focus to
  // its nearest shown ancestor, or to none.
  void KeepFocusShown();
  // Expands a collapsed item with children or collapses an expanded one,
  // unless the listener cancels; the focus stays on a shown item. True when
  // the item changed.
  bool ToggleExpanded(CPropTreeItem* item);
  // Toggles the item's check, notifies, and lets the item take the check.
  void ToggleCheck(CPropTreeItem* item);
  // The list's keys: Home, End, Up and Down move the focus; Left collapses
  // an expanded item with children, else moves up; Right expands a collapsed
  // one, else moves down.
  enum class Key { Home, End, Up, Down, Left, Right };
  void MoveByKey(Key key);
  // Whether the item is one of the tree's items below the root.
  bool HasItem(const CPropTreeItem* item) const;
  // Expands the item's ancestors so that it is shown, then scrolls so that
  // the whole item is in the list.
  void EnsureVisible(CPropTreeItem* item);

  // The splitter: at least 16, and at most the width less 16 when the width
  // is known (above 0); without a width given, the list's.
  void SetColumn(int32_t x, int32_t clientWidth = -1);
  int32_t GetColumn() const { return m_column; }

  // The client size of the list showing the tree.
  void SetListSize(int32_t width, int32_t height);
  int32_t GetListWidth() const { return m_listWidth; }
  int32_t GetListHeight() const { return m_listHeight; }
  // The height of all shown items.
  int32_t GetContentHeight() const;
  // The vertical scroll origin, kept from 0 to the content height less the
  // list's; 0 when the content fits.
  void SetScrollOrigin(int32_t origin);
  int32_t GetScrollOrigin() const { return m_scrollOrigin; }

  // The shown items in order with where they lie.
  std::vector<Place> Layout() const;
  // Where the item lies; none when it is not shown.
  std::optional<Place> PlaceOf(const CPropTreeItem* item) const;
  // The code of what lies under a point of the list's client area, and the
  // item there (null for kHitNothing).
  HitCode HitTest(platform::gdi::Point point, CPropTreeItem** item = nullptr) const;

  // Stores the flag and tells the window, which disables its owner with it
  // (while a dialog of an item runs).
  void DisableInput(bool disable = true);
  bool IsInputDisabled() const { return m_inputDisabled; }

  // Sets or clears the selected flag of the item and its descendants (all
  // items for null).
  void SelectItems(CPropTreeItem* item, bool select);
  // OnMove on every item.
  void UpdateMoveAllItems();
  // OnRefresh on the item and its descendants (all for null), then the
  // observer shows the values again.
  void RefreshItems(CPropTreeItem* item = nullptr);

  // Sends a notification when the style asks for them and a listener is
  // set; its answer, else 0.
  int64_t SendNotify(int32_t code, CPropTreeItem* item = nullptr);
  int32_t GetNextId() const { return m_nextId; }

private:
  bool DeleteSubtree(CPropTreeItem* item);
  void FocusTo(CPropTreeItem* item);

  CPropTreeItem m_root;
  CPropTreeItem* m_focused = nullptr;
  int32_t m_column = kDefaultColumn;
  int32_t m_nextId = 1;
  bool m_inputDisabled = false;
  uint32_t m_style = 0;
  int32_t m_listWidth = 0;
  int32_t m_listHeight = 0;
  int32_t m_scrollOrigin = 0;
  Listener m_listener;
  Observer* m_observer = nullptr;
};

}  // namespace designer
