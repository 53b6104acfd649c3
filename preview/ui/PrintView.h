#pragma once

// A view that prints and previews itself in its frame. It has no window of
// its own: while it previews, its frame shows the preview bar (print, page
// navigation, zoom, close) over the canvas with the pages.
//
// Subclasses supply the printout of their pages, the print preparation
// (the page range the print dialog offers) and printing into a PDF file.

#include <cstdint>
#include <filesystem>
#include <string>

#include <wx/cmndata.h>

class PrintFrame;
class PrintPreview;
class wxPreviewCanvas;
class wxInfoBar;
class wxPreviewControlBar;
class wxPrintout;

class PrintView {
public:
  explicit PrintView(PrintFrame& frame);
  // Ends the preview.
  virtual ~PrintView();
  PrintView(const PrintView&) = delete;
  PrintView& operator=(const PrintView&) = delete;

  // Run once the frame and the document are set up.
  virtual void OnInitialUpdate() {}

  // Starts the preview in the frame. False, after "Command failed.", when it
  // cannot start; the frame then stays without preview.
  bool StartPreview();
  // Removes the preview bar and the pages from the frame.
  void EndPreview();
  bool IsPreviewing() const { return m_preview != nullptr; }

  // The print command: the pages go to the print-to-file destination when
  // one is set, otherwise through the system print dialog.
  void OnFilePrint();

  // Shows the preview's current page in the frame's status bar.
  void UpdatePageStatus();

  PrintFrame& GetFrame() const { return m_frame; }
  PrintPreview* GetPreview() const { return m_preview; }
  wxPreviewControlBar* GetControlBar() const { return m_controlBar; }
  wxPreviewCanvas* GetCanvas() const { return m_canvas; }
  // The bar above the pages that shows the notice; null without one.
  wxInfoBar* GetNoticeBar() const { return m_noticeBar; }

  // What the preview tells the user above its pages without stopping them
  // (lines a template could not show); empty for nothing.
  virtual std::wstring GetNotice() const { return std::wstring(); }

protected:
  // A new printout of the view's pages, owned by the caller.
  virtual wxPrintout* CreatePrintout() = 0;
  // How many pages there are to preview and print.
  virtual int32_t GetPageCount() = 0;
  // Fills the print dialog's choices; the base offers no page numbers.
  virtual void OnPreparePrinting(wxPrintDialogData& data);
  // The paper the pages are laid out for; A4 portrait in the base.
  virtual wxPrintData GetPrintData() const;
  // Writes the pages into a PDF file; false after telling the user why.
  virtual bool PrintToFile(const std::filesystem::path& path) = 0;

private:
  PrintFrame& m_frame;
  PrintPreview* m_preview = nullptr;
  wxPreviewControlBar* m_controlBar = nullptr;
  wxPreviewCanvas* m_canvas = nullptr;
  wxInfoBar* m_noticeBar = nullptr;
};
