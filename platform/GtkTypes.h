#pragma once

// GTK from inside the platform layer. GTK's headers are not part of the
// build: its functions are looked up in the process, where wx has loaded it.
// GObject is linked, so a widget's type is asked by its type's name.

#include <dlfcn.h>
#include <glib-object.h>

namespace platform {

// The GTK function of that name; null where this GTK has none.
template <class Function>
Function LookUpGtk(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

// Whether the widget is of the named GTK type or of one derived from it. A
// type no widget was made of is not registered yet, and no widget is of it.
inline bool IsGtkType(void* widget, const char* typeName) {
  const GType type = g_type_from_name(typeName);
  return widget && type != 0 && g_type_check_instance_is_a(static_cast<GTypeInstance*>(widget), type);
}

}  // namespace platform
