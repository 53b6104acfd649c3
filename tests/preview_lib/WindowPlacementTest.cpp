#include "common/WindowPlacement.h"

#include <gtest/gtest.h>

#include "common/RegistryHelpers.h"

using common::WindowPlacement;

namespace {

WindowPlacement Sample() {
  WindowPlacement placement;
  placement.showCmd = common::kShowMaximized;
  placement.left = -20;  // a frame partly off the left edge
  placement.top = 40;
  placement.right = 780;
  placement.bottom = 640;
  return placement;
}

TEST(WindowPlacement, IsElevenLittleEndianIntegersInTheRecordOrder) {
  const std::string bytes = Sample().ToBytes();
  ASSERT_EQ(bytes.size(), 44u);
  auto at = [&](size_t index) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= uint32_t{static_cast<unsigned char>(bytes[4 * index + i])} << (8 * i);
    return static_cast<int32_t>(bits);
  };
  EXPECT_EQ(at(0), 44);  // length
  EXPECT_EQ(at(2), common::kShowMaximized);
  EXPECT_EQ(at(7), -20);
  EXPECT_EQ(at(8), 40);
  EXPECT_EQ(at(9), 780);
  EXPECT_EQ(at(10), 640);
  EXPECT_EQ(WindowPlacement::FromBytes(bytes), Sample());
}

TEST(WindowPlacement, RefusesValuesThatAreNoPlacement) {
  WindowPlacement empty = Sample();
  empty.right = empty.left;
  WindowPlacement upsideDown = Sample();
  upsideDown.bottom = upsideDown.top - 10;
  const std::string cases[] = {
      "", Sample().ToBytes().substr(0, 43), Sample().ToBytes() + "x", empty.ToBytes(), upsideDown.ToBytes(),
  };
  for (const std::string& bytes : cases) {
    EXPECT_FALSE(WindowPlacement::FromBytes(bytes)) << bytes.size() << " bytes";
  }
}

TEST(WindowPlacement, IsStoredAsABinaryValueNamedAfterTheFrame) {
  Sample().Save(common::kWinPosKey, L"PlacementTestFrame");
  const std::optional<std::string> stored =
      RegReadBinary(L"Software\\Corvane\\WinPos", L"PlacementTestFrame");
  ASSERT_TRUE(stored);
  EXPECT_EQ(*stored, Sample().ToBytes());
  EXPECT_EQ(WindowPlacement::Load(common::kWinPosKey, L"PlacementTestFrame"), Sample());
  // Each program keeps its own frames.
  EXPECT_FALSE(WindowPlacement::Load(common::kDesignerWinPosKey, L"PlacementTestFrame"));
  EXPECT_FALSE(WindowPlacement::Load(common::kWinPosKey, L"NeverSavedFrame"));
}

TEST(WindowPlacement, ADamagedStoredValueReadsAsNone) {
  RegWriteBinary(common::kWinPosKey, L"DamagedFrame", "\x01\x02\x03", 3);
  EXPECT_FALSE(WindowPlacement::Load(common::kWinPosKey, L"DamagedFrame"));
  RegWriteString(common::kWinPosKey, L"TextFrame", L"not a placement");
  EXPECT_FALSE(WindowPlacement::Load(common::kWinPosKey, L"TextFrame"));
}

TEST(WindowPlacement, AFrameWithoutANameKeepsNothing) {
  Sample().Save(common::kWinPosKey, L"");
  EXPECT_FALSE(RegReadBinary(common::kWinPosKey, L""));
  EXPECT_FALSE(WindowPlacement::Load(common::kWinPosKey, L""));
}

}  // namespace
