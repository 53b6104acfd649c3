// Writes the shipped invoice templates into a folder: run by the build.
#include <cstdio>
#include <filesystem>

#include "tools/ShippedTemplates.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: corvane-templates FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  try {
    std::filesystem::create_directories(folder);
    for (const ShippedTemplate& shipped : ShippedTemplates())
      BuildShippedTemplate(shipped).Save(folder / shipped.fileName);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "corvane-templates: %s\n", error.what());
    return 1;
  }
  return 0;
}
