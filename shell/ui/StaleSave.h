#pragma once

// What a window says when its save was refused because something it read
// was saved anew meanwhile (Invoice::StaleRowException): who changed it,
// that nothing was saved, and the way on, which is to load what is stored
// now and make the change again on that. Saving the same edits again would
// only be refused again.

#include <string>

#include "data/objects/StaleRow.h"

class wxWindow;

// The question: Yes loads what is stored, No keeps the edits on screen.
std::wstring StaleSaveQuestion(const Invoice::StaleRowException& refusal);

// Asks it over the owner (Yes/No, warning icon, caption "Corvane"); true
// for Yes, after which the window loads what is stored now.
bool AskToLoadAfterStaleSave(const Invoice::StaleRowException& refusal, wxWindow* owner);
