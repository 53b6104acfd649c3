#include "platform/KeyLocks.h"

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

void ShowKeyLocks(wxStatusBar* bar, int firstPane) {
  if (!bar) return;
  const bool locks[] = {wxGetKeyState(WXK_CAPITAL), wxGetKeyState(WXK_NUMLOCK), IsScrollLockOn()};
  const wchar_t* const texts[] = {L"CAP", L"NUM", L"SCRL"};
  for (int i = 0; i < 3 && firstPane + i < bar->GetFieldsCount(); ++i) {
    const wxString text = locks[i] ? texts[i] : L"";
    if (bar->GetStatusText(firstPane + i) != text) bar->SetStatusText(text, firstPane + i);
  }
}

}  // namespace platform
