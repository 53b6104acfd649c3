#include "forms/items/ItemGroupsDlg.h"

#include <vector>

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/stattext.h>

#include "data/DbException.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/items/ItemGroupChoice.h"
#include "platform/MessageBox.h"

namespace {

// The group id an entry carries.
class GroupData : public wxTreeItemData {
public:
  explicit GroupData(int32_t id) : m_id(id) {}
  int32_t GetId() const { return m_id; }

private:
  int32_t m_id;
};

}  // namespace

ItemGroupsDlg::ItemGroupsDlg(int32_t groupId, wxWindow* parent, int32_t excludedGroupId)
    : BaseDialog(kTemplateId, parent, L"Choose Item Group"),
      m_groupId(groupId),
      m_excludedGroupId(excludedGroupId),
      m_images(16, 16, true, 4) {
  SetDialogClientSize(186, 180);
  DialogUnits du(this);
  new wxStaticText(this, kLabel, L"Item Groups:", du.Point(7, 7), du.Size(172, 8));
  m_tree = new wxTreeCtrl(this, kTree, du.Point(7, 18), du.Size(172, 136),
                          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_SINGLE | wxBORDER_THEME);
  new wxButton(this, platform::IDOK, L"Choose", du.Point(74, 160), du.Size(50, 14));
  new wxButton(this, platform::IDCANCEL, L"Cancel", du.Point(129, 160), du.Size(50, 14));
  m_images.Add(wxArtProvider::GetBitmap(wxART_FOLDER, wxART_OTHER, wxSize(16, 16)));
  m_tree->SetImageList(&m_images);
  // "Choose" is enabled exactly while an entry is selected.
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(m_tree->GetSelection().IsOk()); },
       platform::IDOK);
  Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { OnInitDialog(); });
}

bool ItemGroupsDlg::OnInitDialog() {
  FillTree();
  return true;
}

void ItemGroupsDlg::FillTree() {
  m_tree->DeleteAllItems();
  m_entries.clear();
  // The root is hidden behind "/": a tree control has one root, "/" is it.
  const wxTreeItemId root = m_tree->AddRoot(L"/", -1, -1, new GroupData(0));
  m_entries[0] = root;
  std::vector<GroupEntry> entries;
  try {
    ItemGroupChoice::Load(m_excludedGroupId, entries);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  for (const GroupEntry& entry : entries) {
    const auto parent = m_entries.find(entry.parentId);
    const wxTreeItemId under = parent != m_entries.end() ? parent->second : root;
    m_entries[entry.groupId] = m_tree->AppendItem(under, entry.name, 0, 0, new GroupData(entry.groupId));
  }
  m_tree->ExpandAll();
  // A single-selection tree selects its root as it is added; the chooser
  // opens on the initial group or on nothing.
  m_tree->Unselect();
  if (m_groupId != 0) {
    if (const wxTreeItemId initial = FindEntry(m_groupId); initial.IsOk()) m_tree->SelectItem(initial);
  }
}

wxTreeItemId ItemGroupsDlg::FindEntry(int32_t groupId) const {
  const auto found = m_entries.find(groupId);
  return found != m_entries.end() ? found->second : wxTreeItemId();
}

void ItemGroupsDlg::OnOK() {
  const wxTreeItemId selected = m_tree->GetSelection();
  if (selected.IsOk()) {
    m_groupId = static_cast<GroupData*>(m_tree->GetItemData(selected))->GetId();
    m_groupName = m_tree->GetItemText(selected).ToStdWstring();
  } else {
    m_groupId = 0;
    m_groupName.clear();
  }
  EndDialog(platform::IDOK);
}
