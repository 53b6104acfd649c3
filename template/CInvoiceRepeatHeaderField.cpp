#include "template/CInvoiceRepeatHeaderField.h"

#include <algorithm>

#include "template/CInvoiceRepeatField.h"

using namespace platform::gdi;

CInvoiceRepeatHeaderField::CInvoiceRepeatHeaderField(int32_t field)
    : CReportInvoiceField(L"inv_repeat_hdr_fld", field) {}

CInvoiceRepeatHeaderField::~CInvoiceRepeatHeaderField() {
  if (m_owner) m_owner->m_header = nullptr;
}

std::unique_ptr<CDiagramEntity> CInvoiceRepeatHeaderField::Clone() const {
  auto clone = std::make_unique<CInvoiceRepeatHeaderField>();
  clone->Copy(*this);
  return clone;
}

void CInvoiceRepeatHeaderField::MoveRect(double dx, double dy) {
  if (m_owner)
    m_owner->PlaceChildren();
  else
    CReportInvoiceField::MoveRect(dx, dy);
}

CDiagramEntity* CInvoiceRepeatHeaderField::GetEditedEntity() {
  return m_owner ? static_cast<CDiagramEntity*>(m_owner) : this;
}

void CInvoiceRepeatHeaderField::SetRect(double left, double top, double right, double bottom) {
  if (m_owner) {
    const double height = std::min(bottom - top, m_owner->GetBottom() - m_owner->GetTop());
    left = m_owner->GetLeft();
    top = m_owner->GetTop();
    right = m_owner->GetRight();
    bottom = top + height;
  }
  CReportInvoiceField::SetRect(left, top, right, bottom);
}

int CInvoiceRepeatHeaderField::GetHitCodeInRect(Point point, Rect rect) const {
  if (GetSelectionMarkerRect(kHitBottom, rect).Contains(point)) return kHitBottom;
  return rect.Contains(point) ? kHitHeaderBody : kHitNone;
}

void CInvoiceRepeatHeaderField::DrawSelectionMarkers(Canvas& dc, Rect rect) {
  const Brush old = dc.SelectBrush(Brush::Solid(RGB(0, 0, 0)));
  dc.Ellipse(GetSelectionMarkerRect(kHitBottomLeft, rect));
  dc.Ellipse(GetSelectionMarkerRect(kHitBottomRight, rect));
  dc.Rectangle(GetSelectionMarkerRect(kHitBottom, rect));
  dc.SelectBrush(old);
}
