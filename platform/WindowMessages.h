#pragma once

// Registered window messages and their synchronous delivery to wx windows.
// A message is (id, wParam, lParam); windows that want them bind
// EVT_CORVANE_MESSAGE and look at the id.

#include <cstdint>
#include <string>

#include <wx/event.h>

class wxWindow;

namespace platform {

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

// Process-wide name -> id table: ids from 0xC000, the same name always the same id.
unsigned RegisterWindowMessage(const std::wstring& name);

class WindowMessageEvent : public wxEvent {
public:
  WindowMessageEvent(unsigned message = 0, WPARAM wParam = 0, LPARAM lParam = 0);
  wxEvent* Clone() const override { return new WindowMessageEvent(*this); }

  unsigned GetMessage() const { return m_message; }
  WPARAM GetWParam() const { return m_wParam; }
  LPARAM GetLParam() const { return m_lParam; }
  LRESULT GetResult() const { return m_result; }
  void SetResult(LRESULT result) { m_result = result; }

private:
  unsigned m_message;
  WPARAM m_wParam;
  LPARAM m_lParam;
  LRESULT m_result = 0;
};

}  // namespace platform

wxDECLARE_EVENT(EVT_CORVANE_MESSAGE, platform::WindowMessageEvent);

namespace platform {

// Delivers the message to this window only, synchronously; the handler's result.
LRESULT SendMessage(wxWindow* window, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

// Every top-level window of the process (the GUI thread's), then each one's
// descendants, parent first, each window exactly once.
void SendToThreadWindows(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace platform
