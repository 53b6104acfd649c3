#pragma once

#include <ibase.h>

#include <string>

#include "data/ibase/ibError.h"
#include "data/ibase/ibTransaction.h"

namespace ibase {

// SQL dialects. Statements run at once are dialect 1 unless said otherwise;
// readers prepare theirs as dialect 3.
inline constexpr unsigned short kDialect1 = 1;
inline constexpr unsigned short kDialect3 = 3;

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
  // and dialect 3 are asked for. The path is UTF-8, whatever the process's
  // locale: a folder named with other than ASCII letters opens as any other.
  // Throws ibException; a failure leaves it detached.
  void Connect(const std::string& path, const std::string& userName, const std::string& password);
  // Creates a new database file (dialect 3, default character set
  // UNICODE_FSS, pages of 8192 bytes) at a UTF-8 path and leaves it
  // attached. Fails when the file exists.
  void Create(const std::string& path, const std::string& userName, const std::string& password);
  // Detaches when attached; throws ibException when the client refuses.
  void Disconnect();
  // Runs one statement in the current transaction, as SQL dialect 1 unless
  // another is given (dialect 3 for a statement that needs delimited
  // identifiers).
  void ExecuteImmediate(const std::wstring& sql, unsigned short dialect = kDialect1);

  bool IsConnected() const { return m_handle != 0; }
  isc_db_handle* GetHandle() { return &m_handle; }
  ibTransaction* GetTransaction() { return m_current; }

  // The database parameter block Connect sends, byte for byte: the login,
  // the character set, the dialect and the mark that the file name is UTF-8.
  static std::string BuildParameterBlock(const std::string& userName, const std::string& password);
  // The block Create sends: the same with the page size after the login.
  static std::string BuildCreateParameterBlock(const std::string& userName, const std::string& password);

private:
  isc_db_handle m_handle = 0;
  ibTransaction* m_current;
  ibTransaction m_transaction;
};

}  // namespace ibase
