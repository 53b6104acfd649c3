#include "template/CReportEntityPicture.h"

#include "common/TextEscapes.h"
#include "common/TextSplitter.h"
#include "platform/TextCodec.h"

using namespace platform::gdi;
using namespace template_props;

CReportEntityPicture::CReportEntityPicture() {
  SetType(L"report_picture");
}

void CReportEntityPicture::SetPath(const std::wstring& path) {
  m_bitmap.reset();
  m_path = path;
  if (path.empty()) return;
  m_bitmap = Dib::LoadBitmapFile(platform::PathFromWide(path));
  // Templates made on Windows name their pictures with backslashes.
  const size_t slash = path.find_last_of(L"\\/");
  SetTitle(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

std::unique_ptr<CDiagramEntity> CReportEntityPicture::Clone() const {
  auto clone = std::make_unique<CReportEntityPicture>();
  clone->Copy(*this);
  return clone;
}

void CReportEntityPicture::Copy(const CDiagramEntity& other) {
  CReportBorderEntity::Copy(other);
  if (const auto* picture = dynamic_cast<const CReportEntityPicture*>(&other)) {
    // The bitmap's pixels are shared, not loaded again.
    m_path = picture->m_path;
    m_bitmap = picture->m_bitmap;
  }
}

bool CReportEntityPicture::FromString(const std::wstring& record) {
  const std::optional<TextSplitter> attributes = ReadBorderRecord(record);
  if (!attributes) return false;
  // The path carries the escapes the preview library undoes.
  std::wstring path = attributes->GetString(4);
  UnescapeRecordText(path);
  SetPath(path);
  return true;
}

std::wstring CReportEntityPicture::GetString() const {
  std::wstring path = m_path;
  EscapeRecordText(path);
  return BorderRecordHead() + path + L";";
}

std::unique_ptr<CDiagramEntity> CReportEntityPicture::LoadTemplateItem(const TemplateItem& item) {
  if (item.GetType() != static_cast<int32_t>(TemplateItemType::Picture)) return nullptr;
  ReadBorderItem(item);
  SetPath(item.TextProperty(kBitmapPath));
  return Clone();
}

std::optional<TemplateItem> CReportEntityPicture::MakeTemplateItem() const {
  TemplateItem item(TemplateItemType::Picture);
  WriteBorderItem(item);
  item.SetProperty(kBitmapPath, Value(m_path));
  return item;
}

void CReportEntityPicture::Draw(Canvas& dc, Rect rect) {
  dc.SelectPen(GetBorderAttributes().MakePen());
  dc.SelectBrush(Brush::StockWhite());
  dc.Rectangle(rect);
  dc.SelectPen(Pen::StockBlack());
  if (m_bitmap) dc.StretchDib(*m_bitmap, Rect{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1});
}
