#include "data/objects/Object.h"

#include "common/Value.h"
#include "data/DataAccess.h"

namespace Invoice {

Object::~Object() = default;

void Object::Save() {
  if (!m_modified) return;
  SaveHeader();
}

void Object::Delete() {
  if (GetObjectId() > 0) DataAccess::Instance().DeleteObjectHeader(GetObjectId());
}

bool Object::IsStored() const {
  return GetObjectId() != 0;
}

int Object::GetObjectId() const {
  return m_header.id.GetId();
}

double Object::GetCreatedOn() const {
  return TmToOleDate(m_header.createdOn);
}

double Object::GetModifiedOn() const {
  return TmToOleDate(m_header.modifiedOn);
}

void Object::ResetObjectId(int id) {
  m_header.id.Reset(id);
}

void Object::LoadHeader(int id) {
  if (id != 0) DataAccess::Instance().LoadObjectHeader(id, m_header);
}

void Object::SaveHeader() {
  DataAccess::Instance().SaveObjectHeader(m_header);
}

}  // namespace Invoice
