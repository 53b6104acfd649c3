#pragma once

// SIGTERM and SIGINT (a logout, `kill`, Ctrl+C in a terminal) end the main
// program as File > Exit does: the main window is closed, so every modified
// form asks "Would you like to save the changes?" first (Cancel keeps the
// program running), and the application's exit detaches the database. With
// nothing modified the program ends at once.
//
// The database client installs handlers of its own for these signals when it
// first opens a database; they shut the engine down and leave the program
// running on a dead connection. Install ours after the database is open, so
// that they take the signals' place.

// Routes SIGTERM and SIGINT to closing the current application's main window,
// on the GUI thread from the event loop. True when both were installed.
bool CloseMainWindowOnTerminateSignals();
// Gives both signals back their default action.
void RestoreTerminateSignals();
