#include "designer/bars/CGfxOutBarCtrl.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include "designer/SkinLibrary.h"

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
  for (void*& skin : m_skins) skin = Skin().BkCreate();
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
  for (void* skin : m_skins) Skin().BkDelete(skin);
}

int32_t CGfxOutBarCtrl::AppendFolder(const std::wstring& name, int32_t data, wxWindow* child) {
  const int32_t index = m_layout.AppendFolder(name, data);
  if (child) SetFolderChild(index, child);
  Refresh();
  return index;
}

void CGfxOutBarCtrl::SetFolderChild(int32_t folder, wxWindow* child) {
  if (folder < 0 || folder >= m_layout.GetFolderCount()) return;
  if (wxWindow* old = GetFolderChild(folder); old && old != child) old->Hide();
  m_layout.GetFolder(folder).child = child;
  PlaceChildren();
  Refresh();
}

wxWindow* CGfxOutBarCtrl::GetFolderChild(int32_t folder) const {
  if (folder < 0 || folder >= m_layout.GetFolderCount()) return nullptr;
  return static_cast<wxWindow*>(m_layout.GetFolder(folder).child);
}

void CGfxOutBarCtrl::PlaceChildren() {
  UpdateClient();
  wxRect area = ToWx(m_layout.GetItemArea());
  // Before the bar has its size the area may be empty, never negative.
  area.width = std::max(area.width, 0);
  area.height = std::max(area.height, 0);
  const int32_t selected = m_layout.GetSelectedFolder();
  for (int32_t i = 0; i < m_layout.GetFolderCount(); ++i) {
    wxWindow* child = GetFolderChild(i);
    if (!child) continue;
    child->SetSize(area);
    // While the bar slides to the folder, its window waits for the end.
    child->Show(i == selected && !IsSliding());
  }
}

bool CGfxOutBarCtrl::IsFocusInChild() const {
  for (wxWindow* focus = FindFocus(); focus && focus != this; focus = focus->GetParent()) {
    if (focus->GetParent() == this) return true;
  }
  return false;
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
  const OutBarLayout before = m_layout;
  if (index < 0 || index >= m_layout.GetFolderCount()) return;
  // The folder left hides its child window; the one opened shows its own
  // once it is open.
  if (wxWindow* child = GetFolderChild(old)) child->Hide();
  m_layout.SelectFolder(index);
  if (index != old && (m_flags & kAnimateFolders) && m_slideDelay >= 0 && IsShownOnScreen()) StartSlide(before);
  PlaceChildren();
  m_hotItem = -1;
  Send(kFolderChanged, index);
  Refresh();
}

void CGfxOutBarCtrl::StartSlide(const OutBarLayout& before) {
  // The bar as it was and as it will be, each drawn once; the slide moves
  // the band of buttons between the two folders from its old place to its
  // new one, the folder opening behind it.
  const wxSize size = GetClientSize();
  if (size.x <= 0 || size.y <= 0) return;
  const int32_t from = before.GetSelectedFolder();
  const int32_t to = m_layout.GetSelectedFolder();
  const int32_t count = m_layout.GetFolderCount();
  auto render = [&](const OutBarLayout& layout) {
    wxBitmap bitmap(size);
    wxMemoryDC dc(bitmap);
    Render(dc, layout, false);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
  };
  m_slide = Slide{};
  m_slide.before = render(before);
  m_slide.after = render(m_layout);
  m_slide.opensBelow = to > from;
  const int32_t first = std::min(from, to) + 1;  // the first button that travels
  m_slide.position = before.GetFolderRect(first).top;
  m_slide.target = m_layout.GetFolderRect(first).top;
  // The band comes from the picture on the side it leaves: the new one
  // when it travels up, the old one when it travels down.
  m_slide.bandSource = m_slide.opensBelow ? m_slide.target : m_slide.position;
  const int32_t last = std::max(from, to);  // the buttons after it stay at the bottom
  m_slide.fixedTop = last + 1 < count ? m_layout.GetFolderRect(last + 1).top : size.y;
  m_slideTimer.Start(std::max(m_slideDelay, 1));
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
  if (!IsSliding()) return m_slideTimer.Stop();
  const int32_t step = OutBarLayout::kButtonHeight;
  if (m_slide.position > m_slide.target) {
    m_slide.position = std::max(m_slide.target, m_slide.position - step);
  } else {
    m_slide.position = std::min(m_slide.target, m_slide.position + step);
  }
  if (m_onSlideStep) m_onSlideStep(m_slide.position);
  if (m_slide.position == m_slide.target) {
    m_slideTimer.Stop();
    m_slide = Slide{};
    PlaceChildren();
  }
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
  // The pictures of a slide are of the old size: the bar shows the folder at once.
  if (IsSliding()) {
    m_slideTimer.Stop();
    m_slide = Slide{};
  }
  PlaceChildren();
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
  // Nothing is highlighted while a child window has the keyboard.
  if (IsFocusInChild()) hotFolder = hotItem = -1;
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
  if (!IsSliding()) return Render(dc, m_layout, true);
  // Above the travelling band: the old bar (opening below) or the new one;
  // then the band; below it, the buttons that stay at the bottom.
  const wxSize size = GetClientSize();
  wxMemoryDC before(m_slide.before);
  wxMemoryDC after(m_slide.after);
  const int32_t y = m_slide.position;
  dc.Blit(0, 0, size.x, y, m_slide.opensBelow ? &before : &after, 0, 0);
  wxMemoryDC& band = m_slide.opensBelow ? after : before;
  if (m_slide.fixedTop > y) dc.Blit(0, y, size.x, m_slide.fixedTop - y, &band, 0, m_slide.bandSource);
  if (m_slide.fixedTop < size.y) {
    dc.Blit(0, m_slide.fixedTop, size.x, size.y - m_slide.fixedTop, &after, 0, m_slide.fixedTop);
  }
}

void CGfxOutBarCtrl::Render(wxDC& dc, const OutBarLayout& layout, bool live) {
  const wxColour face = Sys(wxSYS_COLOUR_BTNFACE);
  dc.SetBackground(wxBrush(face));
  dc.Clear();
  dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  const int32_t selected = layout.GetSelectedFolder();
  const OutBarHitResult pressedHit = live ? m_pressed : OutBarHitResult{};
  const int32_t hotItem = live ? m_hotItem : -1;
  const int32_t hotFolder = live ? m_hotFolder : -1;

  // Items of the open folder.
  const Rect area = layout.GetItemArea();
  const bool child = selected >= 0 && layout.GetFolder(selected).child != nullptr;
  if (selected >= 0 && !child) {
    Skin().BkDraw(m_skins[kSkinItems], this, dc, ToWx(area));
    wxDCClipper clip(dc, ToWx(area));
    for (int32_t k = layout.GetFirstVisible(); k < layout.GetItemCount(); ++k) {
      wxRect item = ToWx(layout.GetItemRect(k));
      if (item.y > area.bottom) break;
      if (item.height == 0) continue;
      const bool pressed = pressedHit.hit == OutBarHit::Item && pressedHit.index == k && m_pressedLook && !m_dragging;
      if (k == layout.GetSelectedItem() || pressed) {
        dc.SetPen(wxPen(Sys(wxSYS_COLOUR_3DDKSHADOW)));
        dc.SetBrush(wxBrush(Sys(wxSYS_COLOUR_3DLIGHT)));
        dc.DrawRectangle(item.Deflate(0, 1));
      } else if (k == hotItem) {
        dc.SetPen(wxPen(Sys(wxSYS_COLOUR_3DDKSHADOW)));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(item.Deflate(0, 1));
      }
      dc.SetTextForeground(*wxBLACK);
      const wxString text(layout.GetFolder(selected).items[k].text);
      dc.DrawLabel(text, wxRect(item.x + 4, item.y, item.width - 4, item.height), wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
    }
    // The drag mark: a line with arrow heads where the item would land.
    if (live && m_dragging && m_dropIndex) {
      const int32_t count = layout.GetItemCount();
      const int32_t y = *m_dropIndex < count ? layout.GetItemRect(*m_dropIndex).top : layout.GetItemRect(count - 1).bottom;
      const int32_t left = area.left + 5, right = area.right - 5;
      dc.SetPen(*wxBLACK_PEN);
      dc.DrawLine(left, y, right, y);
      dc.DrawLine(left, y - 3, left, y + 4);
      dc.DrawLine(right - 1, y - 3, right - 1, y + 4);
    }
    auto arrow = [&](const Rect& rect, int direction, bool pushed) {
      if (Skin().BkDraw(m_skins[kSkinArrows], this, dc, ToWx(rect))) return;
      wxRendererNative::Get().DrawPushButton(this, dc, ToWx(rect), pushed ? wxCONTROL_PRESSED : 0);
      const wxRect r = ToWx(rect);
      const int cx = r.x + r.width / 2, cy = r.y + r.height / 2;
      const wxPoint up[] = {{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}};
      const wxPoint down[] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
      dc.SetBrush(*wxBLACK_BRUSH);
      dc.DrawPolygon(3, direction < 0 ? up : down);
    };
    if (layout.IsUpArrowShown()) arrow(layout.GetUpArrowRect(), -1, pressedHit.hit == OutBarHit::UpArrow);
    if (layout.IsDownArrowShown()) arrow(layout.GetDownArrowRect(), 1, pressedHit.hit == OutBarHit::DownArrow);
  }

  // Folder buttons.
  for (int32_t i = 0; i < layout.GetFolderCount(); ++i) {
    const wxRect button = ToWx(layout.GetFolderRect(i));
    const bool pressed = pressedHit.hit == OutBarHit::Folder && pressedHit.index == i && m_pressedLook;
    if (!Skin().BkDraw(m_skins[kSkinFolders], this, dc, button)) {
      wxRendererNative::Get().DrawPushButton(this, dc, button,
                                             pressed ? wxCONTROL_PRESSED : (i == hotFolder ? wxCONTROL_CURRENT : 0));
    }
    dc.SetTextForeground(Sys(wxSYS_COLOUR_BTNTEXT));
    dc.DrawLabel(wxString(layout.GetFolder(i).name), button, wxALIGN_CENTER);
  }
}

}  // namespace designer
