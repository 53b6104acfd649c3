#include "designer/bars/CAutoHideBar.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>

#include "designer/SkinLibrary.h"
#include "designer/bars/CPinDockBar.h"
#include "platform/gdi/WxTextMeasurer.h"

namespace designer {
namespace {

constexpr int kCaptionHeight = 18;
constexpr int kPinSize = 11;
constexpr int kSlideTimerMs = 100;
constexpr int kEdgeWidth = 5;

wxRect ToWx(const platform::gdi::Rect& rect) {
  return {rect.left, rect.top, rect.Width(), rect.Height()};
}

platform::gdi::Rect FromWx(const wxRect& rect) {
  return {rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
}

constexpr int kTabFontHeight = 14;
constexpr int kTabImageInset = 2;
constexpr int kTabImageFromBottom = 18;

// "Arial" whose line is kTabFontHeight pixels high in whatever face the
// desktop gives for that name. A wx pixel size only picks a whole point
// size, which made a 13-pixel line where Arial is DejaVu Sans.
wxFont TabFont() {
  wxScreenDC dc;
  platform::gdi::WxTextMeasurer measurer(dc);
  platform::gdi::LogFont font;
  font.height = kTabFontHeight;
  font.faceName = L"Arial";
  return measurer.FontFor(font);
}

}  // namespace

CDrawFrame::CDrawFrame(CAutoHideBar* bar, const wxString& title, wxWindow* docked, int32_t dockedDepth)
    : wxFrame(wxGetTopLevelParent(bar), wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
              wxFRAME_TOOL_WINDOW | wxFRAME_NO_TASKBAR | wxFRAME_FLOAT_ON_PARENT | wxBORDER_SIMPLE),
      m_bar(bar),
      m_docked(docked),
      m_fullSize(dockedDepth),
      m_timer(this) {
  // The frame's borders across the bar: its own frame on both sides and the
  // sizing edge on the far one.
  const bool horizontal = IsHorizontal(m_bar->GetSide());
  const wxSize frame = GetSize(), client = GetClientSize();
  m_fullSize += (horizontal ? frame.y - client.y : frame.x - client.x) + kEdgeWidth;
  m_caption = new wxWindow(this, wxID_ANY, wxDefaultPosition, wxSize(-1, kCaptionHeight));
  m_caption->SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_caption->Bind(wxEVT_PAINT, &CDrawFrame::PaintCaption, this);
  // The pin is hot under the pointer with the button up, pressed with it
  // down; a release on it docks the bar back.
  m_caption->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
    const bool on = PinRect().Contains(event.GetPosition());
    const bool hot = on && !event.LeftIsDown();
    const bool pressed = on && event.LeftIsDown() && m_caption->HasCapture();
    if (hot != m_pinHot || pressed != m_pinPressed) {
      m_pinHot = hot;
      m_pinPressed = pressed;
      m_caption->Refresh();
    }
  });
  m_caption->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
    if (!PinRect().Contains(event.GetPosition())) return;
    m_pinHot = false;
    m_pinPressed = true;
    if (!m_caption->HasCapture()) m_caption->CaptureMouse();
    m_caption->Refresh();
  });
  m_caption->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
    if (!m_caption->HasCapture()) return;
    m_caption->ReleaseMouse();
    m_pinPressed = false;
    m_caption->Refresh();
    if (PinRect().Contains(event.GetPosition())) CallAfter([this] { m_bar->PinBack(this); });
  });
  m_caption->Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
    m_pinPressed = false;
    m_caption->Refresh();
  });
  // The far edge, the one facing away from the bar, resizes the frame.
  m_edge = new wxWindow(this, wxID_ANY);
  m_edge->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  m_edge->SetCursor(wxCursor(horizontal ? wxCURSOR_SIZENS : wxCURSOR_SIZEWE));
  // The pointer is followed on the screen: the edge itself moves with it.
  m_edge->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) {
    m_edgePress = wxGetMousePosition();
    m_edgeFrame = GetScreenRect();
    if (!m_edge->HasCapture()) m_edge->CaptureMouse();
  });
  m_edge->Bind(wxEVT_MOTION, [this](wxMouseEvent&) {
    if (!m_edge->HasCapture()) return;
    const wxPoint moved = wxGetMousePosition() - m_edgePress;
    SetSize(ToWx(DragFarEdge(m_bar->GetSide(), FromWx(m_edgeFrame), {moved.x, moved.y})));
  });
  m_edge->Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) {
    if (m_edge->HasCapture()) m_edge->ReleaseMouse();
  });
  m_edge->Bind(wxEVT_MOUSE_CAPTURE_LOST, [](wxMouseCaptureLostEvent&) {});
  m_docked->Reparent(this);
  m_docked->Show();
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    const wxSize client = GetClientSize();
    // The edge on the far side, the caption band and the window in the rest.
    wxRect rest(client);
    wxRect edge;
    switch (m_bar->GetSide()) {
      case AutoHideSide::Left: edge = wxRect(client.x - kEdgeWidth, 0, kEdgeWidth, client.y); rest.width -= kEdgeWidth; break;
      case AutoHideSide::Right: edge = wxRect(0, 0, kEdgeWidth, client.y); rest.x = kEdgeWidth; rest.width -= kEdgeWidth; break;
      case AutoHideSide::Top: edge = wxRect(0, client.y - kEdgeWidth, client.x, kEdgeWidth); rest.height -= kEdgeWidth; break;
      case AutoHideSide::Bottom: edge = wxRect(0, 0, client.x, kEdgeWidth); rest.y = kEdgeWidth; rest.height -= kEdgeWidth; break;
    }
    m_edge->SetSize(edge);
    m_caption->SetSize(rest.x, rest.y, rest.width, kCaptionHeight);
    m_docked->SetSize(rest.x, rest.y + kCaptionHeight, rest.width, std::max(rest.height - kCaptionHeight, 1));
    // A size the user gives the frame is its new full size.
    if (!IsSliding() && IsShown()) {
      m_fullSize = IsHorizontal(m_bar->GetSide()) ? GetSize().y : GetSize().x;
    }
    event.Skip();
  });
  Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& event) {
    // Losing the focus hides the frame, after the activation has settled;
    // a frame the window manager never activated stays until it was.
    if (event.GetActive()) {
      m_wasActive = true;
    } else if (m_wasActive) {
      CallAfter([this] {
        if (!IsActive()) HideFrame();
      });
    }
    event.Skip();
  });
  Bind(wxEVT_TIMER, &CDrawFrame::OnTimer, this);
}

CDrawFrame::~CDrawFrame() {
  m_timer.Stop();
}

wxRect CDrawFrame::PinRect() const {
  const wxSize size = m_caption->GetClientSize();
  return {size.x - kPinSize - 4, (kCaptionHeight - kPinSize) / 2, kPinSize, kPinSize};
}

void CDrawFrame::PaintCaption(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(m_caption);
  const wxRect all(m_caption->GetClientSize());
  const bool active = IsActive();
  const wxColour from = wxSystemSettings::GetColour(active ? wxSYS_COLOUR_ACTIVECAPTION : wxSYS_COLOUR_INACTIVECAPTION);
  const wxColour to =
      wxSystemSettings::GetColour(active ? wxSYS_COLOUR_GRADIENTACTIVECAPTION : wxSYS_COLOUR_GRADIENTINACTIVECAPTION);
  dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
  dc.Clear();
  dc.GradientFillLinear(wxRect(15, 0, std::max(all.width - 15, 1), all.height), from, to);
  dc.SetTextForeground(
      wxSystemSettings::GetColour(active ? wxSYS_COLOUR_CAPTIONTEXT : wxSYS_COLOUR_INACTIVECAPTIONTEXT));
  dc.SetFont(wxFont(wxFontInfo(8.5).FaceName("Tahoma")));
  dc.DrawLabel(GetTitle(), wxRect(17, 0, all.width - 40, all.height), wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
  // The pin: a head and a needle, upright (pinned back on a click).
  const wxRect pin = PinRect();
  dc.SetPen(wxPen(m_pinHot ? *wxWHITE : *wxBLACK));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  if (m_pinHot) dc.DrawRectangle(wxRect(pin).Inflate(1));
  if (m_pinPressed) {
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
    dc.DrawRectangle(wxRect(pin).Inflate(1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
  }
  dc.DrawRectangle(pin.x + 3, pin.y, 5, 6);
  dc.DrawLine(pin.x + 1, pin.y + 6, pin.x + 10, pin.y + 6);
  dc.DrawLine(pin.x + 5, pin.y + 6, pin.x + 5, pin.y + 11);
}

void CDrawFrame::SlideOut() {
  if (IsShown()) return;
  const wxRect bar = m_bar->GetScreenRect();
  const wxRect open = ToWx(SlideOpenRect(m_bar->GetSide(), FromWx(bar), m_fullSize));
  m_wasActive = false;
  m_sliding = true;
  m_timer.Start(kSlideTimerMs);
  SetSize(open);
  Show();
  // Some window managers place a frame anew when it is shown.
  SetSize(open);
  Raise();
  SetFocus();
}

bool CDrawFrame::SlideStep() {
  m_timer.Stop();
  const auto next = SlideStepRect(m_bar->GetSide(), FromWx(GetScreenRect()), m_fullSize);
  if (!next) {
    m_sliding = false;
    return false;
  }
  SetSize(ToWx(*next));
  m_timer.Start(kSlideTimerMs);
  return true;
}

void CDrawFrame::OnTimer(wxTimerEvent&) {
  SlideStep();
}

void CDrawFrame::HideFrame() {
  m_timer.Stop();
  m_sliding = false;
  Hide();
}

void CDrawFrame::ReleaseDocked(wxWindow* newParent) {
  m_timer.Stop();
  m_sliding = false;
  m_docked->Reparent(newParent);
}

CAutoHideBar::CAutoHideBar(wxWindow* parent, AutoHideSide side)
    : wxWindow(parent, kBaseId + static_cast<int>(side), wxDefaultPosition,
               IsHorizontal(side) ? wxSize(100, kAutoHideThickness) : wxSize(kAutoHideThickness, 100)),
      m_side(side),
      m_font(TabFont()) {
  SetName("tesT");
  // With the skinning library, the background is the skin's.
  if (Skin().IsLoaded()) m_skin = Skin().BkCreate();
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CAutoHideBar::OnPaint, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    LayoutTabs();
    Refresh();
    event.Skip();
  });
  Bind(wxEVT_MOTION, [this](wxMouseEvent& event) { HoverAt(event.GetPosition()); });
}

CAutoHideBar::~CAutoHideBar() {
  for (CDrawFrame* frame : m_frames) {
    if (frame) frame->Destroy();
  }
  Skin().BkDelete(m_skin);
}

void CAutoHideBar::LayoutTabs() {
  wxClientDC dc(this);
  dc.SetFont(m_font);
  for (AutoHideTab& tab : m_tabs) tab.textExtent = dc.GetTextExtent(tab.text).GetWidth();
  LayoutAutoHideTabs(m_side, FromWx(wxRect(GetClientSize())), m_tabs);
}

void CAutoHideBar::AddTab(CPinDockBar* bar, uint32_t flags, int32_t image) {
  wxWindow* hosted = bar->GetHostedWindow();
  const wxSize size = hosted->GetSize();
  const int32_t depth = IsHorizontal(m_side) ? size.y : size.x;
  AutoHideTab tab;
  tab.text = bar->GetTabTitle().ToStdWstring();
  tab.flags = flags;
  tab.image = image;
  tab.window = bar;
  m_tabs.push_back(tab);
  m_frames.push_back(new CDrawFrame(this, bar->GetTabTitle(), hosted, std::max(depth, kSlidingFrameMinDepth)));
  LayoutTabs();
  Refresh();
  Update();
}

void CAutoHideBar::RemoveTab(CPinDockBar* bar) {
  for (size_t i = 0; i < m_tabs.size(); ++i) {
    if (m_tabs[i].window != bar) continue;
    if (m_frames[i]) {
      m_frames[i]->ReleaseDocked(bar);
      m_frames[i]->Destroy();
    }
    m_tabs.erase(m_tabs.begin() + static_cast<std::ptrdiff_t>(i));
    m_frames.erase(m_frames.begin() + static_cast<std::ptrdiff_t>(i));
    bar->TakeBackHostedWindow();
    break;
  }
  // The frames follow their tabs through the tidying.
  std::vector<AutoHideTab> tidied = m_tabs;
  TidyAutoHideSeparators(tidied);
  if (tidied.size() != m_tabs.size()) {
    std::vector<CDrawFrame*> frames;
    for (const AutoHideTab& tab : tidied) {
      const auto at = std::find_if(m_tabs.begin(), m_tabs.end(), [&](const AutoHideTab& t) { return t.window == tab.window; });
      frames.push_back(m_frames[static_cast<size_t>(at - m_tabs.begin())]);
    }
    m_tabs = tidied;
    m_frames = frames;
  }
  m_hot = -1;
  LayoutTabs();
  Refresh();
}

bool CAutoHideBar::HasTab(const CPinDockBar* bar) const {
  return GetFrame(bar) != nullptr;
}

CDrawFrame* CAutoHideBar::GetFrame(const CPinDockBar* bar) const {
  for (size_t i = 0; i < m_tabs.size(); ++i) {
    if (m_tabs[i].window == bar) return m_frames[i];
  }
  return nullptr;
}

std::vector<CPinDockBar*> CAutoHideBar::GetBars() const {
  std::vector<CPinDockBar*> bars;
  for (const AutoHideTab& tab : m_tabs) {
    if (!(tab.flags & kTabSeparator)) bars.push_back(static_cast<CPinDockBar*>(tab.window));
  }
  return bars;
}

void CAutoHideBar::PinBack(CDrawFrame* frame) {
  for (size_t i = 0; i < m_frames.size(); ++i) {
    if (m_frames[i] == frame && m_onPin) return m_onPin(static_cast<CPinDockBar*>(m_tabs[i].window));
  }
}

void CAutoHideBar::HoverAt(wxPoint point) {
  const int32_t at = AutoHideTabAt(m_tabs, {point.x, point.y});
  if (at < 0) return;
  if (at != m_hot) {
    m_hot = at;
    MakeAutoHideTabHot(m_tabs, at);
    LayoutTabs();
    Refresh();
  }
  CDrawFrame* frame = m_frames[static_cast<size_t>(at)];
  if (frame && !frame->IsShown()) frame->SlideOut();
}

void CAutoHideBar::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  Draw(dc);
}

void CAutoHideBar::Draw(wxDC& dc) {
  if (!Skin().BkDraw(m_skin, this, dc, wxRect(GetClientSize()))) {
    dc.SetBackground(wxBrush(wxColour(232, 232, 232)));
    dc.Clear();
  }
  dc.SetTextForeground(*wxBLACK);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetFont(m_font);
  const bool horizontal = IsHorizontal(m_side);
  for (const AutoHideTab& tab : m_tabs) {
    if (tab.flags & kTabSeparator) continue;
    const wxRect rect = ToWx(tab.rect);
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(rect);
    if ((tab.flags & (kTabText | kTabHotText)) && m_images && tab.image >= 0 && tab.image < m_images->GetImageCount()) {
      const int y = horizontal ? rect.y + kTabImageInset : rect.GetBottom() + 1 - kTabImageFromBottom;
      m_images->Draw(tab.image, dc, rect.x + kTabImageInset, y, wxIMAGELIST_DRAW_TRANSPARENT);
    }
    if (!(tab.flags & (kTabText | kTabTextShown))) continue;
    if (horizontal) {
      dc.DrawText(tab.text, rect.x + 18, rect.y + 1);
    } else {
      dc.DrawRotatedText(tab.text, rect.x + 3, rect.GetBottom() - 18, 90);
    }
  }
}

}  // namespace designer
