#include "preview/ui/PrintDestination.h"

#include <cstdlib>
#include <exception>

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "preview/ReportGenerator.h"
#include "preview/ReportRendering.h"

namespace preview {

std::optional<std::filesystem::path> PrintToFileDestination() {
  const char* value = std::getenv(kPrintToFileVariable);
  if (!value || !*value) return std::nullopt;
  return std::filesystem::path(value);
}

bool PrintReportToFile(CReportGenerator& report, const std::filesystem::path& path) {
  std::wstring reason;
  try {
    WriteReportPdf(report, path, ReportPaperSize(report));
    return true;
  } catch (const std::exception& error) {
    reason = platform::FromUtf8(error.what());
  }
  platform::ShowMessageBox(
      L"The invoice could not be printed to " + platform::WideFromPath(path) + L":\n" + reason,
      CReportGenerator::kMessageCaption, platform::MB_OK | platform::MB_ICONERROR);
  return false;
}

}  // namespace preview
