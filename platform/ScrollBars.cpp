#include "platform/ScrollBars.h"

#include <dlfcn.h>
#include <wx/window.h>

// A window made with wxHSCROLL or wxVSCROLL is a GtkScrolledWindow here.
// GTK's headers are not part of the build; its functions are looked up in
// the process, where wx has loaded GTK already.

namespace platform {
namespace {

using SetOverlay = void (*)(void*, int);
using GetOverlay = int (*)(void*);
using IsScrolledWindow = int (*)(void*);

template <typename Function>
Function Look(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

// The window's GtkScrolledWindow, or null.
void* ScrolledWidget(wxWindow* window) {
  if (!window || !window->GetHandle()) return nullptr;
  using TypeFn = unsigned long (*)();
  using CheckFn = int (*)(void*, unsigned long);
  static const TypeFn type = Look<TypeFn>("gtk_scrolled_window_get_type");
  static const CheckFn check = Look<CheckFn>("g_type_check_instance_is_a");
  void* widget = window->GetHandle();
  if (!type || !check || !check(widget, type())) return nullptr;
  return widget;
}

}  // namespace

bool KeepScrollBarsShown(wxWindow* window) {
  static const SetOverlay set = Look<SetOverlay>("gtk_scrolled_window_set_overlay_scrolling");
  void* widget = ScrolledWidget(window);
  if (!set || !widget) return false;
  set(widget, 0);
  return true;
}

bool HasOverlayScrollBars(wxWindow* window) {
  static const GetOverlay get = Look<GetOverlay>("gtk_scrolled_window_get_overlay_scrolling");
  void* widget = ScrolledWidget(window);
  return get && widget && get(widget) != 0;
}

}  // namespace platform
