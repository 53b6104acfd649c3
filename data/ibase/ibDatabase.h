#pragma once

#include <ibase.h>

#include <string>

#include "data/ibase/ibError.h"
#include "data/ibase/ibTransaction.h"

namespace ibase {

// One attachment to a database file, with its one transaction. A plain path
// attaches in-process (embedded engine); "host:path" reaches a server.
class ibDatabase : public ibError {
public:
  ibDatabase();
  // Rolls back a running transaction and detaches; never throws.
  ~ibDatabase() override;
  ibDatabase(const ibDatabase&) = delete;
  ibDatabase& operator=(const ibDatabase&) = delete;

  // Attaches (detaching first when attached). The character set UNICODE_FSS
  // and dialect 3 are asked for. Throws ibException; a failure leaves it detached.
  void Connect(const std::string& path, const std::string& userName, const std::string& password);
  // Creates a new database file (dialect 3, default character set UNICODE_FSS)
  // and leaves it attached. Fails when the file exists.
  void Create(const std::string& path, const std::string& userName, const std::string& password);
  // Detaches when attached; throws ibException when the client refuses.
  void Disconnect();
  // Runs one statement in the current transaction, as SQL dialect 1.
  void ExecuteImmediate(const std::wstring& sql);

  bool IsConnected() const { return m_handle != 0; }
  isc_db_handle* GetHandle() { return &m_handle; }
  ibTransaction* GetTransaction() { return m_current; }

  // The database parameter block Connect sends, byte for byte.
  static std::string BuildParameterBlock(const std::string& userName, const std::string& password);

private:
  isc_db_handle m_handle = 0;
  ibTransaction* m_current;
  ibTransaction m_transaction;
};

}  // namespace ibase
