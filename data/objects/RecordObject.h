#pragma once

// The common body of the business objects: one row record of a class table
// beside the OBJECTS header, stored and removed through the table's DataAccess
// operations. A class without a load or delete operation of its own passes
// nullptr for it.

#include <memory>

#include "data/DataAccess.h"
#include "data/objects/Object.h"

namespace Invoice {

template <class Derived, class Record, void (DataAccess::*LoadRow)(int, Record&) const,
          void (DataAccess::*SaveRow)(Record&, int) const, void (DataAccess::*DeleteRow)(int) const>
class RecordObject : public Object {
public:
  using RecordType = Record;

  // The OBJECTS row, then the class row under the id the header then holds.
  void Save() override {
    if (!m_modified) return;
    SaveHeader();
    (DataAccess::Instance().*SaveRow)(m_record, GetObjectId());
  }

  // The class row, then the OBJECTS row; an object never stored does nothing.
  void Delete() override {
    const int id = GetId();
    if (id == 0) return;
    if constexpr (DeleteRow != nullptr) (DataAccess::Instance().*DeleteRow)(id);
    DataAccess::Instance().DeleteObjectHeader(id);
  }

  std::unique_ptr<Object> Clone() const override {
    auto copy = std::make_unique<Derived>(m_record);
    copy->SetModified(m_modified);
    return copy;
  }

  bool IsStored() const override { return GetObjectId() != 0 && GetId() != 0; }
  int GetId() const override { return m_record.id.GetId(); }

  const Record& GetRecord() const { return m_record; }

  // The constructors every class inherits:
  // a new object: id 0 and the record's defaults.
  RecordObject() = default;

  // Loads the OBJECTS row ("Object not found!" when missing), then the class
  // row; a missing class row leaves the record's defaults. Id 0 gives a new object.
  explicit RecordObject(int id) {
    if (id == 0) return;
    LoadHeader(id);
    if constexpr (LoadRow != nullptr) (DataAccess::Instance().*LoadRow)(id, m_record);
  }

  // Shares the record's id handle and reads the header of its id again.
  explicit RecordObject(const Record& record) : m_record(record) { LoadHeader(record.id.GetId()); }

protected:
  // Delete behind an in-use check: the check refuses (throws) while the
  // object is used, with checkedValue as its argument.
  void DeleteUnlessUsed(void (DataAccess::*check)(int) const, int checkedValue) {
    if (GetId() == 0) return;
    (DataAccess::Instance().*check)(checkedValue);
    RecordObject::Delete();
  }

  // Makes a stored object a new one for the save that follows: fresh id
  // entries with no id yet, which a rollback turns back into the stored id,
  // so that a refused save leaves the object naming its stored row again.
  void RenewIds() {
    m_header.id.Renew();
    m_record.id.Renew();
  }

  Record m_record;
};

}  // namespace Invoice
