// A preview opened by the main program's manager in the real
// libCorvanPreview.so, under Xvfb: the library's frame lives in the test's
// wxApp and is found, driven and closed through wx alone.
#include <gtest/gtest.h>

#include <memory>

#include <wx/app.h>
#include <wx/print.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include "TestEnvironment.h"
#include "common/RegistryHelpers.h"
#include "common/WindowPlacement.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "shell/PreviewManager.h"
#include "tests/preview_lib/PreviewLibFixtures.h"

namespace {

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();  // deletes what was destroyed
    CallPreviewProcessDllIdle();
  }
}

wxFrame* FindFrame(const wxString& title) {
  for (wxWindow* window : wxTopLevelWindows) {
    if (window->GetLabel() == title && !window->IsBeingDeleted()) return dynamic_cast<wxFrame*>(window);
  }
  return nullptr;
}

wxPreviewControlBar* ControlBarOf(wxWindow* frame) {
  for (wxWindow* child : frame->GetChildren()) {
    if (auto* bar = wxDynamicCast(child, wxPreviewControlBar)) return bar;
  }
  return nullptr;
}

class ShellPreview : public ::testing::Test {
protected:
  void SetUp() override {
    RegWriteString(PreviewManager::kSettingsKey, PreviewManager::kInstallPathValue,
                   platform::FromUtf8(CORVANE_PREVIEW_DIR));
    corvane::test::SaveInvoiceTemplate(m_template);
  }
  void TearDown() override {
    DeletePreviewManager();
    Pump();
  }

  // Previews an invoice whose data the caller frees right after the call.
  wxFrame* Show(const std::wstring& title) {
    auto data = std::make_unique<FieldMap>(corvane::test::InvoiceData());
    EXPECT_TRUE(CallShowInvoicePreview(title, m_template.wstring(), *data));
    data.reset();
    Pump();
    return FindFrame(title + L" - Preview");
  }

  corvane::test::TempDir m_dir;
  std::filesystem::path m_template = m_dir / "invoice.zlt";
  platform::MessageBoxRecorder m_boxes;
};

TEST_F(ShellPreview, ShowsThePagesOfTheInvoiceInAFrameOfTheLibrary) {
  wxFrame* frame = Show(L"Outcome Invoice 0042/24");
  ASSERT_TRUE(frame) << "no frame titled \"Outcome Invoice 0042/24 - Preview\"";
  EXPECT_TRUE(frame->IsShown());
  wxPreviewControlBar* bar = ControlBarOf(frame);
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->GetPrintPreview()->GetMaxPage(), 1);
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), L"Page 1 of 1");

  // The frame prints the library's own copy of the data, long after the
  // caller's map is gone.
  const std::filesystem::path pdf = m_dir / "from-preview.pdf";
  {
    corvane::test::PrintToFile destination(pdf);
    wxCommandEvent print(wxEVT_MENU, wxID_PRINT);
    print.SetEventObject(frame);
    frame->ProcessWindowEvent(print);
  }
  const std::string text = corvane::test::PdfText(pdf);
  for (const char* expected :
       {"0042/24", "Mountain Bakery Ltd", "Rye flour 25kg", "Baking paper roll", "201.83"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " missing in:\n" << text;
  }

  // Closing destroys the frame; the library keeps its place in the
  // program's settings.
  wxWeakRef<wxFrame> alive(frame);
  frame->Close();
  Pump();
  EXPECT_FALSE(alive);
  EXPECT_TRUE(common::WindowPlacement::Load(common::kWinPosKey, L"InvoicePreviewFrameWnd"));
  EXPECT_TRUE(m_boxes.Shown().empty());
}

TEST_F(ShellPreview, UnloadingTheLibraryClosesThePreviewsLeftOpen) {
  wxFrame* first = Show(L"Invoice 1");
  wxFrame* second = Show(L"Invoice 2");
  ASSERT_TRUE(first && second);
  wxWeakRef<wxFrame> firstAlive(first);
  wxWeakRef<wxFrame> secondAlive(second);
  second->Close();  // waiting for deletion at the next idle time
  DeletePreviewManager();
  EXPECT_FALSE(firstAlive);
  EXPECT_FALSE(secondAlive);
  Pump();  // nothing of the unloaded library is left to run
  EXPECT_FALSE(FindFrame(L"Invoice 1 - Preview"));
}

}  // namespace
