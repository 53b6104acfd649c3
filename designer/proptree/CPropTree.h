#pragma once

// The property tree: the items the populators insert, the focused item and
// the selection, the column splitter, and the notifications to its owner.
// It holds no window: CPropTreeWnd shows a tree in a wx property grid and
// turns the user's edits into Activate and CommitChanges on its items.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "designer/proptree/CPropTreeItem.h"

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
  // What shows the tree: told when items come or go and when values change.
  struct Observer {
    virtual ~Observer() = default;
    virtual void OnTreeItemsChanged() = 0;
    virtual void OnTreeValuesChanged() = 0;
  };

  static constexpr int32_t kDefaultColumn = 100;
  static constexpr int32_t kMinColumn = 16;

  CPropTree();
  ~CPropTree();
  CPropTree(const CPropTree&) = delete;
  CPropTree& operator=(const CPropTree&) = delete;

  // Notifications go to the listener only when one is set.
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
  // Expands the item's ancestors so that it is shown.
  void EnsureVisible(CPropTreeItem* item);

  // The splitter: at least 16, and at most the width less 16 when the width
  // is known (above 0).
  void SetColumn(int32_t x, int32_t clientWidth = 0);
  int32_t GetColumn() const { return m_column; }

  void DisableInput(bool disable = true) { m_inputDisabled = disable; }
  bool IsInputDisabled() const { return m_inputDisabled; }

  // Sets or clears the selected flag of the item and its descendants (all
  // items for null).
  void SelectItems(CPropTreeItem* item, bool select);
  // OnMove on every item.
  void UpdateMoveAllItems();
  // OnRefresh on the item and its descendants (all for null), then the
  // observer shows the values again.
  void RefreshItems(CPropTreeItem* item = nullptr);

  // Sends a notification when a listener is set; its answer, else 0.
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
  Listener m_listener;
  Observer* m_observer = nullptr;
};

}  // namespace designer
