#include "platform/gdi/PageRecorder.h"

#include <utility>

namespace platform::gdi {

std::vector<const TextOp*> RecordedPage::Texts() const {
  std::vector<const TextOp*> texts;
  for (const PageOp& op : ops) {
    if (const TextOp* text = std::get_if<TextOp>(&op)) texts.push_back(text);
  }
  return texts;
}

namespace {

struct Painter {
  Canvas& target;

  void operator()(const RectangleOp& op) const {
    target.SelectPen(op.pen);
    target.SelectBrush(op.brush);
    target.Rectangle(op.rect);
  }
  void operator()(const EllipseOp& op) const {
    target.SelectPen(op.pen);
    target.SelectBrush(op.brush);
    target.Ellipse(op.rect);
  }
  void operator()(const LineOp& op) const {
    target.SelectPen(op.pen);
    target.MoveTo(op.x1, op.y1);
    target.LineTo(op.x2, op.y2);
  }
  void operator()(const TextOp& op) const {
    target.SelectFont(op.font);
    target.SetTextColor(op.color);
    target.SetBkMode(op.bkMode);
    target.SetBkColor(op.bkColor);
    target.TextOut(op.x, op.y, op.text, op.clip ? &*op.clip : nullptr);
  }
  void operator()(const ImageOp& op) const { target.StretchDib(op.dib, op.rect); }
};

}  // namespace

void Replay(const RecordedPage& page, Canvas& target) {
  const Painter painter{target};
  for (const PageOp& op : page.ops) std::visit(painter, op);
}

PageRecorder::PageRecorder(const DeviceMetrics& metrics, TextMeasurer& measurer) : m_measurer(measurer) {
  m_page.metrics = metrics;
}

RecordedPage PageRecorder::Take() {
  RecordedPage page = std::move(m_page);
  m_page = RecordedPage{page.metrics, {}};
  return page;
}

void PageRecorder::DoRectangle(const Rect& rect) {
  m_page.ops.push_back(RectangleOp{rect, GetPen(), GetBrush()});
}

void PageRecorder::DoEllipse(const Rect& rect) {
  m_page.ops.push_back(EllipseOp{rect, GetPen(), GetBrush()});
}

void PageRecorder::DoLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  m_page.ops.push_back(LineOp{x1, y1, x2, y2, GetPen()});
}

void PageRecorder::DoText(int32_t x, int32_t y, std::wstring_view text, const Rect* clip) {
  TextOp op;
  op.x = x;
  op.y = y;
  op.text = std::wstring(text);
  op.font = GetFont();
  op.color = GetTextColor();
  op.bkMode = GetBkMode();
  op.bkColor = GetBkColor();
  if (clip) op.clip = *clip;
  m_page.ops.push_back(std::move(op));
}

void PageRecorder::DoStretchDib(const Dib& dib, const Rect& dest) {
  m_page.ops.push_back(ImageOp{dib, dest});
}

}  // namespace platform::gdi
