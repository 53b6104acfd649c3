#include "preview/DrawLine.h"

using namespace platform::gdi;
using namespace template_props;

CDrawLine::CDrawLine() : CDrawObject(kDrawLine) {}

std::unique_ptr<CDrawLine> CDrawLine::FromString(const std::wstring& record) {
  std::optional<TextSplitter> attributes = SplitRecord(record, {L"report_line"});
  if (!attributes) return nullptr;
  auto line = std::make_unique<CDrawLine>();
  line->ReadCommonRecord(*attributes);
  CBorderLine& pen = line->GetBorderLine();
  pen.SetWidth(attributes->GetDouble(7));
  pen.SetPenStyle(attributes->GetInt(8));
  pen.SetColor(static_cast<COLORREF>(attributes->GetInt(9)));
  return line;
}

std::unique_ptr<CDrawObject> CDrawLine::CreateFromTemplateItem(const TemplateItem& item) const {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::Line)) return nullptr;
  auto line = std::make_unique<CDrawLine>();
  line->ReadCommonProperties(item);
  CBorderLine& pen = line->GetBorderLine();
  pen.SetColor(static_cast<COLORREF>(item.GetProperty(kPenColor).AsInt()));
  const Value width = item.GetProperty(kPenWidth);
  pen.SetWidth(width.GetType() == VT_DOUBLE ? width.AsDouble() : 0.0);
  pen.SetPenStyle(item.GetProperty(kPenStyle).AsInt());
  return line;
}

void CDrawLine::Draw(int32_t, Canvas& dc) const {
  // A line is always drawn: its pen's on flag is not asked.
  const Rect ends = DeviceRect(dc);
  dc.SelectPen(GetBorderLine().MakePen(dc.GetMetrics().pixelsPerInchY));
  dc.MoveTo(ends.left, ends.top);
  dc.LineTo(ends.right, ends.bottom);
  dc.SelectPen(Pen::StockBlack());
}
