#include "data/ibase/ibError.h"

#include <algorithm>

#include "data/ibase/ibException.h"

namespace ibase {

ibError::ibError() {
  std::fill(std::begin(m_status), std::end(m_status), 0);
}

ibError::~ibError() = default;

bool ibError::HasError() const {
  return StatusHasError(m_status);
}

std::string ibError::GetErrorMessage() const {
  return StatusText(m_status);
}

std::vector<long> ibError::GetErrorCodes() const {
  return StatusCodes(m_status);
}

ISC_STATUS ibError::Call(const ibCall& call, const std::function<ISC_STATUS(ISC_STATUS*)>& client) {
  return CallClient(m_status, call, client);
}

void ibError::CheckedCall(const ibCall& call, const std::function<ISC_STATUS(ISC_STATUS*)>& client) {
  Call(call, client);
  if (HasError()) ThrowError();
}

void ibError::ThrowError() const {
  throw ibException(GetErrorMessage(), GetErrorCodes());
}

}  // namespace ibase
