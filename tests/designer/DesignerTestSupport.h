#pragma once

// What the designer's window tests share: running the event loop a little,
// and closing the main frame as the user does.

#include <gtest/gtest.h>

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

// Closes the frame as the user does and waits until it is gone.
inline void CloseAndWait(CPlandelApp& app) {
  wxWeakRef<CMainFrame> frame(app.GetMainFrame());
  ASSERT_TRUE(frame);
  frame->Close();
  Pump();
  ASSERT_FALSE(frame) << "the frame is still open";
}

}  // namespace designer::test
