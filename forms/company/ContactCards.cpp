#include "forms/company/ContactCards.h"

#include <wx/window.h>

#include "data/DbException.h"
#include "data/objects/Address.h"
#include "forms/company/ContactList.h"
#include "forms/dialogs/DialogMessages.h"
#include "forms/dialogs/DlgLauncher.h"
#include "platform/WindowMessages.h"
#include "shell/ui/CMappedDC.h"
#include "shell/ui/RefreshMessages.h"

using platform::gdi::Rect;

namespace {

CardColours g_colours;

platform::gdi::LogFont CardFont(int32_t height, int32_t weight) {
  platform::gdi::LogFont font;
  font.height = height;
  font.weight = weight;
  font.faceName = L"Verdana";
  return font;
}

const platform::gdi::LogFont& TitleFont() {
  static const platform::gdi::LogFont font = CardFont(16, 700);
  return font;
}

const platform::gdi::LogFont& BodyFont() {
  static const platform::gdi::LogFont font = CardFont(14, 400);
  return font;
}

bool IsBlankText(const std::wstring& text) {
  return text.find_first_not_of(L" \t\r\n") == std::wstring::npos;
}

}  // namespace

text_square::text_square(int32_t objectId, const std::wstring& title, const std::wstring& body,
                         company_square* owner)
    : base_draw_square(owner), m_objectId(objectId), m_title(title), m_body(body) {}

void text_square::SetColours(const CardColours& colours) {
  g_colours = colours;
}

const CardColours& text_square::Colours() {
  return g_colours;
}

bool text_square::IsBlank() const {
  return IsBlankText(m_title) && IsBlankText(m_body);
}

std::wstring text_square::GetShownTitle() const {
  return IsBlank() ? std::wstring(kEmptyContactText) : m_title;
}

int text_square::Measure(platform::gdi::Canvas& dc, SquareSize& size) {
  m_titleRect = {0, 0, 1, 1};
  m_bodyRect = {0, 0, 1, 1};
  const platform::gdi::LogFont previous = dc.SelectFont(TitleFont());
  // The band is a line high also without a caption, so the card shows.
  const std::wstring title = GetShownTitle();
  dc.DrawText(title.empty() ? L" " : title, m_titleRect, platform::gdi::DT_CALCRECT);
  dc.SelectFont(BodyFont());
  // A card with nothing to show keeps an empty line inside its frame.
  dc.DrawText(IsBlank() ? L" " : m_body, m_bodyRect, platform::gdi::DT_CALCRECT);
  dc.SelectFont(previous);
  size = {kWidth, m_titleRect.Height() + m_bodyRect.Height() + 47};
  return 2;
}

void text_square::Draw(CMappedDC& dc, int32_t x, int32_t y, int) {
  const int32_t width = GetOwner() ? GetOwner()->cx : kWidth;
  Rect band{x + 20, y + 20, x + width - 20, y + 20 + m_titleRect.Height()};
  Rect body{x + 20, band.bottom, x + width - 20, band.bottom + m_bodyRect.Height() + 5};
  const platform::gdi::Brush brush = platform::gdi::Brush::Solid(TitleColour());
  dc.FillRect(band, &brush);

  platform::gdi::Canvas& canvas = dc.GetCanvas();
  if (IsBlank()) {
    // The frame shows where the card is: what a click hits.
    const int32_t height = GetOwner() ? GetOwner()->cy : m_titleRect.Height() + m_bodyRect.Height() + 47;
    const platform::gdi::Pen pen =
        canvas.SelectPen(platform::gdi::Pen{platform::gdi::PS_SOLID, 1, TitleColour()});
    const platform::gdi::Brush hollow = canvas.SelectBrush(platform::gdi::Brush::Hollow());
    canvas.Rectangle(dc.MapRect({x + 20, y + 20, x + width - 20, y + height - 20}));
    canvas.SelectBrush(hollow);
    canvas.SelectPen(pen);
  }
  const platform::gdi::LogFont previous = canvas.SelectFont(TitleFont());
  const platform::gdi::COLORREF text = canvas.SetTextColor(Colours().highlightText);
  const int mode = canvas.SetBkMode(platform::gdi::TRANSPARENT);
  band.left += 5;
  dc.DrawText(GetShownTitle(), band,
              platform::gdi::DT_SINGLELINE | platform::gdi::DT_VCENTER | platform::gdi::DT_END_ELLIPSIS);
  canvas.SetBkMode(mode);
  canvas.SetTextColor(text);

  canvas.SelectFont(BodyFont());
  body.left += 5;
  body.top += 5;
  // The mapping moves each edge down to its millimetre, which may leave the
  // body a pixel or two shorter than its measured text; the card has 20
  // pixels of margin below it, so the text is not clipped at the bottom.
  dc.DrawText(m_body, body, platform::gdi::DT_END_ELLIPSIS | platform::gdi::DT_NOCLIP);
  canvas.SelectFont(previous);
}

bool text_square::Edit(wxWindow* parent) {
  if (!GetChangeSet()) return false;
  DlgLauncher launcher(m_objectId, 0);
  return RunDialog(launcher, parent);
}

const wxCursor& text_square::GetCursor(const wxPoint&) {
  if (!m_cursor.IsOk()) m_cursor = wxCursor(wxCURSOR_HAND);
  return m_cursor;
}

bool text_square::OnClick(wxWindow* page, const wxPoint&) {
  if (!GetChangeSet()) return false;
  DlgLauncher launcher(m_objectId, 0);
  if (!RunDialog(launcher, page)) return false;
  m_objectId = launcher.GetObjectId();
  // The page rebuilds every card (this one too) on the message; it is posted,
  // so the rebuild runs after this click has been handled.
  page->CallAfter([page] { platform::SendMessage(page, RefreshMessages::ContactList(), 1, 0); });
  page->Refresh();
  return false;
}

bool text_square::Delete() {
  return GetChangeSet() && DlgLauncher(m_objectId, 0).DeleteWithConfirm(*GetChangeSet());
}

bool adr_square::Delete() {
  if (!GetChangeSet()) return false;
  try {
    if (GetObjectId() > 0) Invoice::Address::CheckDeletable(GetObjectId());
  } catch (const Invoice::DbException& error) {
    dialogs::ShowDbError(error);
    return false;
  }
  return text_square::Delete();
}

bool adr_square::RunDialog(DlgLauncher& launcher, wxWindow* parent) {
  return launcher.RunAddressDlg(*GetChangeSet(), parent);
}

bool email_square::RunDialog(DlgLauncher& launcher, wxWindow* parent) {
  return launcher.RunEmailDlg(*GetChangeSet(), parent);
}

bool phone_square::RunDialog(DlgLauncher& launcher, wxWindow* parent) {
  return launcher.RunPhoneDlg(*GetChangeSet(), parent);
}

bool web_square::RunDialog(DlgLauncher& launcher, wxWindow* parent) {
  return launcher.RunWebLinkDlg(*GetChangeSet(), parent);
}
