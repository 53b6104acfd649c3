#include "data/ObjectHandleTable.h"

#include "data/NamedLock.h"

namespace {

const std::wstring kLockName = L"lock_crvn_trans_ids";

}  // namespace

ObjectHandleTable& ObjectHandleTable::Instance() {
  // Kept until the process ends, so that handles held by static objects can
  // still be released during exit. The lock table is made first for the same reason.
  GetNamedLockTable();
  static ObjectHandleTable* table = new ObjectHandleTable;
  return *table;
}

int ObjectHandleTable::Create(int id) {
  return Create(id, id);
}

int ObjectHandleTable::Create(int savedId, int currentId) {
  NamedLock lock(kLockName);
  const int handle = ++m_counter;
  m_entries.emplace_hint(m_entries.end(), handle, ObjectHandleEntry{savedId, currentId, 0});
  return handle;
}

int ObjectHandleTable::CreateReferenced(int id) {
  NamedLock lock(kLockName);
  const int handle = ++m_counter;
  m_entries.emplace_hint(m_entries.end(), handle, ObjectHandleEntry{id, id, 1});
  return handle;
}

int ObjectHandleTable::AddRef(int handle) {
  NamedLock lock(kLockName);
  auto it = m_entries.find(handle);
  return it == m_entries.end() ? 0 : ++it->second.refCount;
}

int ObjectHandleTable::Release(int handle) {
  NamedLock lock(kLockName);
  auto it = m_entries.find(handle);
  return it == m_entries.end() ? 0 : --it->second.refCount;
}

void ObjectHandleTable::Erase(int handle) {
  NamedLock lock(kLockName);
  m_entries.erase(handle);
}

int ObjectHandleTable::ReleaseAndErase(int handle) {
  NamedLock lock(kLockName);
  auto it = m_entries.find(handle);
  if (it == m_entries.end()) return 0;
  const int count = --it->second.refCount;
  if (count == 0) m_entries.erase(it);
  return count;
}

int ObjectHandleTable::GetId(int handle) {
  NamedLock lock(kLockName);
  auto it = m_entries.find(handle);
  return it == m_entries.end() ? 0 : it->second.currentId;
}

void ObjectHandleTable::SetId(int handle, int id) {
  NamedLock lock(kLockName);
  auto it = m_entries.find(handle);
  if (it != m_entries.end()) it->second.currentId = id;
}

void ObjectHandleTable::CommitAll() {
  NamedLock lock(kLockName);
  for (auto& [handle, entry] : m_entries) entry.savedId = entry.currentId;
}

void ObjectHandleTable::RevertAll() {
  NamedLock lock(kLockName);
  for (auto& [handle, entry] : m_entries) entry.currentId = entry.savedId;
}

std::optional<ObjectHandleEntry> ObjectHandleTable::Find(int handle) {
  NamedLock lock(kLockName);
  auto it = m_entries.find(handle);
  if (it == m_entries.end()) return std::nullopt;
  return it->second;
}

size_t ObjectHandleTable::Size() {
  NamedLock lock(kLockName);
  return m_entries.size();
}

int CreateObjectHandle(int id) {
  return ObjectHandleTable::Instance().Create(id);
}

void CommitObjectIds() {
  ObjectHandleTable::Instance().CommitAll();
}

void RevertObjectIds() {
  ObjectHandleTable::Instance().RevertAll();
}
