#include "platform/RegistryStore.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

#include "TestEnvironment.h"

using namespace platform;

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::filesystem::path> DamagedCopies(const std::filesystem::path& dir) {
  std::vector<std::filesystem::path> found;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    if (entry.path().filename().string().find(".damaged-") != std::string::npos)
      found.push_back(entry.path());
  return found;
}

void WriteMany(const std::filesystem::path& file, const std::wstring& prefix, int count) {
  RegistryStore store(file);
  for (int i = 0; i < count; ++i)
    ASSERT_EQ(
        store.SetValue(L"Software\\Corvane\\Race", prefix + std::to_wstring(i), RegistryValue::Dword(i)),
        kRegistryOk);
}

}  // namespace

class RegistryStoreTest : public ::testing::Test {
protected:
  corvane::test::TempDir m_dir;
  std::filesystem::path m_file = m_dir / "registry.txt";
};

TEST_F(RegistryStoreTest, ValuesOfEveryTypeSurviveANewStoreOnTheFile) {
  const std::wstring text = L"tab\there\nline 100% \u0416\U0001F600 [x] \\path";
  {
    RegistryStore store(m_file);
    EXPECT_EQ(store.SetValue(L"Software\\Corvane\\Settings", L"DatabaseFile", RegistryValue::String(text)),
              kRegistryOk);
    EXPECT_EQ(store.SetValue(L"Software\\Corvane\\Settings", L"FS", RegistryValue::Dword(0xFFFFFFFFu)),
              kRegistryOk);
    EXPECT_EQ(
        store.SetValue(L"Software\\Corvane\\WinPos", L"Main", RegistryValue::Binary({0, 1, 0xFF, '\n'})),
        kRegistryOk);
    EXPECT_EQ(store.SetValue(L"Software\\Corvane\\WinPos", L"Empty", RegistryValue::Binary({})), kRegistryOk);
  }
  RegistryStore reopened(m_file);
  RegistryValue value;
  ASSERT_EQ(reopened.GetValue(L"Software\\Corvane\\Settings", L"DatabaseFile", value), kRegistryOk);
  EXPECT_EQ(value, RegistryValue::String(text));
  ASSERT_EQ(reopened.GetValue(L"Software\\Corvane\\Settings", L"FS", value), kRegistryOk);
  EXPECT_EQ(value, RegistryValue::Dword(0xFFFFFFFFu));
  ASSERT_EQ(reopened.GetValue(L"Software\\Corvane\\WinPos", L"Main", value), kRegistryOk);
  EXPECT_EQ(value, RegistryValue::Binary({0, 1, 0xFF, '\n'}));
  ASSERT_EQ(reopened.GetValue(L"Software\\Corvane\\WinPos", L"Empty", value), kRegistryOk);
  EXPECT_EQ(value, RegistryValue::Binary({}));
}

TEST_F(RegistryStoreTest, KeysAndNamesIgnoreCaseAndStraySeparators) {
  RegistryStore store(m_file);
  ASSERT_EQ(store.SetValue(L"Software\\Corvane\\Settings", L"InstallPath", RegistryValue::String(L"/opt")),
            kRegistryOk);
  RegistryValue value;
  EXPECT_EQ(store.GetValue(L"SOFTWARE\\corvane\\settings\\", L"installpath", value), kRegistryOk);
  EXPECT_EQ(value.text, L"/opt");
  EXPECT_EQ(store.GetValue(L"Software\\\\Corvane\\Settings", L"INSTALLPATH", value), kRegistryOk);
  ASSERT_EQ(store.SetValue(L"software\\CORVANE\\Settings", L"INSTALLPATH", RegistryValue::String(L"/usr")),
            kRegistryOk);
  EXPECT_EQ(store.GetValue(L"Software\\Corvane\\Settings", L"InstallPath", value), kRegistryOk);
  EXPECT_EQ(value.text, L"/usr");
  // One key, one value: the name keeps the case it was first written with.
  const std::string file = ReadFile(m_file);
  EXPECT_NE(file.find("[Software\\Corvane\\Settings]"), std::string::npos);
  EXPECT_NE(file.find("\tInstallPath\t/usr"), std::string::npos);
  EXPECT_EQ(file.find("INSTALLPATH"), std::string::npos);
  EXPECT_EQ(RegistryStore::Fold(L"Ab\u0416\u00C9"), L"ab\u0436\u00E9");
}

TEST_F(RegistryStoreTest, MissingKeyIsCreatedAndMissingValueIsNotFound) {
  RegistryStore store(m_file);
  EXPECT_FALSE(store.KeyExists(L"Software\\Corvane\\New"));
  RegistryValue value = RegistryValue::Dword(42);
  EXPECT_EQ(store.GetValue(L"Software\\Corvane\\New", L"X", value), kRegistryNotFound);
  EXPECT_EQ(value, RegistryValue::Dword(42));
  EXPECT_EQ(store.CreateKey(L"Software\\Corvane\\New"), kRegistryOk);
  EXPECT_TRUE(RegistryStore(m_file).KeyExists(L"software\\corvane\\new"));
  EXPECT_EQ(store.GetValue(L"Software\\Corvane\\New", L"X", value), kRegistryNotFound);
  EXPECT_EQ(store.DeleteValue(L"Software\\Corvane\\New", L"X"), kRegistryNotFound);
}

TEST_F(RegistryStoreTest, DeletedValueIsGoneForOtherStores) {
  RegistryStore first(m_file), second(m_file);
  ASSERT_EQ(first.SetValue(L"K", L"V", RegistryValue::Dword(1)), kRegistryOk);
  RegistryValue value;
  ASSERT_EQ(second.GetValue(L"K", L"V", value), kRegistryOk);  // second caches the file now
  ASSERT_EQ(first.DeleteValue(L"K", L"v"), kRegistryOk);
  EXPECT_EQ(second.GetValue(L"K", L"V", value), kRegistryNotFound);
}

TEST_F(RegistryStoreTest, TwoStoresWritingAtOnceLoseNothing) {
  std::thread a(WriteMany, m_file, L"a", 100);
  std::thread b(WriteMany, m_file, L"b", 100);
  a.join();
  b.join();
  RegistryStore check(m_file);
  RegistryValue value;
  for (const wchar_t* prefix : {L"a", L"b"})
    for (int i = 0; i < 100; ++i) {
      ASSERT_EQ(check.GetValue(L"Software\\Corvane\\Race", prefix + std::to_wstring(i), value), kRegistryOk)
          << prefix << i;
      EXPECT_EQ(value.number, uint32_t(i));
    }
}

TEST_F(RegistryStoreTest, TwoProcessesWritingAtOnceLoseNothing) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RegistryStore store(m_file);
    bool ok = true;
    for (int i = 0; i < 100; ++i)
      ok &= store.SetValue(L"Software\\Corvane\\Race", L"child" + std::to_wstring(i),
                           RegistryValue::Dword(i)) == kRegistryOk;
    ::_exit(ok ? 0 : 1);
  }
  WriteMany(m_file, L"parent", 100);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  RegistryStore check(m_file);
  RegistryValue value;
  for (const wchar_t* prefix : {L"child", L"parent"})
    for (int i = 0; i < 100; ++i)
      EXPECT_EQ(check.GetValue(L"Software\\Corvane\\Race", prefix + std::to_wstring(i), value), kRegistryOk)
          << prefix << i;
}

TEST_F(RegistryStoreTest, TempFilesOfAKilledWriterAreRemovedByTheNextWrite) {
  // A writer killed between writing its temp file and renaming it.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::ofstream(m_dir / ("registry.txt.tmp" + std::to_string(::getpid()))) << "CorvaneRegistry 1\n";
    ::raise(SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  const std::filesystem::path stale = m_dir / ("registry.txt.tmp" + std::to_string(child));
  ASSERT_TRUE(std::filesystem::exists(stale));
  const std::filesystem::path other = m_dir / "registry.txt.tmp-notes";  // not a temp file of the store
  std::ofstream(other) << "keep";

  RegistryStore store(m_file);
  ASSERT_EQ(store.SetValue(L"Software\\Corvane", L"Name", RegistryValue::Dword(1)), kRegistryOk);
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(other));
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(m_dir.Path()))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"registry.txt", "registry.txt.lock", "registry.txt.tmp-notes"}));
}

TEST_F(RegistryStoreTest, WhatCanBeReadIsKeptAndADamagedFileIsCopiedAsideOnce) {
  const struct {
    std::string content;
    const wchar_t* good;  // the value "Good" of key K, null when none can be read
    bool setAside;
  } cases[] = {
      {"CorvaneRegistry 1\n[K]\nsz\tGood\tkept\nsz\tS\tcut off", L"kept", false},  // no final line break
      {"\xEF\xBB\xBF" "CorvaneRegistry 1\n[K]\nsz\tGood\tkept\n", L"kept", false},  // a byte-order mark
      {"CorvaneRegistry 1\r\n[K]\r\nsz\tGood\tkept\r\n", L"kept", false},
      {"CorvaneRegistry 1\n[K]\ndword\tN\t12x\nsz\tGood\tkept\n", L"kept", true},
      {"CorvaneRegistry 1\n[K]\nbinary\tB\tabc\nsz\tGood\tkept\n", L"kept", true},
      {"CorvaneRegistry 1\n[K]\nsz\tS\tbad escape %G1\nsz\tGood\tkept\n", L"kept", true},
      {"CorvaneRegistry 1\n[K]\nsz\tS\t\xFF\xFE\nsz\tGood\tkept\n", L"kept", true},
      {"CorvaneRegistry 1\n[K\nsz\tGood\tunder a broken key\n[K]\nsz\tOther\t1\n", nullptr, true},
      {"CorvaneRegistry 1\nsz\tGood\tbefore any key\n", nullptr, true},
      {"not a store\n", nullptr, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    corvane::test::TempDir dir;
    const auto file = dir / "registry.txt";
    std::ofstream(file, std::ios::binary) << c.content;
    RegistryStore store(file);
    RegistryValue value;
    if (c.good) {
      ASSERT_EQ(store.GetValue(L"K", L"Good", value), kRegistryOk);
      EXPECT_EQ(value.text, c.good);
    } else {
      EXPECT_EQ(store.GetValue(L"K", L"Good", value), kRegistryNotFound);
    }
    const auto aside = DamagedCopies(dir.Path());
    const auto reported = store.TakeSetAsideCopies();
    if (c.setAside) {
      ASSERT_EQ(aside.size(), 1u);
      EXPECT_EQ(ReadFile(aside[0]), c.content);
      EXPECT_EQ(reported, aside);
    } else {
      EXPECT_TRUE(aside.empty());
      EXPECT_TRUE(reported.empty());
    }
    // Said once; another store on the file finds nothing more to set aside.
    EXPECT_TRUE(store.TakeSetAsideCopies().empty());
    RegistryStore again(file);
    EXPECT_TRUE(again.TakeSetAsideCopies().empty());
    EXPECT_EQ(DamagedCopies(dir.Path()).size(), aside.size());
    EXPECT_EQ(store.SetValue(L"K", L"S", RegistryValue::String(L"new")), kRegistryOk);
    EXPECT_EQ(RegistryStore(file).GetValue(L"K", L"S", value), kRegistryOk);
    EXPECT_EQ(value.text, L"new");
  }
}

TEST_F(RegistryStoreTest, DamagedFileFoundWhileWritingIsSetAsideToo) {
  RegistryStore store(m_file);
  ASSERT_EQ(store.SetValue(L"K", L"A", RegistryValue::Dword(1)), kRegistryOk);
  std::ofstream(m_file, std::ios::binary) << "CorvaneRegistry 1\n[K]\ndword\tA\t1\ngarbage\n";
  ASSERT_EQ(store.SetValue(L"K", L"B", RegistryValue::Dword(2)), kRegistryOk);
  EXPECT_EQ(DamagedCopies(m_dir.Path()).size(), 1u);
  EXPECT_EQ(store.TakeSetAsideCopies().size(), 1u);
  RegistryValue value;
  EXPECT_EQ(store.GetValue(L"K", L"A", value), kRegistryOk);  // read from the damaged file
  EXPECT_EQ(store.GetValue(L"K", L"B", value), kRegistryOk);
  EXPECT_EQ(ReadFile(m_file).find("garbage"), std::string::npos);
}

TEST_F(RegistryStoreTest, UnreadableFileIsNeitherOverwrittenNorSetAside) {
  // A folder where the file should be: it opens but cannot be read.
  std::filesystem::create_directory(m_file);
  std::ofstream(m_file / "keep") << "x";
  RegistryStore store(m_file);
  RegistryValue value;
  EXPECT_EQ(store.GetValue(L"K", L"A", value), kRegistryNotFound);
  EXPECT_EQ(store.SetValue(L"K", L"A", RegistryValue::Dword(1)), kRegistryAccessDenied);
  EXPECT_TRUE(std::filesystem::exists(m_file / "keep"));
  EXPECT_TRUE(DamagedCopies(m_dir.Path()).empty());
}

TEST_F(RegistryStoreTest, RawBytesAreWhatTheRegistryReturns) {
  EXPECT_EQ(RegistryValue::String(L"A\u0416").RawBytes(), (std::vector<uint8_t>{0x41, 0, 0x16, 0x04, 0, 0}));
  EXPECT_EQ(RegistryValue::String(L"").RawBytes(), (std::vector<uint8_t>{0, 0}));
  EXPECT_EQ(RegistryValue::Dword(0x01020304).RawBytes(), (std::vector<uint8_t>{4, 3, 2, 1}));
  EXPECT_EQ(RegistryValue::Binary({9, 8}).RawBytes(), (std::vector<uint8_t>{9, 8}));
}

TEST_F(RegistryStoreTest, UserStoreLivesUnderTheConfigFolder) {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  ASSERT_NE(config, nullptr);
  EXPECT_EQ(RegistryStore::UserStorePath(), std::filesystem::path(config) / "Corvane" / "registry.txt");
}
