#pragma once

// The width of a combo box's drop-down list, and its place in the Tab order. wx sizes a combo's list to the
// box; these widen the list a GTK combo opens without touching the box
// (its entry keeps its width for typing).

class wxComboBox;

namespace platform {

// The width in pixels the box's list opens at, at least: the box's own
// width, or the minimum set below when that is wider.
int GetDropDownWidth(const wxComboBox* combo);

// Makes the box's list open at least `pixels` wide from its next opening on
// (the rows take that width; the list's thin frame comes on top); 0 lets
// the list follow the box again. The box and the layout around it keep
// their sizes. Does nothing where the native combo offers no such list.
void SetDropDownMinWidth(wxComboBox* combo, int pixels);

// Tab from the box's text goes on to the next control: the box's drop-down
// button no longer takes the focus on its own (where it would swallow what
// is typed next). The list still opens with the mouse and with Alt+Down.
void SkipDropDownButtonOnTab(wxComboBox* combo);

}  // namespace platform
