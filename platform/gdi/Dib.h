#pragma once

// A device-independent bitmap: the header figures of a Windows DIB (size,
// bit count, colour-table entries, image size) and its pixels. Pictures of a
// template load one from a .bmp file and stretch it onto any device. Copies
// share the pixels.

#include <cstdint>
#include <filesystem>
#include <optional>

#include <wx/image.h>

namespace platform::gdi {

class Dib {
public:
  // nullopt when the file is missing or is not a readable BMP file.
  static std::optional<Dib> LoadBitmapFile(const std::filesystem::path& path);
  // A bitmap held in memory, at the bit count it is kept at (24 for true colour).
  static Dib FromImage(const wxImage& image, uint16_t bitCount = 24);

  int32_t GetWidth() const { return m_image.IsOk() ? m_image.GetWidth() : 0; }
  int32_t GetHeight() const { return m_image.IsOk() ? m_image.GetHeight() : 0; }
  uint16_t GetBitCount() const { return m_bitCount; }
  // 2 to the power of the bit count up to 8 bits per pixel, none above.
  uint32_t GetColorTableEntries() const;
  // Bytes of the pixel rows, each padded to 32 bits.
  uint32_t GetImageSize() const;

  const wxImage& GetImage() const { return m_image; }

private:
  Dib(const wxImage& image, uint16_t bitCount) : m_image(image), m_bitCount(bitCount) {}

  wxImage m_image;
  uint16_t m_bitCount = 24;
};

}  // namespace platform::gdi
