#pragma once

// The pen of a border or a line as templates describe it.

#include <cstdint>

#include "platform/gdi/GdiTypes.h"

class CBorderLine {
public:
  virtual ~CBorderLine() = default;

  int32_t GetOn() const { return m_on; }
  void SetOn(int32_t on) { m_on = on; }
  int32_t GetPenStyle() const { return m_penStyle; }
  void SetPenStyle(int32_t style) { m_penStyle = style; }
  platform::gdi::COLORREF GetColor() const { return m_color; }
  void SetColor(platform::gdi::COLORREF color) { m_color = color; }
  // In inches.
  double GetWidth() const { return m_width; }
  void SetWidth(double width) { m_width = width; }

  // The pen at a resolution: the width becomes truncate(width * ppi + 0.5).
  platform::gdi::Pen MakePen(int32_t pixelsPerInch) const;

private:
  int32_t m_on = 0;
  int32_t m_penStyle = 0;
  platform::gdi::COLORREF m_color = 0;
  double m_width = 0.0;
};
