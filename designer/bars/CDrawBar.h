#pragma once

// The tool box: a docking bar holding an outlook bar with the folders of
// ToolBoxFolders. A click on a tool hands its code to the frame, which
// starts drawing that entity.

#include <functional>

#include "designer/bars/CGfxOutBarCtrl.h"
#include "designer/bars/CPinDockBar.h"

namespace designer {

class CDrawBar : public CPinDockBar {
public:
  static constexpr int kOutBarId = 102;

  CDrawBar(wxWindow* parent, int id);

  // Called with the tool code of a clicked tool (0 for an index outside the
  // open folder).
  void SetOnTool(std::function<void(int32_t code)> onTool) { m_onTool = std::move(onTool); }

  CGfxOutBarCtrl* GetOutBar() const { return m_outBar; }
  wxWindow* GetHostedWindow() const override { return m_outBar; }
  wxString GetTabTitle() const override { return " OutlookBar "; }

private:
  CGfxOutBarCtrl* m_outBar = nullptr;
  std::function<void(int32_t)> m_onTool;
};

}  // namespace designer
