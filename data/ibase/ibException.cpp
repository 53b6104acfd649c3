#include "data/ibase/ibException.h"

#include <utility>

namespace ibase {

ibException::ibException(std::string message) : m_message(std::move(message)) {}

ibException::~ibException() = default;

}  // namespace ibase
