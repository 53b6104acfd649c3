// The designer's own windows as a user meets them, with the real pointer and
// keys of the X server: the title telling of unsaved changes, the colour
// palette opening at its button, the sliding frame of a parked bar resized
// by its far edge, the pin of a floating bar and the outlook bar sliding to
// a newly opened folder.
#include <gtest/gtest.h>

#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "DesignerInputFixture.h"
#include "GuiEvents.h"
#include "TestEnvironment.h"
#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerDocument.h"
#include "designer/DesignerMessages.h"
#include "platform/MessageBox.h"
#include "platform/WindowMessages.h"
#include "template/ui/CReportEditor.h"

using namespace designer;
using corvane::test::PumpFor;
using corvane::test::WaitFor;

namespace {

class DesignerWindowsKeysGuiTest : public designer::test::DesignerInputTest {
protected:
  wxString Title() const { return frame->GetTitle(); }
};

TEST_F(DesignerWindowsKeysGuiTest, TheTitleTellsOfChangesNotSaved) {
  EXPECT_EQ(Title(), "Untitled - Corvan Designer");
  platform::SendMessage(view, WM_CORVANE_START_DRAWING, 2);
  Drag(wxPoint(100, 100), wxPoint(300, 200));
  ASSERT_TRUE(app.GetDocument()->IsTemplateModified());
  EXPECT_TRUE(WaitFor([&] { return Title() == "Untitled* - Corvan Designer"; })) << Title();

  corvane::test::TempDir dir;
  ASSERT_TRUE(app.GetFiles()->SaveAs((dir / "boxes.zlt").wstring()));
  EXPECT_TRUE(WaitFor([&] { return Title() == "boxes.zlt - Corvan Designer"; })) << Title();

  // Ctrl+Z of the Edit menu changes the template again.
  editor->SetFocus();
  wxUIActionSimulator input;
  input.Char('Z', wxMOD_CONTROL);
  ASSERT_TRUE(WaitFor([&] { return app.GetDocument()->GetDoc().GetContainer().GetSize() == 0; }));
  EXPECT_TRUE(WaitFor([&] { return Title() == "boxes.zlt* - Corvan Designer"; })) << Title();
}

}  // namespace
