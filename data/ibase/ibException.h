#pragma once

#include <exception>
#include <string>

namespace ibase {

// A failed client call. The message is the client library's own text for the
// status vector (UTF-8, one line per status entry); the wrapper adds nothing.
class ibException : public std::exception {
public:
  explicit ibException(std::string message);
  ibException(const ibException&) = default;
  ibException& operator=(const ibException&) = default;
  ~ibException() override;

  std::string GetText() const { return m_message; }
  const char* what() const noexcept override { return m_message.c_str(); }

private:
  std::string m_message;
};

}  // namespace ibase
