#pragma once

// Everything the diagram canvas decides, without the window: the diagram it
// edits (its container), the settings (colours, grid, margins, restraint,
// zoom), the mouse state machine fed with client points, the drawing
// prototype, middle-button panning, the editing commands with their undo
// snapshots, and the painting of the paper, grid, margins, entities and the
// overlays (rubber band, panning ring) onto a canvas. CDiagramEditor, the wx
// window, owns one, feeds it events and paints what it draws.
//
// Every command does nothing without a container.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Canvas.h"
#include "template/diagram/CDiagramEntityContainer.h"
#include "template/editor/DiagramMouse.h"
#include "template/editor/DiagramViewport.h"

class ReportEditorNotifications;

enum class DiagramAlign { Left, Right, Top, Bottom };
enum class DiagramNudge { Left, Up, Right, Down };

// What the mouse pointer shows over the canvas.
enum class EditorCursor { Default, Cross, SizeAll, SizeNWSE, SizeNESW, SizeNS, SizeWE };

class DiagramEditorCore : public CDiagramParent {
public:
  DiagramEditorCore();
  ~DiagramEditorCore() override;
  DiagramEditorCore(const DiagramEditorCore&) = delete;
  DiagramEditorCore& operator=(const DiagramEditorCore&) = delete;

  // The diagram: a container owned elsewhere (the document), or, given
  // none, one of the editor's own.
  void SetDiagramEntityContainer(CDiagramEntityContainer* container);
  CDiagramEntityContainer* GetDiagramEntityContainer() const { return m_container; }
  void UseOwnContainer();

  // Where entities show their properties; may be none.
  void SetNotifications(ReportEditorNotifications* notifications) { m_notifications = notifications; }
  ReportEditorNotifications* GetNotifications() const { return m_notifications; }

  // The viewport, its paper size kept in step with the container's.
  DiagramViewport& View();
  const DiagramViewport& View() const;
  const DiagramMouse& Mouse() const { return m_mouse; }

  // Back to the start state, keeping the settings: zoom 1, idle, no
  // prototype, no panning, scrolled to the origin.
  void Clear();
  // Clear, then empties the container and its undo.
  void New();

  // Settings.
  platform::gdi::COLORREF backgroundColor;
  platform::gdi::COLORREF surroundColor;
  bool gridVisible = true;
  int gridPenStyle = platform::gdi::PS_SOLID;
  platform::gdi::COLORREF gridColor = platform::gdi::RGB(192, 192, 192);
  bool marginsVisible = false;
  platform::gdi::COLORREF marginColor = platform::gdi::RGB(128, 128, 255);
  int wheelMode = 0;  // 0 the wheel scrolls, 1 it zooms
  platform::gdi::Size markerSize{8, 8};

  bool GetSnapToGrid() const override { return m_view.GetSnapToGrid(); }
  platform::gdi::Size GetGridSize() const override;

  // The paper: the container's size, 0 following the client.
  platform::gdi::Size GetVirtualSize() const;
  // Stores a size that differs in the container (not marking it modified);
  // true when it changed.
  bool SetVirtualSize(platform::gdi::Size size);
  // The same, marking the container modified.
  bool SetPaperSize(platform::gdi::Size size);
  void SetModified(bool modified);
  void SetClientSize(platform::gdi::Size size) { m_view.SetClientSize({size.cx, size.cy}); }

  // Zoom to fit the entities; false when there is nothing to fit.
  bool ZoomToFit();

  // Drawing new entities: the prototype is copied by the next left click.
  // Given none, drawing is disarmed.
  void StartDrawingObject(std::unique_ptr<CDiagramEntity> prototype);
  CDiagramEntity* GetDrawingObject() const { return m_prototype.get(); }
  void AddObject(std::unique_ptr<CDiagramEntity> entity);
  void MoveObject(CDiagramEntity& entity, const platform::gdi::Rect& rect);

  // Mouse, in client coordinates. Each returns whether to redraw.
  DiagramMouseResult OnLButtonDown(platform::gdi::Point client, bool control, int64_t nowMs);
  DiagramMouseResult OnMouseMove(platform::gdi::Point client, int64_t nowMs);
  DiagramMouseResult OnLButtonUp(platform::gdi::Point client, bool control, int64_t nowMs);
  DiagramMouseResult OnRButtonDown(platform::gdi::Point client);
  // After a drawing: the one selected entity, when not yet marked created,
  // is marked created, which runs its OnCreated once. True when it was.
  bool MarkCreated();
  int GetInteractMode() const { return static_cast<int>(m_mouse.GetMode()); }
  int GetSubMode() const { return m_mouse.GetSubMode(); }
  void SetInteractMode(int mode, int subMode = 0);
  EditorCursor GetCursor(platform::gdi::Point client) const;

  // Middle-button panning; it starts only while a scroll bar is shown.
  bool StartPanning(platform::gdi::Point client);
  void StopPanning() { m_panning = false; }
  bool IsPanning() const { return m_panning; }
  bool PanTick(platform::gdi::Point mouse);

  // Selection and commands.
  void SelectAll();
  void UnselectAll();
  bool HasSelection() const { return GetSelectCount() > 0; }
  int GetSelectCount() const;
  bool CanPaste() const;
  bool CanUndo() const;
  bool CanGroup() const { return GetSelectCount() > 1; }
  CDiagramEntity* GetSelectedObject() const;
  // The one selected entity shows its properties.
  void ShowProperties();
  void DeleteAllSelected();
  void Cut();
  void Copy();
  void Paste();
  void Undo();
  void Group();
  void Ungroup();
  void BringToFront();
  void SendToBack();
  void BringForward();
  void SendBackward();
  // Each needs more than one selected entity.
  void AlignSelected(DiagramAlign side);
  void MakeSameSizeSelected(bool width, bool height);
  // By one grid step, never past the paper's edges.
  void MoveSelected(DiagramNudge direction);

  // The text form: the paper record, then one record per entity.
  void Save(std::vector<std::wstring>& lines);
  void SaveObjects(std::vector<std::wstring>& lines) const;
  bool FromString(const std::wstring& record);

  // Painting onto a surface whose origin is the zoomed paper's corner (the
  // window shifts it by the scroll positions). With `visible`, the part of
  // the surface being repainted, entities whose ink lies outside it are
  // passed over.
  platform::gdi::Rect GetPaperOnSurface() const { return View().GetPaperOnSurface(); }
  virtual void Draw(platform::gdi::Canvas& dc, const platform::gdi::Rect& paper,
                    const platform::gdi::Rect* visible = nullptr);
  virtual void DrawBackground(platform::gdi::Canvas& dc, const platform::gdi::Rect& paper);
  virtual void DrawGrid(platform::gdi::Canvas& dc, const platform::gdi::Rect& paper);
  virtual void DrawMargins(platform::gdi::Canvas& dc, const platform::gdi::Rect& paper);
  virtual void DrawObjects(platform::gdi::Canvas& dc, double zoom, const platform::gdi::Rect* visible = nullptr);
  virtual void DrawRubberBand(platform::gdi::Canvas& dc);
  virtual void DrawPanning(platform::gdi::Canvas& dc);
  // The diagram alone, unselected, without grid or margins, at a zoom.
  void Print(platform::gdi::Canvas& dc, const platform::gdi::Rect& rect, double zoom);

private:
  class MouseTarget;

  void SyncPaper() const;
  void SnapshotAnd(void (CDiagramEntityContainer::*operation)());
  // A selected part that cannot go by itself (a repeat field's header)
  // stands for the entity it belongs to, which is selected with it.
  void SelectOwnersOfSelectedParts();
  template <typename Change>
  void ChangeSelected(Change change);

  CDiagramEntityContainer* m_container = nullptr;
  std::unique_ptr<CDiagramEntityContainer> m_ownContainer;
  ReportEditorNotifications* m_notifications = nullptr;
  std::unique_ptr<CDiagramEntity> m_prototype;
  mutable DiagramViewport m_view;
  std::unique_ptr<MouseTarget> m_target;
  DiagramMouse m_mouse;
  bool m_panning = false;
  platform::gdi::Point m_panStart;
};
