#pragma once

// Printing the template: one page of the template's paper, drawn at the
// printer's resolution. Users print through the system's print dialog and
// preview; with CORVANE_PRINT_TO_FILE naming a file (as for the preview
// library), Print writes a PDF there with no dialog.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <wx/print.h>

namespace platform::gdi {
class Canvas;
}

namespace designer {

class CPlandelView;

inline constexpr char kPrintToFileVariable[] = "CORVANE_PRINT_TO_FILE";

// The PDF to print into instead of the printer; nullopt when the variable is unset or empty.
std::optional<std::filesystem::path> PrintToFileDestination();

// Prints the view's template into a PDF. False, with the reason in *error, when it cannot.
bool PrintTemplateToPdf(CPlandelView& view, const std::filesystem::path& path, std::wstring* error);

// The template as a printout for wx's print dialog and preview.
class TemplatePrintout : public wxPrintout {
public:
  explicit TemplatePrintout(CPlandelView& view);
  bool HasPage(int page) override { return page == 1; }
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  bool OnPrintPage(int page) override;

private:
  CPlandelView& m_view;
};

// Print, print preview and print setup of the frame's view.
void PrintTemplate(CPlandelView& view, wxWindow* parent);
void PreviewTemplate(CPlandelView& view, wxWindow* parent);
void PrintSetup(wxWindow* parent);

}  // namespace designer
