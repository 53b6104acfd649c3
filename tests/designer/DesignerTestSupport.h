#pragma once

// What the designer's window tests share: running the event loop a little,
// sending menu commands, reading saved files back and closing the main frame
// as the user does.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <wx/app.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include "designer/CMainFrame.h"
#include "designer/CPlandelApp.h"

namespace designer::test {

inline void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxMilliSleep(10);
    wxTheApp->ProcessIdle();
  }
}

// A menu command, as the frame's menu sends it.
inline void Command(CMainFrame* frame, int id) {
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(frame);
  frame->GetEventHandler()->ProcessEvent(event);
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Closes the frame as the user does and waits until it is gone.
inline void CloseAndWait(CPlandelApp& app) {
  wxWeakRef<CMainFrame> frame(app.GetMainFrame());
  ASSERT_TRUE(frame);
  frame->Close();
  Pump();
  ASSERT_FALSE(frame) << "the frame is still open";
}

}  // namespace designer::test
