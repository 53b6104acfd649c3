#include "data/ObjectHandle.h"

#include "data/ObjectHandleTable.h"

ObjectHandle::ObjectHandle(int id) : m_handle(CreateObjectHandle(id)) {
  AddRef();
}

ObjectHandle::ObjectHandle(const ObjectHandle& other) : m_handle(other.m_handle) {
  AddRef();
}

ObjectHandle& ObjectHandle::operator=(const ObjectHandle& other) {
  if (m_handle == other.m_handle) return *this;
  ObjectHandleTable::Instance().AddRef(other.m_handle);
  Drop();
  m_handle = other.m_handle;
  return *this;
}

ObjectHandle::~ObjectHandle() {
  Drop();
}

void ObjectHandle::Drop() {
  if (Release() == 0) Erase();
}

void ObjectHandle::Reset(int id) {
  Rebind(CreateObjectHandle(id));
}

void ObjectHandle::Renew() {
  Rebind(ObjectHandleTable::Instance().Create(GetId(), 0));
}

void ObjectHandle::Rebind(int handle) {
  Drop();
  m_handle = handle;
  AddRef();
}

int ObjectHandle::GetId() const {
  return ObjectHandleTable::Instance().GetId(m_handle);
}

void ObjectHandle::SetId(int id) {
  ObjectHandleTable::Instance().SetId(m_handle, id);
}

int ObjectHandle::AddRef() {
  return ObjectHandleTable::Instance().AddRef(m_handle);
}

int ObjectHandle::Release() {
  return ObjectHandleTable::Instance().Release(m_handle);
}

void ObjectHandle::Erase() {
  ObjectHandleTable::Instance().Erase(m_handle);
}
