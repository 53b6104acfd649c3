#include "data/TransactionScope.h"

#include "data/Connection.h"
#include "data/ObjectHandleTable.h"

TransactionScope::TransactionScope() {
  BeginDbTransaction();
  m_active = true;
}

TransactionScope::~TransactionScope() {
  if (!m_active) return;
  m_active = false;
  try {
    DropDbTransaction();
  } catch (...) {
  }
  try {
    RevertObjectIds();
  } catch (...) {
  }
}

void TransactionScope::Commit() {
  CommitDbTransaction();
  CommitObjectIds();
  m_active = false;
}
