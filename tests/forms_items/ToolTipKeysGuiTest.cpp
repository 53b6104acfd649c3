// A toolbar button's tooltip, with the real pointer: when the button opens
// the stock-input window (as the main window's Item Input does), the tooltip
// goes away, and it comes back once the pointer has left the button and
// returns.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <glib.h>
#include <wx/artprov.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include "GuiEvents.h"
#include "StockFixture.h"
#include "common/ui/BaseFrameWnd.h"
#include "common/ui/DocTemplate.h"
#include "common/ui/Document.h"
#include "forms/items/ItemInputFrame.h"
#include "forms/items/ItemInputView.h"

namespace corvane::test {
namespace {

constexpr int kOpenTool = 100;
const wchar_t kHelp[] = L"Item Input";

// Whether GTK shows a tooltip window now.
bool ToolTipShown() {
  using ListToplevels = GList* (*)();
  using IsMapped = gboolean (*)(gpointer);
  using TypeName = const char* (*)(gpointer);
  static const auto listToplevels =
      reinterpret_cast<ListToplevels>(dlsym(RTLD_DEFAULT, "gtk_window_list_toplevels"));
  static const auto isMapped = reinterpret_cast<IsMapped>(dlsym(RTLD_DEFAULT, "gtk_widget_get_mapped"));
  static const auto typeName = reinterpret_cast<TypeName>(dlsym(RTLD_DEFAULT, "g_type_name_from_instance"));
  if (!listToplevels || !isMapped || !typeName) {
    ADD_FAILURE() << "GTK's functions are not found";
    return false;
  }
  GList* windows = listToplevels();
  bool shown = false;
  for (GList* window = windows; window; window = window->next)
    if (g_str_has_suffix(typeName(window->data), "TooltipWindow") && isMapped(window->data)) shown = true;
  g_list_free(windows);
  return shown;
}

class ToolFrame : public BaseFrameWnd {
public:
  ToolFrame() : BaseFrameWnd(L"ToolTipTestFrame") {}
  BaseFrameWnd* opened = nullptr;

protected:
  int OnCreate() override {
    wxToolBar* bar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL);
    bar->AddTool(kOpenTool, L"Open", wxArtProvider::GetBitmap(wxART_NEW, wxART_TOOLBAR, wxSize(16, 16)), kHelp);
    bar->Realize();
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
          opened = m_itemInput.CreateNewFrame(m_document);
          if (opened) DocTemplate::InitialUpdateFrame(opened);
        },
        kOpenTool);
    return 0;
  }

private:
  Document m_document;
  DocTemplate m_itemInput{ItemInputFrame::kResourceId, CreateItemInputFrame, CreateItemInputView};
};

class ToolTipKeysGuiTest : public StockTest {
protected:
  void SetUp() override {
    StockTest::SetUp();
    m_frame = new ToolFrame;
    ASSERT_TRUE(m_frame->LoadFrame(L"Tools"));
    // Bottom right, where the opened window does not come up under the pointer.
    m_frame->SetSize(860, 660, 400, 300);
    m_frame->Show();
    m_frame->Raise();
    ASSERT_TRUE(WaitFor([&] { return m_frame->IsShownOnScreen(); }));
    PumpFor(200);
  }
  void TearDown() override {
    if (m_frame->opened) m_frame->opened->Destroy();
    m_frame->Destroy();
    PumpFor(100);
    StockTest::TearDown();
  }

  // About the centre of the only button, which is as high as the bar and
  // about as wide as high, at its left edge.
  wxPoint ToolOnScreen() const {
    wxToolBar* bar = m_frame->GetToolBar();
    const int half = bar->GetClientSize().y / 2;
    return bar->ClientToScreen(wxPoint(half, half));
  }

  ToolFrame* m_frame = nullptr;
};

TEST_F(ToolTipKeysGuiTest, AClickedButtonsTooltipDoesNotStayWhenItsWindowOpens) {
  wxUIActionSimulator input;
  const wxPoint tool = ToolOnScreen();
  input.MouseMove(tool - wxPoint(3, 3));
  PumpFor(50);
  input.MouseMove(tool);
  ASSERT_TRUE(WaitFor(ToolTipShown)) << "no tooltip over the button";

  input.MouseClick();
  ASSERT_TRUE(WaitFor([&] { return m_frame->opened && m_frame->opened->IsShownOnScreen(); }));
  PumpFor(1500);
  EXPECT_FALSE(ToolTipShown());

  // Off the button and back (the opened window out of the way): the tooltip
  // is there again.
  m_frame->opened->SetSize(0, 0, 600, 400);
  input.MouseMove(tool + wxPoint(0, 150));
  PumpFor(300);
  EXPECT_EQ(m_frame->GetToolBar()->FindById(kOpenTool)->GetShortHelp(), kHelp);
  input.MouseMove(tool);
  EXPECT_TRUE(WaitFor(ToolTipShown));
}

}  // namespace
}  // namespace corvane::test
