#pragma once

// The frame of a print view: a status bar with one pane, and the view it
// owns. Closing the frame ends the view's preview and destroys the frame
// (placement saved) together with its view.

#include <memory>
#include <string>

#include "common/ui/BaseFrameWnd.h"

class PrintView;

class PrintFrame : public BaseFrameWnd {
public:
  PrintFrame(std::wstring frameName, std::wstring placementKey);
  ~PrintFrame() override;

  PrintView* GetActiveView() const { return m_view.get(); }

protected:
  int OnCreate() override;
  void SetView(std::unique_ptr<PrintView> view);
  // Ends the preview and deletes the view (before what it shows goes).
  void ReleaseView();

private:
  void OnClose(wxCloseEvent& event);

  std::unique_ptr<PrintView> m_view;
};
