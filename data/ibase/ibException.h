#pragma once

#include <exception>
#include <string>
#include <vector>

namespace ibase {

// A failed client call. The message is the client library's own text for the
// status vector (UTF-8, one line per status entry); the wrapper adds nothing.
// The error codes are the status vector's engine codes, in order (none for a
// failure the wrapper found itself).
class ibException : public std::exception {
public:
  explicit ibException(std::string message, std::vector<long> codes = {});
  ibException(const ibException&) = default;
  ibException& operator=(const ibException&) = default;
  ~ibException() override;

  std::string GetText() const { return m_message; }
  const std::vector<long>& GetCodes() const { return m_codes; }
  bool HasCode(long code) const;
  const char* what() const noexcept override { return m_message.c_str(); }

private:
  std::string m_message;
  std::vector<long> m_codes;
};

}  // namespace ibase
