#include "platform/KeyLocks.h"

#include <algorithm>

#include <wx/statusbr.h>
#include <wx/utils.h>

// Xlib's macros (None, Status, True...) stay in this file.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace platform {

bool IsScrollLockOn() {
  // The toolkit's own display connection: null on a display that is not X.
  auto* display = static_cast<Display*>(wxGetDisplay());
  if (!display) return false;
  static const Atom indicator = XInternAtom(display, "Scroll Lock", False);
  Bool on = False;
  if (!XkbGetNamedIndicator(display, indicator, nullptr, &on, nullptr, nullptr)) return false;
  return on == True;
}

namespace {

const wchar_t* const kLockTexts[] = {L"CAP", L"NUM", L"SCRL"};

}  // namespace

void ShowKeyLocks(wxStatusBar* bar, int firstPane) {
  if (!bar) return;
  const bool locks[] = {wxGetKeyState(WXK_CAPITAL), wxGetKeyState(WXK_NUMLOCK), IsScrollLockOn()};
  for (int i = 0; i < 3 && firstPane + i < bar->GetFieldsCount(); ++i) {
    const wxString text = locks[i] ? kLockTexts[i] : L"";
    if (bar->GetStatusText(firstPane + i) != text) bar->SetStatusText(text, firstPane + i);
  }
}

int KeyLockPaneWidth(const wxStatusBar& bar) {
  int widest = 0;
  for (const wchar_t* text : kLockTexts) widest = std::max(widest, bar.GetTextExtent(text).x);
  return widest + bar.FromDIP(24);
}

}  // namespace platform
