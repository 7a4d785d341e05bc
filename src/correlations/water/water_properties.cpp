#include "correlations/water/water_properties.h"

#include <cmath>
#include <limits>

#include "base/formula.h"
#include "base/unit_system.h"

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
  // Kestin, Sokolov and Wakeham (1978): pure water at 0.1 MPa; Kestin, Khalifa and Correia
  // (1981): the brine at 0.1 MPa, and the pressure coefficient of pure water.
  constexpr double kWater20C = 1.002;  // cp, pure water at 20 °C and 0.1 MPa
  constexpr double kWater[] = {1.2378, -1.303e-3, 3.06e-6, 2.55e-8};
  constexpr double kA[] = {3.324e-2, 3.624e-3, -1.879e-4};
  constexpr double kB[] = {-3.96e-2, 1.02e-2, -7.02e-4};
  constexpr double kBeta[] = {-1.297, 5.74e-2, -6.97e-4, 4.47e-6, -1.05e-8};  // 1/GPa
  constexpr double kReferenceGpa = 1e-4;                                      // 0.1 MPa
  const double celsius = (t - 32) / 1.8;
  // No brine has negative salt or is all salt; the temperature function has a pole at −96 °C.
  if (s < 0 || s >= 100 || celsius <= -96) return std::numeric_limits<double>::quiet_NaN();
  const double molality = 1000 * s / (units::kNaClMolarMass * (100 - s));  // mol/kg of water
  const double gpa = pressure * units::kPascalsPerPsi * 1e-9;              // psia -> GPa
  const double d = 20 - celsius;
  // log10(μw0 / 1.002 cp)
  const double logWater = d / (celsius + 96) * (kWater[0] + d * (kWater[1] + d * (kWater[2] + d * kWater[3])));
  const double a = molality * (kA[0] + molality * (kA[1] + molality * kA[2]));
  const double b = molality * (kB[0] + molality * (kB[1] + molality * kB[2]));
  const double beta =
      kBeta[0] + celsius * (kBeta[1] + celsius * (kBeta[2] + celsius * (kBeta[3] + celsius * kBeta[4])));
  const double brine = kWater20C * Pow10(logWater + a + b * logWater);  // μ0 = μw0 · 10^(A + B log10(μw0 / 1.002))
  return brine * (1 + beta * (gpa - kReferenceGpa));
}

double WaterCompressibility(double t, double p, double bubblePoint, double salinity, double rsw) {
  const double b0 = 3.8546 - 0.000134 * p;
  const double b1 = -0.01052 + 4.77e-7 * p;
  const double b2 = 3.9267e-5 - 8.8e-10 * p;
  double cw = (b0 + b1 * t + b2 * t * t) * 1e-6;
  if (p <= bubblePoint) cw = cw * (1 + 0.0089 * rsw);
  const double salinityFactor =
      1 + (-0.052 + 0.00027 * t - 1.14e-6 * t * t + 1.121e-9 * t * t * t) * Pow(salinity, 0.7);
  return cw * salinityFactor;
}

}  // namespace tarnvik
