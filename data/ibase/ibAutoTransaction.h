#pragma once

namespace ibase {

class ibTransaction;

// Holds one running transaction for a scope: started by the constructor,
// ended by Commit, or else rolled back by the destructor.
class ibAutoTransaction {
public:
  // Starts the transaction (none when null); throws ibException when the start fails.
  explicit ibAutoTransaction(ibTransaction* transaction);
  // Rolls back a transaction still held. Never throws: a failed rollback is
  // dropped (the client ends the transaction with the attachment).
  ~ibAutoTransaction();
  ibAutoTransaction(const ibAutoTransaction&) = delete;
  ibAutoTransaction& operator=(const ibAutoTransaction&) = delete;

  // Commits and lets go; on failure throws ibException and keeps holding.
  void Commit();

  bool IsHolding() const { return m_transaction != nullptr; }

private:
  ibTransaction* m_transaction;
};

}  // namespace ibase
