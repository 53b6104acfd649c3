#include "designer/bars/SizingBarSizes.h"

#include <gtest/gtest.h>

#include "common/RegistryHelpers.h"

using designer::SizingBarSizes;
using platform::gdi::Size;

// Each test uses a profile key of its own in the process's throwaway store.

TEST(SizingBarSizesTest, WithoutAStoredSectionEverySizeIsTwoHundred) {
  const SizingBarSizes sizes = SizingBarSizes::Load(L"Software\\Test\\Bars1", L"DesignerFrameWnd_Bar", 127);
  EXPECT_EQ(sizes.horz, (Size{200, 200}));
  EXPECT_EQ(sizes.vert, (Size{200, 200}));
  EXPECT_EQ(sizes.floating, (Size{200, 200}));
}

TEST(SizingBarSizesTest, SavedSizesReadBackUnderTheBarsSection) {
  SizingBarSizes sizes;
  sizes.horz = {500, 90};
  sizes.vert = {240, 610};
  sizes.floating = {300, 420};
  sizes.Save(L"Software\\Test\\Bars2", L"DesignerFrameWnd_Bar", 127);
  uint32_t value = 0;
  ASSERT_EQ(RegReadDword(L"Software\\Test\\Bars2\\DesignerFrameWnd_Bar-SCBar-127", L"sizeVertCX", &value),
            kRegSuccess);
  EXPECT_EQ(value, 240u);
  EXPECT_EQ(SizingBarSizes::Load(L"Software\\Test\\Bars2", L"DesignerFrameWnd_Bar", 127), sizes);
  EXPECT_EQ(SizingBarSizes::Load(L"Software\\Test\\Bars2", L"DesignerFrameWnd_Bar", 128).vert, (Size{200, 200}))
      << "another bar's section";
}

TEST(SizingBarSizesTest, StoredSizesBelowTheMinimumsAreRaised) {
  const std::wstring key = L"Software\\Test\\Bars3\\P-SCBar-1";
  RegWriteDword(key, L"sizeHorzCX", 10);
  RegWriteDword(key, L"sizeHorzCY", 0);
  RegWriteDword(key, L"sizeFloatCX", 20);
  RegWriteDword(key, L"sizeFloatCY", 5);
  const SizingBarSizes sizes = SizingBarSizes::Load(L"Software\\Test\\Bars3", L"P", 1);
  EXPECT_EQ(sizes.horz, (Size{33, 32}));
  EXPECT_EQ(sizes.floating, (Size{37, 32})) << "a floating bar is never narrower than 37";
}
