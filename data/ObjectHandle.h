#pragma once

// A shared, reference-counted handle to an object's id. Every copy names the
// same entry of the ObjectHandleTable, so all copies of an object see the id
// that the first of them gets when it is saved, and lose it again when the
// transaction that gave it is rolled back. A move hands the reference over
// without a trip through the table; the handle moved from names no entry (id
// 0) until it is assigned or reset.

class ObjectHandle {
public:
  // A new entry holding id (0 for a new object), with this one reference.
  explicit ObjectHandle(int id);
  ObjectHandle(const ObjectHandle& other);
  ObjectHandle& operator=(const ObjectHandle& other);
  ObjectHandle(ObjectHandle&& other) noexcept;
  ObjectHandle& operator=(ObjectHandle&& other) noexcept;
  // Releases the reference; the last one erases the entry.
  ~ObjectHandle();

  // Binds this handle to a new entry holding id, releasing its reference on
  // the former entry (erased when that was the last).
  void Reset(int id);
  // Binds this handle to a new entry that holds no id yet (the next save
  // gives it one) and falls back to the former id when the transaction is
  // rolled back; copies that shared the former entry keep it throughout.
  void Renew();

  int GetId() const;
  // Sets the current id of the entry that every copy shares.
  void SetId(int id);

  // The reference count after the change.
  int AddRef();
  int Release();
  void Erase();

  int GetHandle() const { return m_handle; }

private:
  void Drop();
  void Rebind(int handle);

  int m_handle;
};
