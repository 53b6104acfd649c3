#include "designer/DesignerSettings.h"

#include <gtest/gtest.h>

#include <thread>

#include "common/RegistryHelpers.h"
#include "platform/RegistryStore.h"

using designer::DesignerSettings;

// Each test uses a profile key of its own in the process's throwaway store.

TEST(DesignerSettingsTest, AnEmptyProfileGivesTheDefaults) {
  const DesignerSettings s = DesignerSettings::Load(96, L"Software\\Test\\Empty");
  EXPECT_EQ(s.restraint, 0);
  EXPECT_EQ(s.left + s.right + s.top + s.bottom, 0);
  EXPECT_EQ(s.width, -1) << "the paper then comes from the printer";
  EXPECT_EQ(s.height, -1);
  EXPECT_EQ(s.colorBg, 0xFFFFFFu);
  EXPECT_EQ(s.colorGrid, 0xDEDEDEu);
  EXPECT_EQ(s.colorMargin, 0xFF0000u);
  EXPECT_FALSE(s.margin || s.grid || s.snap);
  EXPECT_DOUBLE_EQ(s.Zoom(), 1.0);
  EXPECT_DOUBLE_EQ(s.ZoomStep(), 0.01);
  EXPECT_EQ(s.units, 0);
  EXPECT_EQ(s.gridSize, 16);
  EXPECT_EQ(DesignerSettings::Load(120, L"Software\\Test\\Empty").gridSize, 20);
}

TEST(DesignerSettingsTest, SavedSettingsReadBackUnderTheApplicationSection) {
  DesignerSettings s;
  s.restraint = 2;
  s.left = 10, s.right = 11, s.top = 12, s.bottom = 13;
  s.width = 816, s.height = 1056;
  s.colorBg = 0x00FFEE, s.colorGrid = 0x123456, s.colorMargin = 0x0000FF;
  s.margin = true, s.snap = true;
  s.zoomFactor = 10, s.zoomLevel = 150;
  s.units = 2;
  s.gridSize = 8;
  const std::wstring key = L"Software\\Test\\RoundTrip";
  s.Save(key);
  EXPECT_EQ(DesignerSettings::Load(96, key), s);
  uint32_t stored = 0;
  ASSERT_EQ(RegReadDword(key + L"\\Application", L"ZoomLevel", &stored), kRegSuccess);
  EXPECT_EQ(stored, 150u);

  s.width = -1;  // back to "from the printer"
  s.Save(key);
  EXPECT_EQ(DesignerSettings::Load(96, key).width, -1);
}

TEST(DesignerSettingsTest, AStoredZoomOutsideTheLimitsIsHeldWithinThem) {
  const std::wstring key = L"Software\\Test\\Zoom";
  struct Case {
    uint32_t stored;
    uint32_t loaded;
  } cases[] = {{400, 400}, {500, 500}, {0, 5}, {1, 5}, {501, 500}, {0xFFFFFFFFu, 500}};
  for (const Case& c : cases) {
    RegWriteDword(key + L"\\Application", L"ZoomLevel", c.stored);
    EXPECT_EQ(DesignerSettings::Load(96, key).zoomLevel, c.loaded) << c.stored;
  }
}

TEST(DesignerSettingsTest, DamagedSizesAreHeldWithinTheirBoundsOnLoading) {
  const std::wstring key = L"Software\\Test\\Damaged";
  const std::wstring section = key + L"\\Application";
  struct Case {
    const wchar_t* name;
    uint32_t stored;
    int32_t DesignerSettings::*field;
    int32_t loaded;
  } cases[] = {
      {L"Width", 0x7FFFFFFFu, &DesignerSettings::width, 1000000},
      {L"Height", 0u, &DesignerSettings::height, 1},
      {L"GridSize", 0u, &DesignerSettings::gridSize, 1},
      {L"GridSize", 0xFFFFFFF0u, &DesignerSettings::gridSize, 1},
      {L"GridSize", 5000000u, &DesignerSettings::gridSize, 1000},
      {L"Left", 0xFFFFFFFFu, &DesignerSettings::left, 0},
      {L"Bottom", 0x7FFFFFFFu, &DesignerSettings::bottom, 1000000},
      {L"Restraint", 9u, &DesignerSettings::restraint, 2},
      {L"Units", 0xFFFFFFFFu, &DesignerSettings::units, 0},
  };
  for (const Case& c : cases) {
    DesignerSettings sound;
    sound.width = 816, sound.height = 1056;
    sound.Save(key);
    RegWriteDword(section, c.name, c.stored);
    EXPECT_EQ(DesignerSettings::Load(96, key).*c.field, c.loaded) << c.name << " " << c.stored;
  }
  // A stored paper of one side alone takes both from the printer.
  RegWriteDword(section, L"Width", static_cast<uint32_t>(-1));
  RegWriteDword(section, L"Height", 1056u);
  EXPECT_EQ(DesignerSettings::Load(96, key).height, -1);
  RegWriteDword(section, L"ZoomFactor", 0u);
  EXPECT_EQ(DesignerSettings::Load(96, key).zoomFactor, 1u);
}

TEST(DesignerSettingsTest, TheDesignerAndTheMainProgramWritingAtOnceKeepEachOthersValues) {
  // The main program, as a second store on the same file, writes its values
  // while the designer saves its settings over and over.
  platform::RegistryStore mainProgram(platform::RegistryStore::User().Path());
  const std::wstring mainKey = L"Software\\Corvane\\Settings";
  constexpr uint32_t kRounds = 40;
  std::thread mainThread([&] {
    for (uint32_t i = 0; i < kRounds; ++i)
      mainProgram.SetValue(mainKey, L"Value" + std::to_wstring(i), platform::RegistryValue::Dword(i));
  });
  DesignerSettings s;
  for (uint32_t i = 0; i < kRounds; ++i) {
    s.gridSize = static_cast<int32_t>(i);
    s.Save();
  }
  mainThread.join();

  for (uint32_t i = 0; i < kRounds; ++i) {
    platform::RegistryValue value;
    ASSERT_EQ(mainProgram.GetValue(mainKey, L"Value" + std::to_wstring(i), value), platform::kRegistryOk) << i;
    EXPECT_EQ(value.number, i);
  }
  platform::RegistryValue grid;
  ASSERT_EQ(mainProgram.GetValue(std::wstring(designer::kProfileKey) + L"\\Application", L"GridSize", grid),
            platform::kRegistryOk);
  EXPECT_EQ(grid.number, kRounds - 1);
  EXPECT_EQ(DesignerSettings::Load(96).gridSize, static_cast<int32_t>(kRounds - 1));
}
