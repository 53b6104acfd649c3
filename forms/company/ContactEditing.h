#pragma once

// How the contact and account dialogs take their record and give it back:
// an existing record is the change set's copy when the dialog works on a
// change set, else the stored row; OK records the edited copy in the change
// set, where a new record gets its temporary id.

#include <cstdint>
#include <string>
#include <vector>

#include "data/ChangeSet.h"
#include "data/DataAccess.h"

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

// Whether another record of the company is known by that name, so that
// storing this one would break the database's unique (NAME, company) key.
// The key compares as the database compares it: trailing blanks do not
// count, an empty name is stored as NULL and no company (0) as NULL, and a
// NULL matches a NULL in the same place unless both parts are NULL. The
// records of the change set count as edited, and the company's stored rows,
// read with `stored` (e.g. DataAccess::LoadAccountsOfCompany), count with
// their stored names too, also those another window added: the change set
// saves new records before the stored ones it renames, so a stored name is
// taken until the save. Records marked deleted are gone by then (deletions
// go first) and count neither way. Without a change set nothing is
// recorded, so nothing is checked.
// Throws Invoice::DbException when the stored rows cannot be read.
template <class Record>
bool IsNameTakenInCompany(const ChangeSet* changes, int32_t ownId, int32_t companyId, std::wstring name,
                          void (DataAccess::*stored)(int, std::vector<typename Record::RecordType>&) const) {
  auto trimmed = [](std::wstring text) {
    text.erase(text.find_last_not_of(L' ') + 1);
    return text;
  };
  name = trimmed(name);
  if (!changes || (name.empty() && companyId == 0)) return false;
  auto clashes = [&](int32_t id, const typename Record::RecordType& other) {
    return id != ownId && other.companyObjectId == companyId && trimmed(other.name) == name;
  };
  for (auto position = changes->begin(); position != changes->end(); ++position) {
    const auto* other = dynamic_cast<const Record*>(changes->ObjectAt(position));
    if (other && clashes(position->first, other->GetRecord())) return true;
  }
  std::vector<typename Record::RecordType> rows;
  (DataAccess::Instance().*stored)(companyId, rows);
  for (const auto& row : rows)
    if (changes->GetState(row.id.GetId()) != ChangeSet::kDeleted && clashes(row.id.GetId(), row)) return true;
  return false;
}
