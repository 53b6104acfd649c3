#include "designer/SkinLibrary.h"

#include <gtest/gtest.h>

#include "designer/DesignerMessages.h"
#include "platform/WindowMessages.h"

using designer::SkinLibrary;

TEST(SkinLibraryTest, WithoutTheLibraryEveryCallIsSkipped) {
  SkinLibrary& skin = designer::Skin();  // "AppFace.dll" is not here
  EXPECT_FALSE(skin.IsLoaded());
  EXPECT_FALSE(skin.HasModule());
  EXPECT_EQ(skin.BkCreate(), nullptr);
  skin.SkinWindowSet(nullptr);
  skin.BkDelete(reinterpret_cast<void*>(1));
  EXPECT_EQ(skin.Unload(), 0) << "nothing to free";
}

TEST(SkinLibraryTest, ALibraryWithoutTheEntryPointsStaysLoadedButUnbound) {
  SkinLibrary skin;
  EXPECT_EQ(skin.Load(L"libm.so.6"), 0);
  EXPECT_TRUE(skin.HasModule());
  EXPECT_FALSE(skin.IsLoaded());
  EXPECT_EQ(skin.skinStart, nullptr);
  EXPECT_EQ(skin.BkCreate(), nullptr);
  EXPECT_EQ(skin.Unload(), 1);
  EXPECT_FALSE(skin.HasModule());
  EXPECT_EQ(skin.Load(L"no-such-skin-library.so"), 0);
}

TEST(SkinLibraryTest, TheMessagesAreRegisteredByName) {
  using namespace designer;
  const unsigned ids[] = {WM_CORVANE_START_DRAWING, WM_REPORT_EDITOR_MEASUREMENT, WM_REPORT_EDITOR_HSCROLL,
                          WM_REPORT_EDITOR_VSCROLL, WM_REPORT_EDITOR_ZOOM, WM_REPORT_EDITOR_MOUSE};
  for (unsigned id : ids) EXPECT_GE(id, 0xC000u);
  EXPECT_EQ(platform::RegisterWindowMessage(L"REPORT_EDITOR_ZOOM"), WM_REPORT_EDITOR_ZOOM);
  EXPECT_EQ(platform::RegisterWindowMessage(L"CorvaneStartDrawing"), WM_CORVANE_START_DRAWING);
  EXPECT_NE(WM_REPORT_EDITOR_HSCROLL, WM_REPORT_EDITOR_VSCROLL);
}
