#include "forms/company/CompanyPage3.h"

#include <algorithm>
#include <memory>

#include <wx/dcbuffer.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

#include "data/DbException.h"
#include "forms/company/CompanyFrame.h"
#include "forms/company/ContactCards.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/DlgLauncher.h"
#include "platform/WindowMessages.h"
#include "platform/gdi/DeviceContext.h"
#include "shell/ui/BaseSaveFrame.h"
#include "shell/ui/RefreshMessages.h"

namespace {

const wchar_t* const kNewEntries[] = {L"New Address", L"New Phone Number", L"New Web Link", L"New Email Address"};

platform::gdi::COLORREF ToColorRef(const wxColour& colour) {
  return platform::gdi::RGB(colour.Red(), colour.Green(), colour.Blue());
}

std::unique_ptr<text_square> MakeCard(const ContactCard& card, company_square* cell) {
  switch (card.kind) {
    case ContactKind::Address:
      return std::make_unique<adr_square>(card.id, card.title, card.body, cell);
    case ContactKind::Phone:
      return std::make_unique<phone_square>(card.id, card.title, card.body, cell);
    case ContactKind::Email:
      return std::make_unique<email_square>(card.id, card.title, card.body, cell);
    case ContactKind::Web:
      return std::make_unique<web_square>(card.id, card.title, card.body, cell);
  }
  return nullptr;
}

}  // namespace

CompanyPage3::CompanyPage3(wxWindow* parent)
    : BaseTabPage(kPageId, parent), m_backgroundMenu(10000), m_cardMenu(10050) {
  // Room for both scroll bars from the start, before the page has its size:
  // GTK cannot lay them out in less.
  const wxSize leastSize(100, 100);
  m_surface = new wxScrolledCanvas(this, wxID_ANY, wxDefaultPosition, leastSize, wxHSCROLL | wxVSCROLL);
  m_surface->SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_surface->SetScrollRate(10, 10);
  m_surface->SetVirtualSize(100, 100);
  // The surface fills the page, but never gets less than its least size.
  Bind(wxEVT_SIZE, [this, leastSize](wxSizeEvent& event) {
    event.Skip();
    const wxSize page = GetClientSize();
    m_surface->SetSize(0, 0, std::max(page.x, leastSize.x), std::max(page.y, leastSize.y));
  });

  m_surface->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
  // The cards answer the mouse where it is: a click edits the card under
  // it, and over a card the cursor is the card's.
  m_surface->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    m_cards.OnClick(m_surface);
    event.Skip();
  });
  m_surface->Bind(wxEVT_RIGHT_UP, [this](wxMouseEvent& event) { ContextMenuAt(event.GetPosition()); });
  m_surface->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
    event.Skip();
    if (!m_cards.UpdateCursor(m_surface) && m_surface->GetCursor().IsOk()) m_surface->SetCursor(wxNullCursor);
  });
  // The surface is the scrolling view the cards are drawn on: a card that
  // saved an edit asks it to rebuild the cards.
  m_surface->Bind(EVT_CORVANE_MESSAGE, &CompanyPage3::OnMessage, this);

  CardColours colours;
  colours.highlight = ToColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
  colours.highlightText = ToColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
  text_square::SetColours(colours);

  m_cards.SetLayoutMode(0, 3);
  m_cards.ResetLayout(2);
  BuildSquares(false);

  m_backgroundMenu.Create();
  for (int i = 0; i < 4; ++i) m_backgroundNew[i] = m_backgroundMenu.AddItem(kNewEntries[i]);
  m_cardMenu.Create();
  for (int i = 0; i < 4; ++i) m_cardNew[i] = m_cardMenu.AddItem(kNewEntries[i]);
  m_cardMenu.AddSeparator();
  m_cardDelete = m_cardMenu.AddItem(L"Delete");
  m_cardProperties = m_cardMenu.AddItem(L"Properties");
}

int32_t CompanyPage3::GetCompanyId() const {
  auto* frame = dynamic_cast<CompanyFrame*>(wxGetTopLevelParent(const_cast<CompanyPage3*>(this)));
  return frame ? frame->GetObjectId() : 0;
}

void CompanyPage3::LoadData() {
  BuildSquares(false);
}

bool CompanyPage3::SaveData(bool& reload) {
  ContactList::AssignCompany(m_changes, GetCompanyId());
  m_changes.Apply();
  reload = true;
  return true;
}

void CompanyPage3::BuildSquares(bool fromChangeSet) {
  m_cards.Clear();
  std::vector<ContactCard> cards;
  try {
    cards = fromChangeSet ? ContactList::FromChangeSet(m_changes) : ContactList::Load(GetCompanyId(), m_changes);
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error, this);
  }
  for (const ContactCard& card : cards) {
    company_square* cell = m_cards.AddSquare();
    std::unique_ptr<text_square> made = MakeCard(card, cell);
    made->SetChangeSet(&m_changes);
    cell->SetCard(std::move(made));
  }
  m_surface->Refresh();
}

wxPoint CompanyPage3::ToContent(const wxPoint& client) const {
  return m_surface->CalcUnscrolledPosition(client);
}

company_square* CompanyPage3::CardAt(const wxPoint& client) const {
  const wxPoint content = ToContent(client);
  return m_cards.Find(m_cards.HitTest(content.x, content.y));
}

void CompanyPage3::OnPaint() {
  wxAutoBufferedPaintDC paint(m_surface);
  m_surface->DoPrepareDC(paint);
  paint.SetBackground(wxBrush(m_surface->GetBackgroundColour()));
  paint.Clear();
  platform::gdi::DeviceContext dc(paint);
  const wxPoint origin = ToContent(wxPoint(0, 0));
  const wxSize size = m_surface->GetClientSize();
  const platform::gdi::Rect extent = m_cards.GetExtent();
  m_cards.Paint(dc, {origin.x, origin.y, origin.x + size.x, origin.y + size.y});
  const platform::gdi::Rect grown = m_cards.GetExtent();
  if (grown.right != extent.right || grown.bottom != extent.bottom)
    m_surface->SetVirtualSize(grown.right + 10, grown.bottom + 10);
}

bool CompanyPage3::NewContact(int entry) {
  DlgLauncher launcher(0, GetCompanyId());
  switch (entry) {
    case 0:
      return launcher.RunAddressDlg(m_changes, this);
    case 1:
      return launcher.RunPhoneDlg(m_changes, this);
    case 2:
      return launcher.RunWebLinkDlg(m_changes, this);
    case 3:
      return launcher.RunEmailDlg(m_changes, this);
  }
  return false;
}

void CompanyPage3::ContextMenuAt(const wxPoint& client) {
  company_square* cell = CardAt(client);
  popup_menu& menu = cell ? m_cardMenu : m_backgroundMenu;
  const unsigned* news = cell ? m_cardNew : m_backgroundNew;
  const int chosen = menu.Track(this, true);
  if (chosen <= 0) return;
  bool changed = false;
  for (int i = 0; i < 4; ++i)
    if (static_cast<unsigned>(chosen) == news[i]) changed = NewContact(i);
  if (cell && cell->GetCard()) {
    if (static_cast<unsigned>(chosen) == m_cardProperties) changed = cell->GetCard()->Edit(this);
    if (static_cast<unsigned>(chosen) == m_cardDelete) changed = cell->GetCard()->Delete();
  }
  if (!changed) return;
  MarkFrameModified(this);
  BuildSquares(true);
}

void CompanyPage3::OnMessage(platform::WindowMessageEvent& event) {
  if (event.GetMessage() != RefreshMessages::ContactList()) {
    event.Skip();
    return;
  }
  if ((event.GetWParam() & 0xFF) != 0) MarkFrameModified(this);
  BuildSquares(event.GetWParam() != 0);
  event.SetResult(0);
}
