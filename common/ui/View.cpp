#include "common/ui/View.h"

#include <wx/window.h>

#include "common/ui/BaseFrameWnd.h"
#include "common/ui/Document.h"

View::~View() {
  // No virtual calls here: the window part may already be gone.
  if (m_frame) m_frame->RemoveFrameView(this);
  if (m_document) m_document->RemoveView(this);
}

void View::OnInitialUpdate() {
  OnUpdate(nullptr, 0, nullptr);
}

BaseFrameWnd* View::GetParentFrame() {
  for (wxWindow* window = GetViewWindow(); window; window = window->GetParent())
    if (auto* frame = dynamic_cast<BaseFrameWnd*>(window)) return frame;
  return nullptr;
}
