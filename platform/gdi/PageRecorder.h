#pragma once

// A canvas that keeps what is drawn on it as a list of self-contained page
// operations (each carries the pen, brush or font it was drawn with), with
// text already broken into positioned lines. A recorded page is a laid-out
// page: tests read it without a display, and Replay paints it onto any canvas.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/gdi/Canvas.h"

namespace platform::gdi {

struct RectangleOp {
  Rect rect;
  Pen pen;
  Brush brush;
};

struct EllipseOp {
  Rect rect;
  Pen pen;
  Brush brush;
};

struct LineOp {
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Pen pen;
};

struct TextOp {
  int32_t x = 0, y = 0;
  std::wstring text;
  LogFont font;
  COLORREF color = 0;
  int bkMode = OPAQUE;
  COLORREF bkColor = RGB(255, 255, 255);
  std::optional<Rect> clip;
};

struct ImageOp {
  Dib dib;
  Rect rect;
};

using PageOp = std::variant<RectangleOp, LineOp, TextOp, ImageOp, EllipseOp>;

struct RecordedPage {
  DeviceMetrics metrics;
  std::vector<PageOp> ops;

  // The text operations in drawing order, for readers of the page.
  std::vector<const TextOp*> Texts() const;
};

// Paints a recorded page onto a canvas of the same units.
void Replay(const RecordedPage& page, Canvas& target);

class PageRecorder : public Canvas {
public:
  // The measurer breaks text into lines; it must measure as the device the
  // page will be painted on does. Both must outlive the recorder.
  PageRecorder(const DeviceMetrics& metrics, TextMeasurer& measurer);

  DeviceMetrics GetMetrics() const override { return m_page.metrics; }
  TextMeasurer& Measurer() override { return m_measurer; }

  const RecordedPage& Page() const { return m_page; }
  // Hands the page over and starts an empty one.
  RecordedPage Take();

protected:
  void DoRectangle(const Rect& rect) override;
  void DoEllipse(const Rect& rect) override;
  void DoLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
  void DoText(int32_t x, int32_t y, std::wstring_view text, const Rect* clip) override;
  void DoStretchDib(const Dib& dib, const Rect& dest) override;

private:
  RecordedPage m_page;
  TextMeasurer& m_measurer;
};

}  // namespace platform::gdi
