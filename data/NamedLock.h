#pragma once

// Process-wide named locks: one manual-reset event per name, created on first
// use and kept until exit. A lock is not re-entrant: taking a name the thread
// already holds waits for ever.

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/ManualResetEvent.h"

struct NamedLockEntry {
  std::unique_ptr<platform::ManualResetEvent> event;  // signalled while released
  int state = 2;                                      // 2 taken, 1 released
};

struct NamedLockTable {
  std::mutex mutex;  // guards the map, never held while waiting
  std::map<std::wstring, NamedLockEntry> entries;
};

// The table, created on first use.
NamedLockTable& GetNamedLockTable();

// 0 when the name has no entry; 2 when the wait (seconds, or without limit
// when negative) ran out while it stayed taken; 1 once it is released.
int WaitForNamedLock(const std::wstring& name, int seconds);

// Creates the name's entry when missing and marks it taken (event reset).
bool TakeNamedLock(const std::wstring& name);

// Scope guard: waits until the name is free and takes it; the destructor
// releases it. Waiting and taking are one step, so two threads never both
// take a name.
class NamedLock {
public:
  explicit NamedLock(const std::wstring& name);
  ~NamedLock();
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;

private:
  NamedLockEntry* m_entry;  // entries stay until exit
};
