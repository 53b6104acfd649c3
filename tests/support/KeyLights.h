#pragma once

// Include after every wx header: Xlib's macros (None, Status, True...)
// would clash with wx.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace corvane::test {

// Switches the keyboard's "Scroll Lock" light of the X server on DISPLAY, as
// the key does where the keyboard map binds it (the test server's map does
// not). False when the server refuses.
inline bool SetScrollLockLight(bool on) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  const Bool done = XkbSetNamedIndicator(display, XInternAtom(display, "Scroll Lock", False), True,
                                         on ? True : False, False, nullptr);
  XSync(display, False);
  XCloseDisplay(display);
  return done == True;
}

}  // namespace corvane::test
