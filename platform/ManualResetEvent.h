#pragma once

// A manual-reset event: once set it stays signalled, waking every waiter,
// until it is reset.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace platform {

class ManualResetEvent {
public:
  explicit ManualResetEvent(bool signalled = false) : m_signalled(signalled) {}

  void Set() {
    {
      std::lock_guard lock(m_mutex);
      m_signalled = true;
    }
    m_changed.notify_all();
  }

  void Reset() {
    std::lock_guard lock(m_mutex);
    m_signalled = false;
  }

  bool IsSet() const {
    std::lock_guard lock(m_mutex);
    return m_signalled;
  }

  // Waits until signalled; with a timeout, returns false when it ran out.
  bool Wait(std::optional<std::chrono::milliseconds> timeout = std::nullopt) {
    std::unique_lock lock(m_mutex);
    if (!timeout) {
      m_changed.wait(lock, [this] { return m_signalled; });
      return true;
    }
    return m_changed.wait_for(lock, *timeout, [this] { return m_signalled; });
  }

private:
  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_signalled;
};

}  // namespace platform
