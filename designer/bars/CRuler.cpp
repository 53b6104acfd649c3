#include "designer/bars/CRuler.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include "designer/bars/RulerScale.h"
#include "template/TemplateHelpers.h"

namespace designer {
namespace {

wxColour SystemColour(wxSystemColour which) {
  return wxSystemSettings::GetColour(which);
}

}  // namespace

void Draw3dFrame(wxDC& dc, int left, int top, int right, int bottom) {
  dc.SetPen(wxPen(SystemColour(wxSYS_COLOUR_BTNHIGHLIGHT)));
  dc.DrawLine(left, bottom - 1, left, top);
  dc.DrawLine(left, top, right - 1, top);
  dc.SetPen(wxPen(SystemColour(wxSYS_COLOUR_BTNSHADOW)));
  dc.DrawLine(right - 1, top, right - 1, bottom - 1);
  dc.DrawLine(right - 1, bottom - 1, left, bottom - 1);
}

CRuler::CRuler(wxWindow* parent, wxWindowID id, const wxRect& rect, bool horizontal)
    : wxWindow(parent, id, rect.GetPosition(), rect.GetSize(), wxFULL_REPAINT_ON_RESIZE),
      m_horizontal(horizontal) {
  // Painted whole, double-buffered: no background erasing.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CRuler::OnPaint, this);
}

void CRuler::Repaint() {
  Refresh(false);
  Update();
}

void CRuler::SetScrollPos(int32_t pixels) {
  if (pixels == m_scroll) return;
  m_scroll = pixels;
  m_mouse = -1;
  Repaint();
}

void CRuler::SetZoom(double zoom) {
  if (zoom == m_zoom) return;
  m_zoom = zoom;
  m_mouse = -1;
  Repaint();
}

void CRuler::SetMeasurement(int32_t unit) {
  if (unit == m_unit) return;
  m_unit = unit;
  m_mouse = -1;
  Repaint();
}

void CRuler::SetMouseMark(int32_t pixels) {
  if (pixels == m_mouse) return;
  m_mouse = pixels;
  Repaint();
}

void CRuler::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  PaintRuler(dc, GetClientSize());
}

void CRuler::PaintRuler(wxDC& dc, const wxSize& size) const {
  const int width = size.x;
  const int height = size.y;
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.SetPen(*wxWHITE_PEN);
  dc.DrawRectangle(0, 0, width, height);

  // The canvas shows paper pixels times the zoom: an inch of paper is the
  // model's pixels per inch, whatever the screen's resolution.
  const RulerScale scale(m_unit, kModelPixelsPerInch, m_zoom);
  const int length = m_horizontal ? width : height;
  const int thickness = m_horizontal ? height : width;
  const RulerLayout layout = scale.Layout(length, m_scroll);

  dc.SetPen(*wxBLACK_PEN);
  for (int32_t q : layout.ticks) {
    if (m_horizontal)
      dc.DrawLine(q, 11, q, thickness - 11);
    else
      dc.DrawLine(11, q, thickness - 11, q);
  }
  wxFont font(wxFontInfo().FaceName("Arial").Family(wxFONTFAMILY_SWISS));
  font.SetPixelSize(wxSize(0, std::max(thickness - 14, 6)));
  dc.SetFont(font);
  dc.SetTextForeground(*wxBLACK);
  dc.SetTextBackground(*wxWHITE);
  dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);  // the label covers the tick behind it
  for (const RulerMark& mark : layout.marks) {
    const wxString label = wxString::Format("%d", mark.label);
    const wxSize text = dc.GetTextExtent(label);
    const int p = mark.position;
    if (m_horizontal) {
      dc.DrawLine(p, 5, p, height - 5);
      dc.DrawText(label, p - text.x / 2, (height - text.y) / 2);
    } else {
      dc.DrawLine(3, p, 5, p);
      dc.DrawLine(width - 5, p, width - 3, p);
      dc.DrawText(label, (width - text.x) / 2, p - text.y / 2);
    }
  }
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.SetPen(wxPen(SystemColour(wxSYS_COLOUR_3DDKSHADOW)));
  dc.DrawRectangle(0, 0, width, height);
  dc.SetPen(wxPen(SystemColour(wxSYS_COLOUR_BTNFACE)));
  dc.DrawRectangle(1, 1, width - 2, height - 2);
  dc.DrawRectangle(2, 2, width - 4, height - 4);
  dc.SetPen(wxPen(SystemColour(wxSYS_COLOUR_BTNSHADOW)));
  dc.DrawRectangle(3, 3, width - 6, height - 6);

  if (m_mouse >= 0) {
    dc.SetPen(*wxBLACK_PEN);
    const int m = m_mouse;
    if (m_horizontal) {
      const wxPoint points[] = {{m - 2, height - 8}, {m + 2, height - 8}, {m, height - 3}, {m - 2, height - 8}};
      dc.DrawLines(4, points);
    } else {
      const wxPoint points[] = {{width - 8, m - 2}, {width - 3, m}, {width - 8, m + 2}, {width - 8, m - 2}};
      dc.DrawLines(4, points);
    }
  }
}

CCornerBox::CCornerBox(wxWindow* parent, wxWindowID id, const wxRect& rect)
    : wxWindow(parent, id, rect.GetPosition(), rect.GetSize()) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CCornerBox::OnPaint, this);
}

void CCornerBox::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  const wxColour face = SystemColour(wxSYS_COLOUR_BTNFACE);
  dc.SetBrush(wxBrush(face));
  dc.SetPen(wxPen(face));
  dc.DrawRectangle(0, 0, size.x, size.y);
  Draw3dFrame(dc, 2, 2, size.x - 2, size.y - 2);
}

}  // namespace designer
