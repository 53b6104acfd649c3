// Writes the shipped invoice templates into a folder: run by the build.
#include <iostream>

#include "tools/TemplatesCommand.h"

int main(int argc, char** argv) {
  return RunTemplatesCommand({argv + 1, argv + argc}, std::cout, std::cerr);
}
