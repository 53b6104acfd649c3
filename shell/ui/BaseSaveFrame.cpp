#include "shell/ui/BaseSaveFrame.h"

#include <vector>

#include "platform/MessageBox.h"

bool AskSaveBeforeClose(bool& modified, const std::function<bool()>& save, wxWindow* owner) {
  if (!modified) return true;
  int answer = platform::ShowMessageBox(kSaveChangesQuestion, kAppCaption,
                                        platform::MB_YESNOCANCEL | platform::MB_ICONQUESTION, owner);
  if (answer == platform::IDYES) return save();
  if (answer == platform::IDNO) {
    modified = false;
    return true;
  }
  return false;
}

bool QueryCloseModifiedFrames(const wxWindow* except) {
  // A save may open or close windows: walk a copy.
  const std::vector<wxWindow*> windows(wxTopLevelWindows.begin(), wxTopLevelWindows.end());
  for (wxWindow* window : windows) {
    auto* frame = dynamic_cast<BaseSaveFrame*>(window);
    if (!frame || frame == except || frame->IsBeingDeleted() || !frame->IsModified()) continue;
    frame->Raise();
    if (!frame->QueryClose()) return false;
  }
  return true;
}

void MarkFrameModified(wxWindow* window) {
  for (; window; window = window->GetParent()) {
    if (auto* frame = dynamic_cast<BaseSaveFrame*>(window)) {
      frame->SetModified(true);
      return;
    }
  }
}

BaseSaveFrame::BaseSaveFrame() : BaseFrameWnd({}, common::kWinPosKey, kMainProfileKey) {
  Bind(wxEVT_CLOSE_WINDOW, &BaseSaveFrame::OnClose, this);
}

bool BaseSaveFrame::SaveChanges() {
  m_modified = false;
  return true;
}

bool BaseSaveFrame::QueryClose() {
  return AskSaveBeforeClose(
      m_modified, [this] { return SaveChanges(); }, this);
}

void BaseSaveFrame::OnClose(wxCloseEvent& event) {
  if (event.CanVeto() && !QueryClose()) {
    event.Veto();
    return;
  }
  Destroy();
}
