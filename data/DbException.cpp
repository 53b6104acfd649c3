#include "data/DbException.h"

namespace Invoice {

DbException::DbException(const std::wstring& text) : m_text(std::make_unique<std::wstring>(text)) {}

DbException::DbException(const DbException& other)
    : m_text(std::make_unique<std::wstring>(other.GetText())) {}

DbException& DbException::operator=(const DbException& other) {
  if (this != &other) m_text = std::make_unique<std::wstring>(other.GetText());
  return *this;
}

DbException::~DbException() = default;

const std::wstring& DbException::GetText() const {
  static const std::wstring empty;
  return m_text ? *m_text : empty;
}

}  // namespace Invoice
