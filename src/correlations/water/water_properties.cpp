#include "correlations/water/water_properties.h"

#include <cmath>
#include <limits>

#include "base/formula.h"

namespace tarnvik {

double WaterSolutionGas(double pressure, double bubblePoint, double t, double salinity) {
  const double a0 = 2.12 + 0.00345 * t - 3.59e-5 * t * t;
  const double a1 = 0.0107 - 5.26e-5 * t + 1.48e-7 * t * t;
  const double a2 = -8.75e-7 + 3.9e-9 * t - 1.02e-11 * t * t;
  const double salinityFactor = 1 - salinity * (0.0753 - 0.000173 * t);
  const double p = (pressure > bubblePoint && bubblePoint != 0) ? bubblePoint : pressure;
  const double rsw = (a0 + a1 * p + a2 * p * p) * salinityFactor;
  return rsw < 0 ? 0 : rsw;
}

double WaterFvf(double p, double t, double salinity) {
  const double dt = t - 60;
  const double exponent = 0.001996 * (t - 100) - 1.267606;
  const double freshWater = 0.952 - 1.48e-6 * p + Pow10(exponent);
  const double salinityFactor =
      1 + salinity * (5.1e-8 * p + dt * (5.47e-6 - 1.95e-10 * p) + dt * dt * (-3.23e-8 + 8.5e-13 * p));
  return freshWater * salinityFactor;
}

double WaterViscosity(double t, double s, double pressure) {
  // McCain (1990), eqs. 16 to 18: dead brine at atmospheric pressure, then the pressure
  // correction.
  constexpr double kA[] = {109.574, -8.40564, 0.313314, 8.72213e-3};
  constexpr double kB[] = {-1.12166, 2.63951e-2, -6.79461e-4, -5.47119e-5, 1.55586e-6};
  constexpr double kP[] = {0.9994, 4.0295e-5, 3.1062e-9};
  if (s < 0) return std::numeric_limits<double>::quiet_NaN();  // no brine has negative salt
  const double a = kA[0] + s * (kA[1] + s * (kA[2] + s * kA[3]));
  const double b = kB[0] + s * (kB[1] + s * (kB[2] + s * (kB[3] + s * kB[4])));
  const double deadBrine = a * std::pow(t, b);
  return deadBrine * (kP[0] + pressure * (kP[1] + pressure * kP[2]));
}

double WaterCompressibility(double t, double p, double bubblePoint, double salinity, double rsw) {
  const double b0 = 3.8546 - 0.000134 * p;
  const double b1 = -0.01052 + 4.77e-7 * p;
  const double b2 = 3.9267e-5 - 8.8e-10 * p;
  double cw = (b0 + b1 * t + b2 * t * t) * 1e-6;
  if (p <= bubblePoint) cw = cw * (1 + 0.0089 * rsw);
  const double salinityFactor =
      1 + (-0.052 + 0.00027 * t - 1.14e-6 * t * t + 1.121e-9 * t * t * t) * std::pow(salinity, 0.7);
  return cw * salinityFactor;
}

}  // namespace tarnvik
