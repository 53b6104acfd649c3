#include "data/NamedLock.h"

#include <chrono>

namespace {

// Entries are never removed, so an event found under the table's mutex stays
// valid after the mutex is let go.
platform::ManualResetEvent* FindEvent(NamedLockTable& table, const std::wstring& name) {
  auto it = table.entries.find(name);
  return it == table.entries.end() ? nullptr : it->second.event.get();
}

NamedLockEntry& EntryFor(NamedLockTable& table, const std::wstring& name) {
  auto [it, inserted] = table.entries.try_emplace(name);
  if (inserted) it->second.event = std::make_unique<platform::ManualResetEvent>(false);
  return it->second;
}

}  // namespace

NamedLockTable& GetNamedLockTable() {
  // Kept until the process ends: object handles released by other static
  // destructors still take their lock.
  static NamedLockTable* table = new NamedLockTable;
  return *table;
}

int WaitForNamedLock(const std::wstring& name, int seconds) {
  auto& table = GetNamedLockTable();
  platform::ManualResetEvent* event;
  {
    std::lock_guard lock(table.mutex);
    event = FindEvent(table, name);
  }
  if (!event) return 0;
  const bool signalled = seconds < 0 ? event->Wait() : event->Wait(std::chrono::seconds(seconds));
  return signalled ? 1 : 2;
}

bool TakeNamedLock(const std::wstring& name) {
  auto& table = GetNamedLockTable();
  std::lock_guard lock(table.mutex);
  NamedLockEntry& entry = EntryFor(table, name);
  entry.state = 2;
  entry.event->Reset();
  return true;
}

NamedLock::NamedLock(const std::wstring& name) {
  auto& table = GetNamedLockTable();
  std::unique_lock lock(table.mutex);
  for (;;) {
    auto it = table.entries.find(name);
    if (it == table.entries.end() || it->second.event->IsSet()) {
      m_entry = it == table.entries.end() ? &EntryFor(table, name) : &it->second;
      m_entry->state = 2;
      m_entry->event->Reset();
      return;
    }
    platform::ManualResetEvent* event = it->second.event.get();
    lock.unlock();
    event->Wait();
    lock.lock();
  }
}

NamedLock::~NamedLock() {
  auto& table = GetNamedLockTable();
  std::lock_guard lock(table.mutex);
  m_entry->state = 1;
  m_entry->event->Set();
}
