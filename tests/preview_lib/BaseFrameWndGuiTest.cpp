#include "common/ui/BaseFrameWnd.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include "common/RegistryHelpers.h"

namespace {

class TestFrame : public BaseFrameWnd {
public:
  explicit TestFrame(const std::wstring& name) : BaseFrameWnd(name, common::kDesignerWinPosKey) {}

protected:
  int OnCreate() override {
    CreateStatusBar(1);
    return 0;
  }
};

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();  // deletes what was destroyed
  }
}

// Closes the frame the way the user does and waits until it is gone.
void CloseAndWait(BaseFrameWnd* frame) {
  wxWeakRef<BaseFrameWnd> alive(frame);
  frame->Destroy();
  Pump();
  ASSERT_FALSE(alive) << "the frame was not destroyed";
}

TEST(BaseFrameWnd, WithoutAStoredPlacementOpensWhereAnyNewFrameWould) {
  auto* plain = new wxFrame(nullptr, wxID_ANY, L"plain");
  auto* frame = new TestFrame(L"FreshFrameWnd");
  ASSERT_TRUE(frame->LoadFrame(L"fresh"));
  EXPECT_EQ(frame->GetPosition(), plain->GetPosition());
  EXPECT_FALSE(frame->IsShown()) << "frames are created hidden and shown by ShowFrame";
  EXPECT_FALSE(RegReadBinary(common::kDesignerWinPosKey, L"FreshFrameWnd"))
      << "nothing stored before closing";
  plain->Destroy();
  CloseAndWait(frame);
  EXPECT_TRUE(RegReadBinary(common::kDesignerWinPosKey, L"FreshFrameWnd")) << "closing stores the placement";
}

TEST(BaseFrameWnd, ReopensWhereItWasClosed) {
  const wxRect left(130, 90, 500, 420);
  auto* frame = new TestFrame(L"MovedFrameWnd");
  ASSERT_TRUE(frame->LoadFrame(L"moved"));
  frame->ShowFrame();
  frame->SetSize(left);
  Pump();
  CloseAndWait(frame);

  auto* again = new TestFrame(L"MovedFrameWnd");
  ASSERT_TRUE(again->LoadFrame(L"moved again"));
  again->ShowFrame();
  Pump();
  EXPECT_EQ(again->GetRect(), left);
  EXPECT_EQ(again->GetPlacement().showCmd, common::kShowNormal);

  // Frames of another name keep their own place.
  auto* other = new TestFrame(L"OtherFrameWnd");
  ASSERT_TRUE(other->LoadFrame(L"other"));
  EXPECT_NE(other->GetRect(), left);
  CloseAndWait(other);
  CloseAndWait(again);
}

TEST(BaseFrameWnd, IsNeverSmallerThan320By320) {
  auto* frame = new TestFrame(L"SmallFrameWnd");
  ASSERT_TRUE(frame->LoadFrame(L"small"));
  frame->ShowFrame();
  EXPECT_EQ(frame->GetMinSize(), wxSize(320, 320));
  frame->SetSize(wxSize(100, 150));
  Pump();
  EXPECT_GE(frame->GetSize().x, 320);
  EXPECT_GE(frame->GetSize().y, 320);
  CloseAndWait(frame);

  // A stored placement smaller than that opens at the minimum.
  common::WindowPlacement tiny;
  tiny.left = 50;
  tiny.top = 60;
  tiny.right = 150;
  tiny.bottom = 100;
  tiny.Save(common::kDesignerWinPosKey, L"TinyFrameWnd");
  auto* restored = new TestFrame(L"TinyFrameWnd");
  ASSERT_TRUE(restored->LoadFrame(L"tiny"));
  EXPECT_EQ(restored->GetRect(), wxRect(50, 60, 320, 320));
  CloseAndWait(restored);
}

TEST(BaseFrameWnd, KeepsItsBarsHiddenWhenABarStateKeyIsSet) {
  const std::wstring profile = L"Software\\Corvane\\Designer";
  auto* frame = new TestFrame(L"BarsFrameWnd");
  frame->SetBarStateKey(profile);
  ASSERT_TRUE(frame->LoadFrame(L"bars"));
  ASSERT_TRUE(frame->GetStatusBar());
  frame->GetStatusBar()->Hide();
  CloseAndWait(frame);
  uint32_t shown = 7;
  EXPECT_EQ(RegReadDword(profile + L"\\BarsFrameWnd_Bar", L"StatusBar", &shown), kRegSuccess);
  EXPECT_EQ(shown, 0u);

  auto* again = new TestFrame(L"BarsFrameWnd");
  again->SetBarStateKey(profile);
  ASSERT_TRUE(again->LoadFrame(L"bars again"));
  EXPECT_FALSE(again->GetStatusBar()->IsShown());
  CloseAndWait(again);
}

}  // namespace
