#pragma once

// The device-context wrapper over a wxDC: screen, bitmap (wxMemoryDC),
// printer (wxPrinterDC, a wxPrintout's DC) or a PDF page (wxGCDC over cairo).
// Coordinates are the DC's logical units; the metrics say how many of them
// make an inch.

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include <wx/dc.h>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/WxTextMeasurer.h"

namespace platform::gdi {

class DeviceContext : public Canvas {
public:
  // Metrics from the DC itself: its pixels per inch and size, no offsets.
  explicit DeviceContext(wxDC& dc);
  // Explicit metrics, for DCs whose logical units are not their device
  // pixels (a scaled PDF page, a printout with its printable-area offsets).
  DeviceContext(wxDC& dc, const DeviceMetrics& metrics);
  // Measuring with a measurer that outlives this DC (a window's, kept from
  // one paint to the next, so that each font and text is measured once).
  DeviceContext(wxDC& dc, const DeviceMetrics& metrics, WxTextMeasurer& measurer);

  DeviceMetrics GetMetrics() const override { return m_metrics; }
  TextMeasurer& Measurer() override { return *m_measurer; }
  wxDC& GetDC() { return m_dc; }

  static DeviceMetrics MetricsOf(const wxDC& dc);

protected:
  void DoRectangle(const Rect& rect) override;
  void DoEllipse(const Rect& rect) override;
  void DoLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void DoText(int32_t x, int32_t y, std::wstring_view text, const Rect* clip) override;
  void DoStretchDib(const Dib& dib, const Rect& dest) override;

private:
  void ApplyPen();
  void ApplyBrush();

  wxDC& m_dc;
  DeviceMetrics m_metrics;
  std::optional<WxTextMeasurer> m_ownMeasurer;
  WxTextMeasurer* m_measurer;
  std::map<std::pair<int, int>, std::vector<wxDash>> m_dashes;  // by style and width
};

}  // namespace platform::gdi
