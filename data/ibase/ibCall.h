#pragma once

// The one road from the wrapper to the Firebird client library. Every client
// call that takes a status vector is described by an ibCall and made through
// CallClient, which first shows the call to the test observer (so tests can
// assert the exact SQL texts and parameter blocks) and lets a test fault stand
// in for it.

#include <ibase.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ibase {

enum class ibOperation {
  CreateDatabase,     // isc_create_database
  Attach,             // isc_attach_database
  Detach,             // isc_detach_database
  Start,              // isc_start_multiple
  Commit,             // isc_commit_transaction
  Rollback,           // isc_rollback_transaction
  ExecuteImmediate,   // isc_dsql_execute_immediate
  AllocateStatement,  // isc_dsql_allocate_statement
  Prepare,            // isc_dsql_prepare
  Describe,           // isc_dsql_describe
  Execute,            // isc_dsql_execute
  Fetch,              // isc_dsql_fetch
  FreeStatement,      // isc_dsql_free_statement
};

// The client function's name, e.g. "isc_dsql_prepare".
const char* GetOperationName(ibOperation operation);

struct ibCall {
  ibOperation operation;
  std::wstring_view sql = {};            // ExecuteImmediate, Prepare: the statement
  std::string_view parameterBlock = {};  // Attach, CreateDatabase: the database block; Start: the transaction block
  unsigned short dialect = 0;            // CreateDatabase, ExecuteImmediate, Prepare
};

// Test seam: called with every client call before it is made. An empty
// function removes the observer.
using ibObserver = std::function<void(const ibCall&)>;
void SetObserver(ibObserver observer);

// Test seam: when it returns true for a call, the client is not called and the
// call fails with the status text "injected failure". An empty function
// removes the injector.
using ibFaultInjector = std::function<bool(const ibCall&)>;
void SetFaultInjector(ibFaultInjector injector);

// Makes one client call into the given status vector (ISC_STATUS_LENGTH
// entries) and returns its result.
ISC_STATUS CallClient(ISC_STATUS* status, const ibCall& call,
                      const std::function<ISC_STATUS(ISC_STATUS*)>& client);

// True when the status vector holds an error (status[0] >= 1 and status[1] > 0).
bool StatusHasError(const ISC_STATUS* status);

// The client library's text for a status vector: one line per status entry,
// joined by "\n".
std::string StatusText(const ISC_STATUS* status);

// The engine error codes of a status vector, in order.
std::vector<long> StatusCodes(const ISC_STATUS* status);

// UTF-16 (here UTF-32) SQL text to the UTF-8 the client library is given.
std::string WideToUtf8(std::wstring_view text);

}  // namespace ibase
