#include "data/ChangeSet.h"

namespace {

int g_lastTemporaryId = 0;

}  // namespace

int ChangeSet::NextTemporaryId() {
  return --g_lastTemporaryId;
}

void ChangeSet::Add(const Invoice::Object& object) {
  const int id = object.GetObjectId();
  if (m_entries.count(id) != 0) return;
  m_entries.emplace(id, Entry{kUnchanged, object.Clone()});
}

void ChangeSet::Update(Invoice::Object& object) {
  int id = object.GetObjectId();
  if (id == 0) {
    id = NextTemporaryId();
    object.ResetObjectId(id);
  }
  // The copy gets an id entry of its own: saving it must not renumber the
  // caller's object behind its back.
  std::unique_ptr<Invoice::Object> copy = object.Clone();
  copy->ResetObjectId(id);
  Entry& entry = m_entries[id];
  entry.state = kUpdated;
  entry.copy = std::move(copy);
}

void ChangeSet::UpdateAll(const std::vector<Invoice::Object*>& objects) {
  // Every copy is made before anything changes; only Clone can fail (it
  // reads the OBJECTS row again).
  std::vector<int> ids;
  std::vector<std::unique_ptr<Invoice::Object>> copies;
  for (Invoice::Object* object : objects) {
    copies.push_back(object->Clone());
    ids.push_back(object->GetObjectId());
  }
  for (size_t i = 0; i < objects.size(); ++i) {
    if (ids[i] == 0) {
      ids[i] = NextTemporaryId();
      objects[i]->ResetObjectId(ids[i]);
    }
    copies[i]->ResetObjectId(ids[i]);
    Entry& entry = m_entries[ids[i]];
    entry.state = kUpdated;
    entry.copy = std::move(copies[i]);
  }
}

void ChangeSet::Remove(const Invoice::Object& object) {
  const int id = object.GetObjectId();
  const auto found = m_entries.find(id);
  if (id == 0 || found == m_entries.end()) return;
  if (id > 0)
    found->second.state = kDeleted;
  else
    m_entries.erase(found);
}

Invoice::Object* ChangeSet::Find(int id) const {
  const auto found = m_entries.find(id);
  return found == m_entries.end() ? nullptr : ObjectAt(found);
}

Invoice::Object* ChangeSet::ObjectAt(const_iterator position) const {
  if (position == m_entries.end() || position->second.state == kDeleted) return nullptr;
  return position->second.copy.get();
}

ChangeSet::State ChangeSet::GetState(int id) const {
  const auto found = m_entries.find(id);
  return found == m_entries.end() ? kUnchanged : found->second.state;
}

void ChangeSet::Apply() {
  for (auto& [id, entry] : m_entries)
    if (entry.state == kDeleted) entry.copy->Delete();
  for (auto& [id, entry] : m_entries)
    if (entry.state == kUpdated) entry.copy->Save();
}
