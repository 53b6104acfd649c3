#pragma once

// Scroll bars that stay on the screen. GTK draws a window's scroll bars as
// overlay indicators where its settings ask for them: thin lines that show
// only while the pointer moves or the window scrolls, so a canvas larger
// than its window looked as if it had none until the first click or wheel.

class wxWindow;

namespace platform {

// The window's scroll bars are ordinary ones, shown whenever their range is
// larger than the page. False when GTK does not offer the choice.
bool KeepScrollBarsShown(wxWindow* window);
// Whether the window's scroll bars are overlay indicators.
bool HasOverlayScrollBars(wxWindow* window);

}  // namespace platform
