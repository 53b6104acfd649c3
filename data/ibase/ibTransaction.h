#pragma once

#include <ibase.h>

#include <string_view>
#include <vector>

#include "data/ibase/ibError.h"

namespace ibase {

class ibDatabase;

// One client transaction over the registered databases. Start, Commit and
// Rollback report failure by their result only and never throw.
class ibTransaction : public ibError {
public:
  ibTransaction();
  ~ibTransaction() override;
  ibTransaction(const ibTransaction&) = delete;
  ibTransaction& operator=(const ibTransaction&) = delete;

  void AddDatabase(ibDatabase* database);

  // Starts the transaction on every registered database (write, concurrency, wait).
  bool Start();
  // Idle: true at once. Otherwise true and idle on success; false, still running, on failure.
  bool Commit();
  bool Rollback();

  bool IsActive() const { return m_handle != 0; }
  isc_tr_handle* GetHandle() { return &m_handle; }

  // The transaction parameter block: isc_tpb_version3, isc_tpb_write,
  // isc_tpb_concurrency, isc_tpb_wait.
  static std::string_view ParameterBlock();

private:
  bool End(ibOperation operation);

  isc_tr_handle m_handle = 0;
  std::vector<ibDatabase*> m_databases;
};

}  // namespace ibase
