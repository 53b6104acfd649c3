#pragma once

// One item of the property tree: a label, a description, state flags and its
// place among its siblings. Items are created by the populators and owned by
// the tree from insertion on (children by their parent).
//
// An item edits one value: the window showing the tree calls Activate when
// the user starts editing it and CommitChanges when the edit ends. An item
// commits at most once per activation; a commit writes the item's value to
// the entity through the populator that created the item.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace designer {

class CPropTree;
class CPropPopulator;

class CPropTreeItem {
public:
  // State flags.
  static constexpr uint32_t kSelected = 0x01;
  static constexpr uint32_t kExpanded = 0x02;
  static constexpr uint32_t kCheckBox = 0x04;
  static constexpr uint32_t kChecked = 0x08;
  static constexpr uint32_t kReadOnly = 0x20;
  static constexpr int32_t kItemHeight = 21;

  explicit CPropTreeItem(CPropPopulator* populator = nullptr) : m_populator(populator) {}
  virtual ~CPropTreeItem() = default;
  CPropTreeItem(const CPropTreeItem&) = delete;
  CPropTreeItem& operator=(const CPropTreeItem&) = delete;

  virtual int32_t GetItemHeight() const { return kItemHeight; }
  // What the attribute column shows.
  virtual std::wstring GetDisplayText() const { return {}; }
  // The in-place editor follows a move of the item.
  virtual void OnMove() {}
  // The editor shows the value again.
  virtual void OnRefresh() {}
  // The editor's value becomes the item's and the editor hides.
  virtual void OnCommit() {}
  virtual void OnActivate() {}
  // The user toggled the item's check box.
  virtual void OnCheck() {}

  void SetLabelText(std::wstring text) { m_label = std::move(text); }
  const std::wstring& GetLabelText() const { return m_label; }
  void SetInfoText(std::wstring text) { m_info = std::move(text); }
  const std::wstring& GetInfoText() const { return m_info; }

  void Expand(bool expand = true) { SetFlag(kExpanded, expand); }
  void Select(bool select = true) { SetFlag(kSelected, select); }
  void Check(bool check = true) { SetFlag(kChecked, check); }
  void SetReadOnly(bool readOnly = true) { SetFlag(kReadOnly, readOnly); }
  void SetCheckBox(bool hasCheckBox = true) { SetFlag(kCheckBox, hasCheckBox); }
  bool IsExpanded() const { return m_flags & kExpanded; }
  bool IsSelected() const { return m_flags & kSelected; }
  bool IsChecked() const { return m_flags & kChecked; }
  bool IsReadOnly() const { return m_flags & kReadOnly; }
  // Below the top level and not read-only: the item has an in-place editor.
  bool IsEditable() const { return !IsRootLevel() && !IsReadOnly(); }
  uint32_t GetFlags() const { return m_flags; }

  void SetCtrlID(int32_t id) { m_ctrlId = id; }
  int32_t GetCtrlID() const { return m_ctrlId; }
  // The id the tree gave the item on insertion (1, 2, ...).
  int32_t GetId() const { return m_id; }

  // Sets the activated flag, clears the committed flag and calls OnActivate.
  void Activate();
  // Ends the activation; the first call after Activate (or ever) calls
  // OnCommit, tells the tree the value changed, applies the populator's
  // values to its entity and refreshes every item. Later calls do nothing.
  void CommitChanges();
  bool IsActivated() const { return m_activated; }

  CPropTree* GetTree() const { return m_tree; }
  CPropPopulator* GetPopulator() const { return m_populator; }
  CPropTreeItem* GetParent() const { return m_parent; }
  const std::vector<std::unique_ptr<CPropTreeItem>>& GetChildren() const { return m_children; }
  bool HasChildren() const { return !m_children.empty(); }
  // Whether the item is a child of the tree's root.
  bool IsRootLevel() const;

private:
  friend class CPropTree;

  void SetFlag(uint32_t flag, bool on) { m_flags = on ? (m_flags | flag) : (m_flags & ~flag); }

  CPropTree* m_tree = nullptr;
  CPropPopulator* m_populator = nullptr;
  std::wstring m_label;
  std::wstring m_info;
  int32_t m_ctrlId = 0;
  int32_t m_id = 0;
  uint32_t m_flags = 0;
  bool m_activated = false;
  bool m_committed = false;
  CPropTreeItem* m_parent = nullptr;
  std::vector<std::unique_ptr<CPropTreeItem>> m_children;
};

}  // namespace designer
