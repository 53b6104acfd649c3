#include "common/ui/AnchorLayout.h"

#include <algorithm>

#include <wx/window.h>

namespace {

// Percent of the change, truncated toward zero. Integer arithmetic keeps a
// 100 % edge exactly on the change (0.01 * 29 * 100 in doubles is 28.99...).
int Offset(int32_t percent, int delta) {
  return static_cast<int>((static_cast<int64_t>(percent) * delta) / 100);
}

// The least side of a control that had this side at set-up.
int LeastSide(int initialSide) {
  constexpr int kLeastSide = 100;
  return std::min(kLeastSide, std::max(1, initialSide));
}

}  // namespace

void AnchorLayout::SetUp(wxWindow* page) {
  m_window = page;
  wxSize client = page->GetClientSize();
  SetInitialSize(client.x, client.y);
}

void AnchorLayout::SetInitialSize(int width, int height) {
  m_initialWidth = width;
  m_initialHeight = height;
  m_setUp = true;
}

void AnchorLayout::AddEntry(const Entry& entry) {
  m_entries.emplace(entry.controlId, entry);
}

void AnchorLayout::AddControl(int controlId, int32_t leftPercent, int32_t topPercent, int32_t rightPercent,
                              int32_t bottomPercent) {
  if (!m_window) return;
  wxWindow* control = m_window->FindWindow(controlId);
  if (!control) return;
  // A child's rectangle is already in its parent's client coordinates.
  wxRect rect = control->GetRect();
  AddEntry({controlId,
            {rect.x, rect.y, rect.x + rect.width, rect.y + rect.height},
            leftPercent,
            topPercent,
            rightPercent,
            bottomPercent});
}

std::vector<std::pair<int, LayoutRect>> AnchorLayout::ComputeMoves(int width, int height) const {
  std::vector<std::pair<int, LayoutRect>> moves;
  if (!m_setUp) return moves;
  int dx = width - m_initialWidth;
  int dy = height - m_initialHeight;
  for (const auto& [id, entry] : m_entries) {
    // Offsets always count from the initial size, so a control whose offsets
    // are 0 now (the page is back at its initial size on that axis) returns
    // to its initial place rather than staying where the last size put it.
    if (entry.leftPercent == 0 && entry.topPercent == 0 && entry.rightPercent == 0 &&
        entry.bottomPercent == 0)
      continue;
    int left = Offset(entry.leftPercent, dx);
    int top = Offset(entry.topPercent, dy);
    int right = Offset(entry.rightPercent, dx);
    int bottom = Offset(entry.bottomPercent, dy);
    const LayoutRect& r = entry.initial;
    LayoutRect moved{r.left + left, r.top + top, r.right + right, r.bottom + bottom};
    // A page smaller than at set-up can push an edge past its opposite one:
    // the control then keeps a least size GTK can lay its parts out in (a
    // list's scroll bars and header buttons have borders), never more than
    // it had at set-up, rather than a negative size or none.
    moved.right = std::max(moved.right, moved.left + LeastSide(r.Width()));
    moved.bottom = std::max(moved.bottom, moved.top + LeastSide(r.Height()));
    moves.push_back({id, moved});
  }
  return moves;
}

void AnchorLayout::Arrange() {
  if (!m_setUp || !m_window) return;
  wxSize client = m_window->GetClientSize();
  bool moved = false;
  for (const auto& [id, rect] : ComputeMoves(client.x, client.y)) {
    wxWindow* control = m_window->FindWindow(id);
    const wxRect target(rect.left, rect.top, rect.Width(), rect.Height());
    if (control && control->GetRect() != target) {
      control->SetSize(target, wxSIZE_ALLOW_MINUS_ONE);
      moved = true;
    }
  }
  if (moved) m_window->Refresh();
}
