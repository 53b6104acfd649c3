#pragma once

// Window tests with real input: waiting for what the X server and wx
// deliver (events are pumped while real time passes), and a mouse drag
// through the X server.

#include <chrono>
#include <functional>

#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace corvane::test {

// Lets pending events and idle handlers run.
inline void PumpEvents() {
  for (int i = 0; i < 5; ++i) {
    wxYield();
    wxTheApp->ProcessIdle();
  }
}

// Pumps events until the condition holds or five seconds pass.
inline bool WaitFor(const std::function<bool()>& condition) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    PumpEvents();
    wxMilliSleep(10);
  }
  return true;
}

// Pumps for a while, so that real time passes with events handled.
inline void PumpFor(int milliseconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < until) {
    PumpEvents();
    wxMilliSleep(10);
  }
}

// Presses where the pointer rests on the window, holds for a while, moves
// in steps from one screen point to another and releases. False when the
// press or the release did not reach the window.
inline bool PressMoveRelease(wxUIActionSimulator& mouse, wxWindow* window, wxPoint from, wxPoint to,
                             int steps, int holdMilliseconds) {
  mouse.MouseDown();
  if (!WaitFor([&] { return window->HasCapture(); })) return false;
  PumpFor(holdMilliseconds);
  for (int step = 1; step <= steps; ++step) {
    mouse.MouseMove(from + wxPoint((to.x - from.x) * step / steps, (to.y - from.y) * step / steps));
    PumpFor(30);
  }
  mouse.MouseUp();
  if (!WaitFor([&] { return !window->HasCapture(); })) return false;
  PumpFor(50);
  return true;
}

// Presses at one client point of the window, holds past a canvas's drag
// delay, moves in five steps to another point and releases. False when the
// press or the release did not reach the window.
inline bool DragWithMouse(wxWindow* window, wxPoint from, wxPoint to) {
  wxUIActionSimulator mouse;
  const wxPoint start = window->ClientToScreen(from);
  mouse.MouseMove(start);
  PumpFor(50);
  return PressMoveRelease(mouse, window, start, window->ClientToScreen(to), 5, 700);
}

// Presses on the window at a screen point, moves in steps to another screen
// point and releases; false when the press or release went astray.
inline bool DragOnScreen(wxWindow* window, wxPoint from, wxPoint to, int steps = 5) {
  wxUIActionSimulator mouse;
  // The pointer comes from elsewhere, as a hand's does: a window that moved
  // under a resting pointer gets no press until the pointer has moved onto it.
  mouse.MouseMove(from + wxPoint(0, 10));
  PumpFor(50);
  mouse.MouseMove(from);
  PumpFor(50);
  return PressMoveRelease(mouse, window, from, to, steps, 0);
}

}  // namespace corvane::test
