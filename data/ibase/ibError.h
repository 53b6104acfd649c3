#pragma once

#include <ibase.h>

#include <functional>
#include <string>
#include <vector>

#include "data/ibase/ibCall.h"

namespace ibase {

// Base of the wrapper's classes: the status vector that each client call of
// the derived object fills.
class ibError {
public:
  ibError();
  virtual ~ibError();

  // True when the last call left an error (status[0] >= 1 and status[1] > 0).
  bool HasError() const;
  // The client library's text for the status vector, lines joined by "\n".
  std::string GetErrorMessage() const;
  // The engine error codes of the last call.
  std::vector<long> GetErrorCodes() const;

protected:
  // Makes one client call through CallClient into this object's status vector.
  ISC_STATUS Call(const ibCall& call, const std::function<ISC_STATUS(ISC_STATUS*)>& client);
  // Call, then throws ibException with the status text when the call failed.
  void CheckedCall(const ibCall& call, const std::function<ISC_STATUS(ISC_STATUS*)>& client);
  // Throws ibException with the current status text.
  [[noreturn]] void ThrowError() const;

  ISC_STATUS m_status[ISC_STATUS_LENGTH];
};

}  // namespace ibase
