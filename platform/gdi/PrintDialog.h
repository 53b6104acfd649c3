#pragma once

// Printing through the print dialog: the user picks a printer and confirms,
// and the pages of a job go to that printer as one document.
//
// By default this is the system's dialog and printers. On GTK the system
// dialog and the printing are one print operation that hands out its printer
// context only while it runs, so the job is a page-drawing function rather
// than a loop of its own. A dialog printer (SetDialogPrinter) replaces the
// system's: wx's own print dialog is shown, with the same choices, and a
// confirmed job goes to the target the dialog printer makes (a PDF file, a
// recording), which is how tests and headless runs print through the dialog
// without a print job on a real printer.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/PrintTarget.h"

class wxPrintData;
class wxPrintDialogData;
class wxPrintout;
class wxWindow;

namespace platform::gdi {

// What the dialog offers besides the printer and its settings. The number
// of copies is always the printer's own setting: a job prints once.
struct PrintDialogChoices {
  bool pageNumbers = false;  // a page range
  bool selection = false;    // printing the selection only
  bool printToFile = false;  // the print-to-file choice
};

// One print job: pages 1 to pageCount, each drawn by drawPage on the page's
// canvas, in the printer's units.
struct PrintJob {
  std::wstring documentName;
  int32_t pageCount = 0;
  std::function<void(Canvas& canvas, int32_t page)> drawPage;
};

enum class PrintDialogResult { Printed, Cancelled, Failed };

// Shows the print dialog over the parent (none: no owner) and, when the user
// confirms, prints the job on the chosen printer.
PrintDialogResult PrintWithDialog(wxWindow* parent, const PrintDialogChoices& choices, const PrintJob& job);

// Prints the job into the target as one document: StartDoc, each page
// between StartPage and EndPage, EndDoc. False when a step fails; a failed
// page aborts the document.
bool PrintJobInto(PrintTarget& target, const PrintJob& job);

// Makes the target a confirmed dialog prints into, from the print settings
// the user chose; null fails the print.
using DialogPrinter = std::function<std::unique_ptr<PrintTarget>(const wxPrintData& settings)>;

// Replaces the system's dialog and printers (see above); an empty function
// restores them. Returns the one it replaces.
DialogPrinter SetDialogPrinter(DialogPrinter printer);

// Sets a printout's DC up to draw in printer pixels from the paper's corner
// (the preview's bitmap is scaled, a printer's page is not) and gives the
// metrics of a page drawn that way.
DeviceMetrics FitPrintoutToPaper(wxPrintout& printout);

// The dialog's settings for these choices and pages (exposed for tests).
wxPrintDialogData PrintDialogDataFor(const PrintDialogChoices& choices, int32_t pageCount);

}  // namespace platform::gdi
