#pragma once

// Scope guard around one unit of work on the application transaction: begins
// it when constructed, commits on Commit, and when destroyed without a commit
// rolls it back and takes back every object id handed out inside it.
class TransactionScope {
public:
  // Throws Invoice::DbException when the transaction cannot begin.
  TransactionScope();
  // Never throws.
  ~TransactionScope();
  TransactionScope(const TransactionScope&) = delete;
  TransactionScope& operator=(const TransactionScope&) = delete;

  // Commits and keeps the object ids; on failure throws Invoice::DbException
  // and stays active, so the destructor rolls back.
  void Commit();

  bool IsActive() const { return m_active; }

private:
  bool m_active = false;
};
