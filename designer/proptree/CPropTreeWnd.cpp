#include "designer/proptree/CPropTreeWnd.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/textwrapper.h>

#include "designer/proptree/PropTreeItems.h"

namespace designer {
namespace {

using platform::gdi::Point;
using platform::gdi::Rect;

wxColour ToWx(platform::gdi::COLORREF color) {
  return {static_cast<unsigned char>(platform::gdi::GetRValue(color)),
          static_cast<unsigned char>(platform::gdi::GetGValue(color)),
          static_cast<unsigned char>(platform::gdi::GetBValue(color))};
}

wxRect ToWx(const Rect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

wxColour SysColour(wxSystemColour which) {
  return wxSystemSettings::GetColour(which);
}

// A sunken edge round the rectangle: shadow top and left, highlight bottom
// and right.
void DrawSunkenEdge(wxDC& dc, const wxRect& rect) {
  dc.SetPen(wxPen(SysColour(wxSYS_COLOUR_BTNSHADOW)));
  dc.DrawLine(rect.GetLeft(), rect.GetBottom(), rect.GetLeft(), rect.GetTop());
  dc.DrawLine(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetTop());
  dc.SetPen(wxPen(SysColour(wxSYS_COLOUR_BTNHIGHLIGHT)));
  dc.DrawLine(rect.GetRight(), rect.GetTop(), rect.GetRight(), rect.GetBottom());
  dc.DrawLine(rect.GetRight(), rect.GetBottom(), rect.GetLeft() - 1, rect.GetBottom());
}

// The lines of a text broken at blanks to a width.
class LineCollector : public wxTextWrapper {
public:
  std::vector<wxString> Wrap(wxWindow* window, const wxString& text, int width) {
    wxTextWrapper::Wrap(window, text, width);
    return m_lines;
  }

protected:
  void OnOutputLine(const wxString& line) override { m_lines.push_back(line); }

private:
  std::vector<wxString> m_lines;
};

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
      dc.DrawRectangle(square);
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

const wxSize kInitialSize(200, 300);

}  // namespace

// The list.

CPropTreeList::CPropTreeList(CPropTreeWnd* owner, CPropTree& tree)
    : wxWindow(owner, kControlId, wxDefaultPosition, wxDefaultSize, wxVSCROLL | wxWANTS_CHARS | wxBORDER_NONE),
      m_owner(owner),
      m_tree(tree) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CPropTreeList::OnPaint, this);
  Bind(wxEVT_SIZE, &CPropTreeList::OnSize, this);
  Bind(wxEVT_LEFT_DOWN, &CPropTreeList::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CPropTreeList::OnLeftUp, this);
  Bind(wxEVT_LEFT_DCLICK, &CPropTreeList::OnDoubleClick, this);
  Bind(wxEVT_MOTION, &CPropTreeList::OnMotion, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CPropTreeList::OnCaptureLost, this);
  Bind(wxEVT_MOUSEWHEEL, &CPropTreeList::OnWheel, this);
  Bind(wxEVT_KEY_DOWN, &CPropTreeList::OnKeyDown, this);
  for (const auto type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP, wxEVT_SCROLLWIN_LINEDOWN,
                          wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN, wxEVT_SCROLLWIN_THUMBTRACK,
                          wxEVT_SCROLLWIN_THUMBRELEASE}) {
    Bind(type, &CPropTreeList::OnScroll, this);
  }
}

void CPropTreeList::UpdateScrollRange() {
  m_tree.SetScrollOrigin(m_tree.GetScrollOrigin());
  const int content = m_tree.GetContentHeight();
  const int height = m_tree.GetListHeight();
  if (content <= height) {
    SetScrollbar(wxVERTICAL, 0, 0, 0);
  } else {
    SetScrollbar(wxVERTICAL, m_tree.GetScrollOrigin(), height, content);
  }
}

bool CPropTreeList::AcceptsInput() const {
  return !m_tree.IsInputDisabled() && IsEnabled();
}

void CPropTreeList::AfterLayoutChange() {
  m_tree.KeepFocusShown();
  UpdateScrollRange();
  m_tree.UpdateMoveAllItems();
  m_owner->PlaceEditor();
  Refresh();
  if (m_owner->m_info) m_owner->m_info->Refresh();
}

void CPropTreeList::ToggleExpanded(CPropTreeItem* item) {
  if (m_tree.ToggleExpanded(item)) AfterLayoutChange();
}

void CPropTreeList::ToggleCheck(CPropTreeItem* item) {
  m_tree.ToggleCheck(item);
  Refresh();
}

void CPropTreeList::FocusItem(CPropTreeItem* item) {
  m_tree.FocusItem(item);
  Refresh();
  m_owner->m_info->Refresh();
}

void CPropTreeList::OnLeftDown(wxMouseEvent& event) {
  if (m_tree.IsInputDisabled()) return;
  m_tree.SendNotify(CPropTree::kClick);
  if (!IsEnabled()) return;
  // What is being edited ends before the click does anything else.
  m_owner->CommitActive();
  SetFocus();
  CPropTreeItem* item = nullptr;
  const CPropTree::HitCode hit = m_tree.HitTest({event.GetX(), event.GetY()}, &item);
  switch (hit) {
    case CPropTree::kHitSplitter:
      if (m_tree.SendNotify(CPropTree::kColumnClick, item) != 0) return;
      m_dragging = true;
      m_dragX = event.GetX();
      CaptureMouse();
      Refresh();
      return;
    case CPropTree::kHitExpand:
      ToggleExpanded(item);
      return;
    case CPropTree::kHitCheckBox:
      ToggleCheck(item);
      return;
    case CPropTree::kHitLabel:
    case CPropTree::kHitAttribute:
      FocusItem(item);
      if (hit == CPropTree::kHitAttribute && item->IsEditable() &&
          m_tree.SendNotify(CPropTree::kPropClick, item) == 0) {
        m_owner->ActivateItem(item);
      }
      return;
    case CPropTree::kHitNothing:
      m_tree.SelectItems(nullptr, false);
      m_tree.SetFocusedItem(nullptr);
      Refresh();
      m_owner->m_info->Refresh();
      return;
  }
}

void CPropTreeList::OnLeftUp(wxMouseEvent& event) {
  if (!m_dragging) return event.Skip();
  m_dragging = false;
  if (HasCapture()) ReleaseMouse();
  m_tree.SetColumn(event.GetX());
  m_tree.UpdateMoveAllItems();
  m_owner->PlaceEditor();
  Refresh();
}

void CPropTreeList::OnCaptureLost(wxMouseCaptureLostEvent&) {
  m_dragging = false;
  Refresh();
}

void CPropTreeList::OnDoubleClick(wxMouseEvent& event) {
  if (m_tree.IsInputDisabled()) return;
  m_tree.SendNotify(CPropTree::kDblClick);
  if (!IsEnabled()) return;
  CPropTreeItem* item = nullptr;
  const CPropTree::HitCode hit = m_tree.HitTest({event.GetX(), event.GetY()}, &item);
  if (!item || !item->HasChildren()) return;
  switch (hit) {
    case CPropTree::kHitSplitter:
      return;
    case CPropTree::kHitAttribute:
      if (!item->IsRootLevel()) return;
      break;
    case CPropTree::kHitCheckBox:
      ToggleCheck(item);
      return;
    case CPropTree::kHitExpand:
      ToggleExpanded(item);
      return;
    default:
      break;
  }
  FocusItem(item);
  ToggleExpanded(item);
}

void CPropTreeList::OnMotion(wxMouseEvent& event) {
  if (m_dragging) {
    m_dragX = event.GetX();
    Refresh();
    return;
  }
  const CPropTree::HitCode hit = m_tree.HitTest({event.GetX(), event.GetY()});
  if (hit == CPropTree::kHitSplitter) {
    SetCursor(wxCursor(wxCURSOR_SIZEWE));
  } else if (hit == CPropTree::kHitExpand || hit == CPropTree::kHitCheckBox) {
    SetCursor(wxCursor(wxCURSOR_HAND));
  } else {
    SetCursor(wxCursor(wxCURSOR_ARROW));
  }
}

void CPropTreeList::OnWheel(wxMouseEvent& event) {
  if (m_tree.GetContentHeight() <= m_tree.GetListHeight() || event.GetWheelRotation() == 0) return;
  const int line = CPropTreeItem::kItemHeight;
  m_tree.SetScrollOrigin(m_tree.GetScrollOrigin() + (event.GetWheelRotation() > 0 ? -line : line));
  AfterLayoutChange();
}

void CPropTreeList::OnScroll(wxScrollWinEvent& event) {
  if (event.GetOrientation() != wxVERTICAL) return;
  const int origin = m_tree.GetScrollOrigin();
  const int line = CPropTreeItem::kItemHeight;
  const int page = m_tree.GetListHeight();
  const wxEventType type = event.GetEventType();
  int to = origin;
  if (type == wxEVT_SCROLLWIN_TOP) {
    to = 0;
  } else if (type == wxEVT_SCROLLWIN_BOTTOM) {
    to = m_tree.GetContentHeight();
  } else if (type == wxEVT_SCROLLWIN_LINEUP) {
    to = origin - line;
  } else if (type == wxEVT_SCROLLWIN_LINEDOWN) {
    to = origin + line;
  } else if (type == wxEVT_SCROLLWIN_PAGEUP) {
    to = origin - page;
  } else if (type == wxEVT_SCROLLWIN_PAGEDOWN) {
    to = origin + page;
  } else {
    to = event.GetPosition();
  }
  m_tree.SetScrollOrigin(to);
  AfterLayoutChange();
}

void CPropTreeList::OnKeyDown(wxKeyEvent& event) {
  if (!AcceptsInput()) return;
  CPropTree::Key key;
  switch (event.GetKeyCode()) {
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
      m_owner->ActivateItem(m_tree.GetFocusedItem());
      return;
    case WXK_HOME:
      key = CPropTree::Key::Home;
      break;
    case WXK_END:
      key = CPropTree::Key::End;
      break;
    case WXK_UP:
      key = CPropTree::Key::Up;
      break;
    case WXK_DOWN:
      key = CPropTree::Key::Down;
      break;
    case WXK_LEFT:
      key = CPropTree::Key::Left;
      break;
    case WXK_RIGHT:
      key = CPropTree::Key::Right;
      break;
    default:
      event.Skip();
      return;
  }
  m_tree.MoveByKey(key);
  AfterLayoutChange();
}

void CPropTreeList::OnSize(wxSizeEvent& event) {
  const wxSize client = GetClientSize();
  m_tree.SetListSize(client.x, client.y);
  AfterLayoutChange();
  event.Skip();
}

void CPropTreeList::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize client = GetClientSize();
  const wxRect all(wxPoint(0, 0), client);
  const wxColour face = SysColour(wxSYS_COLOUR_BTNFACE);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(face));
  dc.DrawRectangle(all);
  const wxRect inner = wxRect(all).Deflate(2);
  dc.SetBrush(wxBrush(IsEnabled() ? *wxWHITE : face));
  dc.DrawRectangle(inner);
  dc.SetBrush(wxBrush(face));
  dc.DrawRectangle(wxRect(inner.GetLeft(), inner.GetTop(), CPropTree::kIndent, inner.GetHeight()));
  DrawSunkenEdge(dc, all);
  {
    wxDCClipper clip(dc, inner);
    for (const CPropTree::Place& place : m_tree.Layout()) {
      if (place.y + place.height <= 0 || place.y >= client.y) continue;
      PaintItem(dc, place);
    }
    if (m_dragging) {
      // The splitter bar as it follows the mouse.
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(SysColour(wxSYS_COLOUR_BTNSHADOW)));
      dc.DrawRectangle(m_dragX - 2, 0, 5, client.y);
    }
  }
}

void CPropTreeList::PaintItem(wxDC& dc, const CPropTree::Place& place) {
  CPropTreeItem* item = place.item;
  const int width = GetClientSize().x;
  const bool topLevel = item->IsRootLevel();
  const bool enabled = IsEnabled();
  const wxColour shadow = SysColour(wxSYS_COLOUR_BTNSHADOW);
  const int bottom = place.y + place.height;
  if (topLevel) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(SysColour(wxSYS_COLOUR_BTNFACE)));
    dc.DrawRectangle(0, place.y, width, place.height);
  }
  if (place.expandBox.Width() > 0) {
    const wxRect box = ToWx(place.expandBox);
    dc.SetPen(wxPen(shadow));
    dc.SetBrush(topLevel ? *wxTRANSPARENT_BRUSH : *wxWHITE_BRUSH);
    dc.DrawRectangle(box);
    const int midY = box.y + box.height / 2;
    const int midX = box.x + box.width / 2;
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(box.x + 2, midY, box.GetRight() - 1, midY);
    if (!item->IsExpanded()) dc.DrawLine(midX, box.y + 2, midX, box.GetBottom() - 1);
  }
  if (place.checkBox.Width() > 0) {
    wxRendererNative::Get().DrawCheckBox(this, dc, ToWx(place.checkBox),
                                         (item->IsChecked() ? wxCONTROL_CHECKED : 0) |
                                             (enabled ? 0 : wxCONTROL_DISABLED));
  }
  const int labelRight = topLevel ? width : m_tree.GetColumn();
  if (item->IsSelected()) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(SysColour(wxSYS_COLOUR_HIGHLIGHT)));
    dc.DrawRectangle(CPropTree::kIndent, place.y, labelRight - CPropTree::kIndent, place.height - 1);
  }
  dc.SetFont(topLevel ? m_owner->GetBoldFont() : m_owner->GetNormalFont());
  dc.SetTextForeground(!enabled             ? SysColour(wxSYS_COLOUR_GRAYTEXT)
                       : item->IsSelected() ? SysColour(wxSYS_COLOUR_HIGHLIGHTTEXT)
                                            : SysColour(wxSYS_COLOUR_BTNTEXT));
  {
    const wxRect label(place.labelLeft, place.y, std::max(labelRight - place.labelLeft, 0), place.height);
    wxDCClipper clip(dc, label);
    dc.DrawLabel(wxString(item->GetLabelText()), label, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
  }
  // The dotted line under the item.
  dc.SetPen(wxPen(shadow));
  for (int x = CPropTree::kIndent; x < width; x += 2) dc.DrawPoint(x, bottom - 1);
  if (topLevel) return;
  const int splitter = m_tree.GetColumn();
  dc.DrawLine(splitter, place.y, splitter, bottom);
  dc.SetPen(wxPen(SysColour(wxSYS_COLOUR_BTNHIGHLIGHT)));
  dc.DrawLine(splitter + 1, place.y, splitter + 1, bottom);
  const wxRect attribute = ToWx(place.attribute);
  if (attribute.IsEmpty()) return;
  wxDCClipper clip(dc, attribute);
  const bool bold = !item->IsReadOnly();
  dc.SetTextForeground(enabled ? SysColour(wxSYS_COLOUR_BTNTEXT) : SysColour(wxSYS_COLOUR_GRAYTEXT));
  wxRect text = attribute;
  if (auto* color = dynamic_cast<CPropTreeItemColor*>(item)) {
    const int side = attribute.height - 2;
    const wxRect square(attribute.x, attribute.y + 1, side, side);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ToWx(color->GetItemValue())));
    dc.DrawRectangle(square);
    DrawSunkenEdge(dc, square);
    text.x += side + 4;
    text.width -= side + 4;
  }
  const bool plain = dynamic_cast<CPropTreeItemBrowse*>(item) != nullptr;
  dc.SetFont(bold && !plain ? m_owner->GetBoldFont() : m_owner->GetNormalFont());
  dc.DrawLabel(wxString(item->GetDisplayText()), text, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
}

// The description pane.

CPropTreeInfo::CPropTreeInfo(wxWindow* parent, CPropTree& tree)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), m_tree(tree) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CPropTreeInfo::OnPaint, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    Refresh();
    event.Skip();
  });
}

wxString CPropTreeInfo::GetTitle() const {
  const CPropTreeItem* item = m_tree.GetFocusedItem();
  return item ? wxString(item->GetLabelText()) : wxString("No Item Selected");
}

wxString CPropTreeInfo::GetText() const {
  const CPropTreeItem* item = m_tree.GetFocusedItem();
  return item ? wxString(item->GetInfoText()) : wxString("Select an item to see its description");
}

void CPropTreeInfo::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxRect all(wxPoint(0, 0), GetClientSize());
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(SysColour(wxSYS_COLOUR_BTNFACE)));
  dc.DrawRectangle(all);
  DrawSunkenEdge(dc, all);
  const wxRect inner = wxRect(all).Deflate(4);
  if (inner.IsEmpty()) return;
  wxDCClipper clip(dc, inner);
  const auto* owner = static_cast<const CPropTreeWnd*>(GetParent());
  dc.SetTextForeground(IsEnabled() ? SysColour(wxSYS_COLOUR_BTNTEXT) : SysColour(wxSYS_COLOUR_GRAYTEXT));
  dc.SetFont(owner->GetBoldFont());
  dc.DrawText(GetTitle(), inner.GetTopLeft());
  int y = inner.y + dc.GetCharHeight();
  dc.SetFont(owner->GetNormalFont());
  for (const wxString& line : LineCollector().Wrap(this, GetText(), inner.width)) {
    dc.DrawText(line, inner.x, y);
    y += dc.GetCharHeight();
  }
}

// The frame.

CPropTreeWnd::CPropTreeWnd(wxWindow* parent, CPropTree& tree, int id, uint32_t style)
    : wxPanel(parent, id, wxDefaultPosition, kInitialSize), m_tree(tree) {
  m_tree.SetStyle(style);
  m_normalFont = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  m_boldFont = m_normalFont.Bold();
  m_list = new CPropTreeList(this, m_tree);
  m_info = new CPropTreeInfo(this, m_tree);
  // The description's wrapping measures with the pane's font.
  m_info->SetFont(m_normalFont);
  // At least room for the title and two lines of description: the
  // desktop's fonts may be taller than the pane's 50 pixels allow.
  m_infoHeight = std::max(kDescriptionHeight, 8 + 3 * m_info->GetCharHeight());
  // The bar decides the width and asks only for the height of the pane and
  // a few rows.
  SetMinSize(wxSize(1, 3 * kDescriptionHeight));
  Bind(wxEVT_SIZE, &CPropTreeWnd::OnSize, this);
  Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& event) {
    RefreshValues();
    event.Skip();
  });
  m_tree.SetObserver(this);
  LayoutChildren();
}

CPropTreeWnd::~CPropTreeWnd() {
  m_tree.SetObserver(nullptr);
}

void CPropTreeWnd::OnSize(wxSizeEvent& event) {
  LayoutChildren();
  event.Skip();
}

void CPropTreeWnd::LayoutChildren() {
  const wxSize client = GetClientSize();
  const int info = std::min(m_infoHeight, std::max(client.y, 0));
  m_list->SetSize(0, 0, std::max(client.x, 0), std::max(client.y - info, 0));
  m_info->SetSize(0, client.y - info, std::max(client.x, 0), info);
}

void CPropTreeWnd::Rebuild() {
  if (m_active && !m_tree.HasItem(m_active)) {
    m_active = nullptr;
    HideEditors();
  }
  m_list->UpdateScrollRange();
  PlaceEditor();
  m_list->Refresh();
  m_info->Refresh();
}

void CPropTreeWnd::RefreshValues() {
  m_list->Refresh();
  m_info->Refresh();
}

void CPropTreeWnd::OnTreeItemsDeleting() {
  CommitActive();
}

void CPropTreeWnd::OnTreeItemsChanged() {
  Rebuild();
}

void CPropTreeWnd::OnTreeValuesChanged() {
  RefreshValues();
}

void CPropTreeWnd::OnTreeInputDisabled(bool disabled) {
  if (GetParent()) GetParent()->Enable(!disabled);
}

void CPropTreeWnd::HideEditors() {
  for (wxWindow* editor : {static_cast<wxWindow*>(m_edit), static_cast<wxWindow*>(m_combo),
                           static_cast<wxWindow*>(m_browse)}) {
    if (editor && editor->IsShown()) editor->Hide();
  }
}

void CPropTreeWnd::PlaceEditor() {
  if (!m_active) return;
  const std::optional<CPropTree::Place> place = m_tree.PlaceOf(m_active);
  if (!place) return;
  const wxRect rect = ToWx(place->attribute);
  if (m_edit && m_edit->IsShown()) m_edit->SetSize(rect);
  if (m_combo && m_combo->IsShown()) m_combo->SetSize(rect.x, rect.y, rect.width, wxDefaultCoord);
  if (m_browse && m_browse->IsShown()) m_browse->SetSize(rect.GetRight() - 20, rect.y, 21, rect.height);
}

void CPropTreeWnd::ActivateItem(CPropTreeItem* item) {
  if (!item || !item->IsEditable() || m_tree.IsInputDisabled()) return;
  if (m_active && m_active != item) CommitActive();
  // That commit may have refilled the tree.
  if (!m_tree.HasItem(item)) return;
  m_tree.EnsureVisible(item);
  m_list->UpdateScrollRange();
  m_list->Refresh();
  const std::optional<CPropTree::Place> place = m_tree.PlaceOf(item);
  if (!place) return;
  const wxRect rect = ToWx(place->attribute);
  m_active = item;
  ++m_activation;
  item->Activate();
  if (auto* edit = dynamic_cast<CPropTreeItemEdit*>(item)) {
    if (m_edit && m_editIsPassword != edit->IsPassword()) {
      m_edit->Destroy();
      m_edit = nullptr;
    }
    if (!m_edit) {
      m_editIsPassword = edit->IsPassword();
      m_edit = new wxTextCtrl(m_list, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                              wxTE_PROCESS_ENTER | wxBORDER_NONE | (m_editIsPassword ? wxTE_PASSWORD : 0));
      m_edit->SetFont(m_normalFont);
      m_edit->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
        CommitActive();
        m_list->SetFocus();
      });
      m_edit->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        CommitLater();
        event.Skip();
      });
    }
    if (item->GetCtrlID()) m_edit->SetId(item->GetCtrlID());
    m_edit->ChangeValue(wxString(edit->GetText()));
    m_edit->SetSize(rect);
    m_edit->Show();
    m_edit->SetFocus();
    m_edit->SelectAll();
  } else if (auto* combo = dynamic_cast<CPropTreeItemCombo*>(item)) {
    if (!m_combo) {
      m_combo = new wxComboBox(m_list, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0, nullptr,
                               wxCB_READONLY);
      m_combo->SetFont(m_normalFont);
      m_combo->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { CommitActive(); });
      m_combo->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        CommitLater();
        event.Skip();
      });
    }
    m_combo->Clear();
    for (const auto& entry : combo->GetEntries()) m_combo->Append(wxString(entry.first));
    m_combo->SetSelection(combo->GetCurSel() >= 0 ? combo->GetCurSel() : wxNOT_FOUND);
    m_combo->Show();
    PlaceEditor();
    m_combo->SetFocus();
  } else if (auto* color = dynamic_cast<CPropTreeItemColor*>(item)) {
    RunColourPalette(color, rect);
  } else if (dynamic_cast<CPropTreeItemBrowse*>(item)) {
    if (!m_browse) {
      m_browse = new wxButton(m_list, wxID_ANY, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
      m_browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        auto* browse = dynamic_cast<CPropTreeItemBrowse*>(m_active);
        if (!browse || m_tree.IsInputDisabled()) return;
        const unsigned activation = m_activation;
        // A chosen value commits the item; the button goes with it.
        if (browse->Browse(this) && activation == m_activation) CommitActive();
      });
    }
    m_browse->Show();
    PlaceEditor();
    m_browse->SetFocus();
  }
}

void CPropTreeWnd::RunColourPalette(CPropTreeItemColor* color, const wxRect& value) {
  const wxPoint at = m_list->ClientToScreen(value.GetTopLeft());
  int chosen = wxID_CANCEL;
  {
    ColourPalettePopup popup(m_list, at);
    chosen = popup.ShowModal();
  }
  // The palette was modal: the item is the active one still.
  m_active = nullptr;
  ++m_activation;
  if (!m_tree.HasItem(color)) return;
  if (chosen == ColourPalettePopup::kMore) {
    color->ChooseMoreColors(this);
  } else if (chosen >= 0 && chosen < static_cast<int>(CPropTreeItemColor::kPalette.size())) {
    color->PickPalette(static_cast<size_t>(chosen));
  } else {
    color->CommitChanges();
  }
}

void CPropTreeWnd::CommitActive() {
  CPropTreeItem* item = m_active;
  if (!item) return;
  m_active = nullptr;
  ++m_activation;
  if (item->IsActivated()) {
    if (auto* edit = dynamic_cast<CPropTreeItemEdit*>(item); edit && m_edit) {
      edit->SetText(m_edit->GetValue().ToStdWstring());
    } else if (auto* combo = dynamic_cast<CPropTreeItemCombo*>(item); combo && m_combo) {
      combo->SetCurSel(m_combo->GetSelection());
    }
  }
  HideEditors();
  item->CommitChanges();
}

void CPropTreeWnd::CommitLater() {
  const unsigned activation = m_activation;
  CallAfter([this, activation] {
    if (activation != m_activation || !m_active) return;
    // The focus went to another window of the editor's item (the combo's
    // list): the edit goes on.
    wxWindow* focus = wxWindow::FindFocus();
    if (focus && (focus == m_edit || focus == m_combo || focus == m_browse)) return;
    CommitActive();
  });
}

void CPropTreeWnd::CommitPendingEdit() {
  CommitActive();
}

void CPropTreeWnd::EditText(CPropTreeItem* item, const std::wstring& text) {
  auto* edit = dynamic_cast<CPropTreeItemEdit*>(item);
  if (!edit || m_tree.IsInputDisabled()) return;
  if (m_active) CommitActive();
  edit->Activate();
  edit->SetText(text);
  edit->CommitChanges();
}

void CPropTreeWnd::ChooseEntry(CPropTreeItem* item, int32_t index) {
  auto* combo = dynamic_cast<CPropTreeItemCombo*>(item);
  if (!combo || m_tree.IsInputDisabled()) return;
  if (m_active) CommitActive();
  combo->Activate();
  combo->SetCurSel(index);
  combo->CommitChanges();
}

}  // namespace designer
