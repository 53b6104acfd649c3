#pragma once

// How the contact and account dialogs take their record and give it back:
// an existing record is the change set's copy when the dialog works on a
// change set, else the stored row; OK records the edited copy in the change
// set, where a new record gets its temporary id.

#include <cstdint>
#include <string>

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

// Whether another record of the same company in the change set is known by
// that name: the database holds each (NAME, company) pair once. Names compare
// as the database compares them, trailing blanks not counting; an empty name
// is stored as NULL and never clashes. Records marked deleted are gone by the
// time the edit is saved, so they do not count.
template <class Record>
bool IsNameTakenInCompany(const ChangeSet* changes, int32_t ownId, int32_t companyId, std::wstring name) {
  name.erase(name.find_last_not_of(L' ') + 1);
  if (!changes || name.empty()) return false;
  for (auto position = changes->begin(); position != changes->end(); ++position) {
    const auto* other = dynamic_cast<const Record*>(changes->ObjectAt(position));
    if (!other || position->first == ownId || other->GetCompanyId() != companyId) continue;
    std::wstring otherName = other->GetName();
    otherName.erase(otherName.find_last_not_of(L' ') + 1);
    if (otherName == name) return true;
  }
  return false;
}
