#include "designer/bars/CPinDockBar.h"

#include <wx/sizer.h>

namespace designer {

CPinDockBar::CPinDockBar(wxWindow* parent, int id, const wxString& caption)
    : wxPanel(parent, id, wxDefaultPosition, wxSize(200, 300)), m_caption(caption) {
  SetName(caption);
  SetSizer(new wxBoxSizer(wxVERTICAL));
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
