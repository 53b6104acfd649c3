// Main of the tests that need real windows: one wxApp for the process, run
// under Xvfb by the test command. Tests create windows, pump events with
// wxYield and destroy what they made.
//
// A failed wx assertion and every GTK warning or critical message fail the
// running test: the assertion would otherwise open a dialog that nobody
// closes, and GTK's messages tell of controls given sizes GTK cannot lay out.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <glib.h>
#include <wx/app.h>
#include <wx/init.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "TestEnvironment.h"

namespace {
class GuiTestApp : public wxApp {
public:
  bool OnInit() override { return true; }
};

void FailOnWxAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                    const wxString& message) {
  ADD_FAILURE_AT(file.utf8_str().data(), line)
      << "wx assertion in " << function.utf8_str().data() << ": " << condition.utf8_str().data() << " "
      << message.utf8_str().data();
}

bool IsWatchedDomain(const char* domain) {
  for (const char* watched : {"Gtk", "Gdk", "GLib-GObject"})
    if (domain && std::strcmp(domain, watched) == 0) return true;
  return false;
}

// GTK logs both through the classic g_log road and the structured one; the
// classic road ends in the structured writer too, so one writer sees all.
GLogWriterOutput FailOnGtkMessage(GLogLevelFlags level, const GLogField* fields, gsize count, gpointer data) {
  if (level & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL)) {
    const char* domain = nullptr;
    const char* message = "";
    for (gsize i = 0; i < count; ++i) {
      if (std::strcmp(fields[i].key, "GLIB_DOMAIN") == 0) domain = static_cast<const char*>(fields[i].value);
      if (std::strcmp(fields[i].key, "MESSAGE") == 0) message = static_cast<const char*>(fields[i].value);
    }
    // wx asks GTK not to set the locale after StartGtk() below has started
    // GTK (having asked the same first): a warning of this start-up's own.
    const bool startupNote = std::strstr(message, "gtk_disable_setlocale() must be called before") != nullptr;
    if (IsWatchedDomain(domain) && !startupNote)
      ADD_FAILURE() << domain << ((level & G_LOG_LEVEL_CRITICAL) ? "-CRITICAL: " : "-WARNING: ") << message;
  }
  return g_log_writer_default(level, fields, count, data);
}

// GTK is started here, before wx: started by wx in these test programs, it
// failed to open the Xvfb display about one time in ten although the display
// took connections (the programs themselves start GTK through wx without
// such failures). Started first it has not failed; wx then finds it started.
// A failed start is tried again for two seconds and told on standard error.
bool StartGtk() {
  // GTK comes with wx; its headers are not needed for this one call.
  using InitCheck = int (*)(int*, char***);
  const auto initCheck = reinterpret_cast<InitCheck>(dlsym(RTLD_DEFAULT, "gtk_init_check"));
  const auto disableSetlocale = reinterpret_cast<void (*)()>(dlsym(RTLD_DEFAULT, "gtk_disable_setlocale"));
  if (!initCheck || !disableSetlocale) return true;  // wx reports its own failure
  // As wx does: the process locale stays as the program set it.
  disableSetlocale();
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (initCheck(nullptr, nullptr)) {
      if (attempt > 0) std::fprintf(stderr, "GTK started at attempt %d\n", attempt + 1);
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  const char* name = std::getenv("DISPLAY");
  std::fprintf(stderr, "GTK cannot open the display %s\n", name ? name : "(DISPLAY is not set)");
  return false;
}

void FailOnGtkMessages() {
  g_log_set_writer_func(FailOnGtkMessage, nullptr, nullptr);
}
}  // namespace

wxIMPLEMENT_APP_NO_MAIN(GuiTestApp);

int main(int argc, char** argv) {
  corvane::test::PrepareProcessEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  if (!StartGtk()) return 1;
  FailOnGtkMessages();
  wxSetAssertHandler(FailOnWxAssert);
  wxApp::SetInstance(new GuiTestApp);
  const bool started = wxEntryStart(argc, argv);
  if (!started || !wxTheApp || !wxTheApp->CallOnInit()) {
    fprintf(stderr, "cannot start the GUI test application (%s)\n", started ? "OnInit failed" : "wxEntryStart failed");
    return 1;
  }
  // GTK sets the process locale from the environment; numbers we store stay in C.
  std::setlocale(LC_NUMERIC, "C");
  int rc = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return rc;
}
