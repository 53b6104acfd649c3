#pragma once

// Where printing goes. By default the system print dialog picks a printer;
// with the environment variable CORVANE_PRINT_TO_FILE naming a file, every
// print command of the preview library writes the pages into that file as a
// PDF instead, with no dialog (headless runs, tests, batch printing).

#include <filesystem>
#include <optional>

class CReportGenerator;

namespace preview {

inline constexpr char kPrintToFileVariable[] = "CORVANE_PRINT_TO_FILE";

// The PDF file to print into; nullopt (print through the dialog) when the
// variable is unset or empty.
std::optional<std::filesystem::path> PrintToFileDestination();

// Writes every page of the report into the PDF file. False, after telling
// the user why in a "Corvane Preview" message box, when it cannot be written.
bool PrintReportToFile(CReportGenerator& report, const std::filesystem::path& path);

}  // namespace preview
