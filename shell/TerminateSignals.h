#pragma once

// SIGTERM and SIGINT (a logout, `kill`, Ctrl+C in a terminal) end the main
// program as File > Exit does: open dialogs and message boxes end first, as
// their Cancel would, and then the main window is closed, so every modified
// form asks "Would you like to save the changes?" first (Cancel keeps the
// program running), and the application's exit detaches the database. With
// nothing modified the program ends at once.
//
// The signals are watched through GLib's signal sources on the main context,
// so a signal wakes the event loop by itself, also on a window left idle.
// Watching starts before the database is first attached: the database client
// then keeps our handler beside its own, and the client's own shutdown of
// the engine on these signals is refused, so a signal during start-up never
// leaves the program on a dead attachment.

// Routes SIGTERM and SIGINT to closing the current application's main
// window, on the GUI thread from the event loop. A signal that reaches the
// loop before there is a main window (while start-up asks something) ends
// the program at once. True when both signals are watched.
bool CloseMainWindowOnTerminateSignals();
// Stops watching: GLib gives both signals their default action back.
void RestoreTerminateSignals();
