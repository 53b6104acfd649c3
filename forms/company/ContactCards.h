#pragma once

// The cards of the contact page: one per address (adr_square), e-mail
// address (email_square), phone number (phone_square) and web link
// (web_square). Each shows the record's caption on a coloured title band
// and its text below, 250 pixels wide; a click or "Properties" opens the
// record's dialog on the page's change set, "Delete" marks it deleted there.
// A card with neither caption nor text (an empty address may be stored) is
// framed and titled "(empty)", so that it can still be seen and clicked.

#include <cstdint>
#include <string>

#include <wx/cursor.h>

#include "forms/company/company_square.h"
#include "platform/gdi/GdiTypes.h"

class DlgLauncher;

// The page's colours for the title text (and the address card's band).
struct CardColours {
  platform::gdi::COLORREF highlight = platform::gdi::RGB(0x33, 0x66, 0xCC);
  platform::gdi::COLORREF highlightText = platform::gdi::RGB(0xFF, 0xFF, 0xFF);
};

class text_square : public base_draw_square {
public:
  static constexpr int32_t kWidth = 250;

  text_square(int32_t objectId, const std::wstring& title, const std::wstring& body, company_square* owner);

  int32_t GetObjectId() const { return m_objectId; }
  const std::wstring& GetTitle() const { return m_title; }
  const std::wstring& GetBody() const { return m_body; }
  // The title on the card's band: the caption, "(empty)" for a card with
  // nothing to show.
  std::wstring GetShownTitle() const;
  // Neither caption nor text: the card is framed.
  bool IsBlank() const;

  int Prepare() override { return 1; }
  int Measure(platform::gdi::Canvas& dc, SquareSize& size) override;
  void Draw(CMappedDC& dc, int32_t x, int32_t y, int index) override;
  bool OnClick(wxWindow* page, const wxPoint& point) override;
  // The hand, made on first use and kept.
  const wxCursor& GetCursor(const wxPoint& point) override;
  bool Edit(wxWindow* parent) override;
  bool Delete() override;

  // Shared by every card of the page.
  static void SetColours(const CardColours& colours);

protected:
  virtual platform::gdi::COLORREF TitleColour() const = 0;
  // The record's dialog through the launcher on the card's change set.
  virtual bool RunDialog(DlgLauncher& launcher, wxWindow* parent) = 0;
  static const CardColours& Colours();

private:
  int32_t m_objectId;
  std::wstring m_title;
  std::wstring m_body;
  platform::gdi::Rect m_titleRect;
  platform::gdi::Rect m_bodyRect;
  wxCursor m_cursor;
};

class adr_square : public text_square {
public:
  using text_square::text_square;

  // A stored address that an invoice uses is refused before the question:
  // the card stays, and so does every other edit of the form.
  bool Delete() override;

protected:
  platform::gdi::COLORREF TitleColour() const override { return Colours().highlight; }
  bool RunDialog(DlgLauncher& launcher, wxWindow* parent) override;
};

class email_square : public text_square {
public:
  using text_square::text_square;

protected:
  platform::gdi::COLORREF TitleColour() const override { return platform::gdi::RGB(0x2A, 0x0F, 0x56); }
  bool RunDialog(DlgLauncher& launcher, wxWindow* parent) override;
};

class phone_square : public text_square {
public:
  using text_square::text_square;

protected:
  platform::gdi::COLORREF TitleColour() const override { return platform::gdi::RGB(0xF0, 0x0F, 0x0A); }
  bool RunDialog(DlgLauncher& launcher, wxWindow* parent) override;
};

class web_square : public text_square {
public:
  using text_square::text_square;

protected:
  platform::gdi::COLORREF TitleColour() const override { return platform::gdi::RGB(0x75, 0xAF, 0x08); }
  bool RunDialog(DlgLauncher& launcher, wxWindow* parent) override;
};
