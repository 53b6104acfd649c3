#pragma once

// A docking bar of the designer's frame: a panel that the frame docks,
// floats and resizes through wxAUI (its pane carries the caption, the close
// button and the pin button), and that the frame can park on an auto-hide
// bar. The window a bar hosts is the one that moves into the sliding frame
// while the bar is auto-hidden.

#include <functional>

#include <wx/panel.h>
#include <wx/weakref.h>

#include "designer/bars/SizingBarSizes.h"

class wxAuiFloatingFrame;

namespace designer {

class CPinDockBar : public wxPanel {
public:
  CPinDockBar(wxWindow* parent, int id, const wxString& caption);

  const wxString& GetCaption() const { return m_caption; }
  // The hosted window (outlook bar, property tree).
  virtual wxWindow* GetHostedWindow() const = 0;
  // The title of the bar's tab on an auto-hide bar.
  virtual wxString GetTabTitle() const = 0;
  // Puts the hosted window back into the bar after it was auto-hidden.
  void TakeBackHostedWindow();

  SizingBarSizes& GetSizes() { return m_sizes; }

  // Called once for each floating frame the bar comes to float in.
  void SetOnFloat(std::function<void(wxAuiFloatingFrame*)> onFloat) { m_onFloat = std::move(onFloat); }

  // wxAUI moves the bar into a new floating frame, and back into the main
  // frame, by reparenting it: every new floating frame is noticed at once.
  bool Reparent(wxWindowBase* newParent) override;

  // The floating frame last handed to the skinning library; null before.
  wxWindow* GetSkinnedFrame() const { return m_skinnedFrame.get(); }

private:
  // Once after the bar came to float: hands its floating frame to the
  // skinning library, unless that frame was the last one handed, and tells
  // the owner.
  void NoticeFloatingFrame();

  wxString m_caption;
  SizingBarSizes m_sizes;
  wxWeakRef<wxWindow> m_noticedFrame;  // the floating frame noticed last
  wxWeakRef<wxWindow> m_skinnedFrame;
  std::function<void(wxAuiFloatingFrame*)> m_onFloat;
};

}  // namespace designer
