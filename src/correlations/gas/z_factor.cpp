#include "correlations/gas/z_factor.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {
namespace {

constexpr int kMaxIterations = 100;
constexpr double kTolerance = 1e-05;
// Near atmospheric pressure y itself is of the order of 1e-5: the step must also be small
// against y, so that z (which is proportional to 1/y) is good to 1e-7 relative.
constexpr double kRelativeTolerance = 1e-07;
constexpr double kMaxReducedPressure = 20.5;
// Below this Tpr (near the critical point) the equation can have more than one root in
// reach: every solution starts from y = 0.001, so that it finds the root it always has.
constexpr double kWarmStartMinTpr = 1.2;

}  // namespace

PseudoCritical StandingPseudoCritical(double gg, GasCharacterisation characterisation) {
  if (characterisation == GasCharacterisation::DryGas) {
    return {168 + 325 * gg - 12.5 * gg * gg, 677 + 15 * gg - 37.5 * gg * gg};
  }
  return {187 + 330 * gg - 71.5 * gg * gg, 706 - 51.7 * gg - 11.1 * gg * gg};
}

namespace {

// Newton's method on Hall and Yarborough's equation for y from `y`.
ZFactor SolveHallYarborough(double a, double b, double h, double d, double e, double ppr, double y) {
  for (int iteration = 1; iteration <= kMaxIterations; ++iteration) {
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    const double oneMinusY = 1 - y;
    const double yPowD = std::pow(y, d);
    const double f = a * ppr + (y + y2 + y3 - y4) / (oneMinusY * oneMinusY * oneMinusY) - b * y2 + h * yPowD;
    // y^G = y^D / y, as G = D − 1: one power per step instead of two.
    const double slope = (1 + 4 * y + 4 * y2 - 4 * y3 + y4) / (oneMinusY * oneMinusY * oneMinusY * oneMinusY) - e * y +
                         h * d * (yPowD / y);
    const double next = y - f / slope;
    const double step = std::fabs(next - y);
    if (step < kTolerance && step < kRelativeTolerance * std::fabs(y)) {
      if (!(y > 0 && y < 1)) break;
      return {ZFactorStatus::Success, (-a * ppr) / y};
    }
    y = next;
  }
  return {ZFactorStatus::NoConvergence};
}

}  // namespace

ZFactor HallYarboroughZFactor(double tpr, double ppr, double nearZ) {
  if (tpr < 1) return {ZFactorStatus::ReducedTemperatureBelowOne};
  if (ppr > kMaxReducedPressure) return {ZFactorStatus::ReducedPressureAbove20_5};
  const double t = 1 / tpr;
  const double a = -0.06125 * t * std::exp(-1.2 * (1 - t) * (1 - t));
  const double b = 14.76 * t - 9.76 * t * t + 4.58 * t * t * t;
  const double h = 90.7 * t - 242.2 * t * t + 42.4 * t * t * t;
  const double d = 2.18 + 2.82 * t;
  const double e = 29.52 * t - 19.52 * t * t + 9.16 * t * t * t;
  if (nearZ > 0 && tpr >= kWarmStartMinTpr) {
    const double near = -a * ppr / nearZ;
    if (near > 0 && near < 1) {
      const ZFactor warm = SolveHallYarborough(a, b, h, d, e, ppr, near);
      if (warm.status == ZFactorStatus::Success) return warm;
    }
  }
  return SolveHallYarborough(a, b, h, d, e, ppr, 0.001);
}

double GasFvf(double z, double temperatureF, double pressure) { return 5.035 * z * Rankine(temperatureF) / pressure; }

}  // namespace tarnvik
