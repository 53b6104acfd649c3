#include "platform/gdi/DeviceContext.h"

#include <wx/bitmap.h>
#include <wx/brush.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/MissingGlyphs.h"

namespace platform::gdi {
namespace {

wxColour ToColour(COLORREF color) {
  return wxColour(GetRValue(color), GetGValue(color), GetBValue(color));
}

// Dash patterns of the pen styles in screen pixels at 96 pixels per inch.
std::vector<int> DashPattern(int style) {
  switch (style) {
    case PS_DASH:
      return {18, 6};
    case PS_DOT:
      return {3, 3};
    case PS_DASHDOT:
      return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
      return {9, 3, 3, 3, 3, 3};
    default:
      return {};
  }
}

std::vector<wxDash> ScaledDashes(int style, int width, int32_t pixelsPerInch) {
  // wx multiplies user dashes by the pen width; scale them so that a
  // pattern looks the same on a 600 ppi page as on the screen.
  std::vector<wxDash> dashes;
  const double scale = std::max(1.0, pixelsPerInch / 96.0) / width;
  for (int length : DashPattern(style)) {
    dashes.push_back(static_cast<wxDash>(std::clamp<long>(std::lround(length * scale), 1, 127)));
  }
  return dashes;
}

}  // namespace

DeviceMetrics DeviceContext::MetricsOf(const wxDC& dc) {
  DeviceMetrics metrics;
  wxSize ppi = dc.GetPPI();
  metrics.pixelsPerInchX = ppi.x > 0 ? ppi.x : 96;
  metrics.pixelsPerInchY = ppi.y > 0 ? ppi.y : 96;
  wxSize size = dc.GetSize();
  metrics.width = size.x;
  metrics.height = size.y;
  return metrics;
}

DeviceContext::DeviceContext(wxDC& dc) : DeviceContext(dc, MetricsOf(dc)) {}

DeviceContext::DeviceContext(wxDC& dc, const DeviceMetrics& metrics)
    : m_dc(dc), m_metrics(metrics), m_ownMeasurer(std::in_place, dc), m_measurer(&*m_ownMeasurer) {}

DeviceContext::DeviceContext(wxDC& dc, const DeviceMetrics& metrics, WxTextMeasurer& measurer)
    : m_dc(dc), m_metrics(metrics), m_measurer(&measurer) {
  measurer.SetDC(dc);
}

void DeviceContext::ApplyPen() {
  const Pen& pen = GetPen();
  if (pen.IsNull()) {
    m_dc.SetPen(*wxTRANSPARENT_PEN);
    return;
  }
  const int width = std::max<int32_t>(1, pen.width);
  wxPen made(ToColour(pen.color), width, wxPENSTYLE_SOLID);
  if (!DashPattern(pen.style).empty()) {
    // A wxPen keeps a pointer to its dashes: they live in the cache.
    auto key = std::make_pair(pen.style, width);
    auto found = m_dashes.find(key);
    if (found == m_dashes.end()) {
      found = m_dashes.emplace(key, ScaledDashes(pen.style, width, m_metrics.pixelsPerInchY)).first;
    }
    made.SetStyle(wxPENSTYLE_USER_DASH);
    made.SetDashes(static_cast<int>(found->second.size()), found->second.data());
    made.SetCap(wxCAP_BUTT);
  }
  m_dc.SetPen(made);
}

void DeviceContext::ApplyBrush() {
  const Brush& brush = GetBrush();
  m_dc.SetBrush(brush.hollow ? *wxTRANSPARENT_BRUSH : wxBrush(ToColour(brush.color)));
}

void DeviceContext::DoRectangle(const Rect& rect) {
  ApplyPen();
  ApplyBrush();
  m_dc.DrawRectangle(rect.left, rect.top, rect.Width(), rect.Height());
}

void DeviceContext::DoEllipse(const Rect& rect) {
  ApplyPen();
  ApplyBrush();
  m_dc.DrawEllipse(rect.left, rect.top, rect.Width(), rect.Height());
}

void DeviceContext::DoLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (GetPen().IsNull()) return;
  ApplyPen();
  m_dc.DrawLine(x1, y1, x2, y2);
}

void DeviceContext::DoText(int32_t x, int32_t y, std::wstring_view text, const Rect* clip) {
  const wxFont& font = m_measurer->FontFor(GetFont());
  m_dc.SetFont(font);
  m_dc.SetTextForeground(ToColour(GetTextColor()));
  if (GetBkMode() == OPAQUE) {
    m_dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    m_dc.SetTextBackground(ToColour(GetBkColor()));
  } else {
    m_dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  }
  std::wstring storage;
  const std::wstring_view printable = PrintableText(font, text, storage);
  wxString line(printable.data(), printable.size());
  if (!clip) {
    m_dc.DrawText(line, x, y);
  } else if (wxGraphicsContext* gc = m_dc.GetGraphicsContext()) {
    // Not wxDCClipper: removing a wxGCDC's clipping region clips to the DC's
    // size, and a DC made on a PDF page's cairo context has none.
    gc->PushState();
    gc->Clip(clip->left, clip->top, clip->Width(), clip->Height());
    m_dc.DrawText(line, x, y);
    gc->PopState();
  } else {
    wxDCClipper clipper(m_dc, wxRect(clip->left, clip->top, clip->Width(), clip->Height()));
    m_dc.DrawText(line, x, y);
  }
}

void DeviceContext::DoStretchDib(const Dib& dib, const Rect& dest) {
  if (!dib.GetImage().IsOk() || dest.Width() <= 0 || dest.Height() <= 0) return;
  if (wxGraphicsContext* gc = m_dc.GetGraphicsContext()) {
    // Vector surfaces (PDF) keep the bitmap at its own resolution.
    gc->DrawBitmap(gc->CreateBitmapFromImage(dib.GetImage()), dest.left, dest.top, dest.Width(),
                   dest.Height());
    return;
  }
  wxBitmap scaled(dib.GetImage().Scale(dest.Width(), dest.Height(), wxIMAGE_QUALITY_HIGH));
  m_dc.DrawBitmap(scaled, dest.left, dest.top);
}

}  // namespace platform::gdi
