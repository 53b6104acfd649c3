#pragma once

// The process-wide table behind ObjectHandle: for each handle the object's id
// as last committed, its current id and the number of live handles naming it.
// Committing the application transaction makes the current ids the saved
// ones; rolling it back puts the saved ids back, so an id handed out in a
// rolled-back transaction disappears from every copy of the object.
//
// Every operation holds the named lock "lock_crvn_trans_ids" for its whole
// duration; none calls another while holding it.

#include <cstddef>
#include <map>
#include <optional>

struct ObjectHandleEntry {
  int savedId = 0;    // as of the last commit
  int currentId = 0;  // what every copy reports
  int refCount = 0;

  bool operator==(const ObjectHandleEntry&) const = default;
};

class ObjectHandleTable {
public:
  static ObjectHandleTable& Instance();

  // New entry {id, id, 0} under the next handle (the first is 1; never reused).
  int Create(int id);
  // New entry {savedId, currentId, 0}: an id that a rollback turns back into
  // savedId.
  int Create(int savedId, int currentId);
  // New entry {id, id, 1}: Create and AddRef in one step.
  int CreateReferenced(int id);
  // The new count; 0 for a handle without an entry.
  int AddRef(int handle);
  int Release(int handle);
  void Erase(int handle);
  // Release, and Erase when that was the last reference, in one step; the new
  // count (0 for a handle without an entry).
  int ReleaseAndErase(int handle);
  // 0 for a handle without an entry.
  int GetId(int handle);
  // Ignored for a handle without an entry.
  void SetId(int handle, int id);
  void CommitAll();
  void RevertAll();

  std::optional<ObjectHandleEntry> Find(int handle);
  size_t Size();

private:
  ObjectHandleTable() = default;

  int m_counter = 0;
  std::map<int, ObjectHandleEntry> m_entries;
};

// The operations of the table as the rest of the program calls them.
int CreateObjectHandle(int id);
void CommitObjectIds();
void RevertObjectIds();
