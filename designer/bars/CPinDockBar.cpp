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

bool CPinDockBar::Reparent(wxWindowBase* newParent) {
  const bool done = wxPanel::Reparent(newParent);
  NoticeFloatingFrame();
  return done;
}

void CPinDockBar::NoticeFloatingFrame() {
  auto* frame = wxDynamicCast(GetParent(), wxAuiFloatingFrame);
  if (!frame) {
    m_noticedFrame = nullptr;
    return;
  }
  // A frame closed by its close box and a new one made for the bar shown
  // again: the new one is noticed too, even with no size event between.
  if (frame == m_noticedFrame.get()) return;
  m_noticedFrame = frame;
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
