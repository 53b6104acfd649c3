#include "common/UnitConversions.h"

#include <atomic>
#include <cmath>
#include <limits>

#include <wx/app.h>
#include <wx/gdicmn.h>

namespace {

// 0 = not set: the default applies.
std::atomic<int32_t> g_screenDpi{0};
std::atomic<int32_t> g_displayDpi{0};

// Asks the display only inside a running GUI application; a test or a tool
// without a display gets 96.
int32_t DefaultScreenDpi() {
  if (const int32_t known = g_displayDpi.load(); known > 0) return known;
  wxAppConsole* app = wxAppConsole::GetInstance();
  if (app == nullptr || !app->IsGUI()) return kDefaultScreenDpi;
  const int32_t ppi = wxGetDisplayPPI().GetWidth();
  if (ppi <= 0) return kDefaultScreenDpi;
  g_displayDpi.store(ppi);
  return ppi;
}

}  // namespace

void SetScreenDpi(int32_t pixelsPerInch) {
  g_screenDpi.store(pixelsPerInch > 0 ? pixelsPerInch : 0);
}

int32_t GetScreenDpi() {
  const int32_t dpi = g_screenDpi.load();
  return dpi > 0 ? dpi : DefaultScreenDpi();
}

double PixelsToInches(int32_t pixels) {
  return PixelsToInchesAt(pixels, GetScreenDpi());
}
int32_t InchesToPixels(double inches) {
  return InchesToPixelsAt(inches, GetScreenDpi());
}
int32_t TenthPointsToPixels(int32_t tenthPoints) {
  return TenthPointsToPixelsAt(tenthPoints, GetScreenDpi());
}

double PixelsToInchesAt(int32_t pixels, int32_t pixelsPerInch) {
  return pixelsPerInch > 0 ? static_cast<double>(pixels) / pixelsPerInch : 0.0;
}

int32_t InchesToPixelsAt(double inches, int32_t pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return TruncateToInt32(pixelsPerInch * inches + 0.5);
}

int32_t TenthPointsToPixelsAt(int32_t tenthPoints, int32_t pixelsPerInch) {
  if (pixelsPerInch <= 0) return 0;
  return TruncateToInt32(pixelsPerInch * (1.0 / 72.0) * (tenthPoints * 0.1) + 0.5);
}

int32_t TruncateToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}
