#include "platform/gdi/PrintDialog.h"

#include <algorithm>
#include <utility>

#include <wx/app.h>
#include <wx/cmndata.h>
#include <wx/generic/prntdlgg.h>
#include <wx/print.h>
#include <wx/sizer.h>

#include "platform/gdi/DeviceContext.h"

namespace platform::gdi {

namespace {

DialogPrinter& CurrentDialogPrinter() {
  static DialogPrinter printer;
  return printer;
}

// The job's pages as the system printer asks for them, in printer pixels
// from the paper's corner.
class JobPrintout : public wxPrintout {
public:
  explicit JobPrintout(const PrintJob& job) : wxPrintout(job.documentName), m_job(job) {}

  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override {
    // A printer needs a page: a job without pages prints one blank sheet.
    *minPage = 1;
    *maxPage = m_job.pageCount > 0 ? m_job.pageCount : 1;
    *pageFrom = 1;
    *pageTo = *maxPage;
  }

  bool HasPage(int page) override { return page >= 1 && page <= std::max(m_job.pageCount, 1); }

  bool OnPrintPage(int page) override {
    wxDC* dc = GetDC();
    if (!dc) return false;
    DeviceContext canvas(*dc, FitPrintoutToPaper(*this));
    if (m_job.drawPage && page <= m_job.pageCount) m_job.drawPage(canvas, page);
    return true;
  }

private:
  const PrintJob& m_job;
};

PrintDialogResult PrintThroughSystem(wxWindow* parent, const PrintDialogChoices& choices, const PrintJob& job) {
  wxPrintDialogData data = PrintDialogDataFor(choices, job.pageCount);
  wxPrinter printer(&data);
  JobPrintout printout(job);
  if (printer.Print(parent, &printout, true)) return PrintDialogResult::Printed;
  return wxPrinter::GetLastError() == wxPRINTER_CANCELLED ? PrintDialogResult::Cancelled
                                                          : PrintDialogResult::Failed;
}

PrintDialogResult PrintThroughDialogPrinter(wxWindow* parent, const PrintDialogChoices& choices,
                                            const PrintJob& job, const DialogPrinter& makeTarget) {
  wxPrintDialogData data = PrintDialogDataFor(choices, job.pageCount);
  wxGenericPrintDialog dialog(parent, &data);
  // The dialog only greys its print-to-file box out; a choice it does not
  // offer is not shown at all.
  if (wxWindow* toFile = dialog.FindWindow(wxPRINTID_PRINTTOFILE); toFile && !choices.printToFile) {
    toFile->Hide();
    if (wxSizer* sizer = dialog.GetSizer()) sizer->Fit(&dialog);
  }
  if (dialog.ShowModal() != wxID_OK) return PrintDialogResult::Cancelled;
  const std::unique_ptr<PrintTarget> target = makeTarget(dialog.GetPrintDialogData().GetPrintData());
  if (!target) return PrintDialogResult::Failed;
  return PrintJobInto(*target, job) ? PrintDialogResult::Printed : PrintDialogResult::Failed;
}

}  // namespace

DeviceMetrics FitPrintoutToPaper(wxPrintout& printout) {
  const wxRect paper = printout.GetPaperRectPixels();
  printout.FitThisSizeToPaper(paper.GetSize());
  int ppiX = 0;
  int ppiY = 0;
  printout.GetPPIPrinter(&ppiX, &ppiY);
  DeviceMetrics device;
  device.pixelsPerInchX = ppiX > 0 ? ppiX : 600;
  device.pixelsPerInchY = ppiY > 0 ? ppiY : 600;
  device.width = paper.width;
  device.height = paper.height;
  return device;
}

wxPrintDialogData PrintDialogDataFor(const PrintDialogChoices& choices, int32_t pageCount) {
  wxPrintDialogData data;
  data.GetPrintData().SetPaperId(wxPAPER_A4);
  data.EnablePageNumbers(choices.pageNumbers);
  data.EnableSelection(choices.selection);
  data.EnablePrintToFile(choices.printToFile);
  data.SetPrintToFile(false);
  data.SetAllPages(true);
  const int pages = pageCount > 0 ? pageCount : 1;
  data.SetMinPage(1);
  data.SetMaxPage(pages);
  data.SetFromPage(1);
  data.SetToPage(pages);
  return data;
}

PrintDialogResult PrintWithDialog(wxWindow* parent, const PrintDialogChoices& choices, const PrintJob& job) {
  if (!parent && wxTheApp) parent = wxTheApp->GetTopWindow();
  if (const DialogPrinter& printer = CurrentDialogPrinter()) {
    return PrintThroughDialogPrinter(parent, choices, job, printer);
  }
  return PrintThroughSystem(parent, choices, job);
}

bool PrintJobInto(PrintTarget& target, const PrintJob& job) {
  if (!target.StartDoc(job.documentName)) return false;
  for (int32_t page = 1; page <= job.pageCount; ++page) {
    if (!target.StartPage()) {
      target.AbortDoc();
      return false;
    }
    if (job.drawPage) job.drawPage(target.PageCanvas(), page);
    if (!target.EndPage()) {
      target.AbortDoc();
      return false;
    }
  }
  return target.EndDoc();
}

DialogPrinter SetDialogPrinter(DialogPrinter printer) {
  return std::exchange(CurrentDialogPrinter(), std::move(printer));
}

}  // namespace platform::gdi
