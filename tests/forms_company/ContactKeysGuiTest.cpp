// The contact dialogs and cards with real keys and the real pointer (sent
// through the X server): Tab from a dialog's caption goes on to the next
// field; the card container finds the card under the pointer for a click and
// for the cursor; an empty address's card can be pointed at, clicked and
// right-clicked like any other.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "data/ChangeSet.h"
#include "data/objects/Address.h"
#include "data/objects/Email.h"
#include "data/objects/Web.h"
#include "data/objects/Phone.h"
#include "forms/company/CAddressDlg.h"
#include "forms/company/CEmailDlg.h"
#include "forms/company/CPhoneDlg.h"
#include "forms/company/CWebLinkDlg.h"
#include "forms/company/CompanyDetails.h"
#include "forms/company/CompanyForm.h"
#include "forms/company/CompanyFrame.h"
#include "forms/company/CompanyPage3.h"
#include "forms/company/ContactCards.h"
#include "forms/company/company_square.h"
#include "forms/company/squares.h"
#include "platform/gdi/PageRecorder.h"
#include "platform/gdi/TextMeasurer.h"
#include "shell/FormArguments.h"
#include "tests/forms_dialogs/DialogsFixture.h"
#include "tests/forms_dialogs/ModalScript.h"

namespace corvane::test {
namespace {

// Moves the real pointer to a client point of the window and waits until the
// X server has it there.
bool PointAt(wxWindow* window, wxPoint client) {
  const wxPoint screen = window->ClientToScreen(client);
  wxUIActionSimulator mouse;
  mouse.MouseMove(screen);
  return WaitFor([&] { return wxGetMousePosition() == screen; });
}

class ContactKeysGui : public DialogsTest {
protected:
  void StorePhone(int companyId, const std::wstring& name, const std::wstring& number,
                  const std::wstring& display) {
    Invoice::Phone phone;
    phone.SetCompanyId(companyId);
    phone.SetName(name);
    phone.SetNumber(number);
    phone.SetPhoneDisplay(display);
    StoreObject(phone);
  }
  void TearDown() override {
    popup_menu::SetTrackHandler(nullptr);
    DiscardAllWindows();
    PumpEvents();
    DialogsTest::TearDown();
  }
};

// Tab from the caption's text, in each contact dialog, goes on to the field
// after it, where the next keys are typed; the caption keeps its text.
TEST_F(ContactKeysGui, TabFromTheCaptionGoesOnToTheNextField) {
  struct Case {
    const char* dialog;
    std::function<wxDialog*(ChangeSet&)> make;
    int nextId;  // the field Tab goes to
  };
  const Case cases[] = {
      {"web link", [](ChangeSet& c) { return new CWebLinkDlg(&c, 0, 7, nullptr); }, 1219},
      {"e-mail", [](ChangeSet& c) { return new CEmailDlg(&c, 0, 7, nullptr); }, 0},
      {"phone", [](ChangeSet& c) { return new CPhoneDlg(&c, 0, 7, nullptr); }, CPhoneDlg::kCountry},
      {"address", [](ChangeSet& c) { return new CAddressDlg(&c, 0, 7, nullptr); }, CAddressDlg::kLine1},
  };
  // Captions used before fill each caption's list: GTK lets the list's
  // button take the focus only when there is a list to open.
  const int company = StoreCompany(L"Brenner");
  Invoice::Web web;
  web.SetCompanyId(company);
  web.SetName(L"Old");
  web.SetWeb(L"https://old.example");
  StoreObject(web);
  Invoice::Email email;
  email.SetCompanyId(company);
  email.SetName(L"Old");
  email.SetEmail(L"old@old.example");
  StoreObject(email);
  StorePhone(company, L"Old", L"1234", L"1234");
  Invoice::Address address;
  address.SetCompanyId(company);
  address.SetName(L"Old");
  StoreObject(address);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    ChangeSet changes;
    wxDialog* dialog = c.make(changes);
    dialog->Show();
    dialog->Raise();
    auto* caption = dynamic_cast<wxComboBox*>(dialog->FindWindow(1185));
    ASSERT_TRUE(caption);
    ASSERT_EQ(caption->GetCount(), 1u);
    wxTextEntry* next = nullptr;
    if (auto* email = dynamic_cast<CEmailDlg*>(dialog)) next = email->GetTextCtrl();
    if (c.nextId != 0) {
      wxWindow* window = dialog->FindWindow(c.nextId);
      next = dynamic_cast<wxTextCtrl*>(window);
      if (!next) next = dynamic_cast<wxComboBox*>(window);
    }
    ASSERT_TRUE(next);
    caption->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == caption; }));

    wxUIActionSimulator keys;
    keys.Text("Shop");
    ASSERT_TRUE(WaitFor([&] { return caption->GetValue() == L"Shop"; }));
    keys.Char(WXK_TAB);
    keys.Text("43");
    EXPECT_TRUE(WaitFor([&] { return next->GetValue() == L"43"; })) << next->GetValue();
    EXPECT_EQ(caption->GetValue(), L"Shop");
    dialog->Destroy();
    PumpEvents();
  }
}

// A card of a fixed size that counts its clicks and answers with `asks`.
class ClickCard : public base_draw_square {
public:
  ClickCard(company_square* owner, bool asks) : base_draw_square(owner), m_asks(asks) {}
  int Prepare() override { return 1; }
  int Measure(platform::gdi::Canvas&, SquareSize& size) override {
    size = {250, 100};
    return 2;
  }
  void Draw(CMappedDC&, int32_t, int32_t, int) override {}
  bool OnClick(wxWindow*, const wxPoint& point) override {
    clicks.push_back(point);
    return m_asks;
  }
  const wxCursor& GetCursor(const wxPoint&) override { return cursor; }

  std::vector<wxPoint> clicks;
  wxCursor cursor{wxCURSOR_HAND};

private:
  bool m_asks;
};

// A cell with nothing of its own for the mouse: the arrow, and a click that
// asks for nothing.
struct PlainCell : square<PlainCell> {
  int Prepare() override { return 1; }
  int Measure(platform::gdi::Canvas&, SquareSize& size) override {
    size = {250, 100};
    return 2;
  }
  void Draw(CMappedDC&, int32_t, int32_t, int) override {}
  platform::gdi::Rect GetContentRect() const override { return {x + 20, y + 20, x + cx - 20, y + cy - 20}; }
  SquareSize GetSize(platform::gdi::Canvas& dc) {
    if (state < 2) {
      SquareSize size;
      state = Measure(dc, size);
      cx = size.cx;
      cy = size.cy;
    }
    return {cx, cy};
  }

  int state = 0;
  squares<PlainCell>* container = nullptr;
  int32_t x = 0, y = 0, cx = 0, cy = 0;
  int id = 0;
};

// A window that counts the cursors set on it.
class CursorWindow : public wxWindow {
public:
  explicit CursorWindow(wxWindow* parent) : wxWindow(parent, wxID_ANY, wxPoint(0, 0), wxSize(400, 300)) {}
  bool SetCursor(const wxCursor& cursor) override {
    ++sets;
    return wxWindow::SetCursor(cursor);
  }
  int sets = 0;
};

class SquaresMouseGui : public ContactKeysGui {
protected:
  void SetUp() override {
    ContactKeysGui::SetUp();
    m_frame = new wxFrame(nullptr, wxID_ANY, L"Cards", wxPoint(40, 40), wxSize(500, 400));
    m_window = new CursorWindow(m_frame);
    m_frame->Show();
    m_frame->Raise();
    ASSERT_TRUE(WaitFor([&] { return m_window->IsShownOnScreen(); }));
    PumpEvents();
  }
  template <class Cells>
  void Paint(Cells& cells) {
    platform::gdi::PageRecorder page{platform::gdi::DeviceMetrics{}, m_measurer};
    // Scrolled 100 pixels down: the window shows content from y 100.
    cells.Paint(page, {0, 100, 400, 400});
  }

  platform::gdi::FixedTextMeasurer m_measurer;
  wxFrame* m_frame = nullptr;
  CursorWindow* m_window = nullptr;
};

// Cards at content y 0 and 100; the window shows content from y 100 on, so
// its client point (100, 50) is the second card's content point (100, 150).
TEST_F(SquaresMouseGui, TheCellUnderThePointerTakesTheClickAndTheCursor) {
  squares<company_square> cells;
  cells.SetLayoutMode(0, 3);
  std::vector<ClickCard*> cards;
  for (bool asks : {false, true}) {
    company_square* cell = cells.AddSquare();
    auto card = std::make_unique<ClickCard>(cell, asks);
    cards.push_back(card.get());
    cell->SetCard(std::move(card));
  }
  Paint(cells);
  auto states = [&] {
    std::vector<int> all;
    for (const auto& [id, cell] : cells.GetCells()) all.push_back(cell->state);
    return all;
  };
  ASSERT_EQ(states(), (std::vector<int>{3, 3}));

  // Above the window the content point would be the first card's: nothing.
  ASSERT_TRUE(PointAt(m_window, wxPoint(100, -30)));
  cells.OnClick(m_window);
  EXPECT_FALSE(cells.UpdateCursor(m_window));
  EXPECT_TRUE(cards[0]->clicks.empty());
  EXPECT_EQ(m_window->sets, 0);

  // In the second card's margin: no card.
  ASSERT_TRUE(PointAt(m_window, wxPoint(10, 50)));
  EXPECT_FALSE(cells.UpdateCursor(m_window));
  cells.OnClick(m_window);
  EXPECT_TRUE(cards[1]->clicks.empty());

  // On the second card: its cursor, set once however often the pointer moves.
  ASSERT_TRUE(PointAt(m_window, wxPoint(100, 50)));
  EXPECT_TRUE(cells.UpdateCursor(m_window));
  EXPECT_TRUE(m_window->GetCursor().IsSameAs(cards[1]->cursor));
  ASSERT_TRUE(PointAt(m_window, wxPoint(110, 55)));
  EXPECT_TRUE(cells.UpdateCursor(m_window));
  EXPECT_EQ(m_window->sets, 1);

  // Its click gets the content point; it asks for a fresh layout.
  cells.OnClick(m_window);
  EXPECT_EQ(cards[1]->clicks, (std::vector<wxPoint>{wxPoint(110, 155)}));
  EXPECT_EQ(states(), (std::vector<int>{0, 0}));
  EXPECT_TRUE(cards[0]->clicks.empty());
}

// A cell that keeps the defaults shows the arrow, and its click leaves the
// layout as it is.
TEST_F(SquaresMouseGui, ACellOfItsOwnShowsTheArrowAndIgnoresClicks) {
  squares<PlainCell> cells;
  cells.SetLayoutMode(0, 3);
  cells.AddSquare();
  cells.AddSquare();
  Paint(cells);
  ASSERT_TRUE(PointAt(m_window, wxPoint(100, 50)));
  EXPECT_TRUE(cells.UpdateCursor(m_window));
  const wxCursor arrow = m_window->GetCursor();
  EXPECT_TRUE(arrow.IsOk());
  EXPECT_TRUE(arrow.IsSameAs(cells.Find(2)->GetCursor(wxPoint(100, 150))));
  EXPECT_FALSE(cells.Find(2)->OnClick(m_window, wxPoint(100, 150)));
  cells.OnClick(m_window);
  EXPECT_EQ(cells.Find(1)->state, 3);
  EXPECT_EQ(cells.Find(2)->state, 3);
}

// An address stored empty, beside a phone: its card shows, the pointer over
// it is the hand, a right click offers the card's menu and a left click
// opens its dialog, all with the real pointer.
TEST_F(ContactKeysGui, AnEmptyAddressCardIsPointedAtClickedAndRightClicked) {
  const int company = StoreCompany(L"Brenner");
  Invoice::Address empty;
  empty.SetCompanyId(company);
  StoreObject(empty);
  StorePhone(company, L"Mobile", L"38641777888", L"386 41 777888");

  Document document;
  DocTemplate formTemplate{CompanyFrame::kResourceId, CreateCompanyFrame, CreateCompanyFormView};
  auto* frame = dynamic_cast<CompanyFrame*>(formTemplate.CreateNewFrame(document));
  ASSERT_TRUE(frame);
  FormArguments arguments;
  arguments.objectId = company;
  arguments.initialPage = kCompanyContactsPage;
  frame->SetFormArguments(arguments);
  DocTemplate::InitialUpdateFrame(frame);
  frame->Show();
  frame->Raise();
  auto* page = dynamic_cast<CompanyPage3*>(frame->GetForm()->GetPage(kCompanyContactsPage));
  ASSERT_TRUE(page);
  wxScrolledCanvas* surface = page->GetSurface();
  ASSERT_TRUE(WaitFor([&] { return surface->IsShownOnScreen(); }));
  surface->Refresh();
  ASSERT_TRUE(WaitFor([&] {
    const auto& cells = page->GetCards().GetCells();
    return cells.size() == 2 && cells.rbegin()->second->state == 3;
  }));
  // Phones first, then addresses.
  const company_square& cell = *page->GetCards().GetCells().rbegin()->second;
  auto* card = dynamic_cast<text_square*>(cell.GetCard());
  ASSERT_TRUE(card);
  EXPECT_EQ(card->GetShownTitle(), L"(empty)");
  // The middle of the card's title band, on the screen.
  const wxPoint band = surface->CalcScrolledPosition(wxPoint(cell.x + cell.cx / 2, cell.y + 25));

  ASSERT_TRUE(PointAt(surface, band));
  wxUIActionSimulator mouse;
  mouse.MouseMove(surface->ClientToScreen(band + wxPoint(3, 0)));  // a motion the surface sees
  EXPECT_TRUE(WaitFor([&] { return surface->GetCursor().IsSameAs(card->GetCursor(wxPoint())); }));
  ASSERT_TRUE(PointAt(surface, wxPoint(cell.x + cell.cx + 100, 10)));
  mouse.MouseMove(surface->ClientToScreen(wxPoint(cell.x + cell.cx + 103, 10)));
  EXPECT_TRUE(WaitFor([&] { return !surface->GetCursor().IsOk(); }));

  std::vector<std::wstring> offered;
  popup_menu::SetTrackHandler([&](const popup_menu& menu, wxWindow*, bool) {
    for (const wxMenuItem* item : menu.GetMenu()->GetMenuItems())
      if (!item->IsSeparator()) offered.push_back(item->GetItemLabelText().ToStdWstring());
    return 0;
  });
  ASSERT_TRUE(PointAt(surface, band));
  mouse.MouseClick(wxMOUSE_BTN_RIGHT);
  EXPECT_TRUE(WaitFor([&] { return !offered.empty(); }));
  EXPECT_EQ(offered, (std::vector<std::wstring>{L"New Address", L"New Phone Number", L"New Web Link",
                                                L"New Email Address", L"Delete", L"Properties"}));

  ModalScript script;
  script.Then<CAddressDlg>([](CAddressDlg& dialog) {
    dynamic_cast<wxComboBox*>(dialog.FindWindow(CAddressDlg::kCaption))->SetValue(L"Home");
    Click(&dialog, platform::IDOK);
  });
  mouse.MouseClick();
  EXPECT_TRUE(WaitFor([&] { return script.IsDone(); }));
  // The cards are rebuilt from the change set, the address under its caption.
  EXPECT_TRUE(WaitFor([&] {
    std::vector<std::wstring> titles;
    for (const auto& [id, rebuilt] : page->GetCards().GetCells())
      titles.push_back(dynamic_cast<text_square*>(rebuilt->GetCard())->GetShownTitle());
    std::sort(titles.begin(), titles.end());
    return titles == std::vector<std::wstring>{L"Home", L"Mobile"};
  }));
  EXPECT_TRUE(frame->IsModified());
}

}  // namespace
}  // namespace corvane::test
