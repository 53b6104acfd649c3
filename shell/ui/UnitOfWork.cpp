#include "shell/ui/UnitOfWork.h"

#include "data/TransactionScope.h"

namespace {

class TransactionUnit : public UnitOfWork {
public:
  void Commit() override { m_scope.Commit(); }

private:
  TransactionScope m_scope;
};

UnitOfWork::Factory& FactorySeam() {
  static UnitOfWork::Factory factory;
  return factory;
}

}  // namespace

std::unique_ptr<UnitOfWork> UnitOfWork::Open() {
  if (FactorySeam()) return FactorySeam()();
  return std::make_unique<TransactionUnit>();
}

void UnitOfWork::SetFactory(Factory factory) {
  FactorySeam() = std::move(factory);
}
