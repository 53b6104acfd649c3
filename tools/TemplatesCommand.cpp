#include "tools/TemplatesCommand.h"

#include <filesystem>
#include <ostream>

#include "tools/ShippedTemplates.h"

namespace {

void PrintUsage(std::ostream& stream) {
  stream << "Usage: corvane-templates [--] FOLDER\n"
            "Writes the invoice templates that ship with Corvane into FOLDER.\n";
}

}  // namespace

int RunTemplatesCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::string folderName;
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (argument == "-h" || argument == "--help")) {
      PrintUsage(out);
      return 0;
    } else if (argument.empty() || (!optionsEnded && argument[0] == '-') || !folderName.empty()) {
      if (!argument.empty() && argument[0] == '-' && !optionsEnded)
        err << "corvane-templates: unknown option " << argument << "\n";
      PrintUsage(err);
      return 2;
    } else {
      folderName = argument;
    }
  }
  if (folderName.empty()) {
    PrintUsage(err);
    return 2;
  }
  try {
    const std::filesystem::path folder = folderName;
    std::filesystem::create_directories(folder);
    for (const ShippedTemplate& shipped : ShippedTemplates())
      BuildShippedTemplate(shipped).Save(folder / shipped.fileName);
  } catch (const std::exception& error) {
    err << "corvane-templates: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
