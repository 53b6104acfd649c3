#pragma once

#include <memory>
#include <string>

namespace Invoice {

// The one exception of the data and business layer: a database failure (the
// client library's own text) or a business rule's refusal. Thrown and caught
// by value; the user interface shows GetText in a message box.
class DbException {
public:
  explicit DbException(const std::wstring& text);
  DbException(const DbException& other);
  DbException& operator=(const DbException& other);
  ~DbException();

  const std::wstring& GetText() const;

private:
  std::unique_ptr<std::wstring> m_text;
};

}  // namespace Invoice
