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
// reach: there every solution starts from y = 0.001, so that it finds the root it always
// has. At and above it the one root is found from any start in (0, 1).
constexpr double kOneRootMinTpr = 1.2;
constexpr double kLowDensityStart = 0.001;

}  // namespace

PseudoCritical StandingPseudoCritical(double gg, GasCharacterisation characterisation) {
  if (characterisation == GasCharacterisation::DryGas) {
    return {168 + 325 * gg - 12.5 * gg * gg, 677 + 15 * gg - 37.5 * gg * gg};
  }
  return {187 + 330 * gg - 71.5 * gg * gg, 706 - 51.7 * gg - 11.1 * gg * gg};
}

namespace {

// The equation's constants at one reduced temperature, t = 1/Tpr.
struct Constants {
  double a, b, h, d, e;
};

double ConstantA(double t) { return -0.06125 * t * std::exp(-1.2 * (1 - t) * (1 - t)); }

Constants ConstantsAt(double t, double a) {
  return {a, 14.76 * t - 9.76 * t * t + 4.58 * t * t * t, 90.7 * t - 242.2 * t * t + 42.4 * t * t * t, 2.18 + 2.82 * t,
          29.52 * t - 19.52 * t * t + 9.16 * t * t * t};
}

// How a solution steps: Newton's method, or Halley's (with F″ as well, cubic rather than
// quadratic convergence: one step fewer from z = 1, but it wanders from y = 0.001 near the
// critical point, so it is used only where the equation has one root).
enum class Method { Newton, Halley };

// Hall and Yarborough's equation solved for y from `y`. Once a step is within the
// tolerances, its result (quadratically closer to the root than the y it was taken from,
// cubically by Halley's) is the solution, so that the root does not depend on where the
// solution started.
ZFactor SolveHallYarborough(const Constants& k, double ppr, double y, Method method) {
  for (int iteration = 1; iteration <= kMaxIterations; ++iteration) {
    const double y2 = y * y;
    const double y3 = y2 * y;
    const double y4 = y3 * y;
    // The divisions by y and 1 − y are taken while the power is worked out.
    const double inverse = 1 / (1 - y);
    const double inverse3 = inverse * inverse * inverse;
    const double inverseY = 1 / y;
    const double yPowD = Pow(y, k.d);
    const double f = k.a * ppr + (y + y2 + y3 - y4) * inverse3 - k.b * y2 + k.h * yPowD;
    // y^G = y^D / y, as G = D − 1: one power per step instead of two.
    const double fourth = 1 + 4 * y + 4 * y2 - 4 * y3 + y4;
    const double yPowG = yPowD * inverseY;
    const double slope = fourth * inverse3 * inverse - k.e * y + k.h * k.d * yPowG;
    const double curvature = ((4 + 8 * y - 12 * y2 + 4 * y3) + 4 * fourth * inverse) * inverse3 * inverse - k.e +
                             k.h * k.d * (k.d - 1) * (yPowG * inverseY);
    const double next =
        method == Method::Newton ? y - f / slope : y - 2 * f * slope / (2 * slope * slope - f * curvature);
    const double step = std::fabs(next - y);
    if (step < kTolerance && step < kRelativeTolerance * std::fabs(y)) {
      if (!(next > 0 && next < 1)) break;
      // Along the root F(y(Ppr), Ppr) = 0 with ∂F/∂Ppr = A: y′ = −A / F′ and
      // y″ = −F″ y′² / F′, from the derivatives at the last y.
      const double dy = -k.a / slope;
      return {ZFactorStatus::Success, (-k.a * ppr) / next, {ppr, next, dy, -curvature * dy * dy / slope, 0, k.a}};
    }
    y = next;
  }
  return {ZFactorStatus::NoConvergence};
}

}  // namespace

ZFactor HallYarboroughZFactor(double tpr, double ppr, const HallYarboroughRoot* near) {
  if (tpr < 1) return {ZFactorStatus::ReducedTemperatureBelowOne};
  if (ppr > kMaxReducedPressure) return {ZFactorStatus::ReducedPressureAbove20_5};
  const double t = 1 / tpr;
  const Constants k = ConstantsAt(t, near != nullptr && near->tpr == tpr ? near->a : ConstantA(t));
  ZFactor solved{ZFactorStatus::NoConvergence};
  if (tpr >= kOneRootMinTpr) {
    // From a root at a nearby Ppr, its second-order Taylor step; else from z = 1.
    double start = -k.a * ppr;
    if (near != nullptr && near->y > 0) {
      const double delta = ppr - near->ppr;
      start = near->y + delta * (near->dy + 0.5 * delta * near->d2y);
    }
    if (start > 0 && start < 1) solved = SolveHallYarborough(k, ppr, start, Method::Halley);
  }
  if (solved.status != ZFactorStatus::Success) solved = SolveHallYarborough(k, ppr, kLowDensityStart, Method::Newton);
  if (solved.status == ZFactorStatus::Success) solved.root.tpr = tpr;
  return solved;
}

double GasFvf(double z, double temperatureF, double pressure) { return 5.035 * z * Rankine(temperatureF) / pressure; }

}  // namespace tarnvik
