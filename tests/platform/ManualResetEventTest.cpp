#include "platform/ManualResetEvent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace platform;
using namespace std::chrono_literals;

TEST(ManualResetEventTest, SetWakesEveryWaiterAndStaysSet) {
  ManualResetEvent event;
  std::atomic<int> woken{0};
  std::vector<std::thread> waiters;
  for (int i = 0; i < 4; ++i)
    waiters.emplace_back([&] {
      if (event.Wait()) ++woken;
    });
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(woken, 0);
  event.Set();
  for (auto& waiter : waiters) waiter.join();
  EXPECT_EQ(woken, 4);
  EXPECT_TRUE(event.IsSet());
  EXPECT_TRUE(event.Wait(0ms));  // manual reset: later waits pass at once
}

TEST(ManualResetEventTest, WaitWithTimeoutReturnsFalseWhenNotSet) {
  ManualResetEvent event;
  EXPECT_FALSE(event.Wait(10ms));
  event.Set();
  event.Reset();
  EXPECT_FALSE(event.IsSet());
  EXPECT_FALSE(event.Wait(1ms));
  EXPECT_TRUE(ManualResetEvent(true).Wait(0ms));
}
