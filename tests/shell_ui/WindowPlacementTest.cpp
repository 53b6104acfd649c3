#include "shell/ui/WindowPlacement.h"

#include <gtest/gtest.h>

#include "common/RegistryHelpers.h"

TEST(WindowPlacementTest, IsFortyFourLittleEndianBytes) {
  WindowPlacement p;
  p.showCmd = SW_SHOWMAXIMIZED;
  p.left = 10;
  p.top = -20;
  p.right = 810;
  p.bottom = 580;
  std::string bytes = p.ToBytes();
  ASSERT_EQ(bytes.size(), 44u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 44);  // the length field first
  EXPECT_EQ(static_cast<unsigned char>(bytes[8]), 3);   // showCmd third
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 10);
  EXPECT_EQ(static_cast<unsigned char>(bytes[32]), 0xEC);  // -20
  EXPECT_EQ(static_cast<unsigned char>(bytes[35]), 0xFF);
  EXPECT_EQ(WindowPlacement::FromBytes(bytes), p);
}

TEST(WindowPlacementTest, RejectsWhatIsNotOnePlacement) {
  WindowPlacement p;
  p.right = 400;
  p.bottom = 300;
  std::string bytes = p.ToBytes();
  EXPECT_FALSE(WindowPlacement::FromBytes(bytes.substr(0, 43)));
  EXPECT_FALSE(WindowPlacement::FromBytes(bytes + "x"));
  EXPECT_FALSE(WindowPlacement::FromBytes(""));
  WindowPlacement empty;  // a zero rectangle would make a window of no size
  EXPECT_FALSE(WindowPlacement::FromBytes(empty.ToBytes()));
}

TEST(WindowPlacementTest, KeptPerFrameNameUnderWinPos) {
  WindowPlacement p;
  p.left = 100;
  p.top = 120;
  p.right = 900;
  p.bottom = 700;
  p.Save(kWinPosKey, L"ItemFrameWnd");
  EXPECT_EQ(WindowPlacement::Load(kWinPosKey, L"ItemFrameWnd"), p);
  EXPECT_FALSE(WindowPlacement::Load(kWinPosKey, L"CompanyFrameWnd"));
  auto raw = RegReadBinary(L"Software\\Corvane\\WinPos", L"ItemFrameWnd");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->size(), 44u);

  // Two frames of one kind share the value: the last one saved wins.
  p.left = 5;
  p.Save(kWinPosKey, L"ItemFrameWnd");
  EXPECT_EQ(WindowPlacement::Load(kWinPosKey, L"ItemFrameWnd")->left, 5);
}
