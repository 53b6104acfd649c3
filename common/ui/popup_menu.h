#pragma once

// A context menu built at run time. Items take command ids from a counter
// that starts at the owner's first id (10000, or 10050 for an owner's second
// menu); submenus share their top menu's counter, so ids are unique across a
// menu tree. Owners keep the returned ids, enable or disable them before
// each Track and compare Track's result with them.

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class wxMenu;
class wxWindow;

class popup_menu {
public:
  explicit popup_menu(unsigned firstCommandId);
  virtual ~popup_menu();
  popup_menu(const popup_menu&) = delete;
  popup_menu& operator=(const popup_menu&) = delete;

  void Create();
  // Drops the menu with its submenus and items, and starts the ids again
  // from the first one, so that a menu built afresh keeps the same ids.
  void Reset();
  // The next free id from the counter, or 0 when the item cannot be added
  // (no menu yet).
  unsigned AddItem(const std::wstring& text);
  // Appends an item with that id, or inserts it before the item that has
  // the id already; the id, or 0 when it cannot be added.
  unsigned InsertItem(const std::wstring& text, unsigned commandId);
  void AddSeparator();
  // The new submenu, owned by this menu; null when it cannot be added. Items
  // are added to the returned object.
  popup_menu* AddSubMenu(const std::wstring& text);
  // Ids the menu does not hold are ignored.
  void EnableItem(unsigned commandId, bool enable);
  bool IsItemEnabled(unsigned commandId) const;

  // Shows the menu at the mouse cursor. With returnCommand the result is the
  // chosen id, 0 when the menu was dismissed; without it the choice reaches
  // the owner as a menu command event and the result is 1 when shown.
  int Track(wxWindow* owner, bool returnCommand);

  wxMenu* GetMenu() const { return m_menu; }
  const std::set<unsigned>& GetUsedIds() const { return m_usedIds; }

  // Test seam: while set, Track asks this instead of showing the menu.
  using TrackHandler = std::function<int(const popup_menu& menu, wxWindow* owner, bool returnCommand)>;
  static void SetTrackHandler(TrackHandler handler);

private:
  popup_menu(wxMenu* menu, unsigned* counter);

  wxMenu* m_menu = nullptr;
  bool m_ownsMenu = true;
  unsigned* m_counter;
  unsigned m_ownCounter;
  unsigned m_firstCommandId = 0;
  std::vector<std::unique_ptr<popup_menu>> m_subMenus;
  std::set<unsigned> m_usedIds;
};
