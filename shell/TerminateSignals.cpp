#include "shell/TerminateSignals.h"

#include <csignal>

#include <wx/app.h>

#include "shell/CMainFrame.h"
#include "shell/CQuennetApp.h"

namespace {

// A second signal while the save question of the first is open is not asked again.
bool g_closing = false;

// Called from the event loop, not in the signal's context.
void CloseMainWindow(int) {
  CQuennetApp* app = GetCurrentApp();
  CMainFrame* frame = app ? app->GetMainFrame() : nullptr;
  if (g_closing || !frame || frame->IsBeingDeleted()) return;
  g_closing = true;
  frame->Close();
  g_closing = false;
}

}  // namespace

bool CloseMainWindowOnTerminateSignals() {
  if (!wxTheApp) return false;
  const bool term = wxTheApp->SetSignalHandler(SIGTERM, CloseMainWindow);
  const bool interrupt = wxTheApp->SetSignalHandler(SIGINT, CloseMainWindow);
  return term && interrupt;
}

void RestoreTerminateSignals() {
  if (!wxTheApp) return;
  wxTheApp->SetSignalHandler(SIGTERM, SIG_DFL);
  wxTheApp->SetSignalHandler(SIGINT, SIG_DFL);
}
