#pragma once

#include <ibase.h>

#include <memory>
#include <string>

#include "data/ibase/ibError.h"

namespace ibase {

class ibAutoTransaction;
class ibDatabase;

// Runs one SELECT (SQL dialect 3) and steps through its rows. While the
// database's transaction is idle the reader starts it itself and rolls it back
// when the reader is destroyed; otherwise it reads inside the running one.
class ibReader : public ibError {
public:
  explicit ibReader(ibDatabase* database);
  ~ibReader() override;
  ibReader(const ibReader&) = delete;
  ibReader& operator=(const ibReader&) = delete;

  // Prepares and executes; the cursor stands before the first row. A failure
  // closes the reader and throws ibException (an owned transaction stays).
  void Open(const std::wstring& sql);
  // True when a row is in the buffers, false at the end of the rows (status
  // 100). Any other failure throws ibException: an error is not the end.
  bool Fetch();
  // Frees the buffers and the statement; calling it again does nothing.
  void Close();

  bool IsOpen() const { return m_descriptor != nullptr; }
  // Columns of the open statement (0 when closed).
  int GetColumnCount() const;
  // The output descriptor of the open statement, null when closed.
  const XSQLDA* GetDescriptor() const { return m_descriptor; }

private:
  void FreeDescriptor();

  ibDatabase* m_database;
  std::unique_ptr<ibAutoTransaction> m_transaction;
  isc_stmt_handle m_statement = 0;
  XSQLDA* m_descriptor = nullptr;
};

}  // namespace ibase
