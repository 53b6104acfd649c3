#include "template/editor/DiagramEditorCore.h"

#include <algorithm>

#include "common/UnitConversions.h"
#include "template/ReportEditorNotifications.h"

using platform::gdi::Brush;
using platform::gdi::Canvas;
using platform::gdi::Pen;
using platform::gdi::Point;
using platform::gdi::Rect;
using platform::gdi::RGB;
using platform::gdi::Size;

// The mouse state machine's view of the container: entities by index.
class DiagramEditorCore::MouseTarget : public DiagramMouseTarget {
public:
  explicit MouseTarget(DiagramEditorCore& core) : m_core(core) {}

  int GetCount() const override { return Container() ? Container()->GetSize() : 0; }
  DiagramRect GetBounds(int i) const override {
    const CDiagramEntity& e = At(i);
    return DiagramRect{e.GetLeft(), e.GetTop(), e.GetRight(), e.GetBottom()};
  }
  bool IsSelected(int i) const override { return At(i).IsSelected(); }
  int GetHitCode(int i, Point paper) const override { return At(i).GetHitCode(paper); }
  int GetHitCodeInRect(int i, Point client, const Rect& rect) const override {
    return At(i).GetHitCodeInRect(client, rect);
  }
  bool BodyInRect(int i, const Rect& paper) const override { return At(i).BodyInRect(paper); }
  DiagramSizeLimits GetSizeLimits(int i) const override {
    const Size minimum = At(i).GetMinimumSize();
    const Size maximum = At(i).GetMaximumSize();
    return DiagramSizeLimits{minimum.cx, minimum.cy, maximum.cx, maximum.cy};
  }
  void Select(int i, bool select, bool control) override {
    CDiagramEntity& e = At(i);
    e.Select(select);
    // With Control the entity heads the selection order, whatever the
    // keyboard says at this moment.
    if (select && control) Container()->AddToSelectionOrder(e.GetId(), true);
  }
  void UnselectAll() override { Container()->UnselectAll(); }
  int GetReference() const override {
    CDiagramEntity* reference = Container()->GetSelectedObject();
    return reference ? Container()->Find(reference) : -1;
  }
  void SetRect(int i, const DiagramRect& r) override { At(i).SetRect(r.left, r.top, r.right, r.bottom); }
  void SetRectPixels(int i, const Rect& r) override { m_core.MoveObject(At(i), r); }
  void Snapshot() override { Container()->Snapshot(); }
  void SetModified() override { Container()->SetModified(true); }
  void OnMoveStart(int i) override { At(i).OnMoveStart(Container()); }
  void OnMoveEnd(int i) override { At(i).OnMoveEnd(Container()); }
  int AddDrawnEntity(Point paper) override {
    CDiagramEntity* prototype = m_core.GetDrawingObject();
    if (!prototype) return -1;
    std::unique_ptr<CDiagramEntity> clone = prototype->Clone();
    // A copy does not carry the created flag; the new entity must still be
    // "not created" so that releasing the button runs its OnCreated (a
    // repeat field sizes its header then).
    if (!prototype->GetCreated()) clone->SetCreated(false);
    clone->SetRectPixels(paper.x, paper.y, paper.x, paper.y);
    CDiagramEntity* added = clone.get();
    m_core.AddObject(std::move(clone));
    added->Select(true);
    return Container()->Find(added);
  }

private:
  CDiagramEntityContainer* Container() const { return m_core.GetDiagramEntityContainer(); }
  CDiagramEntity& At(int i) const { return *Container()->GetAt(i); }

  DiagramEditorCore& m_core;
};

DiagramEditorCore::DiagramEditorCore()
    : backgroundColor(RGB(255, 255, 255)),
      surroundColor(RGB(160, 160, 160)),
      m_target(std::make_unique<MouseTarget>(*this)),
      m_mouse(m_view, *m_target) {
  Clear();
}

DiagramEditorCore::~DiagramEditorCore() {
  // The container may outlive the editor (the document owns it): its
  // entities must not keep pointing here.
  if (!m_container || m_container == m_ownContainer.get()) return;
  for (int i = 0; CDiagramEntity* entity = m_container->GetAt(i); ++i) {
    if (entity->GetParent() == this) entity->SetParent(nullptr);
  }
}

void DiagramEditorCore::SetDiagramEntityContainer(CDiagramEntityContainer* container) {
  m_container = container;
  if (container != m_ownContainer.get()) m_ownContainer.reset();
  SyncPaper();
}

void DiagramEditorCore::UseOwnContainer() {
  m_ownContainer = std::make_unique<CDiagramEntityContainer>();
  m_container = m_ownContainer.get();
  SyncPaper();
}

void DiagramEditorCore::SyncPaper() const {
  const Size paper = m_container ? m_container->GetVirtualSize() : Size{};
  m_view.SetPaperSize({paper.cx, paper.cy});
}

DiagramViewport& DiagramEditorCore::View() {
  SyncPaper();
  return m_view;
}

const DiagramViewport& DiagramEditorCore::View() const {
  SyncPaper();
  return m_view;
}

void DiagramEditorCore::Clear() {
  m_mouse.Reset();
  m_view.SetZoom(1.0);
  m_panning = false;
  m_prototype.reset();
  m_view.SetHScroll(0);
  m_view.SetVScroll(0);
}

void DiagramEditorCore::New() {
  Clear();
  if (m_container) m_container->Clear();
  SyncPaper();
}

Size DiagramEditorCore::GetGridSize() const {
  const DiagramSize grid = m_view.GetGridSize();
  return Size{grid.cx, grid.cy};
}

Size DiagramEditorCore::GetVirtualSize() const {
  const DiagramSize size = View().GetVirtualSize();
  return Size{size.cx, size.cy};
}

bool DiagramEditorCore::SetVirtualSize(Size size) {
  if (!m_container || size == GetVirtualSize()) return false;
  m_container->SetVirtualSize(size);
  SyncPaper();
  return true;
}

bool DiagramEditorCore::SetPaperSize(Size size) {
  const bool changed = SetVirtualSize(size);
  SetModified(true);
  return changed;
}

void DiagramEditorCore::SetModified(bool modified) {
  if (m_container) m_container->SetModified(modified);
}

bool DiagramEditorCore::ZoomToFit() {
  if (!m_container) return false;
  const Point start = m_container->GetStartPoint();
  const Size total = m_container->GetTotalSize();
  return View().ZoomToFit(m_container->GetSize() > 0, {start.x, start.y}, {total.cx, total.cy},
                          {markerSize.cx, markerSize.cy});
}

void DiagramEditorCore::StartDrawingObject(std::unique_ptr<CDiagramEntity> prototype) {
  m_prototype = std::move(prototype);
  if (m_prototype) m_prototype->SetCreated(false);
  m_mouse.ArmDrawing(m_prototype != nullptr);
}

void DiagramEditorCore::AddObject(std::unique_ptr<CDiagramEntity> entity) {
  if (!m_container || !entity) return;
  entity->SetParent(this);
  m_container->Add(std::move(entity));
}

void DiagramEditorCore::MoveObject(CDiagramEntity& entity, const Rect& rect) {
  entity.SetRectPixels(rect.left, rect.top, rect.right, rect.bottom);
}

namespace {

// Passes everything on, but empties the property bar once only.
class ClearPropertiesOnce : public ReportEditorNotifications {
public:
  explicit ClearPropertiesOnce(ReportEditorNotifications* target) : m_target(target) {}
  void OnEditorZoom(int32_t percent) override { m_target->OnEditorZoom(percent); }
  void OnEditorHScroll(int32_t position) override { m_target->OnEditorHScroll(position); }
  void OnEditorVScroll(int32_t position) override { m_target->OnEditorVScroll(position); }
  void OnEditorMouse(std::optional<Point> point) override { m_target->OnEditorMouse(point); }
  void ClearToolboxHighlight() override { m_target->ClearToolboxHighlight(); }
  bool IsPropertyBarVisible() const override { return m_target->IsPropertyBarVisible(); }
  void ShowEntityProperties(CDiagramEntity& entity, PopulatorKind populator) override {
    m_cleared = false;
    m_target->ShowEntityProperties(entity, populator);
  }
  void ClearProperties() override {
    if (m_cleared) return;
    m_cleared = true;
    m_target->ClearProperties();
  }

private:
  ReportEditorNotifications* m_target;
  bool m_cleared = false;
};

}  // namespace

DiagramMouseResult DiagramEditorCore::OnLButtonDown(Point client, bool control, int64_t nowMs) {
  m_panning = false;
  if (!m_container) return {};
  SyncPaper();
  const DiagramMouseResult result = m_mouse.LeftDown({client.x, client.y}, control, nowMs);
  // Every unselected entity hides its properties; the bar is emptied by the
  // first, not rebuilt once per entity of a big template.
  ClearPropertiesOnce once(m_notifications);
  for (int i = 0; CDiagramEntity* entity = m_container->GetAt(i); ++i) {
    if (!entity->IsSelected()) entity->ShowProperties(m_notifications ? &once : nullptr, false);
  }
  return result;
}

DiagramMouseResult DiagramEditorCore::OnMouseMove(Point client, int64_t nowMs) {
  if (!m_container) return {};
  SyncPaper();
  return m_mouse.Move({client.x, client.y}, nowMs);
}

DiagramMouseResult DiagramEditorCore::OnLButtonUp(Point client, bool control, int64_t nowMs) {
  if (!m_container) {
    m_mouse.Reset();
    return {};
  }
  SyncPaper();
  return m_mouse.LeftUp({client.x, client.y}, control, nowMs);
}

DiagramMouseResult DiagramEditorCore::OnRButtonDown(Point client) {
  m_panning = false;
  if (!m_container) {
    m_mouse.Reset();
    return {};
  }
  SyncPaper();
  return m_mouse.RightDown({client.x, client.y});
}

bool DiagramEditorCore::MarkCreated() {
  if (GetSelectCount() != 1) return false;
  CDiagramEntity* entity = GetSelectedObject();
  if (!entity || entity->GetCreated()) return false;
  entity->SetCreated(true);
  return true;
}

void DiagramEditorCore::SetInteractMode(int mode, int subMode) {
  m_mouse.SetMode(static_cast<DiagramMouseMode>(std::clamp(mode, 0, 4)), subMode);
}

EditorCursor DiagramEditorCore::GetCursor(Point client) const {
  if (m_panning) {
    switch (DiagramViewport::PanDirection({m_panStart.x, m_panStart.y}, {client.x, client.y})) {
      case DiagramPanDirection::RightDown:
      case DiagramPanDirection::LeftUp: return EditorCursor::SizeNWSE;
      case DiagramPanDirection::RightUp:
      case DiagramPanDirection::LeftDown: return EditorCursor::SizeNESW;
      case DiagramPanDirection::Right:
      case DiagramPanDirection::Left: return EditorCursor::SizeWE;
      case DiagramPanDirection::Up:
      case DiagramPanDirection::Down: return EditorCursor::SizeNS;
    }
  }
  if (m_mouse.GetMode() == DiagramMouseMode::Drawing) return EditorCursor::Cross;
  if (!m_container) return EditorCursor::Default;
  SyncPaper();
  std::optional<std::pair<int, int>> marker;
  if (m_mouse.GetMode() == DiagramMouseMode::Moving) {
    // While moving, the moved entity's cursor for its body.
    const int index = m_mouse.GetGrabbed() >= 0 ? m_mouse.GetGrabbed()
                                                : m_container->Find(m_container->GetSelectedObject());
    if (index >= 0) marker = std::make_pair(index, static_cast<int>(kHitBody));
  } else if (m_mouse.GetMode() == DiagramMouseMode::Resizing) {
    const int index = m_container->Find(m_container->GetSelectedObject());
    if (index >= 0) marker = std::make_pair(index, m_mouse.GetSubMode());
  } else {
    marker = m_mouse.MarkerAt({client.x, client.y});
  }
  if (!marker) return EditorCursor::Default;
  switch (m_container->GetAt(marker->first)->GetCursor(marker->second)) {
    case DiagramCursor::SizeAll: return EditorCursor::SizeAll;
    case DiagramCursor::SizeNWSE: return EditorCursor::SizeNWSE;
    case DiagramCursor::SizeNESW: return EditorCursor::SizeNESW;
    case DiagramCursor::SizeNS: return EditorCursor::SizeNS;
    case DiagramCursor::SizeWE: return EditorCursor::SizeWE;
    case DiagramCursor::None: break;
  }
  return EditorCursor::Default;
}

bool DiagramEditorCore::StartPanning(Point client) {
  if (m_panning) {
    m_panning = false;
    return true;
  }
  const DiagramViewport& view = View();
  if (!view.GetHorizontalBar().shown && !view.GetVerticalBar().shown) return false;
  m_panStart = client;
  m_panning = true;
  return true;
}

bool DiagramEditorCore::PanTick(Point mouse) {
  if (!m_panning) return false;
  return View().PanStep({m_panStart.x, m_panStart.y}, {mouse.x, mouse.y});
}

void DiagramEditorCore::SelectAll() {
  if (m_container) m_container->SelectAll();
}

void DiagramEditorCore::UnselectAll() {
  if (m_container) m_container->UnselectAll();
}

int DiagramEditorCore::GetSelectCount() const {
  return m_container ? m_container->GetSelectCount() : 0;
}

bool DiagramEditorCore::CanPaste() const {
  return m_container && m_container->ObjectsInPaste() > 0;
}

bool DiagramEditorCore::CanUndo() const {
  return m_container && m_container->GetUndoCount() > 0;
}

CDiagramEntity* DiagramEditorCore::GetSelectedObject() const {
  return m_container ? m_container->GetSelectedObject() : nullptr;
}

void DiagramEditorCore::ShowProperties() {
  if (GetSelectCount() != 1) return;
  if (CDiagramEntity* entity = GetSelectedObject()) entity->ShowProperties(m_notifications, true);
}

// One undo snapshot, then the container's operation.
void DiagramEditorCore::SnapshotAnd(void (CDiagramEntityContainer::*operation)()) {
  if (!m_container) return;
  m_container->Snapshot();
  (m_container->*operation)();
}

void DiagramEditorCore::SelectOwnersOfSelectedParts() {
  if (!m_container) return;
  for (int i = 0; CDiagramEntity* entity = m_container->GetAt(i); ++i) {
    if (!entity->IsSelected() || entity->CanDelete()) continue;
    CDiagramEntity* owner = entity->GetEditedEntity();
    if (owner != entity && owner->CanDelete() && !owner->IsSelected()) owner->Select(true);
  }
}

// A repeat column selected by its header row goes, or is copied, whole.
void DiagramEditorCore::DeleteAllSelected() {
  if (!m_container) return;
  m_container->Snapshot();
  SelectOwnersOfSelectedParts();
  m_container->RemoveAllSelected();
}

void DiagramEditorCore::Cut() {
  if (!m_container) return;
  SelectOwnersOfSelectedParts();
  m_container->CopyAllSelected();
  DeleteAllSelected();
}

void DiagramEditorCore::Copy() {
  if (!m_container) return;
  m_container->Snapshot();
  SelectOwnersOfSelectedParts();
  m_container->CopyAllSelected();
}

void DiagramEditorCore::Paste() {
  if (!m_container) return;
  m_container->Snapshot();
  m_container->UnselectAll();
  m_container->Paste();
}

void DiagramEditorCore::Undo() {
  if (!m_container) return;
  m_container->Undo();
  SyncPaper();
}

void DiagramEditorCore::Group() {
  SnapshotAnd(&CDiagramEntityContainer::Group);
}

void DiagramEditorCore::Ungroup() {
  SnapshotAnd(&CDiagramEntityContainer::Ungroup);
}

void DiagramEditorCore::BringToFront() {
  SnapshotAnd(&CDiagramEntityContainer::FrontSelected);
}

void DiagramEditorCore::SendToBack() {
  SnapshotAnd(&CDiagramEntityContainer::BottomSelected);
}

void DiagramEditorCore::BringForward() {
  SnapshotAnd(&CDiagramEntityContainer::UpSelected);
}

void DiagramEditorCore::SendBackward() {
  SnapshotAnd(&CDiagramEntityContainer::DownSelected);
}

// Snapshot, then the change on every selected entity, then modified.
template <typename Change>
void DiagramEditorCore::ChangeSelected(Change change) {
  m_container->Snapshot();
  for (int i = 0; CDiagramEntity* entity = m_container->GetAt(i); ++i) {
    if (entity->IsSelected()) change(*entity);
  }
  m_container->SetModified(true);
}

void DiagramEditorCore::AlignSelected(DiagramAlign side) {
  if (GetSelectCount() <= 1) return;
  const CDiagramEntity* reference = GetSelectedObject();
  const double refLeft = reference->GetLeft(), refTop = reference->GetTop();
  const double refRight = reference->GetRight(), refBottom = reference->GetBottom();
  ChangeSelected([&](CDiagramEntity& e) {
    // What cannot move (a repeat field's header) follows its owner.
    if (!e.CanMove()) return;
    const double width = e.GetRight() - e.GetLeft();
    const double height = e.GetBottom() - e.GetTop();
    double left = e.GetLeft(), top = e.GetTop();
    switch (side) {
      case DiagramAlign::Left: left = refLeft; break;
      case DiagramAlign::Right: left = refRight - width; break;
      case DiagramAlign::Top: top = refTop; break;
      case DiagramAlign::Bottom: top = refBottom - height; break;
    }
    e.SetRect(left, top, left + width, top + height);
  });
}

void DiagramEditorCore::MakeSameSizeSelected(bool width, bool height) {
  if (GetSelectCount() <= 1) return;
  const CDiagramEntity* reference = GetSelectedObject();
  const double refWidth = reference->GetRight() - reference->GetLeft();
  const double refHeight = reference->GetBottom() - reference->GetTop();
  ChangeSelected([&](CDiagramEntity& e) {
    if (!e.CanMove()) return;
    const double w = width ? refWidth : e.GetRight() - e.GetLeft();
    const double h = height ? refHeight : e.GetBottom() - e.GetTop();
    e.SetRect(e.GetLeft(), e.GetTop(), e.GetLeft() + w, e.GetTop() + h);
  });
}

void DiagramEditorCore::MoveSelected(DiagramNudge direction) {
  if (GetSelectCount() == 0) return;
  const Size grid = GetGridSize();
  const Size paper = GetVirtualSize();
  ChangeSelected([&](CDiagramEntity& e) {
    if (!e.CanMove()) return;
    const double width = e.GetRight() - e.GetLeft();
    const double height = e.GetBottom() - e.GetTop();
    double left = e.GetLeft(), top = e.GetTop();
    switch (direction) {
      case DiagramNudge::Left: left = std::max(0.0, left - grid.cx); break;
      case DiagramNudge::Up: top = std::max(0.0, top - grid.cy); break;
      case DiagramNudge::Right: left = std::min<double>(paper.cx, e.GetRight() + grid.cx) - width; break;
      case DiagramNudge::Down: top = std::min<double>(paper.cy, e.GetBottom() + grid.cy) - height; break;
    }
    e.SetRect(left, top, left + width, top + height);
  });
}

void DiagramEditorCore::Save(std::vector<std::wstring>& lines) {
  if (!m_container) return;
  lines.push_back(m_container->GetString());
  SaveObjects(lines);
  m_container->SetModified(false);
}

void DiagramEditorCore::SaveObjects(std::vector<std::wstring>& lines) const {
  if (!m_container) return;
  for (int i = 0; CDiagramEntity* entity = m_container->GetAt(i); ++i) lines.push_back(entity->GetString());
}

bool DiagramEditorCore::FromString(const std::wstring& record) {
  if (!m_container) return false;
  const bool read = m_container->FromString(record);
  SyncPaper();
  return read;
}

void DiagramEditorCore::Draw(Canvas& dc, const Rect& paper, const Rect* visible) {
  DrawBackground(dc, paper);
  if (gridVisible) DrawGrid(dc, paper);
  if (marginsVisible) DrawMargins(dc, paper);
  DrawObjects(dc, View().GetZoom(), visible);
  DrawRubberBand(dc);
  if (m_panning) DrawPanning(dc);
}

void DiagramEditorCore::DrawBackground(Canvas& dc, const Rect& paper) {
  const Pen oldPen = dc.SelectPen(Pen::Null());
  const Brush oldBrush = dc.SelectBrush(Brush::Solid(backgroundColor));
  dc.Rectangle(paper);
  dc.SelectPen(oldPen);
  dc.SelectBrush(oldBrush);
}

void DiagramEditorCore::DrawGrid(Canvas& dc, const Rect& paper) {
  dc.SelectPen(Pen{gridPenStyle, 1, gridColor});
  for (int32_t x : View().GridLinesX()) {
    dc.MoveTo(x, 0);
    dc.LineTo(x, paper.Height());
  }
  for (int32_t y : View().GridLinesY()) {
    dc.MoveTo(0, y);
    dc.LineTo(paper.Width(), y);
  }
  dc.SelectPen(Pen::StockBlack());
}

void DiagramEditorCore::DrawMargins(Canvas& dc, const Rect& paper) {
  const Pen old = dc.SelectPen(Pen{platform::gdi::PS_SOLID, 0, marginColor});
  const DiagramMarginLines lines = View().GetMarginLines(paper);
  if (lines.hasLeft) {
    dc.MoveTo(lines.left, lines.top);
    dc.LineTo(lines.left, lines.bottom);
  }
  if (lines.hasRight) {
    dc.MoveTo(lines.right, lines.top);
    dc.LineTo(lines.right, lines.bottom);
  }
  if (lines.hasTop) {
    dc.MoveTo(lines.left, lines.top);
    dc.LineTo(lines.right, lines.top);
  }
  if (lines.hasBottom) {
    dc.MoveTo(lines.left, lines.bottom);
    dc.LineTo(lines.right, lines.bottom);
  }
  dc.SelectPen(old);
}

namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

void DiagramEditorCore::DrawObjects(Canvas& dc, double zoom, const Rect* visible) {
  if (!m_container) return;
  for (int i = 0; CDiagramEntity* entity = m_container->GetAt(i); ++i) {
    if (visible && !Overlap(entity->GetDrawnBounds(zoom), *visible)) continue;
    entity->DrawObject(dc, zoom);
  }
}

// The band is drawn in the paint pass, on the surface: its client corners
// plus the scroll positions.
void DiagramEditorCore::DrawRubberBand(Canvas& dc) {
  const std::optional<Rect> band = m_mouse.GetRubberBand();
  if (!band) return;
  const int32_t h = m_view.GetHScroll(), v = m_view.GetVScroll();
  const Pen oldPen = dc.SelectPen(Pen{platform::gdi::PS_DOT, 1, RGB(0, 0, 0)});
  const Brush oldBrush = dc.SelectBrush(Brush::Hollow());
  dc.Rectangle(Rect{band->left + h, band->top + v, band->right + h + 1, band->bottom + v + 1});
  dc.SelectPen(oldPen);
  dc.SelectBrush(oldBrush);
}

void DiagramEditorCore::DrawPanning(Canvas& dc) {
  const int32_t x = m_panStart.x + m_view.GetHScroll();
  const int32_t y = m_panStart.y + m_view.GetVScroll();
  const Pen oldPen = dc.SelectPen(Pen{platform::gdi::PS_SOLID, 1, RGB(128, 128, 128)});
  const Brush oldBrush = dc.SelectBrush(Brush::StockWhite());
  dc.Ellipse(Rect{x - 16, y - 16, x + 16, y + 16});
  dc.SelectBrush(Brush::Solid(RGB(192, 192, 192)));
  dc.Ellipse(Rect{x - 4, y - 4, x + 4, y + 4});
  dc.SelectPen(oldPen);
  dc.SelectBrush(oldBrush);
}

void DiagramEditorCore::Print(Canvas& dc, const Rect& rect, double zoom) {
  UnselectAll();
  DrawBackground(dc, rect);
  DrawObjects(dc, zoom);
}
