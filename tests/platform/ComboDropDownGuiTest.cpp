#include "platform/ComboDropDown.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/panel.h>

using namespace platform;

namespace {

class ComboDropDownGuiTest : public ::testing::Test {
protected:
  void TearDown() override {
    while (!wxTopLevelWindows.empty()) delete wxTopLevelWindows.GetFirst()->GetData();
  }

  // A typed-into combo of that width with a few short entries, shown.
  wxComboBox* ShownCombo(int width) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, L"combo", wxDefaultPosition, wxSize(400, 200));
    auto* panel = new wxPanel(frame);
    const wxString codes[] = {L"43", L"386", L"389"};
    auto* combo = new wxComboBox(panel, wxID_ANY, wxEmptyString, wxPoint(10, 10), wxSize(width, -1), 3, codes,
                                 wxCB_DROPDOWN);
    frame->Show();
    for (int i = 0; i < 5; ++i) wxYield();
    return combo;
  }
};

// The list opens at the wider of the box and the minimum; 0 gives the list
// back to the box. The box keeps its size and the size it asks for, so the
// layout around it does not move.
TEST_F(ComboDropDownGuiTest, TheListIsWidenedAndGivenBackWithoutTouchingTheBox) {
  struct Case {
    int box;
    int minimum;
    int opensAt;
  };
  for (const Case& c : {Case{84, 210, 210}, Case{250, 210, 250}, Case{84, 0, 84}}) {
    SCOPED_TRACE(testing::Message() << "box " << c.box << ", minimum " << c.minimum);
    wxComboBox* combo = ShownCombo(c.box);
    const wxSize size = combo->GetSize();
    combo->InvalidateBestSize();
    const wxSize best = combo->GetBestSize();
    ASSERT_EQ(size.x, c.box);
    EXPECT_EQ(GetDropDownWidth(combo), c.box);
    SetDropDownMinWidth(combo, 210);
    SetDropDownMinWidth(combo, c.minimum);
    for (int i = 0; i < 5; ++i) wxYield();
    EXPECT_EQ(GetDropDownWidth(combo), c.opensAt);
    combo->InvalidateBestSize();
    EXPECT_EQ(combo->GetSize(), size);
    EXPECT_EQ(combo->GetBestSize(), best);
    TearDown();
  }
}

}  // namespace
