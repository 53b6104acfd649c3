#include "preview/TextFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/FileDialogs.h"
#include "platform/TextCodec.h"

namespace {

constexpr size_t kMaxErrorLength = 256;

// UTF-16LE when the file says so with its byte-order mark or looks like it
// (NUL bytes in the text), else UTF-8 (with or without its mark).
std::wstring DecodeText(const std::string& bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  if (bytes.size() >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
    return platform::FromUtf16Le(data + 2, bytes.size() - 2, false);
  }
  if (bytes.size() >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
    return platform::FromUtf8(std::string_view(bytes).substr(3));
  }
  if (bytes.size() % 2 == 0 && bytes.find('\0') != std::string::npos) {
    return platform::FromUtf16Le(data, bytes.size(), false);
  }
  return platform::FromUtf8(bytes);
}

}  // namespace

CTextFile::CTextFile(std::wstring extension, std::wstring lineSeparator)
    : m_extension(std::move(extension)), m_lineSeparator(std::move(lineSeparator)) {}

bool CTextFile::GetFilename(bool save, std::wstring& path) {
  platform::OpenFileRequest request;
  request.save = save;
  request.hideReadOnly = true;
  if (!m_extension.empty()) {
    request.filter =
        m_extension + L"-files (*." + m_extension + L")|*." + m_extension + L"|All Files (*.*)|*.*||";
    request.defaultExtension = m_extension;
  }
  std::optional<std::wstring> chosen = platform::AskOpenFile(request);
  if (!chosen) return false;
  path = *chosen;
  return true;
}

bool CTextFile::ReadTextFile(std::wstring path, std::vector<std::wstring>& lines) {
  m_error.clear();
  if (path.empty() && !GetFilename(false, path)) return false;

  std::ifstream in(platform::PathFromWide(path), std::ios::binary);
  if (!in) {
    const int error = errno;
    m_error = L"The file " + path + L" could not be opened: " + platform::FromUtf8(std::strerror(error));
    if (m_error.size() > kMaxErrorLength) m_error.resize(kMaxErrorLength);
    return false;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    m_error = L"The file " + path + L" could not be read.";
    if (m_error.size() > kMaxErrorLength) m_error.resize(kMaxErrorLength);
    return false;
  }

  lines.clear();
  const std::wstring text = DecodeText(bytes);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == L'\r') --lineEnd;
    lines.push_back(text.substr(start, lineEnd - start));
    start = end + 1;
  }
  return true;
}
