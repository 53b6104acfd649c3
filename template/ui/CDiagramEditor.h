#pragma once

// The diagram canvas window. It owns a DiagramEditorCore, which decides
// everything; the window feeds it mouse, scroll, wheel, size and timer
// events, keeps the scroll bars as the core's viewport says, sets the
// cursor, and paints what the core draws into a buffer, so that the rubber
// band, the panning ring and the markers are drawn in the same paint pass as
// the paper.
//
// The handlers are virtual so that CReportEditor adds its announcements.

#include <cstdint>
#include <functional>
#include <memory>

#include <wx/timer.h>
#include <wx/window.h>

#include "platform/gdi/WxTextMeasurer.h"
#include "template/editor/DiagramEditorCore.h"

class CDiagramEditor : public wxWindow {
public:
  CDiagramEditor();
  ~CDiagramEditor() override;

  // Creates the window as a child of parent over rect. Without a container
  // the editor uses one of its own. A paper size of 0 x 0 becomes the
  // window's size.
  virtual bool Create(long style, const wxRect& rect, wxWindow* parent, CDiagramEntityContainer* container = nullptr);

  DiagramEditorCore& Core() { return m_core; }
  const DiagramEditorCore& Core() const { return m_core; }

  // Where "now" comes from for the drag delay; tests may set their own.
  static void SetClock(std::function<int64_t()> clock);
  static int64_t Now();

  // Settings; those that change what is shown redraw.
  void SetBackgroundColor(platform::gdi::COLORREF color);
  platform::gdi::COLORREF GetBackgroundColor() const { return m_core.backgroundColor; }
  void ShowGrid(bool visible);
  bool IsGridVisible() const { return m_core.gridVisible; }
  void SetGridColor(platform::gdi::COLORREF color);
  platform::gdi::COLORREF GetGridColor() const { return m_core.gridColor; }
  void SetGridSize(platform::gdi::Size size);
  platform::gdi::Size GetGridSize() const { return m_core.GetGridSize(); }
  void SetSnapToGrid(bool snap) { m_core.View().SetSnapToGrid(snap); }
  bool GetSnapToGrid() const { return m_core.GetSnapToGrid(); }
  void SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    m_core.View().SetMargins(left, top, right, bottom);
  }
  platform::gdi::Rect GetMargins() const { return m_core.View().GetMargins(); }
  void SetMarginColor(platform::gdi::COLORREF color);
  platform::gdi::COLORREF GetMarginColor() const { return m_core.marginColor; }
  void ShowMargin(bool visible);
  bool IsMarginVisible() const { return m_core.marginsVisible; }
  void SetRestraints(int restraint);
  int GetRestraints() const { return static_cast<int>(m_core.View().GetRestraint()); }
  virtual void SetZoom(double zoom);
  double GetZoom() const { return m_core.View().GetZoom(); }
  void SetZoomFactor(double step) { m_core.View().SetZoomStep(step); }
  double GetZoomFactor() const { return m_core.View().GetZoomStep(); }
  void SetZoomMax(double zoom) { m_core.View().SetZoomMax(zoom); }
  void SetZoomMin(double zoom) { m_core.View().SetZoomMin(zoom); }
  void SetScrollWheelMode(int mode) { m_core.wheelMode = mode; }

  void SetDiagramEntityContainer(CDiagramEntityContainer* container);
  CDiagramEntityContainer* GetDiagramEntityContainer() const { return m_core.GetDiagramEntityContainer(); }
  platform::gdi::Size GetVirtualSize() const { return m_core.GetVirtualSize(); }
  void SetVirtualSize(platform::gdi::Size size);
  void SetPaperSize(platform::gdi::Size size);
  void SetModified(bool modified) { m_core.SetModified(modified); }
  void ZoomToFit();

  // Back to the start state (zoom 1, idle, no prototype, scrolled home).
  virtual void Clear();
  virtual void New();

  virtual void StartDrawingObject(std::unique_ptr<CDiagramEntity> prototype);
  CDiagramEntity* GetDrawingObject() const { return m_core.GetDrawingObject(); }
  virtual void AddObject(std::unique_ptr<CDiagramEntity> entity) { m_core.AddObject(std::move(entity)); }
  int GetInteractMode() const { return m_core.GetInteractMode(); }
  void SetInteractMode(int mode, int subMode = 0) { m_core.SetInteractMode(mode, subMode); }

  // Commands; each redraws.
  virtual void SelectAll();
  virtual void UnselectAll() { m_core.UnselectAll(); }
  bool HasSelection() const { return m_core.HasSelection(); }
  int GetSelectCount() const { return m_core.GetSelectCount(); }
  bool CanPaste() const { return m_core.CanPaste(); }
  bool CanUndo() const { return m_core.CanUndo(); }
  bool CanGroup() const { return m_core.CanGroup(); }
  CDiagramEntity* GetSelectedObject() const { return m_core.GetSelectedObject(); }
  void ShowProperties() { m_core.ShowProperties(); }
  virtual void DeleteAllSelected();
  virtual void Cut();
  virtual void Copy();
  virtual void Paste();
  virtual void Undo();
  void Group();
  void Ungroup();
  void BringToFront();
  void SendToBack();
  void BringForward();
  void SendBackward();
  virtual void LeftAlignSelected();
  virtual void RightAlignSelected();
  virtual void TopAlignSelected();
  virtual void BottomAlignSelected();
  virtual void MakeSameSizeSelected(bool width, bool height);
  void MoveSelectedLeft();
  void MoveSelectedUp();
  void MoveSelectedRight();
  void MoveSelectedDown();

  virtual void SetHScroll(int32_t position);
  virtual void SetVScroll(int32_t position);

  // Repaints the whole window now.
  void Redraw();

protected:
  // After every command and every mouse action that may have changed the
  // selection or the place of an entity.
  virtual void OnEntitiesChanged() {}
  // Mouse handlers, in client coordinates.
  virtual void OnLButtonDown(bool control, platform::gdi::Point point);
  virtual void OnLButtonUp(bool control, platform::gdi::Point point);
  virtual void OnMouseMove(platform::gdi::Point point);
  virtual void OnRButtonDown(platform::gdi::Point point);
  virtual void OnLButtonDblClk(platform::gdi::Point point);
  virtual void OnMButtonDown(platform::gdi::Point point);

  // Shows the bars the viewport asks for, with their positions.
  void SetupScrollbars();

private:
  void OnPaint(wxPaintEvent& event);
  void OnSizeEvent(wxSizeEvent& event);
  void OnScrollEvent(wxScrollWinEvent& event);
  void OnMouseEvent(wxMouseEvent& event);
  void OnWheelEvent(wxMouseEvent& event);
  void OnKeyEvent(wxKeyEvent& event);
  void OnPanTimer(wxTimerEvent& event);
  void OnFocusLost(wxFocusEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void UpdateCursor(platform::gdi::Point point);
  void AfterMouse(const DiagramMouseResult& result);

  DiagramEditorCore m_core;
  wxTimer m_panTimer;
  // Bars set up while the canvas was not on the screen: GTK lays them out
  // only when their need changes, so they are set up anew once it shows.
  bool m_barsSetUnseen = false;
  // Kept from one paint to the next: each font and text is measured once per zoom.
  std::unique_ptr<platform::gdi::WxTextMeasurer> m_measurer;
};
