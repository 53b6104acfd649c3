// The designer on a screen scaled twice (GDK_SCALE=2, 192 pixels per inch):
// the paper, the grid, Page Setup and the printout keep the model's 96 pixels
// per inch; the screen's resolution only scales what the canvas shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include <wx/choice.h>
#include <wx/dcclient.h>

#include "DesignerTestSupport.h"
#include "TestEnvironment.h"
#include "common/ui/CBaseEdit.h"
#include "designer/COptionsDlg.h"
#include "designer/CPlandelApp.h"
#include "designer/CPlandelView.h"
#include "designer/DesignerCommands.h"
#include "designer/DesignerSettings.h"
#include "platform/MessageBox.h"

using namespace designer;
using corvane::test::TempDir;
using designer::test::CloseAndWait;
using designer::test::Pump;
using designer::test::Command;
using designer::test::ReadBytes;

namespace {

// Before GTK starts (the test program's main starts it).
const bool kScaled = ::setenv("GDK_SCALE", "2", 1) == 0;

class DesignerScaledScreenGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(kScaled);
    ASSERT_TRUE(m_app.InitInstance(L""));
    Pump();
    m_view = m_app.GetView();
    ASSERT_TRUE(m_view);
    wxClientDC dc(m_view);
    ASSERT_EQ(dc.GetPPI().y, 192) << "the screen is scaled twice";
  }
  void TearDown() override {
    m_boxes.QueueAnswer(platform::IDNO);
    CloseAndWait(m_app);
  }

  platform::MessageBoxRecorder m_boxes;
  TempDir m_dir;
  CPlandelApp m_app;
  CPlandelView* m_view = nullptr;
};

TEST_F(DesignerScaledScreenGuiTest, ANewTemplateGetsPaperAndGridInTheModelsPixels) {
  // The locale's paper (A4 or letter), else 8 x 11 inches: at most 8.5 x 11.7 inches of 96 pixels.
  EXPECT_GE(m_view->GetPaperSize().x, 8 * 96 - 20);
  EXPECT_LE(m_view->GetPaperSize().x, 816);
  EXPECT_LE(m_view->GetPaperSize().y, 1123);
  EXPECT_EQ(m_view->GetSettings().gridSize, 16) << "a sixth of an inch";
}

TEST_F(DesignerScaledScreenGuiTest, PageSetupShowsThePaperInInchesOfTheModel) {
  m_view->SetPaperSize(816, 1056);
  COptionsDlg dialog(*m_view, m_view);
  auto* page = dynamic_cast<COptionsPage1*>(dialog.GetCreatedPage(COptionsPage1::IDD));
  ASSERT_TRUE(page);
  page->GetUnitCombo()->SetStringSelection("Inches");
  page->OnUnitChanged();
  EXPECT_EQ(page->GetWidthEdit()->GetValue(), "8.50");
  EXPECT_EQ(page->GetHeightEdit()->GetValue(), "11.00");
  page->GetWidthEdit()->ChangeValue("4");
  dialog.OnOK();
  EXPECT_EQ(m_view->GetPaperSize(), wxSize(384, 1056));
}

TEST_F(DesignerScaledScreenGuiTest, PrintsTheLettersPaperOnALetterPage) {
  m_view->SetPaperSize(816, 1056);
  const std::filesystem::path pdf = m_dir / "scaled.pdf";
  setenv("CORVANE_PRINT_TO_FILE", pdf.c_str(), 1);
  Command(m_app.GetMainFrame(), ID_FILE_PRINT);
  unsetenv("CORVANE_PRINT_TO_FILE");
  const std::string bytes = ReadBytes(pdf);
  ASSERT_EQ(bytes.rfind("%PDF", 0), 0u);
  EXPECT_NE(bytes.find("/MediaBox [ 0 0 612 792 ]"), std::string::npos) << "one letter page, 8.5 x 11 inches";
}

}  // namespace
