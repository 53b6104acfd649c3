#pragma once

// Whether a lock key's light is on, as the keyboard shows it.

class wxStatusBar;

namespace platform {

// Scroll lock: the X keyboard's "Scroll Lock" indicator (the light, set by
// the key where the keyboard map binds it, or by a program). False where
// there is no X display.
bool IsScrollLockOn();

// The key indicators of a status bar: from firstPane on, "CAP", "NUM" and
// "SCRL" while the caps, num and scroll lock is on, and nothing while it is
// off. A pane is set only when its text changes (a set repaints the bar).
void ShowKeyLocks(wxStatusBar* bar, int firstPane);

// The width of an indicator pane that shows the longest of those texts
// whole in the bar's font, with room for the pane's borders.
int KeyLockPaneWidth(const wxStatusBar& bar);

}  // namespace platform
