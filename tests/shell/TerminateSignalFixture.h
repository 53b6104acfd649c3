#pragma once

// The main program run as a process of its own on the test's display, with a
// schema database and a config store of its own; after a signal, whether it
// ended as File > Exit does.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "ProgramProcess.h"
#include "data/Connection.h"
#include "data/DatabaseVersion.h"
#include "platform/RegistryStore.h"
#include "platform/TextCodec.h"
#include "tests/shell/ShellFixtures.h"

namespace corvane::test {

namespace fs = std::filesystem;

inline const std::wstring kSettings = L"Software\\Corvane\\Settings";

class TerminateSignalGuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_database = m_dir.Path() / "corvane.fdb";
    MakeSchemaDatabase(m_database);
    platform::RegistryStore store(StoreFile());
    ASSERT_EQ(store.SetValue(kSettings, L"DatabaseFile",
                             platform::RegistryValue::String(platform::WideFromPath(m_database))),
              platform::kRegistryOk);
  }

  fs::path StoreFile() const { return m_dir.Path() / "config" / "Corvane" / "registry.txt"; }

  // The program on the test's display with a config store of its own.
  pid_t Launch() {
    m_program = std::make_unique<ProgramProcess>(
        CORVANE_PROGRAM, std::vector<std::string>{},
        std::vector<std::string>{"XDG_CONFIG_HOME=" + (m_dir.Path() / "config").string()});
    return m_program->Pid();
  }

  // Ended by itself with exit code 0 within a minute (a program that stays,
  // or dies of the signal, has not ended as File > Exit does), leaving the
  // stored path and a database that opens as before, at the version it had.
  void ExpectEndedAsExitDoes(int version = kDatabaseVersionCurrent) {
    const std::optional<int> status = m_program->WaitForExit(std::chrono::seconds(60));
    if (!status) {
      // Where it stands, for whoever reads the failure (when gdb is there).
      const std::string command = "gdb -p " + std::to_string(m_program->Pid()) +
                                  " -batch -ex 'thread apply all bt' 2>&1 | grep -E '^(#|Thread)' >&2";
      (void)std::system(command.c_str());
    }
    ASSERT_TRUE(status) << "the program did not end";
    ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << (WIFSIGNALED(*status) ? WTERMSIG(*status) : 0);
    EXPECT_EQ(WEXITSTATUS(*status), 0);
    platform::RegistryStore store(StoreFile());
    platform::RegistryValue stored;
    ASSERT_EQ(store.GetValue(kSettings, L"DatabaseFile", stored), platform::kRegistryOk);
    EXPECT_EQ(stored.text, platform::WideFromPath(m_database));
    ConnectDatabaseFile(m_database.string());
    EXPECT_EQ(CheckDatabaseVersion(), version);
    DisconnectDatabase();
  }

  TempDir m_dir;
  fs::path m_database;
  std::unique_ptr<ProgramProcess> m_program;
};

}  // namespace corvane::test
