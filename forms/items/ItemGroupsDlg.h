#pragma once

// "Choose Item Group": picks an item group from the tree of all groups; the
// root "/" stands for no group. The dialog only reads. After IDOK the caller
// reads the chosen group's id (0 for "/" or no selection) and name.

#include <cstdint>
#include <map>
#include <string>

#include <wx/imaglist.h>
#include <wx/treectrl.h>

#include "common/ui/BaseDialog.h"

class ItemGroupsDlg : public BaseDialog {
public:
  enum ControlId : int {
    kTemplateId = 110,
    kTree = 1022,
    kLabel = 1027,
  };

  // groupId: the group selected at opening. excludedGroupId: the group whose
  // parent is being chosen (0: an item's group), which is not offered, nor
  // its sub-groups.
  ItemGroupsDlg(int32_t groupId, wxWindow* parent, int32_t excludedGroupId = 0);

  // Texts and the tree; run by the first show.
  bool OnInitDialog();
  void FillTree();
  // Takes the selected entry (none: 0 and empty) and ends with IDOK.
  void OnOK() override;

  int32_t GetGroupId() const { return m_groupId; }
  const std::wstring& GetGroupName() const { return m_groupName; }
  wxTreeCtrl* GetTree() const { return m_tree; }
  // The tree entry of a group (0: the root), invalid when it has none.
  wxTreeItemId FindEntry(int32_t groupId) const;

private:
  int32_t m_groupId;
  int32_t m_excludedGroupId;
  std::wstring m_groupName;
  wxTreeCtrl* m_tree = nullptr;
  wxImageList m_images;
  std::map<int32_t, wxTreeItemId> m_entries;
};
