#include "data/ibase/ibCall.h"

#include <algorithm>
#include <mutex>

#include "platform/TextCodec.h"

namespace ibase {
namespace {

struct Hooks {
  std::mutex mutex;
  ibObserver observer;
  ibFaultInjector injector;
};

Hooks& GetHooks() {
  static Hooks hooks;
  return hooks;
}

const char kInjectedFailure[] = "injected failure";

}  // namespace

const char* GetOperationName(ibOperation operation) {
  switch (operation) {
    case ibOperation::CreateDatabase:
      return "isc_create_database";
    case ibOperation::Attach:
      return "isc_attach_database";
    case ibOperation::Detach:
      return "isc_detach_database";
    case ibOperation::Start:
      return "isc_start_multiple";
    case ibOperation::Commit:
      return "isc_commit_transaction";
    case ibOperation::Rollback:
      return "isc_rollback_transaction";
    case ibOperation::ExecuteImmediate:
      return "isc_dsql_execute_immediate";
    case ibOperation::AllocateStatement:
      return "isc_dsql_allocate_statement";
    case ibOperation::Prepare:
      return "isc_dsql_prepare";
    case ibOperation::Describe:
      return "isc_dsql_describe";
    case ibOperation::Execute:
      return "isc_dsql_execute";
    case ibOperation::Fetch:
      return "isc_dsql_fetch";
    case ibOperation::FreeStatement:
      return "isc_dsql_free_statement";
  }
  return "";
}

void SetObserver(ibObserver observer) {
  auto& hooks = GetHooks();
  std::lock_guard lock(hooks.mutex);
  hooks.observer = std::move(observer);
}

void SetFaultInjector(ibFaultInjector injector) {
  auto& hooks = GetHooks();
  std::lock_guard lock(hooks.mutex);
  hooks.injector = std::move(injector);
}

ISC_STATUS CallClient(ISC_STATUS* status, const ibCall& call,
                      const std::function<ISC_STATUS(ISC_STATUS*)>& client) {
  ibObserver observer;
  ibFaultInjector injector;
  {
    auto& hooks = GetHooks();
    std::lock_guard lock(hooks.mutex);
    observer = hooks.observer;
    injector = hooks.injector;
  }
  if (observer) observer(call);
  std::fill(status, status + ISC_STATUS_LENGTH, 0);
  if (injector && injector(call)) {
    status[0] = isc_arg_gds;
    status[1] = isc_random;
    status[2] = isc_arg_string;
    status[3] = reinterpret_cast<ISC_STATUS>(kInjectedFailure);
    status[4] = isc_arg_end;
    return status[1];
  }
  return client(status);
}

bool StatusHasError(const ISC_STATUS* status) {
  return status[0] >= 1 && status[1] > 0;
}

std::string StatusText(const ISC_STATUS* status) {
  // fb_interpret is told the buffer's size (isc_interprete is not, and can
  // write past it); each call yields the next entry's line.
  std::string text;
  char line[512];
  const ISC_STATUS* cursor = status;
  bool first = true;
  while (fb_interpret(line, sizeof line, &cursor) > 0) {
    if (!first) text += '\n';
    text += line;
    first = false;
  }
  return text;
}

std::vector<long> StatusCodes(const ISC_STATUS* status) {
  std::vector<long> codes;
  for (size_t i = 0; i + 1 < ISC_STATUS_LENGTH && status[i] != isc_arg_end;) {
    if (status[i] == isc_arg_gds) codes.push_back(static_cast<long>(status[i + 1]));
    i += status[i] == isc_arg_cstring ? 3 : 2;  // a counted string has a length and a pointer
  }
  return codes;
}

std::string WideToUtf8(std::wstring_view text) {
  return platform::ToUtf8(text);
}

}  // namespace ibase
