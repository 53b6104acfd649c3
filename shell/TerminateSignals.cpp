#include "shell/TerminateSignals.h"

#include "data/Connection.h"
#include "platform/ModalDialogs.h"
#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"

#include <glib-unix.h>
#include <glib.h>
#include <wx/app.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <thread>

namespace {

guint g_sources[2] = {0, 0};
constexpr int kSignals[2] = {SIGTERM, SIGINT};
// A second signal while the save question of the first is open is not asked again.
bool g_closing = false;
// Set while the window waits for the dialogs that the signal ended.
guint g_closeSource = 0;

// Detaches the database on a thread of its own and waits for it at most
// `limit`; a detach that takes longer is left behind.
void DetachWithin(std::chrono::seconds limit) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> detached = done->get_future();
  std::thread([done] {
    DisconnectDatabase();
    done->set_value();
  }).detach();
  detached.wait_for(limit);
}

// Closes the main window as File > Exit does, once no modal dialog runs
// any more: the window and its children (the dialogs among them) must not
// go while a dialog's loop still runs over them. A GLib source: it goes on
// while it returns G_SOURCE_CONTINUE.
gboolean CloseOnceNoDialogRuns(gpointer) {
  // Open dialogs end first, innermost first, as their Cancel would; each
  // one's code goes on as after a Cancel and returns to the loop that
  // showed it, and then the one around it ends.
  if (platform::CancelInnermostModalDialog()) return G_SOURCE_CONTINUE;
  CQuennetApp* app = GetCurrentApp();
  CMainFrame* frame = app ? app->GetMainFrame() : nullptr;
  if (frame && !frame->IsBeingDeleted()) {
    g_closing = true;
    frame->Close();
    g_closing = false;
    // The window goes at wx's next idle time; a GLib source is no wx event,
    // so nothing else would bring that about on an idle window.
    wxWakeUpIdle();
  }
  g_closeSource = 0;
  return G_SOURCE_REMOVE;
}

// Dispatched by the main context, not in the signal's context.
gboolean OnTerminateSignal(gpointer) {
  CQuennetApp* app = GetCurrentApp();
  CMainFrame* frame = app ? app->GetMainFrame() : nullptr;
  if (!frame) {
    // Before the main window the loop runs only inside a question of the
    // start-up (an upgrade, another database file): nothing is open to
    // save and nothing was written, so the program ends here. It detaches
    // from its database first, but waits for that a few seconds at most:
    // right after a terminate signal the embedded engine was seen to spin
    // in the detach for good, and a program asked to end must end. The
    // exit handlers are not run, for the same engine would be shut down by
    // them.
    DetachWithin(std::chrono::seconds(5));
    std::fflush(nullptr);
    std::_Exit(0);
  }
  if (g_closing || g_closeSource != 0 || frame->IsBeingDeleted()) return G_SOURCE_CONTINUE;
  if (CloseOnceNoDialogRuns(nullptr) == G_SOURCE_CONTINUE)
    g_closeSource = g_timeout_add(20, CloseOnceNoDialogRuns, nullptr);
  return G_SOURCE_CONTINUE;
}

}  // namespace

bool CloseMainWindowOnTerminateSignals() {
  // Before any attach, so that the client library chains our handler.
  KeepDatabaseOnTerminateSignals();
  platform::WatchModalDialogs();
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
  if (g_closeSource != 0) g_source_remove(g_closeSource);
  g_closeSource = 0;
}
