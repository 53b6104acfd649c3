// Main of the tests that need real windows: one wxApp for the process, run
// under Xvfb by the test command. Tests create windows, pump events with
// wxYield and destroy what they made.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/init.h>

#include <clocale>

#include "TestEnvironment.h"

namespace {
class GuiTestApp : public wxApp {
public:
  bool OnInit() override { return true; }
};
}  // namespace

wxIMPLEMENT_APP_NO_MAIN(GuiTestApp);

int main(int argc, char** argv) {
  corvane::test::PrepareProcessEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new GuiTestApp);
  wxEntryStart(argc, argv);
  if (!wxTheApp || !wxTheApp->CallOnInit()) {
    fprintf(stderr, "cannot start the GUI test application (no display?)\n");
    return 1;
  }
  // GTK sets the process locale from the environment; numbers we store stay in C.
  std::setlocale(LC_NUMERIC, "C");
  int rc = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return rc;
}
