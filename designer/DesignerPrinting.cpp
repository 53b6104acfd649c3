#include "designer/DesignerPrinting.h"

#include <cstdlib>

#include <wx/dc.h>
#include <wx/printdlg.h>

#include "designer/CPlandelView.h"
#include "designer/TemplateFiles.h"
#include "platform/MessageBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PdfWriter.h"

namespace designer {
namespace {

wxPrintData& PrintSettings() {
  static wxPrintData data;
  return data;
}

// The page at the device's resolution: white paper and the view's drawing,
// scaled from the paper's pixels.
void DrawPage(CPlandelView& view, platform::gdi::Canvas& canvas, wxDC& dc, int devicePixelsPerInch) {
  const double scale = static_cast<double>(devicePixelsPerInch) / view.GetPaperPixelsPerInch();
  const int width = static_cast<int>(view.GetPaperSize().x * scale + 0.5);
  const int height = static_cast<int>(view.GetPaperSize().y * scale + 0.5);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(0, 0, width, height);
  view.PrintTemplate(canvas, wxRect(0, 0, width, height), scale);
}

}  // namespace

std::optional<std::filesystem::path> PrintToFileDestination() {
  const char* value = std::getenv(kPrintToFileVariable);
  if (!value || !*value) return std::nullopt;
  return std::filesystem::path(value);
}

bool PrintTemplateToPdf(CPlandelView& view, const std::filesystem::path& path, std::wstring* error) {
  const double ppi = view.GetPaperPixelsPerInch();
  platform::gdi::PdfWriter pdf(path, view.GetPaperSize().x / ppi, view.GetPaperSize().y / ppi);
  auto fail = [&] {
    if (error) *error = pdf.GetErrorText();
    pdf.AbortDoc();
    return false;
  };
  if (!pdf.StartDoc(L"CorvanDesigner") || !pdf.StartPage()) return fail();
  auto& canvas = dynamic_cast<platform::gdi::DeviceContext&>(pdf.PageCanvas());
  DrawPage(view, canvas, canvas.GetDC(), pdf.GetMetrics().pixelsPerInchX);
  if (!pdf.EndPage() || !pdf.EndDoc()) return fail();
  return true;
}

TemplatePrintout::TemplatePrintout(CPlandelView& view) : wxPrintout(L"CorvanDesigner"), m_view(view) {}

void TemplatePrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  *minPage = *maxPage = *pageFrom = *pageTo = 1;
}

bool TemplatePrintout::OnPrintPage(int) {
  wxDC* dc = GetDC();
  if (!dc) return false;
  int ppiX = 0, ppiY = 0;
  GetPPIPrinter(&ppiX, &ppiY);
  // The preview draws on a screen DC scaled like the printer page.
  if (IsPreview()) {
    int pageWidth = 0, pageHeight = 0;
    GetPageSizePixels(&pageWidth, &pageHeight);
    MapScreenSizeToPage();
    FitThisSizeToPage(wxSize(pageWidth, pageHeight));
  }
  platform::gdi::DeviceContext canvas(*dc);
  DrawPage(m_view, canvas, *dc, ppiX > 0 ? ppiX : 600);
  return true;
}

void PrintTemplate(CPlandelView& view, wxWindow* parent) {
  if (std::optional<std::filesystem::path> file = PrintToFileDestination()) {
    std::wstring error;
    if (!PrintTemplateToPdf(view, *file, &error))
      platform::ShowMessageBox(error, kAppTitle, platform::MB_OK | platform::MB_ICONERROR, parent);
    return;
  }
  wxPrintDialogData data(PrintSettings());
  wxPrinter printer(&data);
  TemplatePrintout printout(view);
  if (printer.Print(parent, &printout, true)) PrintSettings() = printer.GetPrintDialogData().GetPrintData();
}

void PreviewTemplate(CPlandelView& view, wxWindow* parent) {
  wxPrintDialogData data(PrintSettings());
  auto* preview = new wxPrintPreview(new TemplatePrintout(view), new TemplatePrintout(view), &data);
  if (!preview->IsOk()) {
    delete preview;
    platform::ShowMessageBox(L"The print preview cannot be shown.", kAppTitle,
                             platform::MB_OK | platform::MB_ICONERROR, parent);
    return;
  }
  auto* frame = new wxPreviewFrame(preview, parent, "Print Preview", wxDefaultPosition, wxSize(800, 700));
  frame->Initialize();
  frame->Show();
}

void PrintSetup(wxWindow* parent) {
  wxPageSetupDialogData data(PrintSettings());
  wxPageSetupDialog dialog(parent, &data);
  if (dialog.ShowModal() == wxID_OK) PrintSettings() = dialog.GetPageSetupData().GetPrintData();
}

}  // namespace designer
