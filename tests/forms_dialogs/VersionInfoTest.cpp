#include "forms/dialogs/VersionInfo.h"

#include <gtest/gtest.h>

TEST(VersionInfo, TheDatabaseVersionIsTheProgramsWithThreeDecimals) {
  EXPECT_EQ(VersionInfo::DatabaseVersionText(), L"1.206");
  EXPECT_EQ(VersionInfo::FormatDatabaseVersion(1.2), L"1.200");
}

TEST(VersionInfo, FileVersionsShowTheirFourPartsInPlainDecimals) {
  EXPECT_EQ(VersionInfo::FormatFileVersion(FileVersion{(2u << 16) | 10u, (0u << 16) | 15u}), L"2.10.0.15");
  EXPECT_EQ(VersionInfo::FormatFileVersion(FileVersion{0xFFFFFFFFu, 0x00010002u}), L"65535.65535.1.2");
  EXPECT_EQ(VersionInfo::FormatFileVersion(std::nullopt), L"");
  EXPECT_EQ(VersionInfo::FormatFileVersion(VersionInfo::ProgramFileVersion()), L"1.0.0.8");
}
