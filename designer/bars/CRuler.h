#pragma once

// The rulers beside the canvas and the box where they meet. They show the
// scale of the current unit following the canvas's zoom and scroll position
// (RulerScale lays it out) and a small mark at the mouse position. The view
// feeds them from the canvas's messages.

#include <cstdint>

#include <wx/window.h>

class wxDC;

namespace designer {

class CRuler : public wxWindow {
public:
  CRuler(wxWindow* parent, wxWindowID id, const wxRect& rect, bool horizontal);

  // Each repaints when the value changes; the first three also remove the
  // mouse mark until the next mouse move.
  void SetScrollPos(int32_t pixels);
  void SetZoom(double zoom);
  void SetMeasurement(int32_t unit);
  void SetMouseMark(int32_t pixels);  // -1: none

  int32_t GetScrollPos() const { return m_scroll; }
  double GetZoom() const { return m_zoom; }
  int32_t GetMeasurement() const { return m_unit; }
  int32_t GetMouseMark() const { return m_mouse; }

  // Paints the ruler into the DC (a memory DC in OnPaint; tests).
  void PaintRuler(wxDC& dc, const wxSize& size) const;

private:
  void OnPaint(wxPaintEvent& event);
  void Repaint();

  bool m_horizontal;
  int32_t m_scroll = 0;
  int32_t m_unit = 1;
  int32_t m_mouse = -1;
  double m_zoom = 1.0;
};

class CHorzRuler : public CRuler {
public:
  CHorzRuler(wxWindow* parent, wxWindowID id, const wxRect& rect) : CRuler(parent, id, rect, true) {}
};

class CVertRuler : public CRuler {
public:
  CVertRuler(wxWindow* parent, wxWindowID id, const wxRect& rect) : CRuler(parent, id, rect, false) {}
};

class CCornerBox : public wxWindow {
public:
  CCornerBox(wxWindow* parent, wxWindowID id, const wxRect& rect);
  void SetMeasurement(int32_t unit) { m_unit = unit; }
  int32_t GetMeasurement() const { return m_unit; }

private:
  void OnPaint(wxPaintEvent& event);
  int32_t m_unit = 1;
};

// The raised edge of the corner box: highlight left and top, shadow right
// and bottom.
void Draw3dFrame(wxDC& dc, int left, int top, int right, int bottom);

}  // namespace designer
