#include "preview/DrawPicture.h"

#include <algorithm>

#include "common/TextEscapes.h"
#include "platform/TextCodec.h"

using namespace platform::gdi;
using namespace template_props;

CDrawPicture::CDrawPicture() : CDrawObject(kDrawPicture) {}

void CDrawPicture::ReadBorder(bool on, double width, int32_t style, COLORREF color) {
  if (!on) return;
  CBorderLine& border = GetBorderLine();
  border.SetOn(1);
  border.SetWidth(width);
  border.SetPenStyle(style);
  border.SetColor(color);
}

std::unique_ptr<CDrawPicture> CDrawPicture::FromString(const std::wstring& record) {
  std::optional<TextSplitter> attributes = SplitRecord(record, {L"report_picture"});
  if (!attributes) return nullptr;
  // The picture reads its attributes itself: title and name stay as written,
  // only the path is unescaped.
  auto picture = std::make_unique<CDrawPicture>();
  picture->SetRect(attributes->GetDouble(0), attributes->GetDouble(1), attributes->GetDouble(2),
                   attributes->GetDouble(3));
  picture->SetText(attributes->GetString(4));
  picture->SetName(attributes->GetString(5));
  picture->ReadBorder(attributes->GetInt(7) != 0, attributes->GetDouble(8), attributes->GetInt(9),
                      static_cast<COLORREF>(attributes->GetInt(10)));
  std::wstring path = attributes->GetString(11);
  UnescapeRecordText(path);
  picture->SetBitmapPath(path);
  return picture;
}

std::unique_ptr<CDrawObject> CDrawPicture::CreateFromTemplateItem(const TemplateItem& item) const {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::Picture)) return nullptr;
  auto picture = std::make_unique<CDrawPicture>();
  picture->ReadCommonProperties(item);
  const Value width = item.GetProperty(kPenWidth);
  picture->ReadBorder(
      item.GetProperty(kBorder).AsBool(), width.GetType() == VT_DOUBLE ? width.AsDouble() : 0.0,
      item.GetProperty(kPenStyle).AsInt(), static_cast<COLORREF>(item.GetProperty(kPenColor).AsInt()));
  picture->SetBitmapPath(item.GetProperty(kBitmapPath).AsString());
  return picture;
}

void CDrawPicture::SetBitmapPath(const std::wstring& path) {
  m_path = path;
  m_dib.reset();
  if (path.empty()) return;
  m_dib = Dib::LoadBitmapFile(platform::PathFromWide(path));
  if (!m_dib && path.find(L'\\') != std::wstring::npos) {
    std::wstring slashes = path;
    std::replace(slashes.begin(), slashes.end(), L'\\', L'/');
    m_dib = Dib::LoadBitmapFile(platform::PathFromWide(slashes));
  }
}

void CDrawPicture::Draw(int32_t, Canvas& dc) const {
  Rect rect = DeviceRect(dc);
  const CBorderLine& border = GetBorderLine();
  if (border.GetOn()) {
    dc.SelectPen(border.MakePen(dc.GetMetrics().pixelsPerInchY));
    dc.SelectBrush(Brush::StockWhite());
    dc.Rectangle(rect);
  } else {
    dc.SelectPen(Pen::Null());
  }
  if (m_dib) dc.StretchDib(*m_dib, Rect{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1});
  dc.SelectPen(Pen::StockBlack());
  dc.SelectBrush(Brush::StockWhite());
}
