#include "platform/KeyLocks.h"

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

}  // namespace platform
