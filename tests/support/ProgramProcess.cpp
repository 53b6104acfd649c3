#include "ProgramProcess.h"

// Xlib's macros (None, Status, True...) stay in this file.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace corvane::test {

namespace {

// Calls `found` with each viewable window of the process and its title.
void VisitWindows(Display* display, pid_t pid, const std::function<void(Window, const std::string&)>& found) {
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
  const Atom nameAtom = XInternAtom(display, "_NET_WM_NAME", True);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", True);
  auto property = [&](Window window, Atom name, Atom type, long length) {
    Atom actual;
    int format;
    unsigned long count = 0, after;
    unsigned char* data = nullptr;
    std::string bytes;
    if (name != None &&
        XGetWindowProperty(display, window, name, 0, length, False, type, &actual, &format, &count, &after,
                           &data) == Success &&
        data)
      bytes.assign(reinterpret_cast<char*>(data), format == 32 ? count * sizeof(long) : count * (format / 8));
    if (data) XFree(data);
    return bytes;
  };
  std::function<void(Window)> visit = [&](Window window) {
    const std::string owner = property(window, pidAtom, XA_CARDINAL, 1);
    if (owner.size() == sizeof(long) &&
        static_cast<pid_t>(*reinterpret_cast<const long*>(owner.data())) == pid) {
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable)
        found(window, property(window, nameAtom, utf8, 1024));
    }
    Window root, parent, *children = nullptr;
    unsigned int childCount = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &childCount))
      for (unsigned int i = 0; i < childCount; ++i) visit(children[i]);
    if (children) XFree(children);
  };
  visit(DefaultRootWindow(display));
}

}  // namespace

std::vector<std::string> WindowTitles(pid_t pid) {
  std::vector<std::string> titles;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return titles;
  VisitWindows(display, pid, [&](Window, const std::string& title) { titles.push_back(title); });
  XCloseDisplay(display);
  return titles;
}

bool FocusWindow(pid_t pid, const std::string& title) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  Window target = None;
  VisitWindows(display, pid, [&](Window window, const std::string& name) {
    if (name == title && target == None) target = window;
  });
  if (target != None) {
    XRaiseWindow(display, target);
    XSetInputFocus(display, target, RevertToParent, CurrentTime);
    XSync(display, False);
  }
  XCloseDisplay(display);
  return target != None;
}

}  // namespace corvane::test
