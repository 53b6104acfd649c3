// SIGTERM from another process over each kind of modal window that a user
// opens with the real keyboard: the open windows end first, as Cancel, and
// the program ends as File > Exit does. Keys go to the whole display: alone.
#include <wx/uiaction.h>

#include <algorithm>
#include <thread>

#include "tests/shell/TerminateSignalFixture.h"

namespace corvane::test {
namespace {

using std::chrono::seconds;

// A modal window opened with the keyboard, and the windows the program then
// shows.
struct ModalCase {
  const char* name;
  std::vector<int> keys;  // after the menu bar is opened (F10)
  std::vector<std::string> titles;
};

void PrintTo(const ModalCase& c, std::ostream* out) {
  *out << c.name;
}

class TerminateSignalOverModalGuiTest : public TerminateSignalGuiTest,
                                        public ::testing::WithParamInterface<ModalCase> {
protected:
  bool HasWindows(pid_t pid, const std::vector<std::string>& titles) {
    std::vector<std::string> shown = WindowTitles(pid);
    for (const std::string& title : titles) {
      const auto found = std::find(shown.begin(), shown.end(), title);
      if (found == shown.end()) return false;
      shown.erase(found);
    }
    return true;
  }

  // Focuses the main window and types the keys; tries again from the start
  // (Escape closes what a lost key left open) while the windows do not show.
  bool OpenWithKeys(pid_t pid, const ModalCase& c) {
    wxUIActionSimulator keyboard;
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (!FocusWindow(pid, "Corvane")) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      keyboard.Char(WXK_F10);
      for (int key : c.keys) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (key == 'N')
          keyboard.Char('n', wxMOD_ALT);
        else
          keyboard.Char(key);
      }
      if (PollUntil([&] { return HasWindows(pid, c.titles); }, seconds(10))) return true;
      for (int i = 0; i < 4; ++i) {
        keyboard.Char(WXK_ESCAPE);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
      }
    }
    return false;
  }
};

TEST_P(TerminateSignalOverModalGuiTest, TheOpenWindowsEndAndTheProgramEndsAsExitDoes) {
  const pid_t pid = Launch();
  ASSERT_GT(pid, 0);
  ASSERT_TRUE(PollUntil([&] { return HasWindows(pid, {"Corvane"}); }, seconds(60)));
  ASSERT_TRUE(OpenWithKeys(pid, GetParam())) << "shown: " << ::testing::PrintToString(WindowTitles(pid));
  ASSERT_EQ(::kill(pid, SIGTERM), 0);
  ExpectEndedAsExitDoes();
}

// Tools is the third menu, Help the last; Referential Data > Taxes is the
// second entry of the first submenu, Options the entry after the separator.
INSTANTIATE_TEST_SUITE_P(
    EachKind, TerminateSignalOverModalGuiTest,
    ::testing::Values(
        ModalCase{"Options", {WXK_RIGHT, WXK_RIGHT, WXK_DOWN, WXK_DOWN, WXK_RETURN}, {"Corvane", "Settings"}},
        ModalCase{"Taxes", {WXK_RIGHT, WXK_RIGHT, WXK_DOWN, WXK_RIGHT, WXK_DOWN, WXK_RETURN}, {"Corvane", "Taxes"}},
        ModalCase{"TaxesNew",
                  {WXK_RIGHT, WXK_RIGHT, WXK_DOWN, WXK_RIGHT, WXK_DOWN, WXK_RETURN, 'N'},
                  {"Corvane", "Taxes", "New Tax"}},
        // Saving a new tax without its shortcut is refused in a message box.
        ModalCase{"MessageBox",
                  {WXK_RIGHT, WXK_RIGHT, WXK_DOWN, WXK_RIGHT, WXK_DOWN, WXK_RETURN, 'N', WXK_RETURN},
                  {"Corvane", "Taxes", "New Tax", "Corvane"}},
        ModalCase{"About", {WXK_LEFT, WXK_DOWN, WXK_RETURN}, {"Corvane", "About Corvane"}}),
    [](const ::testing::TestParamInfo<ModalCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvane::test
