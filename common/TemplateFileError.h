#pragma once

// What the template file code throws: a wide text that the user interface
// shows as it is. what() gives the same text in UTF-8.

#include <stdexcept>
#include <string>

class TemplateFileError : public std::runtime_error {
public:
  explicit TemplateFileError(const std::wstring& message);

  // The text for a file that is too short, of the wrong length, with a wrong
  // checksum, or whose contents run past its end: "Invalid file structure".
  static TemplateFileError InvalidStructure();
  static const wchar_t* const kInvalidStructureText;

  const std::wstring& GetMessage() const { return m_message; }
  bool IsInvalidStructure() const { return m_message == kInvalidStructureText; }

private:
  std::wstring m_message;
};
