#pragma once

// PDF pages as a viewer shows them: rasterised in grey with pdftoppm and
// read back pixel by pixel.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace corvane::test {

// One page in grey: 0 black, 255 white.
struct GreyImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;

  bool IsInk(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] < 128; }
};

// A greyscale PGM (P5) file; empty when it cannot be read.
inline GreyImage ReadPgm(const std::filesystem::path& path) {
  GreyImage image;
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxValue = 0;
  in >> magic >> image.width >> image.height >> maxValue;
  in.get();
  if (magic != "P5" || maxValue != 255 || image.width <= 0 || image.height <= 0) return GreyImage{};
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);
  in.read(reinterpret_cast<char*>(image.pixels.data()), static_cast<std::streamsize>(image.pixels.size()));
  if (!in) return GreyImage{};
  return image;
}

// The first page of the PDF at the resolution, in grey, written beside the
// PDF; empty when pdftoppm fails.
inline GreyImage RasterisePdf(const std::filesystem::path& pdf, int pixelsPerInch) {
  const std::filesystem::path stem = pdf.parent_path() / pdf.stem();
  const std::string command = "pdftoppm -r " + std::to_string(pixelsPerInch) + " -gray -singlefile '" +
                              pdf.string() + "' '" + stem.string() + "'";
  if (std::system(command.c_str()) != 0) return GreyImage{};
  return ReadPgm(stem.string() + ".pgm");
}

}  // namespace corvane::test
