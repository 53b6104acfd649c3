#include "designer/bars/CDrawBar.h"

#include <wx/sizer.h>

#include "designer/bars/ToolBoxContent.h"

namespace designer {

CDrawBar::CDrawBar(wxWindow* parent, int id) : CPinDockBar(parent, id, "Toolbox") {
  m_outBar = new CGfxOutBarCtrl(this, kOutBarId, CGfxOutBarCtrl::kToolBoxFlags);
  GetSizer()->Add(m_outBar, 1, wxEXPAND);
  m_outBar->SetAnimationTickCount(kToolBoxSlideDelay);
  m_outBar->SetSelectionTimer(kToolBoxSelectionTimer);
  for (const ToolBoxFolder& folder : ToolBoxFolders()) {
    const int32_t index = m_outBar->AppendFolder(folder.name, folder.data);
    int32_t position = 1;
    for (const ToolBoxTool& tool : folder.tools) m_outBar->InsertFolderItem(index, position++, tool.caption, -1, tool.code);
  }
  m_outBar->SelectFolder(0);
  m_outBar->SetNotify([this](int32_t code, int32_t index, const CGfxOutBarCtrl::DragRequest*) -> int64_t {
    if (code == CGfxOutBarCtrl::kItemClicked && m_onTool) m_onTool(m_outBar->GetFolderItemData(index));
    // Tools may be put in another order within their folder.
    return code == CGfxOutBarCtrl::kDragItem ? 1 : 0;
  });
}

}  // namespace designer
