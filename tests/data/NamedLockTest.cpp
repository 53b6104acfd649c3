#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "data/NamedLock.h"

namespace {

using namespace std::chrono_literals;

TEST(NamedLock, WaitOnANameNeverTakenReturnsZero) {
  EXPECT_EQ(WaitForNamedLock(L"never taken", 5), 0);
  EXPECT_EQ(WaitForNamedLock(L"never taken", -1), 0);
}

TEST(NamedLock, WaitOnAReleasedNameReturnsOneAtOnce) {
  { NamedLock lock(L"released"); }
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(WaitForNamedLock(L"released", 5), 1);
  EXPECT_EQ(WaitForNamedLock(L"released", -1), 1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

TEST(NamedLock, WaitOnANameThatStaysTakenTimesOutWithTwo) {
  ASSERT_TRUE(TakeNamedLock(L"held"));
  EXPECT_EQ(WaitForNamedLock(L"held", 0), 2);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(WaitForNamedLock(L"held", 1), 2);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 900ms);
}

TEST(NamedLock, GuardEntersOnlyOnceTheHolderReleases) {
  auto holder = std::make_unique<NamedLock>(L"guarded");
  std::atomic<bool> entered{false};
  std::thread other([&] {
    NamedLock lock(L"guarded");
    entered = true;
  });
  EXPECT_EQ(WaitForNamedLock(L"guarded", 0), 2);
  std::this_thread::sleep_for(100ms);
  EXPECT_FALSE(entered);
  holder.reset();
  other.join();
  EXPECT_TRUE(entered);
  EXPECT_EQ(WaitForNamedLock(L"guarded", 0), 1);
}

TEST(NamedLock, WaiterWakesWhenTheNameIsReleased) {
  auto holder = std::make_unique<NamedLock>(L"wake");
  auto result = std::async(std::launch::async, [] { return WaitForNamedLock(L"wake", 30); });
  std::this_thread::sleep_for(50ms);
  holder.reset();
  EXPECT_EQ(result.get(), 1);
}

TEST(NamedLock, GuardsKeepCountsExactAcrossThreads) {
  int counter = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 500; ++i) {
        NamedLock lock(L"counter");
        ++counter;
      }
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(counter, 2000);
}

TEST(NamedLock, TableKeepsEveryNameUntilExit) {
  { NamedLock lock(L"kept entry"); }
  auto& table = GetNamedLockTable();
  std::lock_guard lock(table.mutex);
  ASSERT_EQ(table.entries.count(L"kept entry"), 1u);
  EXPECT_EQ(table.entries.at(L"kept entry").state, 1);
}

}  // namespace
