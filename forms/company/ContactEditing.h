#pragma once

// How the contact and account dialogs take their record and give it back:
// an existing record is the change set's copy when the dialog works on a
// change set, else the stored row; OK records the edited copy in the change
// set, where a new record gets its temporary id.

#include <cstdint>

#include "data/ChangeSet.h"

template <class Record>
Record LoadEditedRecord(ChangeSet* changes, int32_t id) {
  if (id == 0) return Record();
  if (changes) {
    if (auto* held = dynamic_cast<const Record*>(changes->Find(id))) return *held;
    return Record();
  }
  return Record(id);
}

// Records the edit; the record's id in the change set (its own id without one).
template <class Record>
int32_t RecordEdit(ChangeSet* changes, Record& record) {
  if (changes) changes->Update(record);
  return record.GetObjectId();
}
