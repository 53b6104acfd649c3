#pragma once

// Pending additions, edits and deletions of business objects, collected while
// the user works in a form and written all at once when it is saved. Entries
// are keyed by object id: a stored object's id, or a temporary negative id
// for an object not yet stored (one process-wide counter, -1, -2, ..., never
// reused in a run). The set owns a copy (Clone) of each object it holds.

#include <map>
#include <memory>
#include <vector>

#include "data/objects/Object.h"

class ChangeSet {
public:
  enum State : int {
    kUnchanged = 0,  // recorded as loaded
    kDeleted = 1,    // Apply deletes it
    kUpdated = 2,    // new or edited: Apply saves it
  };

  struct Entry {
    State state;
    std::unique_ptr<Invoice::Object> copy;
  };
  using Map = std::map<int, Entry>;
  using const_iterator = Map::const_iterator;

  ChangeSet() = default;
  ~ChangeSet() = default;
  ChangeSet(const ChangeSet&) = delete;
  ChangeSet& operator=(const ChangeSet&) = delete;

  // Records a loaded object unchanged under its object id; an id already
  // held keeps its entry.
  void Add(const Invoice::Object& object);
  // Records a new or edited object for saving. An object never stored first
  // gets the next temporary id, written into the caller's object and into
  // the copy. An entry already held gets a fresh copy.
  void Update(Invoice::Object& object);
  // Update of every object, as one step: when a copy cannot be made, the set
  // and the objects stay exactly as they were (no entry, no temporary id).
  void UpdateAll(const std::vector<Invoice::Object*>& objects);
  // Marks a stored object for deletion (its copy stays); an object with a
  // temporary id is dropped and never reaches the database. Ids not held,
  // and id 0, are left alone.
  void Remove(const Invoice::Object& object);

  // The copy held under id; null when absent or marked deleted.
  Invoice::Object* Find(int id) const;
  // The copy of an entry while walking the set in key order; null for end()
  // or an entry marked deleted.
  Invoice::Object* ObjectAt(const_iterator position) const;
  State GetState(int id) const;  // kUnchanged also when absent
  bool Contains(int id) const { return m_entries.count(id) != 0; }
  bool IsEmpty() const { return m_entries.empty(); }
  size_t Size() const { return m_entries.size(); }
  const_iterator begin() const { return m_entries.begin(); }
  const_iterator end() const { return m_entries.end(); }

  // Deletes every entry marked deleted, then saves every new or edited one,
  // each pass in ascending key order (new objects before stored ones). The
  // states stay; the first failure passes to the caller, who runs Apply
  // inside a TransactionScope.
  void Apply();
  // Drops every entry and its copy.
  void Clear() { m_entries.clear(); }

  // The next temporary id of the process (-1 first).
  static int NextTemporaryId();

private:
  Map m_entries;
};
