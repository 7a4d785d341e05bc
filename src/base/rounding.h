// Rounding to significant digits, for numbers a person reads or types back.
#pragma once

#include <cmath>

namespace tarnvik {

// `value` rounded to `digits` significant digits: the double nearest that decimal
// (2634.7 → 2635 for 4, 0.9999999999999999 → 1 for 12); 0, ±inf and NaN as they are.
inline double RoundSignificant(double value, int digits) {
  if (value == 0 || !std::isfinite(value)) return value;
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int places = digits - 1 - exponent;
  // Divide by a power of ten rather than multiply by its inverse, which is not exact.
  if (places >= 0) {
    const double scale = std::pow(10.0, places);
    return std::round(value * scale) / scale;
  }
  const double scale = std::pow(10.0, -places);
  return std::round(value / scale) * scale;
}

}  // namespace tarnvik
