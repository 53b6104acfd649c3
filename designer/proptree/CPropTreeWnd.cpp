#include "designer/proptree/CPropTreeWnd.h"

#include <algorithm>
#include <optional>

#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/propgrid/editors.h>
#include <wx/propgrid/manager.h>
#include <wx/propgrid/props.h>
#include <wx/settings.h>
#include <wx/utils.h>
#include <wx/sizer.h>

#include "designer/proptree/PropTreeItems.h"

namespace designer {
namespace {

wxColour ToWx(platform::gdi::COLORREF color) {
  return {static_cast<unsigned char>(platform::gdi::GetRValue(color)),
          static_cast<unsigned char>(platform::gdi::GetGValue(color)),
          static_cast<unsigned char>(platform::gdi::GetBValue(color))};
}

wxRect ToWx(const platform::gdi::Rect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

// The palette popup of a colour item: 40 squares and "More Colors". Ends
// with the chosen entry's index, kMore for "More Colors", or wxID_CANCEL.
class ColourPalettePopup : public wxDialog {
public:
  static constexpr int kMore = 1000;

  ColourPalettePopup(wxWindow* parent, wxPoint at)
      : wxDialog(parent, wxID_ANY, wxString(), at, wxDefaultSize, wxBORDER_RAISED), m_at(at) {
    SetClientSize(CPropTreeItemColor::kPopupSize.cx, CPropTreeItemColor::kPopupSize.cy);
    // A modal dialog is centred on its parent when it is shown; the palette
    // belongs at its button, so it goes back there once it is on screen.
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
      if (event.IsShown()) {
        Move(m_at);
        CallAfter([this] { Move(m_at); });
      }
      event.Skip();
    });
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    Bind(wxEVT_PAINT, &ColourPalettePopup::OnPaint, this);
    Bind(wxEVT_MOTION, &ColourPalettePopup::OnMotion, this);
    Bind(wxEVT_LEFT_DOWN, &ColourPalettePopup::OnDown, this);
    Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& event) {
      // A click elsewhere ends the popup as a cancel (as does Escape), once
      // the window manager has activated it at all.
      if (event.GetActive()) {
        m_wasActive = true;
      } else if (m_wasActive && IsModal()) {
        EndModal(wxID_CANCEL);
      }
      event.Skip();
    });
  }

private:
  void OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    for (size_t i = 0; i < CPropTreeItemColor::kPalette.size(); ++i) {
      const wxRect square = ToWx(CPropTreeItemColor::PaletteRect(i));
      dc.SetPen(wxPen(static_cast<int>(i) == m_hot ? *wxBLACK : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRectangle(wxRect(square).Inflate(2));
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(ToWx(CPropTreeItemColor::kPalette[i])));
      dc.DrawRectangle(ToWx(CPropTreeItemColor::PaletteRect(i)));
    }
    const wxRect more = ToWx(CPropTreeItemColor::kMoreColorsRect);
    dc.SetPen(wxPen(m_moreHot ? *wxBLACK : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(more);
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
    dc.DrawLabel("More Colors", more, wxALIGN_CENTER);
  }
  void OnMotion(wxMouseEvent& event) {
    const platform::gdi::Point point{event.GetX(), event.GetY()};
    const int hot = CPropTreeItemColor::PaletteIndexAt(point);
    const bool moreHot = CPropTreeItemColor::kMoreColorsRect.Contains(point);
    if (hot != m_hot || moreHot != m_moreHot) {
      m_hot = hot;
      m_moreHot = moreHot;
      Refresh();
    }
    SetCursor(hot >= 0 || moreHot ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
  }
  void OnDown(wxMouseEvent& event) {
    const platform::gdi::Point point{event.GetX(), event.GetY()};
    const int index = CPropTreeItemColor::PaletteIndexAt(point);
    if (index >= 0) return EndModal(index);
    if (CPropTreeItemColor::kMoreColorsRect.Contains(point)) EndModal(kMore);
  }

  wxPoint m_at;
  int m_hot = -1;
  bool m_moreHot = false;
  bool m_wasActive = false;
};

// A row whose "..." button runs the item's own chooser; the row shows the
// item's text and is not typed into. The grid may keep a row a little after
// the tree dropped its item, so the row holds no item: it asks the window for
// it and keeps a copy of what it paints.
class ItemDialogProperty : public wxEditorDialogProperty {
public:
  ItemDialogProperty(const wxString& label, const wxString& name, CPropTreeWnd* window, CPropTreeItem* item)
      : wxEditorDialogProperty(label, name), m_window(window) {
    // Only the button edits; the text is drawn.
    SetFlag(wxPG_PROP_NOEDITOR);
    m_value = wxString(item->GetDisplayText());
    if (auto* color = dynamic_cast<CPropTreeItemColor*>(item)) {
      SetFlag(wxPG_PROP_CUSTOMIMAGE);
      m_colour = color->GetItemValue();
    }
  }

  void SetColour(platform::gdi::COLORREF colour) { m_colour = colour; }
  const wxPGEditor* DoGetEditorClass() const override { return wxPGEditor_TextCtrlAndButton; }
  wxString ValueToString(wxVariant& value, int) const override { return value.GetString(); }

  wxSize OnMeasureImage(int) const override { return m_colour ? wxPG_DEFAULT_IMAGE_SIZE : wxSize(0, 0); }
  void OnCustomPaint(wxDC& dc, const wxRect& rect, wxPGPaintData&) override {
    if (!m_colour) return;
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(wxBrush(ToWx(*m_colour)));
    dc.DrawRectangle(rect);
  }

protected:
  bool DisplayEditorDialog(wxPropertyGrid* grid, wxVariant&) override {
    CPropTreeItem* item = m_window->GetItem(this);
    if (!item || m_window->GetTree().IsInputDisabled()) return false;
    item->Activate();
    if (auto* color = dynamic_cast<CPropTreeItemColor*>(item)) {
      // Below the row's "..." button, right-aligned with it.
      wxPoint at = wxGetMousePosition();
      if (wxWindow* button = grid->GetEditorControlSecondary()) {
        const wxRect screen = button->GetScreenRect();
        at = wxPoint(std::max(screen.GetRight() + 1 - CPropTreeItemColor::kPopupSize.cx, 0), screen.GetBottom() + 1);
      }
      ColourPalettePopup popup(grid, at);
      const int chosen = popup.ShowModal();
      if (chosen == ColourPalettePopup::kMore) {
        color->ChooseMoreColors(grid);
      } else if (chosen >= 0 && chosen < static_cast<int>(CPropTreeItemColor::kPalette.size())) {
        color->PickPalette(static_cast<size_t>(chosen));
      } else {
        item->CommitChanges();
      }
    } else if (auto* browse = dynamic_cast<CPropTreeItemBrowse*>(item)) {
      browse->Browse(grid);
    }
    // The items show their values again through the tree's refresh.
    return false;
  }

private:
  CPropTreeWnd* m_window;
  std::optional<platform::gdi::COLORREF> m_colour;
};

const wxSize kInitialSize(200, 300);

}  // namespace

CPropTreeWnd::CPropTreeWnd(wxWindow* parent, CPropTree& tree, int id)
    : wxPanel(parent, id, wxDefaultPosition, kInitialSize), m_tree(tree) {
  // The grid is made at wx's default size, which it takes at once, and the
  // description pane is added after: made with the grid, wx lays the pane
  // out before the grid knows its width and gives it a negative one.
  m_grid = new wxPropertyGridManager(this, wxID_ANY);
  m_grid->SetWindowStyleFlag(m_grid->GetWindowStyleFlag() | wxPG_DESCRIPTION);
  m_grid->SetDescBoxHeight(kDescriptionHeight);
  // The bar decides the width and asks only for the height of the pane and
  // a row; the grid fills the window but never gets less than room for the
  // pane, even while the bar is narrower (being parked or not placed yet).
  SetMinSize(wxSize(1, 3 * kDescriptionHeight));
  const wxSize leastSize(120, 3 * kDescriptionHeight);
  Bind(wxEVT_SIZE, [this, leastSize](wxSizeEvent& event) {
    event.Skip();
    const wxSize client = GetClientSize();
    m_grid->SetSize(0, 0, std::max(client.x, leastSize.x), std::max(client.y, leastSize.y));
  });
  m_grid->Bind(wxEVT_PG_CHANGED, &CPropTreeWnd::OnChanged, this);
  m_grid->Bind(wxEVT_PG_SELECTED, &CPropTreeWnd::OnSelected, this);
  m_tree.SetObserver(this);
  Rebuild();
}

CPropTreeWnd::~CPropTreeWnd() {
  // The grid goes after this window's members: an editor it closes then
  // must find no handler here.
  m_grid->Unbind(wxEVT_PG_CHANGED, &CPropTreeWnd::OnChanged, this);
  m_grid->Unbind(wxEVT_PG_SELECTED, &CPropTreeWnd::OnSelected, this);
  m_tree.SetObserver(nullptr);
}

void CPropTreeWnd::CommitPendingEdit() {
  wxPropertyGrid* grid = m_grid->GetGrid();
  if (grid->IsEditorFocused() || grid->GetEditorControl()) grid->CommitChangesFromEditor();
}

CPropTreeItem* CPropTreeWnd::GetItem(wxPGProperty* property) const {
  const auto found = m_items.find(property);
  return found == m_items.end() ? nullptr : found->second;
}

wxPGProperty* CPropTreeWnd::GetProperty(CPropTreeItem* item) const {
  for (const auto& [property, each] : m_items) {
    if (each == item) return property;
  }
  return nullptr;
}

void CPropTreeWnd::Rebuild() {
  m_updating = true;
  m_grid->GetGrid()->Clear();
  m_grid->SetDescription(wxString(), wxString());
  m_items.clear();
  m_fontEffects.clear();
  AddItems(*m_tree.GetRootItem(), nullptr);
  m_updating = false;
  m_grid->GetGrid()->SetSplitterPosition(m_tree.GetColumn());
  m_grid->Refresh();
}

void CPropTreeWnd::AddItems(CPropTreeItem& parent, wxPGProperty* parentProperty) {
  wxPropertyGrid* grid = m_grid->GetGrid();
  for (const auto& child : parent.GetChildren()) {
    CPropTreeItem* item = child.get();
    const wxString label(item->GetLabelText());
    wxPGProperty* property = nullptr;
    if (item->IsRootLevel()) {
      property = new wxPropertyCategory(label, wxString::Format("item%d", item->GetId()));
    } else if (auto* edit = dynamic_cast<CPropTreeItemEdit*>(item)) {
      property = new wxStringProperty(label, wxString::Format("item%d", item->GetId()), wxString(edit->GetText()));
    } else if (auto* combo = dynamic_cast<CPropTreeItemCombo*>(item)) {
      wxPGChoices choices;
      for (const auto& [text, data] : combo->GetEntries()) choices.Add(wxString(text), data);
      property = new wxEnumProperty(label, wxString::Format("item%d", item->GetId()), choices);
    } else if (dynamic_cast<CPropTreeItemColor*>(item) || dynamic_cast<CPropTreeItemBrowse*>(item)) {
      property = new ItemDialogProperty(label, wxString::Format("item%d", item->GetId()), this, item);
    } else {
      property = new wxStringProperty(label, wxString::Format("item%d", item->GetId()));
      property->ChangeFlag(wxPG_PROP_READONLY, true);
    }
    property->SetHelpString(wxString(item->GetInfoText()));
    if (parentProperty) {
      grid->AppendIn(parentProperty, property);
    } else {
      grid->Append(property);
    }
    if (auto* edit = dynamic_cast<CPropTreeItemEdit*>(item); edit && edit->IsPassword()) {
      property->SetAttribute(wxPG_STRING_PASSWORD, true);
    }
    if (item->IsReadOnly()) property->ChangeFlag(wxPG_PROP_READONLY, true);
    m_items[property] = item;
    if (auto* font = dynamic_cast<CPropTreeItemFont*>(item)) AddFontEffects(font, property);
    ShowValue(item, property);
    AddItems(*item, property);
    if (item->HasChildren() && !item->IsExpanded()) grid->Collapse(property);
  }
}

// The font dialog of the desktop offers no underline or strike-out: the font
// row carries them as two check boxes of its own.
void CPropTreeWnd::AddFontEffects(CPropTreeItemFont* font, wxPGProperty* property) {
  const wxString name = property->GetName();
  const wxString labels[] = {"Underline", "Strike-out"};
  for (int effect = 0; effect < 2; ++effect) {
    auto* check = new wxBoolProperty(labels[effect], name + (effect == 0 ? ".underline" : ".strikeout"));
    check->SetHelpString(labels[effect]);
    m_grid->GetGrid()->AppendIn(property, check);
    check->SetAttribute(wxPG_BOOL_USE_CHECKBOX, true);
    m_fontEffects[check] = {font, effect};
  }
  m_grid->GetGrid()->Expand(property);
}

void CPropTreeWnd::ShowValue(CPropTreeItem* item, wxPGProperty* property) {
  if (auto* font = dynamic_cast<CPropTreeItemFont*>(item)) {
    for (const auto& [check, effect] : m_fontEffects) {
      if (effect.first != font) continue;
      check->SetValue(wxVariant(effect.second == 0 ? font->GetFont().underline : font->GetFont().strikeOut));
    }
  }
  if (item->IsRootLevel()) return;
  if (auto* combo = dynamic_cast<CPropTreeItemCombo*>(item)) {
    if (combo->GetCurSel() >= 0) {
      property->SetValue(wxVariant(static_cast<long>(combo->GetItemValue())));
    } else {
      property->SetValueToUnspecified();
    }
  } else if (auto* edit = dynamic_cast<CPropTreeItemEdit*>(item)) {
    property->SetValue(wxVariant(wxString(edit->GetText())));
  } else {
    if (auto* color = dynamic_cast<CPropTreeItemColor*>(item)) {
      if (auto* row = dynamic_cast<ItemDialogProperty*>(property)) row->SetColour(color->GetItemValue());
    }
    property->SetValue(wxVariant(wxString(item->GetDisplayText())));
  }
}

void CPropTreeWnd::RefreshValues() {
  m_updating = true;
  for (const auto& [property, item] : m_items) ShowValue(item, property);
  m_updating = false;
  m_grid->GetGrid()->RefreshGrid();
}

void CPropTreeWnd::OnTreeItemsChanged() {
  // Rows are rebuilt by whoever filled the tree, once it is filled; an
  // emptied tree shows no rows at once.
  if (m_tree.GetRootItem()->GetChildren().empty() && !m_items.empty()) Rebuild();
}

void CPropTreeWnd::OnTreeValuesChanged() {
  RefreshValues();
}

void CPropTreeWnd::EditText(CPropTreeItem* item, const std::wstring& text) {
  auto* edit = dynamic_cast<CPropTreeItemEdit*>(item);
  if (!edit || m_tree.IsInputDisabled()) return;
  edit->Activate();
  edit->SetText(text);
  edit->CommitChanges();
}

void CPropTreeWnd::ChooseEntry(CPropTreeItem* item, int32_t index) {
  auto* combo = dynamic_cast<CPropTreeItemCombo*>(item);
  if (!combo || m_tree.IsInputDisabled()) return;
  combo->Activate();
  combo->SetCurSel(index);
  combo->CommitChanges();
}

void CPropTreeWnd::SetFontEffect(CPropTreeItem* item, int effect, bool on) {
  auto* font = dynamic_cast<CPropTreeItemFont*>(item);
  if (!font || m_tree.IsInputDisabled()) return;
  font->Activate();
  platform::gdi::LogFont changed = font->GetFont();
  (effect == 0 ? changed.underline : changed.strikeOut) = on;
  font->SetFont(changed);
  font->CommitChanges();
}

void CPropTreeWnd::OnChanged(wxPropertyGridEvent& event) {
  if (m_updating) return;
  if (const auto effect = m_fontEffects.find(event.GetProperty()); effect != m_fontEffects.end()) {
    return SetFontEffect(effect->second.first, effect->second.second, event.GetProperty()->GetValue().GetBool());
  }
  const auto found = m_items.find(event.GetProperty());
  if (found == m_items.end()) return;
  CPropTreeItem* item = found->second;
  // The commit may rebuild nothing but refreshes every row; the event's
  // property stays valid.
  if (dynamic_cast<CPropTreeItemCombo*>(item)) {
    ChooseEntry(item, event.GetProperty()->GetChoiceSelection());
  } else if (dynamic_cast<CPropTreeItemEdit*>(item)) {
    EditText(item, event.GetProperty()->GetValueAsString().ToStdWstring());
  }
}

void CPropTreeWnd::OnSelected(wxPropertyGridEvent& event) {
  const auto found = m_items.find(event.GetProperty());
  CPropTreeItem* item = found == m_items.end() ? nullptr : found->second;
  if (item == m_tree.GetFocusedItem()) return;
  m_tree.SelectItems(nullptr, false);
  if (item) item->Select();
  m_tree.SetFocusedItem(item);
  m_tree.SendNotify(CPropTree::kSelChanged, item);
}

}  // namespace designer
