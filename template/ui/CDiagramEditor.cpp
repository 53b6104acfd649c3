#include "template/ui/CDiagramEditor.h"

#include <algorithm>
#include <chrono>

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include "platform/ScrollBars.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/WxTextMeasurer.h"

using platform::gdi::COLORREF;
using platform::gdi::Point;
using platform::gdi::Size;

namespace {

std::function<int64_t()> gClock;

COLORREF ToColorRef(const wxColour& colour) {
  return platform::gdi::RGB(colour.Red(), colour.Green(), colour.Blue());
}

Point ToPoint(const wxPoint& point) {
  return Point{point.x, point.y};
}

wxCursor CursorFor(EditorCursor cursor) {
  switch (cursor) {
    case EditorCursor::Cross: return wxCursor(wxCURSOR_CROSS);
    case EditorCursor::SizeAll: return wxCursor(wxCURSOR_SIZING);
    case EditorCursor::SizeNWSE: return wxCursor(wxCURSOR_SIZENWSE);
    case EditorCursor::SizeNESW: return wxCursor(wxCURSOR_SIZENESW);
    case EditorCursor::SizeNS: return wxCursor(wxCURSOR_SIZENS);
    case EditorCursor::SizeWE: return wxCursor(wxCURSOR_SIZEWE);
    case EditorCursor::Default: break;
  }
  return wxNullCursor;
}

DiagramScrollRequest RequestOf(wxEventType type) {
  if (type == wxEVT_SCROLLWIN_TOP) return DiagramScrollRequest::Top;
  if (type == wxEVT_SCROLLWIN_BOTTOM) return DiagramScrollRequest::Bottom;
  if (type == wxEVT_SCROLLWIN_LINEUP) return DiagramScrollRequest::LineUp;
  if (type == wxEVT_SCROLLWIN_LINEDOWN) return DiagramScrollRequest::LineDown;
  if (type == wxEVT_SCROLLWIN_PAGEUP) return DiagramScrollRequest::PageUp;
  if (type == wxEVT_SCROLLWIN_PAGEDOWN) return DiagramScrollRequest::PageDown;
  return DiagramScrollRequest::Thumb;
}

}  // namespace

CDiagramEditor::CDiagramEditor() : m_panTimer(this) {
  m_core.backgroundColor = ToColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
  m_core.surroundColor = ToColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
}

CDiagramEditor::~CDiagramEditor() {
  m_panTimer.Stop();
  if (HasCapture()) ReleaseMouse();
  // The window's own destruction may still send focus, size or paint
  // events; they must not reach the handlers of a half-destroyed editor.
  Unbind(wxEVT_PAINT, &CDiagramEditor::OnPaint, this);
  Unbind(wxEVT_SIZE, &CDiagramEditor::OnSizeEvent, this);
  Unbind(wxEVT_KILL_FOCUS, &CDiagramEditor::OnFocusLost, this);
  Unbind(wxEVT_MOUSE_CAPTURE_LOST, &CDiagramEditor::OnCaptureLost, this);
  Unbind(wxEVT_TIMER, &CDiagramEditor::OnPanTimer, this, m_panTimer.GetId());
}

void CDiagramEditor::SetClock(std::function<int64_t()> clock) {
  gClock = std::move(clock);
}

int64_t CDiagramEditor::Now() {
  if (gClock) return gClock();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool CDiagramEditor::Create(long style, const wxRect& rect, wxWindow* parent, CDiagramEntityContainer* container) {
  if (container) m_core.SetDiagramEntityContainer(container);
  else m_core.UseOwnContainer();
  // The canvas paints every pixel itself, from a buffer; it wants every key.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (!wxWindow::Create(parent, wxID_ANY, rect.GetPosition(), rect.GetSize(),
                        style | wxHSCROLL | wxVSCROLL | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE)) {
    return false;
  }
  // A paper larger than the window shows its scroll bars, not indicators
  // that appear only once the pointer moves.
  platform::KeepScrollBarsShown(this);
  m_core.SetClientSize(Size{GetClientSize().x, GetClientSize().y});
  if (m_core.GetDiagramEntityContainer()->GetVirtualSize() == Size{}) {
    m_core.SetVirtualSize(Size{rect.width, rect.height});
  }

  Bind(wxEVT_PAINT, &CDiagramEditor::OnPaint, this);
  Bind(wxEVT_SIZE, &CDiagramEditor::OnSizeEvent, this);
  for (wxEventType type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                           wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                           wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE}) {
    Bind(wxEventTypeTag<wxScrollWinEvent>(type), &CDiagramEditor::OnScrollEvent, this);
  }
  for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN,
                           wxEVT_MOTION}) {
    Bind(wxEventTypeTag<wxMouseEvent>(type), &CDiagramEditor::OnMouseEvent, this);
  }
  Bind(wxEVT_MOUSEWHEEL, &CDiagramEditor::OnWheelEvent, this);
  Bind(wxEVT_KEY_DOWN, &CDiagramEditor::OnKeyEvent, this);
  Bind(wxEVT_TIMER, &CDiagramEditor::OnPanTimer, this, m_panTimer.GetId());
  Bind(wxEVT_KILL_FOCUS, &CDiagramEditor::OnFocusLost, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CDiagramEditor::OnCaptureLost, this);
  // Moved to a screen of another resolution: fonts are made again.
  Bind(wxEVT_DPI_CHANGED, [this](wxDPIChangedEvent& event) {
    m_measurer.reset();
    event.Skip();
  });
  SetupScrollbars();
  return true;
}

void CDiagramEditor::Redraw() {
  if (!GetHandle()) return;
  Refresh(false);
  Update();
}

void CDiagramEditor::SetupScrollbars() {
  if (!GetHandle()) return;
  if (!IsShownOnScreen()) m_barsSetUnseen = true;
  const DiagramViewport& view = m_core.View();
  const DiagramScrollBar h = view.GetHorizontalBar();
  const DiagramScrollBar v = view.GetVerticalBar();
  // Positions run 0 .. maximum - page + 1: the range holds maximum + 1 positions.
  if (h.shown) SetScrollbar(wxHORIZONTAL, view.GetHScroll(), h.page, h.maximum + 1);
  else SetScrollbar(wxHORIZONTAL, 0, 0, 0);
  if (v.shown) SetScrollbar(wxVERTICAL, view.GetVScroll(), v.page, v.maximum + 1);
  else SetScrollbar(wxVERTICAL, 0, 0, 0);
}

void CDiagramEditor::OnPaint(wxPaintEvent&) {
  if (m_barsSetUnseen) {
    // A paper larger than the window showed no scroll bars until the first
    // scroll: the bars are taken away and set up again, which GTK lays out.
    m_barsSetUnseen = false;
    CallAfter([this] {
      SetScrollbar(wxHORIZONTAL, 0, 0, 0);
      SetScrollbar(wxVERTICAL, 0, 0, 0);
      SetupScrollbars();
    });
  }
  wxAutoBufferedPaintDC paintDc(this);
  const wxSize client = GetClientSize();
  const DiagramViewport& view = m_core.View();
  // The surround first, in client coordinates.
  paintDc.SetDeviceOrigin(0, 0);
  paintDc.SetPen(*wxTRANSPARENT_PEN);
  const COLORREF surround = m_core.surroundColor;
  paintDc.SetBrush(wxBrush(wxColour(platform::gdi::GetRValue(surround), platform::gdi::GetGValue(surround),
                                    platform::gdi::GetBValue(surround))));
  paintDc.DrawRectangle(0, 0, client.x, client.y);
  // Then the paper and everything on it, on the surface shifted by the scroll positions.
  paintDc.SetDeviceOrigin(-view.GetHScroll(), -view.GetVScroll());
  if (!m_measurer) {
    // The window draws in logical pixels; a scaled screen (GDK_SCALE) reports
    // its device pixels per inch, which would size fonts too small.
    const double scale = std::max(1.0, GetContentScaleFactor());
    const int ppi = paintDc.GetPPI().y > 0 ? paintDc.GetPPI().y : 96;
    m_measurer = std::make_unique<platform::gdi::WxTextMeasurer>(paintDc, static_cast<int>(ppi / scale + 0.5));
  }
  platform::gdi::DeviceMetrics metrics;
  metrics.pixelsPerInchX = metrics.pixelsPerInchY = m_measurer->PixelsPerInch();
  metrics.width = client.x;
  metrics.height = client.y;
  platform::gdi::DeviceContext dc(paintDc, metrics, *m_measurer);
  // Only what the damaged rectangle shows is drawn.
  const wxRect damaged = GetUpdateRegion().GetBox();
  const platform::gdi::Rect visible =
      damaged.IsEmpty() ? platform::gdi::Rect{0, 0, client.x, client.y}
                        : platform::gdi::Rect{damaged.x, damaged.y, damaged.GetRight() + 1, damaged.GetBottom() + 1};
  const platform::gdi::Rect onSurface{visible.left + view.GetHScroll(), visible.top + view.GetVScroll(),
                                      visible.right + view.GetHScroll(), visible.bottom + view.GetVScroll()};
  m_core.Draw(dc, m_core.GetPaperOnSurface(), &onSurface);
}

void CDiagramEditor::OnSizeEvent(wxSizeEvent& event) {
  const wxSize client = GetClientSize();
  m_core.SetClientSize(Size{client.x, client.y});
  SetupScrollbars();
  Refresh(false);
  event.Skip();
}

void CDiagramEditor::OnScrollEvent(wxScrollWinEvent& event) {
  const DiagramViewport& view = m_core.View();
  const bool horizontal = event.GetOrientation() == wxHORIZONTAL;
  const DiagramScrollBar bar = horizontal ? view.GetHorizontalBar() : view.GetVerticalBar();
  const int32_t position = horizontal ? view.GetHScroll() : view.GetVScroll();
  const int32_t next = DiagramViewport::ScrollTo(bar, position, RequestOf(event.GetEventType()), event.GetPosition());
  if (horizontal) SetHScroll(next);
  else SetVScroll(next);
  Redraw();
}

void CDiagramEditor::SetHScroll(int32_t position) {
  m_core.View().SetHScroll(position);
  if (GetHandle()) SetScrollPos(wxHORIZONTAL, m_core.View().GetHScroll());
}

void CDiagramEditor::SetVScroll(int32_t position) {
  m_core.View().SetVScroll(position);
  if (GetHandle()) SetScrollPos(wxVERTICAL, m_core.View().GetVScroll());
}

void CDiagramEditor::OnMouseEvent(wxMouseEvent& event) {
  const Point point = ToPoint(event.GetPosition());
  const wxEventType type = event.GetEventType();
  if (type == wxEVT_LEFT_DOWN) {
    OnLButtonDown(event.ControlDown(), point);
  } else if (type == wxEVT_LEFT_UP) {
    OnLButtonUp(event.ControlDown(), point);
  } else if (type == wxEVT_LEFT_DCLICK) {
    OnLButtonDblClk(point);
  } else if (type == wxEVT_RIGHT_DOWN) {
    OnRButtonDown(point);
  } else if (type == wxEVT_MIDDLE_DOWN) {
    OnMButtonDown(point);
  } else if (type == wxEVT_MOTION) {
    OnMouseMove(point);
  }
  // The view's context menu follows the right button.
  event.Skip(type == wxEVT_RIGHT_DOWN);
}

void CDiagramEditor::AfterMouse(const DiagramMouseResult& result) {
  if (result.scrolled) {
    SetHScroll(m_core.View().GetHScroll());
    SetVScroll(m_core.View().GetVScroll());
  }
  if (result.redraw || result.scrolled) Redraw();
  if (result.redraw) OnEntitiesChanged();
}

void CDiagramEditor::OnLButtonDown(bool control, Point point) {
  if (m_core.IsPanning()) m_panTimer.Stop();
  SetFocus();
  if (!HasCapture()) CaptureMouse();
  AfterMouse(m_core.OnLButtonDown(point, control, Now()));
  UpdateCursor(point);
}

void CDiagramEditor::OnLButtonUp(bool control, Point point) {
  if (HasCapture()) ReleaseMouse();
  const DiagramMouseResult result = m_core.OnLButtonUp(point, control, Now());
  AfterMouse(result);
  UpdateCursor(point);
}

void CDiagramEditor::OnMouseMove(Point point) {
  AfterMouse(m_core.OnMouseMove(point, Now()));
  UpdateCursor(point);
}

void CDiagramEditor::OnRButtonDown(Point point) {
  if (m_core.IsPanning()) m_panTimer.Stop();
  AfterMouse(m_core.OnRButtonDown(point));
  UpdateCursor(point);
}

void CDiagramEditor::OnLButtonDblClk(Point) {
  m_core.ShowProperties();
}

void CDiagramEditor::OnMButtonDown(Point point) {
  const bool wasPanning = m_core.IsPanning();
  if (!m_core.StartPanning(point)) return;
  if (wasPanning) m_panTimer.Stop();
  else m_panTimer.Start(10, wxTIMER_ONE_SHOT);
  UpdateCursor(point);
  Redraw();
}

void CDiagramEditor::OnPanTimer(wxTimerEvent&) {
  if (!m_core.IsPanning()) return;
  const Point mouse = ToPoint(ScreenToClient(wxGetMousePosition()));
  if (m_core.PanTick(mouse)) {
    SetHScroll(m_core.View().GetHScroll());
    SetVScroll(m_core.View().GetVScroll());
  }
  UpdateCursor(mouse);
  Redraw();
  m_panTimer.Start(10, wxTIMER_ONE_SHOT);
}

void CDiagramEditor::OnFocusLost(wxFocusEvent& event) {
  if (m_core.IsPanning()) {
    m_core.StopPanning();
    m_panTimer.Stop();
    Redraw();
  }
  event.Skip();
}

void CDiagramEditor::OnCaptureLost(wxMouseCaptureLostEvent&) {
  // The button's release went elsewhere: finish what the mouse was doing.
  const Point mouse = ToPoint(ScreenToClient(wxGetMousePosition()));
  AfterMouse(m_core.OnLButtonUp(mouse, false, Now()));
}

void CDiagramEditor::UpdateCursor(Point point) {
  SetCursor(CursorFor(m_core.GetCursor(point)));
}

void CDiagramEditor::OnWheelEvent(wxMouseEvent& event) {
  DiagramViewport& view = m_core.View();
  const int32_t distance = event.GetWheelRotation();
  // Control with the wheel zooms whatever the wheel mode.
  if (m_core.wheelMode == 1 || event.ControlDown()) {
    SetZoom(distance < 0 ? view.GetZoom() + view.GetZoomStep() : view.GetZoom() - view.GetZoomStep());
    return;
  }
  if (view.WheelScroll(distance)) {
    SetVScroll(view.GetVScroll());
    Redraw();
  }
}

// The designer's keys on the canvas: arrows move the selection by one grid
// step, Control with an arrow aligns it, Delete deletes it.
void CDiagramEditor::OnKeyEvent(wxKeyEvent& event) {
  const bool control = event.ControlDown();
  switch (event.GetKeyCode()) {
    case WXK_LEFT: control ? LeftAlignSelected() : MoveSelectedLeft(); break;
    case WXK_UP: control ? TopAlignSelected() : MoveSelectedUp(); break;
    case WXK_RIGHT: control ? RightAlignSelected() : MoveSelectedRight(); break;
    case WXK_DOWN: control ? BottomAlignSelected() : MoveSelectedDown(); break;
    case WXK_DELETE: DeleteAllSelected(); break;
    default: event.Skip(); return;
  }
}

void CDiagramEditor::SetBackgroundColor(COLORREF color) {
  m_core.backgroundColor = color;
  Redraw();
}

void CDiagramEditor::ShowGrid(bool visible) {
  m_core.gridVisible = visible;
  Redraw();
}

void CDiagramEditor::SetGridColor(COLORREF color) {
  m_core.gridColor = color;
  Redraw();
}

void CDiagramEditor::SetGridSize(Size size) {
  m_core.View().SetGridSize({size.cx, size.cy});
  Redraw();
}

void CDiagramEditor::SetMarginColor(COLORREF color) {
  m_core.marginColor = color;
  Redraw();
}

void CDiagramEditor::ShowMargin(bool visible) {
  m_core.marginsVisible = visible;
  Redraw();
}

void CDiagramEditor::SetRestraints(int restraint) {
  m_core.View().SetRestraint(static_cast<DiagramRestraint>(restraint >= 0 && restraint <= 2 ? restraint : 0));
}

void CDiagramEditor::SetZoom(double zoom) {
  m_core.View().SetZoom(zoom);
  SetupScrollbars();
  Redraw();
}

void CDiagramEditor::SetDiagramEntityContainer(CDiagramEntityContainer* container) {
  m_core.SetDiagramEntityContainer(container);
  SetupScrollbars();
  Redraw();
}

void CDiagramEditor::SetVirtualSize(Size size) {
  if (m_core.SetVirtualSize(size)) {
    SetupScrollbars();
    Redraw();
  }
}

void CDiagramEditor::SetPaperSize(Size size) {
  SetVirtualSize(size);
  m_core.SetModified(true);
}

void CDiagramEditor::ZoomToFit() {
  if (!m_core.ZoomToFit()) return;
  SetZoom(m_core.View().GetZoom());
  SetHScroll(m_core.View().GetHScroll());
  SetVScroll(m_core.View().GetVScroll());
  Redraw();
}

void CDiagramEditor::Clear() {
  m_panTimer.Stop();
  m_core.Clear();
  if (!GetHandle()) return;
  SetCursor(wxNullCursor);
  SetupScrollbars();
  SetHScroll(0);
  SetVScroll(0);
  Redraw();
}

void CDiagramEditor::New() {
  Clear();
  m_core.New();
  SetupScrollbars();
  Redraw();
}

void CDiagramEditor::StartDrawingObject(std::unique_ptr<CDiagramEntity> prototype) {
  m_core.StartDrawingObject(std::move(prototype));
  if (GetHandle()) SetCursor(m_core.GetDrawingObject() ? wxCursor(wxCURSOR_CROSS) : wxNullCursor);
}

// Every command redraws after the change.
#define CORVANE_EDITOR_COMMAND(name, call) \
  void CDiagramEditor::name() {           \
    m_core.call;                          \
    Redraw();                             \
    OnEntitiesChanged();                  \
  }
CORVANE_EDITOR_COMMAND(SelectAll, SelectAll())
CORVANE_EDITOR_COMMAND(DeleteAllSelected, DeleteAllSelected())
CORVANE_EDITOR_COMMAND(Cut, Cut())
CORVANE_EDITOR_COMMAND(Copy, Copy())
CORVANE_EDITOR_COMMAND(Paste, Paste())
CORVANE_EDITOR_COMMAND(Group, Group())
CORVANE_EDITOR_COMMAND(Ungroup, Ungroup())
CORVANE_EDITOR_COMMAND(BringToFront, BringToFront())
CORVANE_EDITOR_COMMAND(SendToBack, SendToBack())
CORVANE_EDITOR_COMMAND(BringForward, BringForward())
CORVANE_EDITOR_COMMAND(SendBackward, SendBackward())
CORVANE_EDITOR_COMMAND(LeftAlignSelected, AlignSelected(DiagramAlign::Left))
CORVANE_EDITOR_COMMAND(RightAlignSelected, AlignSelected(DiagramAlign::Right))
CORVANE_EDITOR_COMMAND(TopAlignSelected, AlignSelected(DiagramAlign::Top))
CORVANE_EDITOR_COMMAND(BottomAlignSelected, AlignSelected(DiagramAlign::Bottom))
CORVANE_EDITOR_COMMAND(MoveSelectedLeft, MoveSelected(DiagramNudge::Left))
CORVANE_EDITOR_COMMAND(MoveSelectedUp, MoveSelected(DiagramNudge::Up))
CORVANE_EDITOR_COMMAND(MoveSelectedRight, MoveSelected(DiagramNudge::Right))
CORVANE_EDITOR_COMMAND(MoveSelectedDown, MoveSelected(DiagramNudge::Down))
#undef CORVANE_EDITOR_COMMAND

void CDiagramEditor::MakeSameSizeSelected(bool width, bool height) {
  m_core.MakeSameSizeSelected(width, height);
  Redraw();
  OnEntitiesChanged();
}

void CDiagramEditor::Undo() {
  m_core.Undo();
  SetupScrollbars();
  Redraw();
  OnEntitiesChanged();
}
