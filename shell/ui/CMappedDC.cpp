#include "shell/ui/CMappedDC.h"

#include <algorithm>

using platform::gdi::Rect;

Rect MillimetreMapping::MapRect(const Rect& r) const {
  auto x = [this](int32_t v) { return xDivisor == 0 ? 0 : (v / xDivisor) * xPixelsPerMm; };
  auto y = [this](int32_t v) { return yDivisor == 0 ? 0 : (v / yDivisor) * yPixelsPerMm; };
  return {x(r.left), y(r.top), x(r.right), y(r.bottom)};
}

int32_t MillimetreMapping::PixelsPerMm(int32_t pixelsPerInch) {
  // An inch is 25.4 mm; the division is an integer one, as the device's own
  // pixels-by-millimetres quotient is (96 dpi gives 3).
  return std::max<int32_t>(1, pixelsPerInch * 10 / 254);
}

CMappedDC::CMappedDC(platform::gdi::Canvas& source, int32_t xDivisor, int32_t yDivisor, int32_t flag)
    : m_canvas(source), m_flag(flag) {
  platform::gdi::DeviceMetrics metrics = source.GetMetrics();
  m_mapping.xDivisor = xDivisor;
  m_mapping.yDivisor = yDivisor;
  m_mapping.xPixelsPerMm = MillimetreMapping::PixelsPerMm(metrics.pixelsPerInchX);
  m_mapping.yPixelsPerMm = MillimetreMapping::PixelsPerMm(metrics.pixelsPerInchY);
}

std::unique_ptr<CMappedDC> CreateMappedDC(platform::gdi::Canvas& source, int32_t xDivisor, int32_t yDivisor,
                                          int32_t flag) {
  return std::make_unique<CMappedDC>(source, xDivisor, yDivisor, flag);
}

int32_t CMappedDC::DrawText(std::wstring_view text, Rect& rect, unsigned format) {
  if (format & platform::gdi::DT_CALCRECT) return m_canvas.DrawText(text, rect, format);
  ScaledFont font(*this, m_mapping.FontFactor());
  Rect mapped = MapRect(rect);
  return m_canvas.DrawText(text, mapped, format);
}

void CMappedDC::FillRect(const Rect& rect, const platform::gdi::Brush* brush) {
  platform::gdi::Brush previousBrush = m_canvas.SelectBrush(brush ? *brush : m_canvas.GetBrush());
  platform::gdi::Pen previousPen = m_canvas.SelectPen(platform::gdi::Pen::Null());
  m_canvas.Rectangle(MapRect(rect));
  m_canvas.SelectPen(previousPen);
  m_canvas.SelectBrush(previousBrush);
}

ScaledFont::ScaledFont(CMappedDC& dc, int32_t factor)
    : m_canvas(dc.GetCanvas()), m_previous(m_canvas.GetFont()) {
  platform::gdi::LogFont scaled = m_previous;
  scaled.height *= factor;
  m_canvas.SelectFont(scaled);
}

ScaledFont::~ScaledFont() {
  m_canvas.SelectFont(m_previous);
}
