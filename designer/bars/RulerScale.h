#pragma once

// Where a ruler draws its ticks and labels: the scale of a measurement unit
// at a resolution and zoom, shifted by the canvas's scroll position. The
// ruler windows only paint what this gives.

#include <cstdint>
#include <vector>

namespace designer {

// Measurement units of the rulers: 0 counts pixels (hundreds of them).
inline constexpr int32_t kUnitPixels = 0;
inline constexpr int32_t kUnitInches = 1;
inline constexpr int32_t kUnitCentimetres = 2;
inline constexpr double kInchesPerCentimetre = 0.39370078740157477;

struct RulerMark {
  int32_t position = 0;  // pixels along the ruler
  int32_t label = 0;     // whole major steps from the paper's origin
  bool operator==(const RulerMark&) const = default;
};

struct RulerLayout {
  std::vector<int32_t> ticks;    // minor ticks, major positions included
  std::vector<RulerMark> marks;  // labelled majors inside the ruler
};

class RulerScale {
public:
  RulerScale(int32_t unit, double pixelsPerInch, double zoom);

  // The major step before zoom and its subdivisions for the unit.
  static double MajorStepBeforeZoom(int32_t unit, double pixelsPerInch);
  static int32_t Subdivisions(int32_t unit);

  // Pixels between labelled marks at this zoom; never below 1, so a tiny
  // zoom or resolution still moves along the ruler.
  int32_t MajorStep() const { return m_major; }
  int32_t GetSubdivisions() const { return m_subdivisions; }

  // The ticks and marks of a ruler `length` pixels long, scrolled by `scroll`.
  RulerLayout Layout(int32_t length, int32_t scroll) const;

private:
  int32_t m_major;
  int32_t m_subdivisions;
};

}  // namespace designer
