#include "platform/ScrollBars.h"

#include <wx/window.h>

#include "platform/GtkTypes.h"

// A window made with wxHSCROLL or wxVSCROLL is a GtkScrolledWindow here.

namespace platform {
namespace {

using SetOverlay = void (*)(void*, int);
using GetOverlay = int (*)(void*);

// The window's GtkScrolledWindow, or null.
void* ScrolledWidget(wxWindow* window) {
  void* widget = window ? static_cast<void*>(window->GetHandle()) : nullptr;
  return IsGtkType(widget, "GtkScrolledWindow") ? widget : nullptr;
}

}  // namespace

bool KeepScrollBarsShown(wxWindow* window) {
  static const SetOverlay set = LookUpGtk<SetOverlay>("gtk_scrolled_window_set_overlay_scrolling");
  void* widget = ScrolledWidget(window);
  if (!set || !widget) return false;
  set(widget, 0);
  return true;
}

bool HasOverlayScrollBars(wxWindow* window) {
  static const GetOverlay get = LookUpGtk<GetOverlay>("gtk_scrolled_window_get_overlay_scrolling");
  void* widget = ScrolledWidget(window);
  return get && widget && get(widget) != 0;
}

}  // namespace platform
