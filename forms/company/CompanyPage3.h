#pragma once

// The company form's "Contact Info" page: the company's phone numbers,
// addresses, e-mail addresses and web links as cards in columns of three on
// a scrolling surface. A click on a card edits it; the right button offers
// new contacts and, on a card, "Delete" and "Properties". Every edit goes
// into the page's change set and is written when the company is saved.

#include <cstdint>

#include "data/ChangeSet.h"
#include "forms/company/ContactList.h"
#include "forms/company/company_square.h"
#include "forms/company/squares.h"
#include "shell/ui/BaseTabPage.h"
#include "common/ui/popup_menu.h"

#include <wx/scrolwin.h>

namespace platform {
class WindowMessageEvent;
}

class CompanyPage3 : public BaseTabPage {
public:
  static constexpr uint32_t kPageId = 10000;

  explicit CompanyPage3(wxWindow* parent);

  // From the database.
  void LoadData() override;
  // Gives new contacts the company's id, then writes the change set.
  bool SaveData(bool& reload) override;

  // Rebuilds every card from the database or from the change set.
  void BuildSquares(bool fromChangeSet);

  // The menu at that point (client coordinates of the surface).
  void ContextMenuAt(const wxPoint& client);
  // The card at a point of the surface (client coordinates), null for none.
  company_square* CardAt(const wxPoint& client) const;

  wxScrolledCanvas* GetSurface() const { return m_surface; }
  const squares<company_square>& GetCards() const { return m_cards; }
  const ChangeSet& GetChanges() const { return m_changes; }
  const popup_menu& GetBackgroundMenu() const { return m_backgroundMenu; }
  const popup_menu& GetCardMenu() const { return m_cardMenu; }

private:
  void OnPaint();
  void OnMessage(platform::WindowMessageEvent& event);
  // A new contact of the kind chosen in a menu (entry 0-3); true when added.
  bool NewContact(int entry);
  int32_t GetCompanyId() const;
  wxPoint ToContent(const wxPoint& client) const;

  wxScrolledCanvas* m_surface = nullptr;
  squares<company_square> m_cards;
  ChangeSet m_changes;
  popup_menu m_backgroundMenu;
  popup_menu m_cardMenu;
  unsigned m_backgroundNew[4] = {};
  unsigned m_cardNew[4] = {};
  unsigned m_cardDelete = 0;
  unsigned m_cardProperties = 0;
};
