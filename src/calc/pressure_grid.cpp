#include "calc/pressure_grid.h"

#include <cmath>
#include <cstdint>
#include <numeric>

namespace tarnvik {
namespace {

constexpr int kMaxDecimals = 6;
// Scaled bounds below this size, times up to 4000 steps, stay exact in a double (2^53).
constexpr double kMaxScaled = 1e12;
constexpr std::int64_t kMaxExactSteps = 4000;

bool WholeAt(double value, double scale) {
  const double scaled = value * scale;
  return std::fabs(scaled) < kMaxScaled && scaled == std::nearbyint(scaled) && scaled / scale == value;
}

// The smallest decimal scale 10^k (k ≤ 6) at which both bounds are whole numbers that give
// the bounds back exactly; 0 when there is none.
double DecimalScale(double low, double high) {
  double scale = 1;
  for (int k = 0; k <= kMaxDecimals; ++k, scale *= 10) {
    if (WholeAt(low, scale) && WholeAt(high, scale)) return scale;
  }
  return 0;
}

// The denominator, stripped of its factors 2 and 5, that a step index must be a multiple of
// for the pressure (a (n − i) + b i) / (n · scale) to be a terminating decimal.
std::int64_t NonDecimalPart(std::int64_t a, std::int64_t b, std::int64_t steps, std::int64_t scale) {
  std::int64_t denominator = steps * scale;
  denominator /= std::gcd(b - a, denominator);
  while (denominator % 2 == 0) denominator /= 2;
  while (denominator % 5 == 0) denominator /= 5;
  return denominator;
}

}  // namespace

std::vector<double> EvenlySpaced(double low, double high, int count) {
  std::vector<double> pressures;
  pressures.reserve(static_cast<std::size_t>(count));
  const int steps = count - 1;
  for (int i = 0; i <= steps; ++i) pressures.push_back(low + (high - low) * i / steps);
  // Where both bounds are whole numbers of a decimal unit, a pressure whose exact value is
  // a terminating decimal becomes the double nearest it, which prints as that decimal;
  // the others are left as computed.
  const double scale = DecimalScale(low, high);
  if (scale > 0 && steps <= kMaxExactSteps) {
    const auto a = static_cast<std::int64_t>(low * scale);
    const auto b = static_cast<std::int64_t>(high * scale);
    const std::int64_t every = NonDecimalPart(a, b, steps, static_cast<std::int64_t>(scale));
    const double denominator = static_cast<double>(steps) * scale;
    for (std::int64_t i = 0; i <= steps; i += every) {
      // Exact integers over an exact denominator: the quotient is correctly rounded.
      pressures[static_cast<std::size_t>(i)] = static_cast<double>(a * (steps - i) + b * i) / denominator;
    }
  }
  pressures.front() = low;
  pressures.back() = high;
  return pressures;
}

}  // namespace tarnvik
