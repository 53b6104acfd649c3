#include "data/ObjectHandle.h"

#include <utility>

#include "data/ObjectHandleTable.h"

ObjectHandle::ObjectHandle(int id) : m_handle(ObjectHandleTable::Instance().CreateReferenced(id)) {}

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

ObjectHandle::ObjectHandle(ObjectHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, 0)) {}

ObjectHandle& ObjectHandle::operator=(ObjectHandle&& other) noexcept {
  if (this == &other) return *this;
  Drop();
  m_handle = std::exchange(other.m_handle, 0);
  return *this;
}

ObjectHandle::~ObjectHandle() {
  Drop();
}

// Handles count from 1: 0 is what a handle moved from holds.
void ObjectHandle::Drop() {
  if (m_handle != 0) ObjectHandleTable::Instance().ReleaseAndErase(m_handle);
}

void ObjectHandle::Reset(int id) {
  const int handle = ObjectHandleTable::Instance().CreateReferenced(id);
  Drop();
  m_handle = handle;
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
