#include "designer/bars/CPinDockBar.h"

#include <wx/aui/framemanager.h>
#include <wx/aui/floatpane.h>
#include <wx/sizer.h>

#include "designer/SkinLibrary.h"

namespace designer {

CPinDockBar::CPinDockBar(wxWindow* parent, int id, const wxString& caption)
    : wxPanel(parent, id, wxDefaultPosition, wxSize(200, 300)), m_caption(caption) {
  SetName(caption);
  SetSizer(new wxBoxSizer(wxVERTICAL));
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    NoticeFloatingFrame();
    event.Skip();
  });
}

void CPinDockBar::NoticeFloatingFrame() {
  auto* frame = wxDynamicCast(GetParent(), wxAuiFloatingFrame);
  if (!frame) {
    m_floatChecked = false;
    return;
  }
  if (m_floatChecked) return;
  m_floatChecked = true;
  if (Skin().skinWindowSet && frame != m_skinnedFrame.get()) {
    Skin().SkinWindowSet(frame);
    m_skinnedFrame = frame;
  }
  if (m_onFloat) m_onFloat(frame);
}

void CPinDockBar::TakeBackHostedWindow() {
  wxWindow* hosted = GetHostedWindow();
  if (!hosted) return;
  if (hosted->GetParent() != this) hosted->Reparent(this);
  if (!GetSizer()->GetItem(hosted)) GetSizer()->Add(hosted, 1, wxEXPAND);
  hosted->Show();
  Layout();
}

}  // namespace designer
