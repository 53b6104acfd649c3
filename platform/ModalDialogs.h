#pragma once

// The modal windows the program has open, whatever kind: its own dialogs,
// message boxes, the toolkit's file dialogs. A program that must end while
// one is open (a terminate signal) ends them first, as Cancel, so that no
// window is destroyed under the loop that runs it.
//
//   platform::WatchModalDialogs();                 // once, at start-up
//   while (platform::CancelInnermostModalDialog())  // from a timer, say
//     ... let the loop run: the dialog returns to the code that showed it
//   ... then close the windows

namespace platform {

// Starts keeping track of every modal dialog shown from now on.
void WatchModalDialogs();

// Ends the innermost running modal dialog as its Cancel (or closing its
// window) would; it returns to the code that showed it, which goes on as
// after a Cancel. A dialog is ended once: calling again while it unwinds
// does nothing. The dialogs around it can end only after it has returned
// (their loops run under its loop), so a caller calls again later, until
// this answers false: no modal dialog runs any more.
bool CancelInnermostModalDialog();

}  // namespace platform
