#include "platform/ComboDropDown.h"

#include <wx/combobox.h>

#include <algorithm>

#include "platform/GtkTypes.h"

// wxComboBox is a GtkComboBox with an entry here. GTK opens its list as wide
// as the box, or wider when the list's rows need more, and the rows are
// drawn by the combo's cell renderer: a fixed width on that renderer widens
// the rows and with them the list, while the entry, which the renderer does
// not draw, keeps its width. The list's frame (the rows' padding, 12 pixels
// with GTK's default theme) comes on top of the rows' width; GTK measures
// the list only while it is open, so the frame is not taken off here.

namespace platform {
namespace {

using Renderer = void;

struct Gtk {
  using Callback = void (*)(void*, void*);
  void* (*getArea)(void*) = nullptr;                                       // gtk_cell_layout_get_area
  void (*forEachCell)(void*, int (*)(Renderer*, void*), void*) = nullptr;  // gtk_cell_area_foreach
  void (*setFixedSize)(Renderer*, int, int) = nullptr;                     // gtk_cell_renderer_set_fixed_size
  void (*getFixedSize)(Renderer*, int*, int*) = nullptr;                   // gtk_cell_renderer_get_fixed_size
  // What keeps the drop-down button out of the Tab order. The button is an
  // internal child of the combo (inside its box), so the walk includes
  // internal children.
  void (*forAll)(void*, Callback, void*) = nullptr;  // gtk_container_forall
  void (*setCanFocus)(void*, int) = nullptr;         // gtk_widget_set_can_focus

  bool IsFound() const { return getArea && forEachCell && setFixedSize && getFixedSize; }
  bool CanWalk() const { return forAll && setCanFocus; }
};

template <class Function>
void Look(Function& function, const char* name) {
  function = LookUpGtk<Function>(name);
}

const Gtk& Functions() {
  static const Gtk gtk = [] {
    Gtk found;
    Look(found.getArea, "gtk_cell_layout_get_area");
    Look(found.forEachCell, "gtk_cell_area_foreach");
    Look(found.setFixedSize, "gtk_cell_renderer_set_fixed_size");
    Look(found.getFixedSize, "gtk_cell_renderer_get_fixed_size");
    Look(found.forAll, "gtk_container_forall");
    Look(found.setCanFocus, "gtk_widget_set_can_focus");
    return found;
  }();
  return gtk;
}

// The renderer that draws the list's rows: the combo's only cell.
Renderer* RowRenderer(const wxComboBox* combo) {
  const Gtk& gtk = Functions();
  if (!gtk.IsFound()) return nullptr;
  void* area = gtk.getArea(combo->GetHandle());
  if (!area) return nullptr;
  Renderer* first = nullptr;
  gtk.forEachCell(
      area,
      [](Renderer* cell, void* data) -> int {
        *static_cast<Renderer**>(data) = cell;
        return 1;  // stops at the first
      },
      &first);
  return first;
}

// Takes the toggle buttons under the widget out of the Tab order.
void KeepButtonsFromFocus(void* widget, void*) {
  const Gtk& gtk = Functions();
  if (IsGtkType(widget, "GtkToggleButton")) {
    gtk.setCanFocus(widget, 0);
    return;
  }
  if (IsGtkType(widget, "GtkContainer")) gtk.forAll(widget, KeepButtonsFromFocus, nullptr);
}

}  // namespace

void SkipDropDownButtonOnTab(wxComboBox* combo) {
  const Gtk& gtk = Functions();
  if (!gtk.CanWalk() || !combo->GetHandle()) return;
  gtk.forAll(combo->GetHandle(), KeepButtonsFromFocus, nullptr);
}

int GetDropDownWidth(const wxComboBox* combo) {
  int rows = -1;
  if (Renderer* renderer = RowRenderer(combo)) Functions().getFixedSize(renderer, &rows, nullptr);
  return std::max(combo->GetSize().x, rows);
}

void SetDropDownMinWidth(wxComboBox* combo, int pixels) {
  Renderer* renderer = RowRenderer(combo);
  if (!renderer) return;
  int height = -1;
  Functions().getFixedSize(renderer, nullptr, &height);
  Functions().setFixedSize(renderer, pixels > 0 ? pixels : -1, height);
}

}  // namespace platform
