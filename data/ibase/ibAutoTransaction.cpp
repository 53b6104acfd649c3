#include "data/ibase/ibAutoTransaction.h"

#include "data/ibase/ibException.h"
#include "data/ibase/ibTransaction.h"

namespace ibase {

ibAutoTransaction::ibAutoTransaction(ibTransaction* transaction) : m_transaction(transaction) {
  if (m_transaction && !m_transaction->Start())
    throw ibException(m_transaction->GetErrorMessage(), m_transaction->GetErrorCodes());
}

ibAutoTransaction::~ibAutoTransaction() {
  if (m_transaction) m_transaction->Rollback();
  m_transaction = nullptr;
}

void ibAutoTransaction::Commit() {
  if (!m_transaction) return;
  if (!m_transaction->Commit())
    throw ibException(m_transaction->GetErrorMessage(), m_transaction->GetErrorCodes());
  m_transaction = nullptr;
}

}  // namespace ibase
