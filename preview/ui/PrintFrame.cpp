#include "preview/ui/PrintFrame.h"

#include "preview/ui/PrintView.h"

PrintFrame::PrintFrame(std::wstring frameName, std::wstring placementKey)
    : BaseFrameWnd(std::move(frameName), std::move(placementKey)) {
  Bind(wxEVT_CLOSE_WINDOW, &PrintFrame::OnClose, this);
}

PrintFrame::~PrintFrame() {
  ReleaseView();
}

int PrintFrame::OnCreate() {
  CreateStatusBar(1);
  return 0;
}

void PrintFrame::SetView(std::unique_ptr<PrintView> view) {
  ReleaseView();
  m_view = std::move(view);
}

void PrintFrame::ReleaseView() {
  if (m_view) m_view->EndPreview();
  m_view.reset();
}

void PrintFrame::OnClose(wxCloseEvent& /*event*/) {
  // Whether or not the preview ever started, closing ends the frame: a
  // hidden frame would keep its document until the program ends.
  if (m_view) m_view->EndPreview();
  Destroy();
}
