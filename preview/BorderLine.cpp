#include "preview/BorderLine.h"

#include "common/UnitConversions.h"

platform::gdi::Pen CBorderLine::MakePen(int32_t pixelsPerInch) const {
  return platform::gdi::Pen{m_penStyle, InchesToPixelsAt(m_width, pixelsPerInch), m_color};
}
