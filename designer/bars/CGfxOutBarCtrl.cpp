#include "designer/bars/CGfxOutBarCtrl.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

namespace designer {
namespace {

using platform::gdi::Point;
using platform::gdi::Rect;

wxRect ToWx(const Rect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

Point ToPoint(wxPoint point) {
  return {point.x, point.y};
}

wxColour Sys(wxSystemColour colour) {
  return wxSystemSettings::GetColour(colour);
}

enum TimerId { kSlideTimer = 1, kArrowTimer = 2, kSelectionTimerId = 3 };

}  // namespace

CGfxOutBarCtrl::CGfxOutBarCtrl(wxWindow* parent, int id, int32_t flags)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_STATIC | wxFULL_REPAINT_ON_RESIZE),
      m_flags(flags),
      m_slideTimer(this, kSlideTimer),
      m_arrowTimer(this, kArrowTimer),
      m_selectionTimer(this, kSelectionTimerId) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_layout.SetArrowSize(wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) > 0
                            ? wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this)
                            : 16);
  Bind(wxEVT_PAINT, &CGfxOutBarCtrl::OnPaint, this);
  Bind(wxEVT_SIZE, &CGfxOutBarCtrl::OnSize, this);
  Bind(wxEVT_MOTION, &CGfxOutBarCtrl::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &CGfxOutBarCtrl::OnLeave, this);
  Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
    SetFocus();
    PressAt(event.GetPosition());
    if (m_pressed.hit != OutBarHit::None && !HasCapture()) CaptureMouse();
  });
  Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    if (HasCapture()) ReleaseMouse();
    ReleaseAt(event.GetPosition());
  });
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
    m_pressed = {};
    m_dragging = false;
    m_dropIndex.reset();
    m_arrowTimer.Stop();
    Refresh();
  });
  Bind(wxEVT_TIMER, &CGfxOutBarCtrl::OnSlideTimer, this, kSlideTimer);
  Bind(wxEVT_TIMER, &CGfxOutBarCtrl::OnArrowTimer, this, kArrowTimer);
  Bind(wxEVT_TIMER, &CGfxOutBarCtrl::OnSelectionTimer, this, kSelectionTimerId);
}

CGfxOutBarCtrl::~CGfxOutBarCtrl() {
  m_slideTimer.Stop();
  m_arrowTimer.Stop();
  m_selectionTimer.Stop();
}

int32_t CGfxOutBarCtrl::AppendFolder(const std::wstring& name, int32_t data) {
  const int32_t index = m_layout.AppendFolder(name, data);
  Refresh();
  return index;
}

int32_t CGfxOutBarCtrl::InsertFolderItem(int32_t folder, int32_t index, const std::wstring& text, int32_t image,
                                         int32_t data) {
  int32_t height = 0;
  if (!text.empty()) {
    wxClientDC dc(this);
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    height = dc.GetTextExtent(wxString(text)).GetHeight();
  }
  const int32_t at = m_layout.InsertItem(folder, index, text, image, data, height);
  Refresh();
  return at;
}

void CGfxOutBarCtrl::UpdateClient() {
  const wxSize size = GetClientSize();
  m_layout.SetClient({0, 0, size.x, size.y});
}

void CGfxOutBarCtrl::SelectFolder(int32_t index) {
  const int32_t old = m_layout.GetSelectedFolder();
  UpdateClient();
  const int32_t oldTop = m_layout.GetItemArea().top;
  if (!m_layout.SelectFolder(index)) return;
  if (index != old && (m_flags & kAnimateFolders) && m_slideDelay >= 0 && IsShownOnScreen()) {
    // The new folder's items slide in from where its button was.
    m_slideLeft = oldTop - m_layout.GetItemArea().top;
    m_slideTimer.Start(std::max(m_slideDelay, 1));
  }
  m_hotItem = -1;
  Send(kFolderChanged, index);
  Refresh();
}

void CGfxOutBarCtrl::ResetSelection() {
  if (m_layout.GetSelectedItem() < 0) return;
  m_layout.SetSelectedItem(-1);
  Refresh();
}

void CGfxOutBarCtrl::SetSelectionTimer(int32_t period) {
  m_selectionPeriod = period;
  if (period > 0) {
    m_selectionTimer.Start(period);
  } else {
    m_selectionTimer.Stop();
  }
}

int64_t CGfxOutBarCtrl::Send(int32_t code, int32_t index, const DragRequest* drag) {
  return m_notify ? m_notify(code, index, drag) : 0;
}

void CGfxOutBarCtrl::OnSlideTimer(wxTimerEvent&) {
  const int32_t step = OutBarLayout::kButtonHeight;
  if (m_slideLeft > 0) {
    m_slideLeft = std::max(0, m_slideLeft - step);
  } else {
    m_slideLeft = std::min(0, m_slideLeft + step);
  }
  if (m_slideLeft == 0) m_slideTimer.Stop();
  Refresh();
}

void CGfxOutBarCtrl::OnArrowTimer(wxTimerEvent&) {
  const bool moved = m_pressed.hit == OutBarHit::UpArrow ? m_layout.ScrollUp() : m_layout.ScrollDown();
  if (moved) Refresh();
}

void CGfxOutBarCtrl::OnSelectionTimer(wxTimerEvent&) {
  if (m_layout.GetSelectedItem() < 0) return;
  m_selectionTicks = m_selectionTicks >= 10 ? -1 : m_selectionTicks + 1;
}

void CGfxOutBarCtrl::OnSize(wxSizeEvent& event) {
  UpdateClient();
  Refresh();
  event.Skip();
}

void CGfxOutBarCtrl::PressAt(wxPoint point) {
  UpdateClient();
  m_pressed = m_layout.HitTest(ToPoint(point));
  m_pressedLook = m_pressed.hit != OutBarHit::None;
  m_dragging = false;
  m_dropIndex.reset();
  if (m_pressed.hit == OutBarHit::UpArrow || m_pressed.hit == OutBarHit::DownArrow) m_arrowTimer.Start(300);
  Refresh();
}

void CGfxOutBarCtrl::DragTo(wxPoint point) {
  if (m_pressed.hit == OutBarHit::None) return;
  const OutBarHitResult now = m_layout.HitTest(ToPoint(point));
  const bool onPressed = now == m_pressed;
  if (m_pressed.hit == OutBarHit::Item && !onPressed && (m_flags & kDragItems)) m_dragging = true;
  if (m_dragging) {
    m_dropIndex = m_layout.GetDropIndex(ToPoint(point));
    SetCursor(m_dropIndex ? wxCursor(wxCURSOR_HAND) : wxCursor(wxCURSOR_NO_ENTRY));
  }
  if (onPressed != m_pressedLook) m_pressedLook = onPressed;
  Refresh();
}

void CGfxOutBarCtrl::ReleaseAt(wxPoint point) {
  const OutBarHitResult pressed = m_pressed;
  m_pressed = {};
  m_arrowTimer.Stop();
  SetCursor(wxNullCursor);
  const OutBarHitResult now = m_layout.HitTest(ToPoint(point));
  if (pressed.hit == OutBarHit::Item) {
    const bool dragged = m_dragging;
    const std::optional<int32_t> drop = dragged ? m_layout.GetDropIndex(ToPoint(point)) : std::nullopt;
    m_dragging = false;
    m_dropIndex.reset();
    if (dragged && drop) {
      const DragRequest request{m_layout.GetSelectedFolder(), pressed.index, *drop};
      if (Send(kDragItem, pressed.index, &request) != 0) m_layout.MoveItem(pressed.index, *drop);
    } else if (!dragged && now == pressed) {
      m_layout.SetSelectedItem(pressed.index);
      m_selectionTicks = 0;
      Send(kItemClicked, pressed.index);
    }
  } else if (pressed.hit == OutBarHit::Folder) {
    if (now == pressed && pressed.index != m_layout.GetSelectedFolder()) SelectFolder(pressed.index);
  } else if (pressed.hit == OutBarHit::UpArrow || pressed.hit == OutBarHit::DownArrow) {
    if (now == pressed) pressed.hit == OutBarHit::UpArrow ? m_layout.ScrollUp() : m_layout.ScrollDown();
  }
  Refresh();
}

void CGfxOutBarCtrl::OnMotion(wxMouseEvent& event) {
  if (event.LeftIsDown() && m_pressed.hit != OutBarHit::None) return DragTo(event.GetPosition());
  UpdateClient();
  const OutBarHitResult hit = m_layout.HitTest(ToPoint(event.GetPosition()));
  int32_t hotFolder = hit.hit == OutBarHit::Folder ? hit.index : -1;
  int32_t hotItem = hit.hit == OutBarHit::Item ? hit.index : -1;
  const bool selectedNotHot = (m_flags & kNoHotSelected) || m_selectionPeriod > 0;
  if (hotItem >= 0 && hotItem == m_layout.GetSelectedItem() && selectedNotHot) hotItem = -1;
  SetCursor(hotFolder >= 0 ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
  if (hotFolder != m_hotFolder || hotItem != m_hotItem) {
    m_hotFolder = hotFolder;
    m_hotItem = hotItem;
    Refresh();
  }
}

void CGfxOutBarCtrl::OnLeave(wxMouseEvent&) {
  if (m_hotFolder < 0 && m_hotItem < 0) return;
  m_hotFolder = m_hotItem = -1;
  Refresh();
}

void CGfxOutBarCtrl::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  UpdateClient();
  const wxSize size = GetClientSize();
  const wxColour face = Sys(wxSYS_COLOUR_BTNFACE);
  dc.SetBackground(wxBrush(face));
  dc.Clear();
  dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  const int32_t selected = m_layout.GetSelectedFolder();

  // Items of the open folder, sliding in after a folder change.
  const Rect area = m_layout.GetItemArea();
  const bool child = selected >= 0 && m_layout.GetFolder(selected).child != nullptr;
  if (selected >= 0 && !child) {
    wxDCClipper clip(dc, ToWx(area));
    for (int32_t k = m_layout.GetFirstVisible(); k < m_layout.GetItemCount(); ++k) {
      wxRect item = ToWx(m_layout.GetItemRect(k));
      item.y += m_slideLeft;
      if (item.y > area.bottom) break;
      if (item.height == 0) continue;
      const bool pressed = m_pressed.hit == OutBarHit::Item && m_pressed.index == k && m_pressedLook && !m_dragging;
      if (k == m_layout.GetSelectedItem() || pressed) {
        dc.SetPen(wxPen(Sys(wxSYS_COLOUR_3DDKSHADOW)));
        dc.SetBrush(wxBrush(Sys(wxSYS_COLOUR_3DLIGHT)));
        dc.DrawRectangle(item.Deflate(0, 1));
      } else if (k == m_hotItem) {
        dc.SetPen(wxPen(Sys(wxSYS_COLOUR_3DDKSHADOW)));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(item.Deflate(0, 1));
      }
      dc.SetTextForeground(*wxBLACK);
      const wxString text(m_layout.GetFolder(selected).items[k].text);
      dc.DrawLabel(text, wxRect(item.x + 4, item.y, item.width - 4, item.height), wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    }
    // The drag mark: a line with arrow heads where the item would land.
    if (m_dragging && m_dropIndex) {
      const int32_t count = m_layout.GetItemCount();
      const int32_t y = *m_dropIndex < count ? m_layout.GetItemRect(*m_dropIndex).top
                                             : m_layout.GetItemRect(count - 1).bottom;
      const int32_t left = area.left + 5, right = area.right - 5;
      dc.SetPen(*wxBLACK_PEN);
      dc.DrawLine(left, y, right, y);
      dc.DrawLine(left, y - 3, left, y + 4);
      dc.DrawLine(right - 1, y - 3, right - 1, y + 4);
    }
    auto arrow = [&](const Rect& rect, int direction, bool pushed) {
      wxRendererNative::Get().DrawPushButton(this, dc, ToWx(rect), pushed ? wxCONTROL_PRESSED : 0);
      const wxRect r = ToWx(rect);
      const int cx = r.x + r.width / 2, cy = r.y + r.height / 2;
      const wxPoint up[] = {{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}};
      const wxPoint down[] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
      dc.SetBrush(*wxBLACK_BRUSH);
      dc.DrawPolygon(3, direction < 0 ? up : down);
    };
    if (m_layout.IsUpArrowShown()) arrow(m_layout.GetUpArrowRect(), -1, m_pressed.hit == OutBarHit::UpArrow);
    if (m_layout.IsDownArrowShown()) arrow(m_layout.GetDownArrowRect(), 1, m_pressed.hit == OutBarHit::DownArrow);
  }

  // Folder buttons.
  for (int32_t i = 0; i < m_layout.GetFolderCount(); ++i) {
    const wxRect button = ToWx(m_layout.GetFolderRect(i));
    const bool pressed = m_pressed.hit == OutBarHit::Folder && m_pressed.index == i && m_pressedLook;
    wxRendererNative::Get().DrawPushButton(this, dc, button,
                                           pressed ? wxCONTROL_PRESSED : (i == m_hotFolder ? wxCONTROL_CURRENT : 0));
    dc.SetTextForeground(Sys(wxSYS_COLOUR_BTNTEXT));
    dc.DrawLabel(wxString(m_layout.GetFolder(i).name), button, wxALIGN_CENTER);
  }
  (void)size;
}

}  // namespace designer
