// Writes the seed corpus of the template fuzz targets into a folder: every
// shipped template and every template fixture of the tests, each as the
// fuzz input that reads it unchanged (a first byte of 0, then the file).
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "TemplateFixtures.h"
#include "tools/ShippedTemplates.h"

namespace {

bool WriteSeed(const std::filesystem::path& folder, const std::string& name, const TemplateFile& file) {
  const std::vector<uint8_t> bytes = file.ToBytes();
  std::ofstream out(folder / (name + ".seed"), std::ios::binary | std::ios::trunc);
  out.put('\0');
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: template_fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  int written = 0;
  bool ok = true;
  for (const ShippedTemplate& shipped : ShippedTemplates()) {
    ok = WriteSeed(folder, shipped.fileName, BuildShippedTemplate(shipped)) && ok;
    ++written;
  }
  for (const corvane::test::NamedTemplate& fixture : corvane::test::TemplateFixtures()) {
    ok = WriteSeed(folder, fixture.name, fixture.file) && ok;
    ++written;
  }
  std::printf("%d seeds in %s\n", written, folder.string().c_str());
  return ok ? 0 : 1;
}
