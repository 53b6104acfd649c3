#pragma once

// Base of every business object: an OBJECTS row (the header) plus, in each
// subclass, one row record of its class table, with a modified flag that
// decides whether Save writes anything. Objects are plain values: copies share
// their ids through ObjectHandle, so the first copy saved gives its new
// OBJECT_ID to all of them, and a rolled-back transaction takes it back.

#include <memory>

#include "data/records/ObjectHeader.h"

namespace Invoice {

class Object {
public:
  virtual ~Object();

  // Writes nothing unless modified; otherwise the OBJECTS row first (a new
  // object gets its id here), then the class row. The flag is not cleared.
  virtual void Save();
  // The class row by GetId, then the OBJECTS row. The base deletes only the
  // OBJECTS row of the header id.
  virtual void Delete();
  // A heap copy built from the record, which re-reads the OBJECTS row; it
  // keeps the modified flag, so an edited clone is written when saved.
  virtual std::unique_ptr<Object> Clone() const = 0;
  // True when the object was found in (or written to) the database.
  virtual bool IsStored() const;
  // The class record's own OBJECT_ID, 0 until stored.
  virtual int GetId() const = 0;

  // The header's OBJECT_ID: 0 for an object never saved, or the temporary
  // negative id a ChangeSet gave it.
  int GetObjectId() const;
  // CREATED_ON / MODIFIED_ON as OLE dates, -1.0 when not a date.
  double GetCreatedOn() const;
  double GetModifiedOn() const;

  bool IsModified() const { return m_modified; }
  void SetModified(bool modified = true) { m_modified = modified; }

  const ObjectHeader& GetHeader() const { return m_header; }
  // Binds the header to a fresh id entry holding id; copies that shared the
  // former entry keep their id.
  void ResetObjectId(int id);

protected:
  Object() = default;
  Object(const Object&) = default;
  Object& operator=(const Object&) = default;

  // Reads the OBJECTS row of id into the header; id 0 leaves a new header.
  // Fails with "Object not found!" when the row is missing.
  void LoadHeader(int id);
  void SaveHeader();

  // Stores a field value and marks the object modified.
  template <class Field, class Value>
  void Set(Field& field, Value&& value) {
    field = std::forward<Value>(value);
    m_modified = true;
  }

  bool m_modified = false;
  ObjectHeader m_header;
};

}  // namespace Invoice
