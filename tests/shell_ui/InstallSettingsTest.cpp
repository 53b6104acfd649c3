#include "shell/ui/InstallSettings.h"

#include <gtest/gtest.h>

#include "common/RegistryHelpers.h"

TEST(InstallSettingsTest, FsFlagIsSetOnlyWhenStoredAndNotZero) {
  EXPECT_FALSE(IsFsFlagSet());  // missing
  RegWriteDword(kSettingsKey, L"FS", 1);
  EXPECT_TRUE(IsFsFlagSet());
  ClearFsFlag();
  EXPECT_FALSE(IsFsFlagSet());
  uint32_t stored = 7;
  EXPECT_EQ(RegReadDword(kSettingsKey, L"FS", &stored), kRegSuccess);
  EXPECT_EQ(stored, 0u);
}

TEST(InstallSettingsTest, InstallPathIsEmptyWhenMissing) {
  EXPECT_EQ(ReadInstallPath(), L"");
  RegWriteString(kSettingsKey, L"InstallPath", L"/opt/Corvane/");
  EXPECT_EQ(ReadInstallPath(), L"/opt/Corvane/");
}
