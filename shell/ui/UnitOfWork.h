#pragma once

// One unit of work on the application transaction, as the forms see it:
// Commit makes it last; destruction without a commit rolls it back. The
// application's units are TransactionScopes; tests put their own in.

#include <functional>
#include <memory>

class UnitOfWork {
public:
  virtual ~UnitOfWork() = default;
  // Throws Invoice::DbException when the commit fails.
  virtual void Commit() = 0;

  // A new unit; throws Invoice::DbException when it cannot begin.
  static std::unique_ptr<UnitOfWork> Open();

  // Test seam: while set, Open returns what this makes (empty restores).
  using Factory = std::function<std::unique_ptr<UnitOfWork>()>;
  static void SetFactory(Factory factory);
};
