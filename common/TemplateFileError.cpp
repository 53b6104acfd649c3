#include "common/TemplateFileError.h"

#include "platform/TextCodec.h"

const wchar_t* const TemplateFileError::kInvalidStructureText = L"Invalid file structure";

TemplateFileError::TemplateFileError(const std::wstring& message)
    : std::runtime_error(platform::ToUtf8(message)), m_message(message) {}

TemplateFileError TemplateFileError::InvalidStructure() {
  return TemplateFileError(kInvalidStructureText);
}
