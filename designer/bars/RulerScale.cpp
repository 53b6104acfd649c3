#include "designer/bars/RulerScale.h"

#include <algorithm>

namespace designer {

double RulerScale::MajorStepBeforeZoom(int32_t unit, double pixelsPerInch) {
  switch (unit) {
    case kUnitInches: return pixelsPerInch;
    case kUnitCentimetres: return pixelsPerInch * kInchesPerCentimetre;
    default: return 100;
  }
}

int32_t RulerScale::Subdivisions(int32_t unit) {
  switch (unit) {
    case kUnitInches: return 8;
    case kUnitCentimetres: return 2;
    default: return 10;
  }
}

RulerScale::RulerScale(int32_t unit, double pixelsPerInch, double zoom)
    : m_subdivisions(Subdivisions(unit)) {
  const double major = zoom * MajorStepBeforeZoom(unit, pixelsPerInch) + 0.5;
  // A step of 0 would never reach the end of the ruler.
  m_major = major >= 1 && major < 1e9 ? static_cast<int32_t>(major) : (major >= 1e9 ? 1000000000 : 1);
  m_major = std::max(m_major, 1);
}

RulerLayout RulerScale::Layout(int32_t length, int32_t scroll) const {
  RulerLayout layout;
  const double minor = static_cast<double>(m_major) / m_subdivisions;
  // Majors wholly before the ruler are skipped by arithmetic, not by walking.
  int64_t n = scroll > 0 ? scroll / m_major : 0;
  for (int64_t p = n * m_major - scroll; p < length; p += m_major, ++n) {
    for (int32_t i = 0; i < m_subdivisions; ++i) {
      const int64_t q = static_cast<int64_t>(i * minor + p + 0.5);
      if (q >= 0 && q < length) layout.ticks.push_back(static_cast<int32_t>(q));
    }
    if (p >= 0) layout.marks.push_back({static_cast<int32_t>(p), static_cast<int32_t>(n)});
  }
  return layout;
}

}  // namespace designer
