#include "platform/gdi/Dib.h"

#include <wx/imagbmp.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include <fstream>
#include <iterator>
#include <string>

namespace platform::gdi {
namespace {

// The bit count from the file's info header: offset 14 holds the header
// size; the old 12-byte core header keeps the count at 24, the others at 28.
std::optional<uint16_t> ReadBitCount(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[30] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
  if (header[0] != 'B' || header[1] != 'M') return std::nullopt;
  uint32_t infoSize = header[14] | (header[15] << 8) | (header[16] << 16) | (uint32_t(header[17]) << 24);
  size_t at = infoSize == 12 ? 24 : 28;
  return static_cast<uint16_t>(header[at] | (header[at + 1] << 8));
}

void EnsureBmpHandler() {
  // Programs without a wxApp never ran the image module's set-up.
  if (!wxImage::FindHandler(wxBITMAP_TYPE_BMP)) wxImage::AddHandler(new wxBMPHandler);
}

}  // namespace

std::optional<Dib> Dib::LoadBitmapFile(const std::filesystem::path& path) {
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::optional<uint16_t> bitCount = ReadBitCount(path);
  if (!bitCount) return std::nullopt;
  EnsureBmpHandler();
  wxLogNull quiet;  // a damaged file is reported by the result, not by a log window
  // Read through the standard library: wx would convert the file name by
  // the locale, which fails for any non-ASCII name under the C locale.
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  wxMemoryInputStream stream(bytes.data(), bytes.size());
  wxImage image;
  if (!in || !image.LoadFile(stream, wxBITMAP_TYPE_BMP) || !image.IsOk()) return std::nullopt;
  return Dib(image, *bitCount);
}

Dib Dib::FromImage(const wxImage& image, uint16_t bitCount) {
  return Dib(image, bitCount);
}

uint32_t Dib::GetColorTableEntries() const {
  return m_bitCount <= 8 ? (1u << m_bitCount) : 0u;
}

uint32_t Dib::GetImageSize() const {
  uint64_t rowBytes = ((uint64_t(m_bitCount) * uint64_t(GetWidth()) + 31) & ~uint64_t(31)) / 8;
  return static_cast<uint32_t>(rowBytes * uint64_t(GetHeight()));
}

}  // namespace platform::gdi
