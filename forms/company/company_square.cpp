#include "forms/company/company_square.h"

platform::gdi::Rect base_draw_square::GetContentRect() const {
  constexpr int32_t kMargin = 20;
  const int32_t left = m_owner && m_owner->state == 3 ? m_owner->x : 0;
  const int32_t top = m_owner && m_owner->state == 3 ? m_owner->y : 0;
  const int32_t width = m_owner ? m_owner->cx : 0;
  const int32_t height = m_owner ? m_owner->cy : 0;
  return {left + kMargin, top + kMargin, left + width - kMargin, top + height - kMargin};
}

SquareSize company_square::GetSize(platform::gdi::Canvas& dc) {
  if (state >= 2) return {cx, cy};
  cx = cy = 0;
  if (state == 0) {
    state = Prepare();
    if (state < 1) return {};
  }
  SquareSize size;
  state = Measure(dc, size);
  if (state < 2) return {};
  cx = size.cx;
  cy = size.cy;
  return size;
}

int company_square::Prepare() {
  return m_card ? m_card->Prepare() : 0;
}

int company_square::Measure(platform::gdi::Canvas& dc, SquareSize& size) {
  return m_card ? m_card->Measure(dc, size) : 0;
}

void company_square::Draw(CMappedDC& dc, int32_t atX, int32_t atY, int index) {
  if (m_card) m_card->Draw(dc, atX, atY, index);
}

platform::gdi::Rect company_square::GetContentRect() const {
  return m_card ? m_card->GetContentRect() : platform::gdi::Rect{};
}

const wxCursor& company_square::GetCursor(const wxPoint& point) {
  return m_card ? m_card->GetCursor(point) : square::GetCursor(point);
}

bool company_square::OnClick(wxWindow* page, const wxPoint& point) {
  return m_card && m_card->OnClick(page, point);
}
