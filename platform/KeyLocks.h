#pragma once

// Whether a lock key's light is on, as the keyboard shows it.

namespace platform {

// Scroll lock: the X keyboard's "Scroll Lock" indicator (the light, set by
// the key where the keyboard map binds it, or by a program). False where
// there is no X display.
bool IsScrollLockOn();

}  // namespace platform
