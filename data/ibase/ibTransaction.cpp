#include "data/ibase/ibTransaction.h"

#include <cstdint>

#include "data/ibase/ibDatabase.h"

namespace ibase {
namespace {

// The client library's transaction existence block for isc_start_multiple
// (not published in ibase.h): database handle, parameter block length, block.
struct TransactionExistenceBlock {
  isc_db_handle* database;
  int32_t parameterBlockLength;
  const char* parameterBlock;
};

constexpr char kParameterBlock[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_concurrency, isc_tpb_wait};

}  // namespace

ibTransaction::ibTransaction() = default;

ibTransaction::~ibTransaction() = default;

void ibTransaction::AddDatabase(ibDatabase* database) {
  m_databases.push_back(database);
}

std::string_view ibTransaction::ParameterBlock() {
  return {kParameterBlock, sizeof kParameterBlock};
}

bool ibTransaction::Start() {
  std::vector<TransactionExistenceBlock> blocks;
  for (ibDatabase* database : m_databases)
    blocks.push_back({database->GetHandle(), static_cast<int32_t>(sizeof kParameterBlock), kParameterBlock});
  Call({.operation = ibOperation::Start, .parameterBlock = ParameterBlock()}, [&](ISC_STATUS* status) {
    return isc_start_multiple(status, &m_handle, static_cast<short>(blocks.size()), blocks.data());
  });
  return !HasError();
}

bool ibTransaction::Commit() {
  return End(ibOperation::Commit);
}

bool ibTransaction::Rollback() {
  return End(ibOperation::Rollback);
}

bool ibTransaction::End(ibOperation operation) {
  if (m_handle == 0) return true;
  Call({.operation = operation}, [&](ISC_STATUS* status) {
    return operation == ibOperation::Commit ? isc_commit_transaction(status, &m_handle)
                                            : isc_rollback_transaction(status, &m_handle);
  });
  if (HasError()) return false;
  m_handle = 0;  // the client clears it too; an injected failure must not
  return true;
}

}  // namespace ibase
