#include "common/Cents.h"

#include <charconv>
#include <cmath>

namespace {

// 15 significant digits is what a double holds exactly; the digits after
// them are the noise of the binary arithmetic that gave the amount.
double Significant(double value) {
  char text[40];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
  double read = value;
  std::from_chars(text, written.ptr, read);
  return read;
}

}  // namespace

double RoundToCents(double amount) {
  if (!std::isfinite(amount)) return amount;
  const double cents = Significant(Significant(amount) * 100.0);
  if (std::fabs(cents) >= 1e15) return amount;  // no cents left to round
  return std::round(cents) / 100.0;             // std::round takes halves away from zero
}
