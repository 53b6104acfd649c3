#include "common/ui/DocTemplate.h"

#include <utility>

#include "common/ui/BaseFrameWnd.h"
#include "common/ui/Document.h"
#include "common/ui/View.h"

DocTemplate::DocTemplate(unsigned resourceId, FrameFactory frameFactory, ViewFactory viewFactory)
    : m_resourceId(resourceId),
      m_frameFactory(std::move(frameFactory)),
      m_viewFactory(std::move(viewFactory)) {}

BaseFrameWnd* DocTemplate::CreateNewFrame(Document& document, wxWindow* parent) const {
  BaseFrameWnd* frame = m_frameFactory ? m_frameFactory(parent) : nullptr;
  if (!frame) return nullptr;
  View* view = m_viewFactory ? m_viewFactory(frame) : nullptr;
  if (!view) {
    frame->Destroy();
    return nullptr;
  }
  document.AddView(view);
  frame->AddFrameView(view);
  frame->SetActiveView(view);
  return frame;
}

void DocTemplate::InitialUpdateFrame(BaseFrameWnd* frame, bool makeVisible) {
  if (frame) frame->InitialUpdateFrame(makeVisible);
}
