#include "preview/ui/PrintView.h"

#include <memory>

#include <wx/infobar.h>
#include <wx/print.h>
#include <wx/sizer.h>

#include "platform/MessageBox.h"
#include "preview/ReportGenerator.h"
#include "preview/ui/PrintDestination.h"
#include "preview/ui/PrintFrame.h"
#include "preview/ui/PrintPreview.h"

namespace {

// wx's preview canvas reads its keys and mouse wheel assuming that its parent
// is a wxPreviewFrame; here it sits in a frame of our own, so it answers
// them itself, through the preview bar (handlers bound to the window run
// before the canvas's own ones, which then never see these events).
class PreviewCanvas : public wxPreviewCanvas {
public:
  PreviewCanvas(wxPrintPreviewBase* preview, wxWindow* parent, PrintView& view, wxPreviewControlBar& bar)
      : wxPreviewCanvas(preview, parent), m_view(view), m_bar(bar) {
    Bind(wxEVT_CHAR, &PreviewCanvas::OnKey, this);
    Bind(wxEVT_MOUSEWHEEL, &PreviewCanvas::OnWheel, this);
  }

private:
  void OnKey(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
      case WXK_RETURN:
      case WXK_NUMPAD_ENTER:
        m_view.OnFilePrint();
        break;
      case WXK_ESCAPE:
        m_view.GetFrame().Close();
        break;
      case WXK_PAGEDOWN:
      case WXK_RIGHT:
        m_bar.OnNext();
        break;
      case WXK_PAGEUP:
      case WXK_LEFT:
        m_bar.OnPrevious();
        break;
      case WXK_HOME:
        m_bar.OnFirst();
        break;
      case WXK_END:
        m_bar.OnLast();
        break;
      case WXK_DOWN:
        ScrollByUnits(1);
        break;
      case WXK_UP:
        ScrollByUnits(-1);
        break;
      case '+':
      case WXK_NUMPAD_ADD:
        m_bar.DoZoomIn();
        break;
      case '-':
      case WXK_NUMPAD_SUBTRACT:
        m_bar.DoZoomOut();
        break;
      case WXK_TAB:
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
        break;
      default:
        break;
    }
  }

  void OnWheel(wxMouseEvent& event) {
    const int delta = event.GetWheelDelta() > 0 ? event.GetWheelDelta() : 120;
    const int steps = event.GetWheelRotation() / delta;
    if (steps == 0) return;
    if (event.ControlDown()) {
      for (int i = 0; i < (steps > 0 ? steps : -steps); ++i) steps > 0 ? m_bar.DoZoomIn() : m_bar.DoZoomOut();
      return;
    }
    ScrollByUnits(-steps * event.GetLinesPerAction());
  }

  void ScrollByUnits(int units) {
    int x = 0;
    int y = 0;
    GetViewStart(&x, &y);
    Scroll(x, y + units);
  }

  PrintView& m_view;
  wxPreviewControlBar& m_bar;
};

}  // namespace

PrintView::PrintView(PrintFrame& frame) : m_frame(frame) {}

PrintView::~PrintView() {
  EndPreview();
}

bool PrintView::StartPreview() {
  if (m_preview) return true;
  wxPrintData data = GetPrintData();
  auto preview = std::make_unique<PrintPreview>(*this, CreatePrintout(), CreatePrintout(), &data);
  if (!preview->IsOk()) {
    platform::ShowMessageBox(L"Command failed.", CReportGenerator::kMessageCaption,
                             platform::MB_OK | platform::MB_ICONEXCLAMATION);
    return false;
  }
  constexpr long kButtons = wxPREVIEW_PRINT | wxPREVIEW_PREVIOUS | wxPREVIEW_NEXT | wxPREVIEW_ZOOM |
                            wxPREVIEW_FIRST | wxPREVIEW_LAST | wxPREVIEW_GOTO;
  m_controlBar = new wxPreviewControlBar(preview.get(), kButtons, &m_frame);
  m_controlBar->CreateButtons();
  // The bar would close its parent as a wxPreviewFrame: close ours instead.
  m_controlBar->Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { m_frame.Close(); }, wxID_PREVIEW_CLOSE);
  m_canvas = new PreviewCanvas(preview.get(), &m_frame, *this, *m_controlBar);
  // The preview is deliberately not told about the frame: wx would take it
  // for a wxPreviewFrame. The page count and the status text are ours.
  preview->SetCanvas(m_canvas);
  m_preview = preview.release();

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  if (const std::wstring notice = GetNotice(); !notice.empty()) {
    // Never a modal box: an unattended print must not wait for a click.
    m_noticeBar = new wxInfoBar(&m_frame);
    sizer->Add(m_noticeBar, wxSizerFlags().Expand());
    m_noticeBar->ShowMessage(notice, wxICON_WARNING);
  }
  sizer->Add(m_controlBar, wxSizerFlags().Expand());
  sizer->Add(m_canvas, wxSizerFlags(1).Expand());
  m_frame.SetSizer(sizer);
  // Rendering the first page prepares the printout and so learns the page count.
  m_preview->RenderPage(m_preview->GetCurrentPage());
  m_controlBar->SetPageInfo(m_preview->GetMinPage(), m_preview->GetMaxPage());
  m_controlBar->SetZoomControl(m_preview->GetZoom());
  m_frame.Layout();
  m_preview->AdjustScrollbars(m_canvas);
  m_canvas->SetFocus();
  UpdatePageStatus();
  return true;
}

void PrintView::EndPreview() {
  if (!m_preview) return;
  m_canvas->SetPreview(nullptr);
  m_preview->SetCanvas(nullptr);
  delete m_preview;
  m_preview = nullptr;
  if (!m_frame.IsBeingDeleted()) m_frame.SetSizer(nullptr);
  // Neither window may outlive the preview they point to.
  m_canvas->Destroy();
  m_controlBar->Destroy();
  if (m_noticeBar) m_noticeBar->Destroy();
  m_canvas = nullptr;
  m_controlBar = nullptr;
  m_noticeBar = nullptr;
  if (!m_frame.IsBeingDeleted() && m_frame.GetStatusBar()) m_frame.SetStatusText(wxString());
}

void PrintView::UpdatePageStatus() {
  if (!m_preview || !m_frame.GetStatusBar()) return;
  m_frame.SetStatusText(PrintPreview::PageStatusText(m_preview->GetCurrentPage(), GetPageCount()));
}

void PrintView::OnFilePrint() {
  if (GetPageCount() <= 0) return;  // nothing to print: how it came about was reported
  if (const std::optional<std::filesystem::path> file = preview::PrintToFileDestination()) {
    PrintToFile(*file);
    return;
  }
  wxPrintDialogData data(GetPrintData());
  OnPreparePrinting(data);
  wxPrinter printer(&data);
  const std::unique_ptr<wxPrintout> printout(CreatePrintout());
  if (!printer.Print(&m_frame, printout.get(), true) && wxPrinter::GetLastError() == wxPRINTER_ERROR) {
    platform::ShowMessageBox(CReportGenerator::kPrintFailedText, CReportGenerator::kMessageCaption,
                             platform::MB_OK | platform::MB_ICONERROR, &m_frame);
  }
}

void PrintView::OnPreparePrinting(wxPrintDialogData& data) {
  data.EnablePageNumbers(false);
  data.EnableSelection(false);
}

wxPrintData PrintView::GetPrintData() const {
  wxPrintData data;
  data.SetPaperId(wxPAPER_A4);
  data.SetOrientation(wxPORTRAIT);
  return data;
}
