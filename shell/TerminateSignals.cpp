#include "shell/TerminateSignals.h"

#include "data/Connection.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"

#include <glib-unix.h>
#include <glib.h>
#include <wx/app.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

guint g_sources[2] = {0, 0};
constexpr int kSignals[2] = {SIGTERM, SIGINT};
// A second signal while the save question of the first is open is not asked again.
bool g_closing = false;

// Dispatched by the main context, not in the signal's context.
gboolean OnTerminateSignal(gpointer) {
  CQuennetApp* app = GetCurrentApp();
  CMainFrame* frame = app ? app->GetMainFrame() : nullptr;
  if (!frame) {
    // Before the main window the loop runs only inside a question of the
    // start-up (an upgrade, another database file): nothing is open to
    // save, so the program ends here, detached from its database. It ends
    // without the exit handlers, so that nothing can hold the end up: the
    // database client's own handling of the same signal may still be busy
    // on its thread (asking, and being refused, to shut the engine down)
    // while the client's exit handler shuts it down. Nothing is attached
    // any more, so the handlers have nothing left to keep safe.
    DisconnectDatabase();
    std::fflush(nullptr);
    std::_Exit(0);
  }
  if (g_closing || frame->IsBeingDeleted()) return G_SOURCE_CONTINUE;
  g_closing = true;
  frame->Close();
  g_closing = false;
  // The window goes at wx's next idle time; a GLib source is no wx event,
  // so nothing else would bring that about on an idle window.
  wxWakeUpIdle();
  return G_SOURCE_CONTINUE;
}

}  // namespace

bool CloseMainWindowOnTerminateSignals() {
  // Before any attach, so that the client library chains our handler.
  KeepDatabaseOnTerminateSignals();
  bool watched = true;
  for (size_t i = 0; i < 2; ++i) {
    if (g_sources[i] == 0) g_sources[i] = g_unix_signal_add(kSignals[i], OnTerminateSignal, nullptr);
    watched = watched && g_sources[i] != 0;
  }
  return watched;
}

void RestoreTerminateSignals() {
  for (guint& source : g_sources) {
    if (source != 0) g_source_remove(source);
    source = 0;
  }
}
