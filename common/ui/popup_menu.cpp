#include "common/ui/popup_menu.h"

#include <wx/menu.h>
#include <wx/window.h>

namespace {
popup_menu::TrackHandler& TrackSeam() {
  static popup_menu::TrackHandler handler;
  return handler;
}
}  // namespace

void popup_menu::SetTrackHandler(TrackHandler handler) {
  TrackSeam() = std::move(handler);
}

popup_menu::popup_menu(unsigned firstCommandId)
    : m_counter(&m_ownCounter), m_ownCounter(firstCommandId), m_firstCommandId(firstCommandId) {}

popup_menu::popup_menu(wxMenu* menu, unsigned* counter)
    : m_menu(menu), m_ownsMenu(false), m_counter(counter), m_ownCounter(0) {}

popup_menu::~popup_menu() {
  // Submenu wrappers never own their wxMenu: the parent wxMenu deletes it.
  m_subMenus.clear();
  if (m_ownsMenu) delete m_menu;
  m_usedIds.clear();
}

void popup_menu::Create() {
  if (!m_menu) m_menu = new wxMenu;
}

void popup_menu::Reset() {
  if (!m_ownsMenu) return;  // a submenu goes with its top menu
  m_subMenus.clear();
  delete m_menu;
  m_menu = nullptr;
  m_usedIds.clear();
  m_ownCounter = m_firstCommandId;
}

unsigned popup_menu::AddItem(const std::wstring& text) {
  unsigned id = (*m_counter)++;
  while (m_usedIds.count(id)) id = (*m_counter)++;
  return InsertItem(text, id);
}

unsigned popup_menu::InsertItem(const std::wstring& text, unsigned commandId) {
  if (!m_menu) return 0;
  const int id = static_cast<int>(commandId);
  // An id the menu holds already: the new item goes before the old one.
  size_t position = m_menu->GetMenuItemCount();
  const wxMenuItemList& items = m_menu->GetMenuItems();
  size_t index = 0;
  for (auto node = items.GetFirst(); node; node = node->GetNext(), ++index) {
    if (node->GetData()->GetId() == id) {
      position = index;
      break;
    }
  }
  if (!m_menu->Insert(position, id, wxString(text))) return 0;
  m_usedIds.insert(commandId);
  return commandId;
}

void popup_menu::AddSeparator() {
  if (m_menu) m_menu->AppendSeparator();
}

popup_menu* popup_menu::AddSubMenu(const std::wstring& text) {
  if (!m_menu) return nullptr;
  auto* sub = new wxMenu;
  if (!m_menu->AppendSubMenu(sub, wxString(text))) {
    delete sub;
    return nullptr;
  }
  m_subMenus.push_back(std::unique_ptr<popup_menu>(new popup_menu(sub, m_counter)));
  return m_subMenus.back().get();
}

void popup_menu::EnableItem(unsigned commandId, bool enable) {
  if (m_menu && m_menu->FindItem(static_cast<int>(commandId)))
    m_menu->Enable(static_cast<int>(commandId), enable);
}

bool popup_menu::IsItemEnabled(unsigned commandId) const {
  return m_menu && m_menu->FindItem(static_cast<int>(commandId)) &&
         m_menu->IsEnabled(static_cast<int>(commandId));
}

int popup_menu::Track(wxWindow* owner, bool returnCommand) {
  if (TrackSeam()) return TrackSeam()(*this, owner, returnCommand);
  if (!m_menu || !owner) return 0;
  if (returnCommand) {
    int chosen = owner->GetPopupMenuSelectionFromUser(*m_menu);
    return chosen == wxID_NONE ? 0 : chosen;
  }
  return owner->PopupMenu(m_menu) ? 1 : 0;
}
