#pragma once

// A docking bar of the designer's frame: a panel that the frame docks,
// floats and resizes through wxAUI (its pane carries the caption, the close
// button and the pin button), and that the frame can park on an auto-hide
// bar. The window a bar hosts is the one that moves into the sliding frame
// while the bar is auto-hidden.

#include <wx/panel.h>

#include "designer/bars/SizingBarSizes.h"

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

private:
  wxString m_caption;
  SizingBarSizes m_sizes;
};

}  // namespace designer
