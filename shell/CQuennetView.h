#pragma once

// The empty list view of the main window's right pane: shown until a
// navigation node is chosen, and for a node of a kind without a list of its
// own.

#include "shell/ui/BaseListView.h"

class CQuennetView : public BaseListView {
public:
  explicit CQuennetView(wxWindow* parent);
};
