#include "data/ibase/ibException.h"

#include <algorithm>
#include <utility>

namespace ibase {

ibException::ibException(std::string message, std::vector<long> codes)
    : m_message(std::move(message)), m_codes(std::move(codes)) {}

bool ibException::HasCode(long code) const {
  return std::find(m_codes.begin(), m_codes.end(), code) != m_codes.end();
}

ibException::~ibException() = default;

}  // namespace ibase
